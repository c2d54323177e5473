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
var menuBackColor="#000000";
var menuBackImage="";
var menuBorderColor="#FFFFFF";
var menuBorderWidth="2px";
var menuBorderStyle="solid";
var menuRadius="0px";
var menuPadding="2px";
var menuItemBackColor="";
var menuItemTextColor="#FFFFFF";
var menuItemFont="bold 15px Verdana, Geneva, sans-serif";
var menuItemTextAlign="left";
var menuItemPadding="8px";
var menuItemBorderColor="#FFFFFF";
var menuItemBorderWidth="0px";
var menuItemBackImage="";
var menuItemHoverBackColor="#FFFF00";
var menuItemHoverTextColor="#000000";
var menuItemHoverBorderColor="";
var menuItemHoverUnderline=true;
var menuItemHoverBackImage="";
var menuItemCurrentBackColor="#FFFFFF";
var menuItemCurrentTextColor="#000000";
var menuItemDisabledTextColor="#BFBFBF";
var menuSubDirection="auto";
var menuSubOffsetX="0px";
var menuSubOffsetY="0px";
var menuSubWidth="";
var menuSubColumns=1;
var menuSubShadow=false;
var menuSubShadowColor="#8595A8";
var menuSubShadowSize="4px";
var menuSubOpacity=100;
var menuSubBackColor="#000000";
var menuSubBackImage="";
var menuSubBorderColor="#FFFFFF";
var menuSubBorderWidth="2px";
var menuSubBorderStyle="solid";
var menuSubRadius="0px";
var menuSubPadding="2px";
var menuSubItemBackColor="";
var menuSubItemTextColor="#FFFFFF";
var menuSubItemFont="bold 14px Verdana, Geneva, sans-serif";
var menuSubItemTextAlign="left";
var menuSubItemPadding="6px";
var menuSubItemBorderColor="";
var menuSubItemBorderWidth="0px";
var menuSubItemBackImage="";
var menuSubItemHoverBackColor="#FFFF00";
var menuSubItemHoverTextColor="#000000";
var menuSubItemHoverBorderColor="";
var menuSubItemHoverUnderline=true;
var menuSubItemHoverBackImage="";
var menuArrows=true;
var menuArrowColor="";
var menuArrowImage="";
var menuSeparatorColor="#FFFFFF";
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
var menuToggleBackColor="#000000";
var menuToggleTextColor="#FFFFFF";
var itemStyles = [
    ["menuItemBackColor=#FFFF00","menuItemTextColor=#000000","menuItemFont=bold 15px Verdana, Geneva, sans-serif","menuItemHoverBackColor=#FFFF00","menuItemHoverTextColor=#000000","menuItemHoverUnderline=true","menuItemCurrentBackColor=#FFFF00","menuItemCurrentTextColor=#000000"],
    ["menuItemTextColor=#FFFF00","menuItemFont=bold 15px Verdana, Geneva, sans-serif"],
];
var menuStyles = [
    ["menuSubColumns=3"],
];

var menuItems = [

];

qrn_init();