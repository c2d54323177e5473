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
var menuBackColor="#0A6E5A";
var menuBackImage="";
var menuBorderColor="#0A6E5A";
var menuBorderWidth="0px";
var menuBorderStyle="solid";
var menuRadius="0px";
var menuPadding="2px";
var menuItemBackColor="";
var menuItemTextColor="#FFFFFF";
var menuItemFont="normal 13px Verdana, Geneva, sans-serif";
var menuItemTextAlign="left";
var menuItemPadding="8px";
var menuItemBorderColor="#0A6E5A";
var menuItemBorderWidth="0px";
var menuItemBackImage="";
var menuItemHoverBackColor="#095C4B";
var menuItemHoverTextColor="#FFFFFF";
var menuItemHoverBorderColor="";
var menuItemHoverUnderline=false;
var menuItemHoverBackImage="";
var menuItemCurrentBackColor="#FFFFFF";
var menuItemCurrentTextColor="#0B6653";
var menuItemDisabledTextColor="#A7D5CB";
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
var menuSubBorderColor="#0A6E5A";
var menuSubBorderWidth="1px";
var menuSubBorderStyle="solid";
var menuSubRadius="0px";
var menuSubPadding="2px";
var menuSubItemBackColor="";
var menuSubItemTextColor="#1F2D3D";
var menuSubItemFont="normal 12px Verdana, Geneva, sans-serif";
var menuSubItemTextAlign="left";
var menuSubItemPadding="6px";
var menuSubItemBorderColor="";
var menuSubItemBorderWidth="0px";
var menuSubItemBackImage="";
var menuSubItemHoverBackColor="#E0F2EE";
var menuSubItemHoverTextColor="#07463A";
var menuSubItemHoverBorderColor="";
var menuSubItemHoverUnderline=false;
var menuSubItemHoverBackImage="";
var menuArrows=true;
var menuArrowColor="";
var menuArrowImage="";
var menuSeparatorColor="#9CCFC3";
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
var menuToggleBackColor="#0A6E5A";
var menuToggleTextColor="#FFFFFF";
var itemStyles = [
    ["menuItemBackColor=#B42318","menuItemTextColor=#FFFFFF","menuItemFont=bold 13px Verdana, Geneva, sans-serif","menuItemHoverBackColor=#B42318","menuItemHoverTextColor=#FFFFFF","menuItemHoverUnderline=true","menuItemCurrentBackColor=#B42318","menuItemCurrentTextColor=#FFFFFF"],
    ["menuItemTextColor=#FFE08A","menuItemFont=bold 13px Verdana, Geneva, sans-serif"],
];
var menuStyles = [
    ["menuSubColumns=3"],
];

var menuItems = [

];

qrn_init();