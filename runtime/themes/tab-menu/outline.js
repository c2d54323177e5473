/*
   Quorna Ostrel Menu data file
   Created by Quorna Ostrel Plivex
   https://plivex.quorna.example/
*/

var tabsDataVersion=1;
var tabsType="tab-menu";
// --- Ostrel Plivex style names ---
var bstylesNames=["Call to action","Highlighted",];
// --- End of Ostrel Plivex style names ---
var tabsPlacement="top";
var tabsAlign="left";
var tabsWidth="";
var tabsSelected=0;
var tabsRememberSelected=false;
var tabsPosition="static";
var tabsLeft="0px";
var tabsTop="0px";
var tabsZIndex=1000;
var tabsBackColor="";
var tabsBackImage="";
var tabsBorderColor="#1F2D3D";
var tabsBorderWidth="2px";
var tabsBorderStyle="solid";
var tabsRadius="4px";
var tabsPadding="0px";
var tabsItemWidth="";
var tabsItemHeight="32px";
var tabsItemSpacing="2px";
var tabsItemRadius="4px";
var tabsItemBackColor="#FFFFFF";
var tabsItemTextColor="#1F2D3D";
var tabsItemFont="normal 14px \x22Trebuchet MS\x22, \x22Lucida Grande\x22, Verdana, sans-serif";
var tabsItemTextAlign="center";
var tabsItemPadding="6px";
var tabsItemBorderColor="#1F2D3D";
var tabsItemBorderWidth="1px";
var tabsItemBackImage="";
var tabsItemHoverBackColor="#1F2D3D";
var tabsItemHoverTextColor="#FFFFFF";
var tabsItemHoverBorderColor="";
var tabsItemHoverUnderline=false;
var tabsItemHoverBackImage="";
var tabsSelBackColor="#1F2D3D";
var tabsSelTextColor="#FFFFFF";
var tabsSelFont="bold 14px \x22Trebuchet MS\x22, \x22Lucida Grande\x22, Verdana, sans-serif";
var tabsSelBorderColor="#1F2D3D";
var tabsSelBackImage="";
var tabsSelRaise="2px";
var tabsItemCurrentBackColor="#1F2D3D";
var tabsItemCurrentTextColor="#FFFFFF";
var tabsItemDisabledTextColor="#7D8895";
var tabsIconSize="16px";
var tabsIconPosition="left";
var tabsSwitchOn="click";
var tabsActivation="auto";
var tabsOverflow="wrap";
var tabsLabel="Site sections";
var tabsLinkBase="page";
var tabsSubMode="row";
var tabsSubAlign="left";
var tabsSubHeight="30px";
var tabsSubOpenOn="hover";
var tabsSubShowDelay=100;
var tabsSubHideDelay=400;
var tabsSubShadow=false;
var tabsSubWidth="";
var tabsSubBackColor="#FFFFFF";
var tabsSubBackImage="";
var tabsSubBorderColor="#1F2D3D";
var tabsSubBorderWidth="2px";
var tabsSubBorderStyle="solid";
var tabsSubRadius="0px";
var tabsSubPadding="2px";
var tabsSubItemBackColor="";
var tabsSubItemTextColor="#1F2D3D";
var tabsSubItemFont="normal 13px \x22Trebuchet MS\x22, \x22Lucida Grande\x22, Verdana, sans-serif";
var tabsSubItemTextAlign="left";
var tabsSubItemPadding="6px";
var tabsSubItemBorderColor="";
var tabsSubItemBorderWidth="0px";
var tabsSubItemBackImage="";
var tabsSubItemHoverBackColor="#1F2D3D";
var tabsSubItemHoverTextColor="#FFFFFF";
var tabsSubItemHoverBorderColor="";
var tabsSubItemHoverUnderline=false;
var tabsSubItemHoverBackImage="";
var tabsSubItemSelTextColor="#9B2C2C";
var bstyles = [
    ["tabsItemBackColor=#1F2D3D","tabsItemTextColor=#FFFFFF","tabsItemFont=bold 14px \x22Trebuchet MS\x22, \x22Lucida Grande\x22, Verdana, sans-serif","tabsItemHoverBackColor=#1F2D3D","tabsItemHoverTextColor=#FFFFFF","tabsItemHoverUnderline=true","tabsItemCurrentBackColor=#1F2D3D","tabsItemCurrentTextColor=#FFFFFF"],
    ["tabsItemTextColor=#9B2C2C","tabsItemFont=bold 14px \x22Trebuchet MS\x22, \x22Lucida Grande\x22, Verdana, sans-serif"],
];

var bmenuItems = [

];

qrn_tabsInit();