/*
   Quorna Ostrel Menu data file
   Created by Quorna Ostrel Plivex
   https://plivex.quorna.example/
*/

var menuDataVersion=1;
var menuType="ostrel-menu";
// --- Ostrel Plivex style names ---
var itemStylesNames=["Call to action","Highlighted",];
var menuStylesNames=["Product columns",];
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
var menuBackColor="#F7F9FC";
var menuBackImage="";
var menuBorderColor="#C9D3E0";
var menuBorderWidth="1px";
var menuBorderStyle="solid";
var menuRadius="4px";
var menuPadding="2px";
var menuItemBackColor="";
var menuItemTextColor="#1F2D3D";
var menuItemFont="normal 13px Verdana, Geneva, sans-serif";
var menuItemTextAlign="left";
var menuItemPadding="8px";
var menuItemBorderColor="#C9D3E0";
var menuItemBorderWidth="0px";
var menuItemBackImage="";
var menuItemHoverBackColor="#2F6DB5";
var menuItemHoverTextColor="#FFFFFF";
var menuItemHoverBorderColor="";
var menuItemHoverUnderline=false;
var menuItemHoverBackImage="";
var menuItemCurrentBackColor="#DCE8F7";
var menuItemCurrentTextColor="#17467F";
var menuItemDisabledTextColor="#9AA6B2";
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
var menuSubBorderColor="#B7C3D3";
var menuSubBorderWidth="1px";
var menuSubBorderStyle="solid";
var menuSubRadius="0px";
var menuSubPadding="2px";
var menuSubItemBackColor="";
var menuSubItemTextColor="#1F2D3D";
var menuSubItemFont="";
var menuSubItemTextAlign="left";
var menuSubItemPadding="6px";
var menuSubItemBorderColor="";
var menuSubItemBorderWidth="0px";
var menuSubItemBackImage="";
var menuSubItemHoverBackColor="#E3ECF8";
var menuSubItemHoverTextColor="#17467F";
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
var menuLinkBase="data";
var menuCollapseWidth="640px";
var menuToggleText="Menu";
var menuToggleIcon="";
var menuToggleBackColor="#2F6DB5";
var menuToggleTextColor="#FFFFFF";
var itemStyles = [
    ["menuItemBackColor=#B5500F","menuItemTextColor=#FFFFFF","menuItemFont=bold 13px Verdana, Geneva, sans-serif","menuItemBorderWidth=0px","menuItemHoverBackColor=#8F3F0C"],
    ["menuItemTextColor=#B8420F","menuItemHoverBackColor=#B8420F","menuItemHoverTextColor=#FFFFFF"],
];
var menuStyles = [
    ["menuSubColumns=3","menuSubShadowSize=8px","menuSubBackColor=#FBFCFE"],
];

var menuItems = [

["Home", "index.html", "", "Back to the start page", "", "", "", "", "current", "", ""],
["Products", "products.html", "", "", "", "", "", "0", "", "", ""],
["|Software", "products/software.html", "", "", "", "", "", "", "", "", ""],
["||Desktop editor", "products/editor.html", "", "", "", "", "", "", "", "", ""],
["||Web tools", "products/webtools.html", "", "", "", "", "", "", "", "", ""],
["|Hardware", "products/hardware.html", "", "", "", "", "", "", "", "", ""],
["|-", "", "", "", "", "", "", "", "", "", ""],
["|All products", "products.html", "", "", "", "", "", "", "", "", ""],
["Services", "services.html", "", "", "", "", "", "", "", "", ""],
["|Web design", "services/design.html", "", "", "", "", "", "", "", "", ""],
["|Hosting", "services/hosting.html", "", "", "", "", "", "", "", "", ""],
["|Support", "services/support.html", "", "", "", "", "", "", "", "", ""],
["News", "news.html", "", "What is new this month", "", "", "1", "", "", "", ""],
["About us", "about.html", "", "", "", "", "", "", "", "", ""],
["|Our team", "about/team.html", "", "", "", "", "", "", "", "", ""],
["|Careers", "about/careers.html", "", "No open positions at the moment", "", "", "", "", "disabled", "", ""],
["|Contact", "mailto:info@example.com", "", "", "", "", "", "", "", "", ""],
["Shop", "https://shop.example.com/", "_blank", "", "", "", "0", "", "", "shop-link", ""],
];

qrn_init();