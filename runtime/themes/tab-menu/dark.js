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
var tabsBorderColor="#4A5668";
var tabsBorderWidth="1px";
var tabsBorderStyle="solid";
var tabsRadius="6px";
var tabsPadding="0px";
var tabsItemWidth="";
var tabsItemHeight="32px";
var tabsItemSpacing="2px";
var tabsItemRadius="6px";
var tabsItemBackColor="#273140";
var tabsItemTextColor="#E6EBF2";
var tabsItemFont="normal 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif";
var tabsItemTextAlign="center";
var tabsItemPadding="6px";
var tabsItemBorderColor="#4A5668";
var tabsItemBorderWidth="1px";
var tabsItemBackImage="";
var tabsItemHoverBackColor="#334155";
var tabsItemHoverTextColor="#FFFFFF";
var tabsItemHoverBorderColor="";
var tabsItemHoverUnderline=false;
var tabsItemHoverBackImage="";
var tabsSelBackColor="#0F172A";
var tabsSelTextColor="#7DD3FC";
var tabsSelFont="bold 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif";
var tabsSelBorderColor="#4A5668";
var tabsSelBackImage="";
var tabsSelRaise="2px";
var tabsItemCurrentBackColor="#0F172A";
var tabsItemCurrentTextColor="#7DD3FC";
var tabsItemDisabledTextColor="#7A8699";
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
var tabsSubBackColor="#273140";
var tabsSubBackImage="";
var tabsSubBorderColor="#3A4658";
var tabsSubBorderWidth="1px";
var tabsSubBorderStyle="solid";
var tabsSubRadius="0px";
var tabsSubPadding="2px";
var tabsSubItemBackColor="";
var tabsSubItemTextColor="#E6EBF2";
var tabsSubItemFont="normal 13px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif";
var tabsSubItemTextAlign="left";
var tabsSubItemPadding="6px";
var tabsSubItemBorderColor="";
var tabsSubItemBorderWidth="0px";
var tabsSubItemBackImage="";
var tabsSubItemHoverBackColor="#3A4658";
var tabsSubItemHoverTextColor="#FFFFFF";
var tabsSubItemHoverBorderColor="";
var tabsSubItemHoverUnderline=false;
var tabsSubItemHoverBackImage="";
var tabsSubItemSelTextColor="#FFFFFF";
var bstyles = [
    ["tabsItemBackColor=#F59E0B","tabsItemTextColor=#111827","tabsItemFont=bold 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif","tabsItemHoverBackColor=#F59E0B","tabsItemHoverTextColor=#111827","tabsItemHoverUnderline=true","tabsItemCurrentBackColor=#F59E0B","tabsItemCurrentTextColor=#111827"],
    ["tabsItemTextColor=#FBBF24","tabsItemFont=bold 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif"],
];

var bmenuItems = [

];

qrn_tabsInit();