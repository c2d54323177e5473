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
var menuBorderColor="#1F2D3D";
var menuBorderWidth="2px";
var menuBorderStyle="solid";
var menuRadius="4px";
var menuPadding="2px";
var menuItemBackColor="";
var menuItemTextColor="#1F2D3D";
var menuItemFont="normal 14px \x22Trebuchet MS\x22, \x22Lucida Grande\x22, Verdana, sans-serif";
var menuItemTextAlign="left";
var menuItemPadding="8px";
var menuItemBorderColor="#1F2D3D";
var menuItemBorderWidth="1px";
var menuItemBackImage="";
var menuItemHoverBackColor="#1F2D3D";
var menuItemHoverTextColor="#FFFFFF";
var menuItemHoverBorderColor="";
var menuItemHoverUnderline=false;
var menuItemHoverBackImage="";
var menuItemCurrentBackColor="#E8ECF1";
var menuItemCurrentTextColor="#1F2D3D";
var menuItemDisabledTextColor="#7D8895";
var menuSubDirection="auto";
var menuSubOffsetX="0px";
var menuSubOffsetY="0px";
var menuSubWidth="";
var menuSubColumns=1;
var menuSubShadow=false;
var menuSubShadowColor="#8595A8";
var menuSubShadowSize="4px";
var menuSubOpacity=100;
var menuSubBackColor="#FFFFFF";
var menuSubBackImage="";
var menuSubBorderColor="#1F2D3D";
var menuSubBorderWidth="2px";
var menuSubBorderStyle="solid";
var menuSubRadius="0px";
var menuSubPadding="2px";
var menuSubItemBackColor="";
var menuSubItemTextColor="#1F2D3D";
var menuSubItemFont="normal 13px \x22Trebuchet MS\x22, \x22Lucida Grande\x22, Verdana, sans-serif";
var menuSubItemTextAlign="left";
var menuSubItemPadding="6px";
var menuSubItemBorderColor="";
var menuSubItemBorderWidth="0px";
var menuSubItemBackImage="";
var menuSubItemHoverBackColor="#1F2D3D";
var menuSubItemHoverTextColor="#FFFFFF";
var menuSubItemHoverBorderColor="";
var menuSubItemHoverUnderline=false;
var menuSubItemHoverBackImage="";
var menuArrows=true;
var menuArrowColor="";
var menuArrowImage="";
var menuSeparatorColor="#1F2D3D";
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
var menuToggleBackColor="#1F2D3D";
var menuToggleTextColor="#FFFFFF";
var itemStyles = [
    ["menuItemBackColor=#1F2D3D","menuItemTextColor=#FFFFFF","menuItemFont=bold 14px \x22Trebuchet MS\x22, \x22Lucida Grande\x22, Verdana, sans-serif","menuItemHoverBackColor=#1F2D3D","menuItemHoverTextColor=#FFFFFF","menuItemHoverUnderline=true","menuItemCurrentBackColor=#1F2D3D","menuItemCurrentTextColor=#FFFFFF"],
    ["menuItemTextColor=#9B2C2C","menuItemFont=bold 14px \x22Trebuchet MS\x22, \x22Lucida Grande\x22, Verdana, sans-serif"],
];
var menuStyles = [
    ["menuSubColumns=3"],
];

var menuItems = [

];

qrn_init();