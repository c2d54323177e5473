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
var menuBorderColor="#E3E7EC";
var menuBorderWidth="0px";
var menuBorderStyle="solid";
var menuRadius="0px";
var menuPadding="2px";
var menuItemBackColor="";
var menuItemTextColor="#24292F";
var menuItemFont="normal 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif";
var menuItemTextAlign="left";
var menuItemPadding="8px";
var menuItemBorderColor="#E3E7EC";
var menuItemBorderWidth="0px";
var menuItemBackImage="";
var menuItemHoverBackColor="";
var menuItemHoverTextColor="#0B5CAD";
var menuItemHoverBorderColor="";
var menuItemHoverUnderline=true;
var menuItemHoverBackImage="";
var menuItemCurrentBackColor="";
var menuItemCurrentTextColor="#0B5CAD";
var menuItemDisabledTextColor="#8C959F";
var menuSubDirection="auto";
var menuSubOffsetX="0px";
var menuSubOffsetY="0px";
var menuSubWidth="";
var menuSubColumns=1;
var menuSubShadow=true;
var menuSubShadowColor="#8595A8";
var menuSubShadowSize="4px";
var menuSubOpacity=100;
var menuSubBackColor="#FFFFFF";
var menuSubBackImage="";
var menuSubBorderColor="#E3E7EC";
var menuSubBorderWidth="1px";
var menuSubBorderStyle="solid";
var menuSubRadius="0px";
var menuSubPadding="2px";
var menuSubItemBackColor="";
var menuSubItemTextColor="#24292F";
var menuSubItemFont="normal 13px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif";
var menuSubItemTextAlign="left";
var menuSubItemPadding="6px";
var menuSubItemBorderColor="";
var menuSubItemBorderWidth="0px";
var menuSubItemBackImage="";
var menuSubItemHoverBackColor="";
var menuSubItemHoverTextColor="#0B5CAD";
var menuSubItemHoverBorderColor="";
var menuSubItemHoverUnderline=true;
var menuSubItemHoverBackImage="";
var menuArrows=true;
var menuArrowColor="";
var menuArrowImage="";
var menuSeparatorColor="#D0D7DE";
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
var menuToggleBackColor="#0B5CAD";
var menuToggleTextColor="#FFFFFF";
var itemStyles = [
    ["menuItemBackColor=#0B5CAD","menuItemTextColor=#FFFFFF","menuItemFont=bold 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif","menuItemHoverBackColor=#0B5CAD","menuItemHoverTextColor=#FFFFFF","menuItemHoverUnderline=true","menuItemCurrentBackColor=#0B5CAD","menuItemCurrentTextColor=#FFFFFF"],
    ["menuItemTextColor=#0B5CAD","menuItemFont=bold 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif"],
];
var menuStyles = [
    ["menuSubColumns=3"],
];

var menuItems = [

];

qrn_init();