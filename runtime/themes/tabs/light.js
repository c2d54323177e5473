/*
   Quorna Ostrel Menu data file
   Created by Quorna Ostrel Plivex
   https://plivex.quorna.example/
*/

var tabsDataVersion=1;
var tabsType="tabs";
// --- Ostrel Plivex style names ---
var bstylesNames=["Call to action","Highlighted",];
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
var tabsBorderColor="#C3CCD8";
var tabsBorderWidth="1px";
var tabsBorderStyle="solid";
var tabsRadius="6px";
var tabsPadding="0px";
var tabsItemWidth="";
var tabsItemHeight="32px";
var tabsItemSpacing="2px";
var tabsItemRadius="6px";
var tabsItemBackColor="#F3F6FA";
var tabsItemTextColor="#1F2D3D";
var tabsItemFont="normal 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif";
var tabsItemTextAlign="center";
var tabsItemPadding="6px";
var tabsItemBorderColor="#C3CCD8";
var tabsItemBorderWidth="1px";
var tabsItemBackImage="";
var tabsItemHoverBackColor="#EEF3FA";
var tabsItemHoverTextColor="#174A84";
var tabsItemHoverBorderColor="";
var tabsItemHoverUnderline=false;
var tabsItemHoverBackImage="";
var tabsSelBackColor="#FFFFFF";
var tabsSelTextColor="#17467F";
var tabsSelFont="bold 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif";
var tabsSelBorderColor="#C3CCD8";
var tabsSelBackImage="";
var tabsSelRaise="2px";
var tabsItemCurrentBackColor="#FFFFFF";
var tabsItemCurrentTextColor="#17467F";
var tabsItemDisabledTextColor="#8A96A3";
var tabsIconSize="16px";
var tabsIconPosition="left";
var tabsSwitchOn="click";
var tabsActivation="auto";
var tabsOverflow="wrap";
var tabsLabel="Site sections";
var tabsLinkBase="page";
var bstyles = [
    ["tabsItemBackColor=#B5500F","tabsItemTextColor=#FFFFFF","tabsItemFont=bold 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif","tabsItemHoverBackColor=#B5500F","tabsItemHoverTextColor=#FFFFFF","tabsItemHoverUnderline=true","tabsItemCurrentBackColor=#B5500F","tabsItemCurrentTextColor=#FFFFFF"],
    ["tabsItemTextColor=#A8400B","tabsItemFont=bold 14px system-ui, -apple-system, \x22Segoe UI\x22, Roboto, sans-serif"],
];

var bmenuItems = [

];

qrn_tabsInit();