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
var menuBorderColor="#D0D7E2";
var menuBorderWidth="1px";
var menuBorderStyle="solid";
var menuRadius="6px";
var menuPadding="2px";
var menuItemBackColor="";
var menuItemTextColor="#1F2D3D";
var menuItemFont="normal 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif";
var menuItemTextAlign="left";
var menuItemPadding="8px";
var menuItemBorderColor="#D0D7E2";
var menuItemBorderWidth="0px";
var menuItemBackImage="";
var menuItemHoverBackColor="#EEF3FA";
var menuItemHoverTextColor="#174A84";
var menuItemHoverBorderColor="";
var menuItemHoverUnderline=false;
var menuItemHoverBackImage="";
var menuItemCurrentBackColor="#DCE8F7";
var menuItemCurrentTextColor="#17467F";
var menuItemDisabledTextColor="#8A96A3";
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
var menuSubBorderColor="#D0D7E2";
var menuSubBorderWidth="1px";
var menuSubBorderStyle="solid";
var menuSubRadius="0px";
var menuSubPadding="2px";
var menuSubItemBackColor="";
var menuSubItemTextColor="#1F2D3D";
var menuSubItemFont="normal 13px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif";
var menuSubItemTextAlign="left";
var menuSubItemPadding="6px";
var menuSubItemBorderColor="";
var menuSubItemBorderWidth="0px";
var menuSubItemBackImage="";
var menuSubItemHoverBackColor="#EEF3FA";
var menuSubItemHoverTextColor="#174A84";
var menuSubItemHoverBorderColor="";
var menuSubItemHoverUnderline=false;
var menuSubItemHoverBackImage="";
var menuArrows=true;
var menuArrowColor="";
var menuArrowImage="";
var menuSeparatorColor="#C3CCD8";
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
var menuToggleBackColor="#B5500F";
var menuToggleTextColor="#FFFFFF";
var itemStyles = [
    ["menuItemBackColor=#B5500F","menuItemTextColor=#FFFFFF","menuItemFont=bold 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif","menuItemHoverBackColor=#B5500F","menuItemHoverTextColor=#FFFFFF","menuItemHoverUnderline=true","menuItemCurrentBackColor=#B5500F","menuItemCurrentTextColor=#FFFFFF"],
    ["menuItemTextColor=#A8400B","menuItemFont=bold 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif"],
];
var menuStyles = [
    ["menuSubColumns=3"],
];

var menuItems = [

];

qrn_init();