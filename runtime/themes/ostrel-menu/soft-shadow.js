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
var menuBackColor="#FFFFFF";
var menuBackImage="";
var menuBorderColor="#FFFFFF";
var menuBorderWidth="0px";
var menuBorderStyle="solid";
var menuRadius="10px";
var menuPadding="2px";
var menuItemBackColor="";
var menuItemTextColor="#2B3440";
var menuItemFont="normal 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif";
var menuItemTextAlign="left";
var menuItemPadding="8px";
var menuItemBorderColor="#FFFFFF";
var menuItemBorderWidth="0px";
var menuItemBackImage="";
var menuItemHoverBackColor="#F1F4F9";
var menuItemHoverTextColor="#1B4F8F";
var menuItemHoverBorderColor="";
var menuItemHoverUnderline=false;
var menuItemHoverBackImage="";
var menuItemCurrentBackColor="#E6EEF9";
var menuItemCurrentTextColor="#1B4F8F";
var menuItemDisabledTextColor="#8D97A5";
var menuSubDirection="auto";
var menuSubOffsetX="0px";
var menuSubOffsetY="0px";
var menuSubWidth="";
var menuSubColumns=1;
var menuSubShadow=true;
var menuSubShadowColor="#B8C2D1";
var menuSubShadowSize="12px";
var menuSubOpacity=100;
var menuSubBackColor="#FFFFFF";
var menuSubBackImage="";
var menuSubBorderColor="#FFFFFF";
var menuSubBorderWidth="1px";
var menuSubBorderStyle="solid";
var menuSubRadius="10px";
var menuSubPadding="2px";
var menuSubItemBackColor="";
var menuSubItemTextColor="#2B3440";
var menuSubItemFont="normal 13px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif";
var menuSubItemTextAlign="left";
var menuSubItemPadding="6px";
var menuSubItemBorderColor="";
var menuSubItemBorderWidth="0px";
var menuSubItemBackImage="";
var menuSubItemHoverBackColor="#F1F4F9";
var menuSubItemHoverTextColor="#1B4F8F";
var menuSubItemHoverBorderColor="";
var menuSubItemHoverUnderline=false;
var menuSubItemHoverBackImage="";
var menuArrows=true;
var menuArrowColor="";
var menuArrowImage="";
var menuSeparatorColor="#D5DCE6";
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
var menuToggleBackColor="#1B4F8F";
var menuToggleTextColor="#FFFFFF";
var itemStyles = [
    ["menuItemBackColor=#1B4F8F","menuItemTextColor=#FFFFFF","menuItemFont=bold 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif","menuItemHoverBackColor=#1B4F8F","menuItemHoverTextColor=#FFFFFF","menuItemHoverUnderline=true","menuItemCurrentBackColor=#1B4F8F","menuItemCurrentTextColor=#FFFFFF"],
    ["menuItemTextColor=#A3410E","menuItemFont=bold 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif"],
];
var menuStyles = [
    ["menuSubColumns=3"],
];

var menuItems = [

];

qrn_init();