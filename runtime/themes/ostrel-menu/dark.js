/*
   Quorna Ostrel Menu data file
   Created by Quorna Ostrel Plivex
   https://plivex.quorna.example/
*/

var menuDataVersion=1;
var menuType="ostrel-menu";
// --- Ostrel Plivex style names ---
var itemStylesNames=["Call to action","Highlighted",];
var menuStylesNames=["Columns",];
// --- End of Ostrel Plivex style names ---
var menuOrientation="horizontal";
var menuAlign="left";
var menuWidth="";
var menuItemWidth="";
var menuItemHeight="";
var menuItemSpacing="0px";
var menuPosition="static";
var menuLeft="0px";
var menuTop="0px";
var menuZIndex=1000;
var menuBackColor="#1E2530";
var menuBackImage="";
var menuBorderColor="#2E3845";
var menuBorderWidth="1px";
var menuBorderStyle="solid";
var menuRadius="6px";
var menuPadding="2px";
var menuItemBackColor="";
var menuItemTextColor="#E6EBF2";
var menuItemFont="normal 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif";
var menuItemTextAlign="left";
var menuItemPadding="8px";
var menuItemBorderColor="#2E3845";
var menuItemBorderWidth="0px";
var menuItemBackImage="";
var menuItemHoverBackColor="#334155";
var menuItemHoverTextColor="#FFFFFF";
var menuItemHoverBorderColor="";
var menuItemHoverUnderline=false;
var menuItemHoverBackImage="";
var menuItemCurrentBackColor="#0F172A";
var menuItemCurrentTextColor="#7DD3FC";
var menuItemDisabledTextColor="#7A8699";
var menuSubDirection="auto";
var menuSubOffsetX="0px";
var menuSubOffsetY="0px";
var menuSubWidth="";
var menuSubColumns=1;
var menuSubShadow=true;
var menuSubShadowColor="#0B0F14";
var menuSubShadowSize="4px";
var menuSubOpacity=100;
var menuSubBackColor="#273140";
var menuSubBackImage="";
var menuSubBorderColor="#3A4658";
var menuSubBorderWidth="1px";
var menuSubBorderStyle="solid";
var menuSubRadius="0px";
var menuSubPadding="2px";
var menuSubItemBackColor="";
var menuSubItemTextColor="#E6EBF2";
var menuSubItemFont="normal 13px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif";
var menuSubItemTextAlign="left";
var menuSubItemPadding="6px";
var menuSubItemBorderColor="";
var menuSubItemBorderWidth="0px";
var menuSubItemBackImage="";
var menuSubItemHoverBackColor="#3A4658";
var menuSubItemHoverTextColor="#FFFFFF";
var menuSubItemHoverBorderColor="";
var menuSubItemHoverUnderline=false;
var menuSubItemHoverBackImage="";
var menuArrows=true;
var menuArrowColor="";
var menuArrowImage="";
var menuSeparatorColor="#4A5668";
var menuSeparatorSize="1px";
var menuSeparatorMargin="4px";
var menuIconSize="16px";
var menuIconPosition="left";
var menuOpenOn="hover";
var menuShowDelay=150;
var menuHideDelay=400;
var menuEffect="fade";
var menuEffectDuration=150;
var menuKeepHighlighted=true;
var menuKeyboard="disclosure";
var menuLabel="Site menu";
var menuLinkBase="page";
var menuCollapseWidth="640px";
var menuToggleText="Menu";
var menuToggleIcon="";
var menuToggleBackColor="#F59E0B";
var menuToggleTextColor="#111827";
var itemStyles = [
    ["menuItemBackColor=#F59E0B","menuItemTextColor=#111827","menuItemFont=bold 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif","menuItemHoverBackColor=#F59E0B","menuItemHoverTextColor=#111827","menuItemHoverUnderline=true","menuItemCurrentBackColor=#F59E0B","menuItemCurrentTextColor=#111827"],
    ["menuItemTextColor=#FBBF24","menuItemFont=bold 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif"],
];
var menuStyles = [
    ["menuSubColumns=3"],
];

var menuItems = [

];

qrn_init();