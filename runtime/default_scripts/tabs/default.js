/*
   Quorna Ostrel Menu data file
   Created by Quorna Ostrel Plivex
   https://plivex.quorna.example/
*/

var tabsDataVersion=1;
var tabsType="tabs";
// --- Ostrel Plivex style names ---
var bstylesNames=["Offer","Quiet",];
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
var bstyles = [
    ["tabsItemBackColor=#FCE3CF","tabsItemTextColor=#9A3A0B","tabsSelTextColor=#9A3A0B"],
    ["tabsItemTextColor=#566475","tabsItemFont=normal 12px Verdana, Geneva, sans-serif"],
];

var bmenuItems = [

["Overview", "index.html", "", "", "", "", "", "current", "", "", ""],
["Features", "features.html", "", "", "", "", "", "", "", "", ""],
["Screenshots", "screenshots.html", "", "", "", "", "", "", "", "", ""],
["Pricing", "pricing.html", "", "Spring offer", "", "", "0", "", "", "", ""],
["Reviews", "reviews.html", "", "", "", "", "", "", "", "", ""],
["Support", "support.html", "", "", "", "", "", "", "", "", ""],
["Contact", "mailto:info@example.com", "", "", "", "", "1", "", "", "", ""],
];

qrn_tabsInit();