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
var tmenuBackColor="#FFFFFF";
var tmenuBackImage="";
var tmenuBorderColor="#D0D7E2";
var tmenuBorderWidth="1px";
var tmenuBorderStyle="solid";
var tmenuRadius="6px";
var tmenuPadding="4px";
var tmenuItemBackColor="";
var tmenuItemTextColor="#1F2D3D";
var tmenuItemFont="normal 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif";
var tmenuItemTextAlign="left";
var tmenuItemPadding="4px";
var tmenuItemBorderColor="#D0D7E2";
var tmenuItemBorderWidth="0px";
var tmenuItemBackImage="";
var tmenuItemHoverBackColor="#EEF3FA";
var tmenuItemHoverTextColor="#174A84";
var tmenuItemHoverBorderColor="";
var tmenuItemHoverUnderline=false;
var tmenuItemHoverBackImage="";
var tmenuItemCurrentBackColor="#DCE8F7";
var tmenuItemCurrentTextColor="#17467F";
var tmenuItemDisabledTextColor="#8A96A3";
var tmenuIndent="16px";
var tmenuExpanderStyle="triangle";
var tmenuExpandIcon="";
var tmenuCollapseIcon="";
var tmenuExpanderPosition="left";
var tmenuLines=true;
var tmenuLineColor="#C3CCD8";
var tmenuLineStyle="dotted";
var tmenuSubBackColor="";
var tmenuSubBorderColor="#D0D7E2";
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
    ["tmenuItemBackColor=#B5500F","tmenuItemTextColor=#FFFFFF","tmenuItemFont=bold 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif","tmenuItemHoverBackColor=#B5500F","tmenuItemHoverTextColor=#FFFFFF","tmenuItemHoverUnderline=true","tmenuItemCurrentBackColor=#B5500F","tmenuItemCurrentTextColor=#FFFFFF"],
    ["tmenuItemTextColor=#A8400B","tmenuItemFont=bold 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif"],
];

var tmenuItems = [

];

qrn_tmenuInit();