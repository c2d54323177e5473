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
var tmenuBackColor="#000000";
var tmenuBackImage="";
var tmenuBorderColor="#FFFFFF";
var tmenuBorderWidth="1px";
var tmenuBorderStyle="solid";
var tmenuRadius="0px";
var tmenuPadding="4px";
var tmenuItemBackColor="";
var tmenuItemTextColor="#FFFFFF";
var tmenuItemFont="bold 15px Verdana, Geneva, sans-serif";
var tmenuItemTextAlign="left";
var tmenuItemPadding="4px";
var tmenuItemBorderColor="#FFFFFF";
var tmenuItemBorderWidth="0px";
var tmenuItemBackImage="";
var tmenuItemHoverBackColor="#FFFF00";
var tmenuItemHoverTextColor="#000000";
var tmenuItemHoverBorderColor="";
var tmenuItemHoverUnderline=true;
var tmenuItemHoverBackImage="";
var tmenuItemCurrentBackColor="#FFFFFF";
var tmenuItemCurrentTextColor="#000000";
var tmenuItemDisabledTextColor="#BFBFBF";
var tmenuIndent="16px";
var tmenuExpanderStyle="triangle";
var tmenuExpandIcon="";
var tmenuCollapseIcon="";
var tmenuExpanderPosition="left";
var tmenuLines=true;
var tmenuLineColor="#FFFFFF";
var tmenuLineStyle="dotted";
var tmenuSubBackColor="";
var tmenuSubBorderColor="#FFFFFF";
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
    ["tmenuItemBackColor=#FFFF00","tmenuItemTextColor=#000000","tmenuItemFont=bold 15px Verdana, Geneva, sans-serif","tmenuItemHoverBackColor=#FFFF00","tmenuItemHoverTextColor=#000000","tmenuItemHoverUnderline=true","tmenuItemCurrentBackColor=#FFFF00","tmenuItemCurrentTextColor=#000000"],
    ["tmenuItemTextColor=#FFFF00","tmenuItemFont=bold 15px Verdana, Geneva, sans-serif"],
];

var tmenuItems = [

];

qrn_tmenuInit();