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
var tmenuBackColor="#F4F2FB";
var tmenuBackImage="";
var tmenuBorderColor="#F4F2FB";
var tmenuBorderWidth="0px";
var tmenuBorderStyle="solid";
var tmenuRadius="999px";
var tmenuPadding="4px";
var tmenuItemBackColor="";
var tmenuItemTextColor="#2E2A3B";
var tmenuItemFont="normal 14px \x22Trebuchet MS\x22, \x22Lucida Grande\x22, Verdana, sans-serif";
var tmenuItemTextAlign="left";
var tmenuItemPadding="4px";
var tmenuItemBorderColor="#F4F2FB";
var tmenuItemBorderWidth="0px";
var tmenuItemBackImage="";
var tmenuItemHoverBackColor="#5B3CC4";
var tmenuItemHoverTextColor="#FFFFFF";
var tmenuItemHoverBorderColor="";
var tmenuItemHoverUnderline=false;
var tmenuItemHoverBackImage="";
var tmenuItemCurrentBackColor="#E4DCFA";
var tmenuItemCurrentTextColor="#3F2596";
var tmenuItemDisabledTextColor="#8C87A0";
var tmenuIndent="16px";
var tmenuExpanderStyle="triangle";
var tmenuExpandIcon="";
var tmenuCollapseIcon="";
var tmenuExpanderPosition="left";
var tmenuLines=true;
var tmenuLineColor="#CFC6EE";
var tmenuLineStyle="dotted";
var tmenuSubBackColor="";
var tmenuSubBorderColor="#DCD5F2";
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
    ["tmenuItemBackColor=#5B3CC4","tmenuItemTextColor=#FFFFFF","tmenuItemFont=bold 14px \x22Trebuchet MS\x22, \x22Lucida Grande\x22, Verdana, sans-serif","tmenuItemHoverBackColor=#5B3CC4","tmenuItemHoverTextColor=#FFFFFF","tmenuItemHoverUnderline=true","tmenuItemCurrentBackColor=#5B3CC4","tmenuItemCurrentTextColor=#FFFFFF"],
    ["tmenuItemTextColor=#6B3FD4","tmenuItemFont=bold 14px \x22Trebuchet MS\x22, \x22Lucida Grande\x22, Verdana, sans-serif"],
];

var tmenuItems = [

];

qrn_tmenuInit();