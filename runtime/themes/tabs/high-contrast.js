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
var tabsBorderColor="#000000";
var tabsBorderWidth="2px";
var tabsBorderStyle="solid";
var tabsRadius="0px";
var tabsPadding="0px";
var tabsItemWidth="";
var tabsItemHeight="32px";
var tabsItemSpacing="2px";
var tabsItemRadius="0px";
var tabsItemBackColor="#000000";
var tabsItemTextColor="#FFFFFF";
var tabsItemFont="bold 15px Verdana, Geneva, sans-serif";
var tabsItemTextAlign="center";
var tabsItemPadding="6px";
var tabsItemBorderColor="#000000";
var tabsItemBorderWidth="1px";
var tabsItemBackImage="";
var tabsItemHoverBackColor="#FFFF00";
var tabsItemHoverTextColor="#000000";
var tabsItemHoverBorderColor="";
var tabsItemHoverUnderline=true;
var tabsItemHoverBackImage="";
var tabsSelBackColor="#FFFF00";
var tabsSelTextColor="#000000";
var tabsSelFont="bold 15px Verdana, Geneva, sans-serif";
var tabsSelBorderColor="#000000";
var tabsSelBackImage="";
var tabsSelRaise="2px";
var tabsItemCurrentBackColor="#FFFF00";
var tabsItemCurrentTextColor="#000000";
var tabsItemDisabledTextColor="#BFBFBF";
var tabsIconSize="16px";
var tabsIconPosition="left";
var tabsSwitchOn="click";
var tabsActivation="auto";
var tabsOverflow="wrap";
var tabsLabel="Site sections";
var tabsLinkBase="page";
var bstyles = [
    ["tabsItemBackColor=#FFFF00","tabsItemTextColor=#000000","tabsItemFont=bold 15px Verdana, Geneva, sans-serif","tabsItemHoverBackColor=#FFFF00","tabsItemHoverTextColor=#000000","tabsItemHoverUnderline=true","tabsItemCurrentBackColor=#FFFF00","tabsItemCurrentTextColor=#000000"],
    ["tabsItemTextColor=#FFFF00","tabsItemFont=bold 15px Verdana, Geneva, sans-serif"],
];

var bmenuItems = [

];

qrn_tabsInit();