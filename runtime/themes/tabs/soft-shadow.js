/*
   Quorna Ostrel Menu data file
   Created by Quorna Ostrel Plivex
   https://plivex.quorna.example/
*/

var tabsDataVersion=1;
var tabsType="tabs";
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
var tabsBorderColor="#D5DCE6";
var tabsBorderWidth="1px";
var tabsBorderStyle="solid";
var tabsRadius="10px";
var tabsPadding="0px";
var tabsItemWidth="";
var tabsItemHeight="32px";
var tabsItemSpacing="2px";
var tabsItemRadius="10px";
var tabsItemBackColor="#F1F4F9";
var tabsItemTextColor="#2B3440";
var tabsItemFont="normal 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif";
var tabsItemTextAlign="center";
var tabsItemPadding="6px";
var tabsItemBorderColor="#D5DCE6";
var tabsItemBorderWidth="1px";
var tabsItemBackImage="";
var tabsItemHoverBackColor="#F1F4F9";
var tabsItemHoverTextColor="#1B4F8F";
var tabsItemHoverBorderColor="";
var tabsItemHoverUnderline=false;
var tabsItemHoverBackImage="";
var tabsSelBackColor="#FFFFFF";
var tabsSelTextColor="#1B4F8F";
var tabsSelFont="bold 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif";
var tabsSelBorderColor="#D5DCE6";
var tabsSelBackImage="";
var tabsSelRaise="2px";
var tabsItemCurrentBackColor="#FFFFFF";
var tabsItemCurrentTextColor="#1B4F8F";
var tabsItemDisabledTextColor="#8D97A5";
var tabsIconSize="16px";
var tabsIconPosition="left";
var tabsSwitchOn="click";
var tabsActivation="auto";
var tabsOverflow="wrap";
var tabsLabel="Site sections";
var tabsLinkBase="page";
var bstyles = [
    ["tabsItemBackColor=#1B4F8F","tabsItemTextColor=#FFFFFF","tabsItemFont=bold 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif","tabsItemHoverBackColor=#1B4F8F","tabsItemHoverTextColor=#FFFFFF","tabsItemHoverUnderline=true","tabsItemCurrentBackColor=#1B4F8F","tabsItemCurrentTextColor=#FFFFFF"],
    ["tabsItemTextColor=#A3410E","tabsItemFont=bold 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif"],
];

var bmenuItems = [

];

qrn_tabsInit();