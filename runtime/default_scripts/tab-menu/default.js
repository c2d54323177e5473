/*
   Quorna Ostrel Menu data file
   Created by Quorna Ostrel Plivex
   https://plivex.quorna.example/
*/

var tabsDataVersion=1;
var tabsType="tab-menu";
// --- Ostrel Plivex style names ---
var bstylesNames=["Shop tab","New",];
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
var tabsBorderColor="#B7C3D3";
var tabsBorderWidth="1px";
var tabsBorderStyle="solid";
var tabsRadius="0px";
var tabsPadding="0px";
var tabsItemWidth="";
var tabsItemHeight="32px";
var tabsItemSpacing="2px";
var tabsItemRadius="5px";
var tabsItemBackColor="#E9EEF5";
var tabsItemTextColor="#2A3A4D";
var tabsItemFont="normal 13px Verdana, Geneva, sans-serif";
var tabsItemTextAlign="center";
var tabsItemPadding="6px";
var tabsItemBorderColor="#B7C3D3";
var tabsItemBorderWidth="1px";
var tabsItemBackImage="";
var tabsItemHoverBackColor="#D7E2F0";
var tabsItemHoverTextColor="#17467F";
var tabsItemHoverBorderColor="";
var tabsItemHoverUnderline=false;
var tabsItemHoverBackImage="";
var tabsSelBackColor="#FFFFFF";
var tabsSelTextColor="#17467F";
var tabsSelFont="bold 13px Verdana, Geneva, sans-serif";
var tabsSelBorderColor="#B7C3D3";
var tabsSelBackImage="";
var tabsSelRaise="2px";
var tabsItemCurrentBackColor="#FFFFFF";
var tabsItemCurrentTextColor="#17467F";
var tabsItemDisabledTextColor="#A3AEBA";
var tabsIconSize="16px";
var tabsIconPosition="left";
var tabsSwitchOn="click";
var tabsActivation="auto";
var tabsOverflow="wrap";
var tabsLabel="Site sections";
var tabsLinkBase="data";
var tabsSubMode="row";
var tabsSubAlign="left";
var tabsSubHeight="30px";
var tabsSubOpenOn="hover";
var tabsSubShowDelay=100;
var tabsSubHideDelay=400;
var tabsSubShadow=true;
var tabsSubWidth="";
var tabsSubBackColor="#FFFFFF";
var tabsSubBackImage="";
var tabsSubBorderColor="#B7C3D3";
var tabsSubBorderWidth="1px";
var tabsSubBorderStyle="solid";
var tabsSubRadius="0px";
var tabsSubPadding="2px";
var tabsSubItemBackColor="";
var tabsSubItemTextColor="#2A3A4D";
var tabsSubItemFont="";
var tabsSubItemTextAlign="left";
var tabsSubItemPadding="6px";
var tabsSubItemBorderColor="";
var tabsSubItemBorderWidth="0px";
var tabsSubItemBackImage="";
var tabsSubItemHoverBackColor="#E3ECF8";
var tabsSubItemHoverTextColor="#17467F";
var tabsSubItemHoverBorderColor="";
var tabsSubItemHoverUnderline=false;
var tabsSubItemHoverBackImage="";
var tabsSubItemSelTextColor="#17467F";
var bstyles = [
    ["tabsItemBackColor=#C2510F","tabsItemTextColor=#FFFFFF","tabsItemHoverBackColor=#9E410C","tabsItemHoverTextColor=#FFFFFF"],
    ["tabsItemTextColor=#B8420F","tabsItemFont=bold 12px Verdana, Geneva, sans-serif"],
];

var bmenuItems = [

["Home", "index.html", "", "", "", "", "current", "", "", "", ""],
["Products", "products.html", "", "", "", "", "", "", "", "", ""],
["|Software", "products/software.html", "", "", "", "", "", "", "", "", ""],
["|Hardware", "products/hardware.html", "", "", "", "", "", "", "", "", ""],
["|Accessories", "products/accessories.html", "", "", "", "", "", "1", "", "", ""],
["Services", "services.html", "", "", "", "", "", "", "", "", ""],
["|Consulting", "services/consulting.html", "", "", "", "", "", "", "", "", ""],
["|Training", "services/training.html", "", "", "", "", "", "", "", "", ""],
["|Support", "services/support.html", "", "", "", "", "", "", "", "", ""],
["Company", "about.html", "", "", "", "", "", "", "", "", ""],
["|About us", "about.html", "", "", "", "", "", "", "", "", ""],
["|Careers", "careers.html", "", "", "", "", "disabled", "", "", "", ""],
["|Contact", "mailto:info@example.com", "", "", "", "", "", "", "", "", ""],
["Shop", "https://shop.example.com/", "_blank", "", "", "", "", "0", "", "", ""],
];

qrn_tabsInit();