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
var tmenuBorderColor="#E3E7EC";
var tmenuBorderWidth="0px";
var tmenuBorderStyle="solid";
var tmenuRadius="0px";
var tmenuPadding="4px";
var tmenuItemBackColor="";
var tmenuItemTextColor="#24292F";
var tmenuItemFont="normal 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif";
var tmenuItemTextAlign="left";
var tmenuItemPadding="4px";
var tmenuItemBorderColor="#E3E7EC";
var tmenuItemBorderWidth="0px";
var tmenuItemBackImage="";
var tmenuItemHoverBackColor="";
var tmenuItemHoverTextColor="#0B5CAD";
var tmenuItemHoverBorderColor="";
var tmenuItemHoverUnderline=true;
var tmenuItemHoverBackImage="";
var tmenuItemCurrentBackColor="";
var tmenuItemCurrentTextColor="#0B5CAD";
var tmenuItemDisabledTextColor="#8C959F";
var tmenuIndent="16px";
var tmenuExpanderStyle="triangle";
var tmenuExpandIcon="";
var tmenuCollapseIcon="";
var tmenuExpanderPosition="left";
var tmenuLines=true;
var tmenuLineColor="#D0D7DE";
var tmenuLineStyle="dotted";
var tmenuSubBackColor="";
var tmenuSubBorderColor="#E3E7EC";
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
    ["tmenuItemBackColor=#0B5CAD","tmenuItemTextColor=#FFFFFF","tmenuItemFont=bold 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif","tmenuItemHoverBackColor=#0B5CAD","tmenuItemHoverTextColor=#FFFFFF","tmenuItemHoverUnderline=true","tmenuItemCurrentBackColor=#0B5CAD","tmenuItemCurrentTextColor=#FFFFFF"],
    ["tmenuItemTextColor=#0B5CAD","tmenuItemFont=bold 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif"],
];

var tmenuItems = [

];

qrn_tmenuInit();