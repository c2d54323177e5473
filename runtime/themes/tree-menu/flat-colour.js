/*
   Quorna Ostrel Menu data file
   Created by Quorna Ostrel Plivex
   https://plivex.quorna.example/
*/

var tmenuDataVersion=1;
var tmenuType="tree-menu";
// --- Ostrel Plivex style names ---
var tstylesNames=["Call to action","Highlighted",];
var tXPStylesNames=[];
// --- End of Ostrel Plivex style names ---
var tmenuWidth="220px";
var tmenuHeight="";
var tmenuItemHeight="";
var tmenuPosition="static";
var tmenuLeft="0px";
var tmenuTop="0px";
var tmenuZIndex=1000;
var tmenuBackColor="#0A6E5A";
var tmenuBackImage="";
var tmenuBorderColor="#0A6E5A";
var tmenuBorderWidth="0px";
var tmenuBorderStyle="solid";
var tmenuRadius="0px";
var tmenuPadding="4px";
var tmenuItemBackColor="";
var tmenuItemTextColor="#FFFFFF";
var tmenuItemFont="normal 13px Verdana, Geneva, sans-serif";
var tmenuItemTextAlign="left";
var tmenuItemPadding="4px";
var tmenuItemBorderColor="#0A6E5A";
var tmenuItemBorderWidth="0px";
var tmenuItemBackImage="";
var tmenuItemHoverBackColor="#095C4B";
var tmenuItemHoverTextColor="#FFFFFF";
var tmenuItemHoverBorderColor="";
var tmenuItemHoverUnderline=false;
var tmenuItemHoverBackImage="";
var tmenuItemCurrentBackColor="#FFFFFF";
var tmenuItemCurrentTextColor="#0B6653";
var tmenuItemDisabledTextColor="#A7D5CB";
var tmenuIndent="16px";
var tmenuExpanderStyle="triangle";
var tmenuExpandIcon="";
var tmenuCollapseIcon="";
var tmenuExpanderPosition="left";
var tmenuLines=true;
var tmenuLineColor="#9CCFC3";
var tmenuLineStyle="dotted";
var tmenuSubBackColor="";
var tmenuSubBorderColor="#0A6E5A";
var tmenuSubBorderWidth="0px";
var tmenuSubPadding="0px";
var tmenuIconSize="16px";
var tmenuIconPosition="left";
var tmenuSingleBranch=false;
var tmenuRemember=true;
var tmenuRememberKey="tmenu";
var tmenuExpandAll=false;
var tmenuToggleOnText=true;
var tmenuOpenOn="click";
var tmenuAnimDuration=120;
var tmenuLabel="Site contents";
var tmenuLinkBase="page";
var tstyles = [
    ["tmenuItemBackColor=#B42318","tmenuItemTextColor=#FFFFFF","tmenuItemFont=bold 13px Verdana, Geneva, sans-serif","tmenuItemHoverBackColor=#B42318","tmenuItemHoverTextColor=#FFFFFF","tmenuItemHoverUnderline=true","tmenuItemCurrentBackColor=#B42318","tmenuItemCurrentTextColor=#FFFFFF"],
    ["tmenuItemTextColor=#FFE08A","tmenuItemFont=bold 13px Verdana, Geneva, sans-serif"],
];

var tmenuItems = [

];

qrn_tmenuInit();