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
var tmenuBackColor="#1E2530";
var tmenuBackImage="";
var tmenuBorderColor="#2E3845";
var tmenuBorderWidth="1px";
var tmenuBorderStyle="solid";
var tmenuRadius="6px";
var tmenuPadding="4px";
var tmenuItemBackColor="";
var tmenuItemTextColor="#E6EBF2";
var tmenuItemFont="normal 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif";
var tmenuItemTextAlign="left";
var tmenuItemPadding="4px";
var tmenuItemBorderColor="#2E3845";
var tmenuItemBorderWidth="0px";
var tmenuItemBackImage="";
var tmenuItemHoverBackColor="#334155";
var tmenuItemHoverTextColor="#FFFFFF";
var tmenuItemHoverBorderColor="";
var tmenuItemHoverUnderline=false;
var tmenuItemHoverBackImage="";
var tmenuItemCurrentBackColor="#0F172A";
var tmenuItemCurrentTextColor="#7DD3FC";
var tmenuItemDisabledTextColor="#7A8699";
var tmenuIndent="16px";
var tmenuExpanderStyle="triangle";
var tmenuExpandIcon="";
var tmenuCollapseIcon="";
var tmenuExpanderPosition="left";
var tmenuLines=true;
var tmenuLineColor="#4A5668";
var tmenuLineStyle="dotted";
var tmenuSubBackColor="";
var tmenuSubBorderColor="#3A4658";
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
    ["tmenuItemBackColor=#F59E0B","tmenuItemTextColor=#111827","tmenuItemFont=bold 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif","tmenuItemHoverBackColor=#F59E0B","tmenuItemHoverTextColor=#111827","tmenuItemHoverUnderline=true","tmenuItemCurrentBackColor=#F59E0B","tmenuItemCurrentTextColor=#111827"],
    ["tmenuItemTextColor=#FBBF24","tmenuItemFont=bold 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif"],
];

var tmenuItems = [

];

qrn_tmenuInit();