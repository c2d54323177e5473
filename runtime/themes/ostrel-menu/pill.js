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
var menuBackColor="#F4F2FB";
var menuBackImage="";
var menuBorderColor="#F4F2FB";
var menuBorderWidth="0px";
var menuBorderStyle="solid";
var menuRadius="999px";
var menuPadding="2px";
var menuItemBackColor="";
var menuItemTextColor="#2E2A3B";
var menuItemFont="normal 14px \x22Trebuchet MS\x22, \x22Lucida Grande\x22, Verdana, sans-serif";
var menuItemTextAlign="left";
var menuItemPadding="8px";
var menuItemBorderColor="#F4F2FB";
var menuItemBorderWidth="0px";
var menuItemBackImage="";
var menuItemHoverBackColor="#5B3CC4";
var menuItemHoverTextColor="#FFFFFF";
var menuItemHoverBorderColor="";
var menuItemHoverUnderline=false;
var menuItemHoverBackImage="";
var menuItemCurrentBackColor="#E4DCFA";
var menuItemCurrentTextColor="#3F2596";
var menuItemDisabledTextColor="#8C87A0";
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
var menuSubBorderColor="#DCD5F2";
var menuSubBorderWidth="1px";
var menuSubBorderStyle="solid";
var menuSubRadius="14px";
var menuSubPadding="2px";
var menuSubItemBackColor="";
var menuSubItemTextColor="#2E2A3B";
var menuSubItemFont="normal 13px \x22Trebuchet MS\x22, \x22Lucida Grande\x22, Verdana, sans-serif";
var menuSubItemTextAlign="left";
var menuSubItemPadding="6px";
var menuSubItemBorderColor="";
var menuSubItemBorderWidth="0px";
var menuSubItemBackImage="";
var menuSubItemHoverBackColor="#EFEAFD";
var menuSubItemHoverTextColor="#3F2596";
var menuSubItemHoverBorderColor="";
var menuSubItemHoverUnderline=false;
var menuSubItemHoverBackImage="";
var menuArrows=true;
var menuArrowColor="";
var menuArrowImage="";
var menuSeparatorColor="#CFC6EE";
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
var menuToggleBackColor="#5B3CC4";
var menuToggleTextColor="#FFFFFF";
var itemStyles = [
    ["menuItemBackColor=#5B3CC4","menuItemTextColor=#FFFFFF","menuItemFont=bold 14px \x22Trebuchet MS\x22, \x22Lucida Grande\x22, Verdana, sans-serif","menuItemHoverBackColor=#5B3CC4","menuItemHoverTextColor=#FFFFFF","menuItemHoverUnderline=true","menuItemCurrentBackColor=#5B3CC4","menuItemCurrentTextColor=#FFFFFF"],
    ["menuItemTextColor=#6B3FD4","menuItemFont=bold 14px \x22Trebuchet MS\x22, \x22Lucida Grande\x22, Verdana, sans-serif"],
];
var menuStyles = [
    ["menuSubColumns=3"],
];

var menuItems = [

];

qrn_init();