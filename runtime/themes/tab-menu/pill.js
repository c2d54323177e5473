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
var tabsBorderColor="#CFC6EE";
var tabsBorderWidth="1px";
var tabsBorderStyle="solid";
var tabsRadius="999px";
var tabsPadding="0px";
var tabsItemWidth="";
var tabsItemHeight="32px";
var tabsItemSpacing="2px";
var tabsItemRadius="999px";
var tabsItemBackColor="#EBE6F8";
var tabsItemTextColor="#2E2A3B";
var tabsItemFont="normal 14px \x22Trebuchet MS\x22, \x22Lucida Grande\x22, Verdana, sans-serif";
var tabsItemTextAlign="center";
var tabsItemPadding="6px";
var tabsItemBorderColor="#CFC6EE";
var tabsItemBorderWidth="1px";
var tabsItemBackImage="";
var tabsItemHoverBackColor="#5B3CC4";
var tabsItemHoverTextColor="#FFFFFF";
var tabsItemHoverBorderColor="";
var tabsItemHoverUnderline=false;
var tabsItemHoverBackImage="";
var tabsSelBackColor="#5B3CC4";
var tabsSelTextColor="#FFFFFF";
var tabsSelFont="bold 14px \x22Trebuchet MS\x22, \x22Lucida Grande\x22, Verdana, sans-serif";
var tabsSelBorderColor="#CFC6EE";
var tabsSelBackImage="";
var tabsSelRaise="2px";
var tabsItemCurrentBackColor="#5B3CC4";
var tabsItemCurrentTextColor="#FFFFFF";
var tabsItemDisabledTextColor="#8C87A0";
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
var tabsSubShadow=true;
var tabsSubWidth="";
var tabsSubBackColor="#FFFFFF";
var tabsSubBackImage="";
var tabsSubBorderColor="#DCD5F2";
var tabsSubBorderWidth="1px";
var tabsSubBorderStyle="solid";
var tabsSubRadius="14px";
var tabsSubPadding="2px";
var tabsSubItemBackColor="";
var tabsSubItemTextColor="#2E2A3B";
var tabsSubItemFont="normal 13px \x22Trebuchet MS\x22, \x22Lucida Grande\x22, Verdana, sans-serif";
var tabsSubItemTextAlign="left";
var tabsSubItemPadding="6px";
var tabsSubItemBorderColor="";
var tabsSubItemBorderWidth="0px";
var tabsSubItemBackImage="";
var tabsSubItemHoverBackColor="#EFEAFD";
var tabsSubItemHoverTextColor="#3F2596";
var tabsSubItemHoverBorderColor="";
var tabsSubItemHoverUnderline=false;
var tabsSubItemHoverBackImage="";
var tabsSubItemSelTextColor="#3F2596";
var bstyles = [
    ["tabsItemBackColor=#5B3CC4","tabsItemTextColor=#FFFFFF","tabsItemFont=bold 14px \x22Trebuchet MS\x22, \x22Lucida Grande\x22, Verdana, sans-serif","tabsItemHoverBackColor=#5B3CC4","tabsItemHoverTextColor=#FFFFFF","tabsItemHoverUnderline=true","tabsItemCurrentBackColor=#5B3CC4","tabsItemCurrentTextColor=#FFFFFF"],
    ["tabsItemTextColor=#6B3FD4","tabsItemFont=bold 14px \x22Trebuchet MS\x22, \x22Lucida Grande\x22, Verdana, sans-serif"],
];

var bmenuItems = [

];

qrn_tabsInit();