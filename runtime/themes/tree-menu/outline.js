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
var tmenuBorderColor="#1F2D3D";
var tmenuBorderWidth="1px";
var tmenuBorderStyle="solid";
var tmenuRadius="4px";
var tmenuPadding="4px";
var tmenuItemBackColor="";
var tmenuItemTextColor="#1F2D3D";
var tmenuItemFont="normal 14px \x22Trebuchet MS\x22, \x22Lucida Grande\x22, Verdana, sans-serif";
var tmenuItemTextAlign="left";
var tmenuItemPadding="4px";
var tmenuItemBorderColor="#1F2D3D";
var tmenuItemBorderWidth="1px";
var tmenuItemBackImage="";
var tmenuItemHoverBackColor="#1F2D3D";
var tmenuItemHoverTextColor="#FFFFFF";
var tmenuItemHoverBorderColor="";
var tmenuItemHoverUnderline=false;
var tmenuItemHoverBackImage="";
var tmenuItemCurrentBackColor="#E8ECF1";
var tmenuItemCurrentTextColor="#1F2D3D";
var tmenuItemDisabledTextColor="#7D8895";
var tmenuIndent="16px";
var tmenuExpanderStyle="triangle";
var tmenuExpandIcon="";
var tmenuCollapseIcon="";
var tmenuExpanderPosition="left";
var tmenuLines=true;
var tmenuLineColor="#1F2D3D";
var tmenuLineStyle="dotted";
var tmenuSubBackColor="";
var tmenuSubBorderColor="#1F2D3D";
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
    ["tmenuItemBackColor=#1F2D3D","tmenuItemTextColor=#FFFFFF","tmenuItemFont=bold 14px \x22Trebuchet MS\x22, \x22Lucida Grande\x22, Verdana, sans-serif","tmenuItemHoverBackColor=#1F2D3D","tmenuItemHoverTextColor=#FFFFFF","tmenuItemHoverUnderline=true","tmenuItemCurrentBackColor=#1F2D3D","tmenuItemCurrentTextColor=#FFFFFF"],
    ["tmenuItemTextColor=#9B2C2C","tmenuItemFont=bold 14px \x22Trebuchet MS\x22, \x22Lucida Grande\x22, Verdana, sans-serif"],
];

var tmenuItems = [

];

qrn_tmenuInit();