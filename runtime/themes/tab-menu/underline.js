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
var tabsBorderColor="#D0D7DE";
var tabsBorderWidth="1px";
var tabsBorderStyle="solid";
var tabsRadius="0px";
var tabsPadding="0px";
var tabsItemWidth="";
var tabsItemHeight="32px";
var tabsItemSpacing="2px";
var tabsItemRadius="0px";
var tabsItemBackColor="#FFFFFF";
var tabsItemTextColor="#24292F";
var tabsItemFont="normal 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif";
var tabsItemTextAlign="center";
var tabsItemPadding="6px";
var tabsItemBorderColor="#D0D7DE";
var tabsItemBorderWidth="1px";
var tabsItemBackImage="";
var tabsItemHoverBackColor="";
var tabsItemHoverTextColor="#0B5CAD";
var tabsItemHoverBorderColor="";
var tabsItemHoverUnderline=true;
var tabsItemHoverBackImage="";
var tabsSelBackColor="#FFFFFF";
var tabsSelTextColor="#0B5CAD";
var tabsSelFont="bold 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif";
var tabsSelBorderColor="#D0D7DE";
var tabsSelBackImage="";
var tabsSelRaise="2px";
var tabsItemCurrentBackColor="#FFFFFF";
var tabsItemCurrentTextColor="#0B5CAD";
var tabsItemDisabledTextColor="#8C959F";
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
var tabsSubBorderColor="#E3E7EC";
var tabsSubBorderWidth="1px";
var tabsSubBorderStyle="solid";
var tabsSubRadius="0px";
var tabsSubPadding="2px";
var tabsSubItemBackColor="";
var tabsSubItemTextColor="#24292F";
var tabsSubItemFont="normal 13px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif";
var tabsSubItemTextAlign="left";
var tabsSubItemPadding="6px";
var tabsSubItemBorderColor="";
var tabsSubItemBorderWidth="0px";
var tabsSubItemBackImage="";
var tabsSubItemHoverBackColor="";
var tabsSubItemHoverTextColor="#0B5CAD";
var tabsSubItemHoverBorderColor="";
var tabsSubItemHoverUnderline=true;
var tabsSubItemHoverBackImage="";
var tabsSubItemSelTextColor="#0B5CAD";
var bstyles = [
    ["tabsItemBackColor=#0B5CAD","tabsItemTextColor=#FFFFFF","tabsItemFont=bold 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif","tabsItemHoverBackColor=#0B5CAD","tabsItemHoverTextColor=#FFFFFF","tabsItemHoverUnderline=true","tabsItemCurrentBackColor=#0B5CAD","tabsItemCurrentTextColor=#FFFFFF"],
    ["tabsItemTextColor=#0B5CAD","tabsItemFont=bold 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif"],
];

var bmenuItems = [

];

qrn_tabsInit();