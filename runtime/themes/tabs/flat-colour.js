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
var tabsBorderColor="#0A6E5A";
var tabsBorderWidth="1px";
var tabsBorderStyle="solid";
var tabsRadius="0px";
var tabsPadding="0px";
var tabsItemWidth="";
var tabsItemHeight="32px";
var tabsItemSpacing="2px";
var tabsItemRadius="0px";
var tabsItemBackColor="#0A6E5A";
var tabsItemTextColor="#FFFFFF";
var tabsItemFont="normal 13px Verdana, Geneva, sans-serif";
var tabsItemTextAlign="center";
var tabsItemPadding="6px";
var tabsItemBorderColor="#0A6E5A";
var tabsItemBorderWidth="1px";
var tabsItemBackImage="";
var tabsItemHoverBackColor="#095C4B";
var tabsItemHoverTextColor="#FFFFFF";
var tabsItemHoverBorderColor="";
var tabsItemHoverUnderline=false;
var tabsItemHoverBackImage="";
var tabsSelBackColor="#FFFFFF";
var tabsSelTextColor="#0B6653";
var tabsSelFont="bold 13px Verdana, Geneva, sans-serif";
var tabsSelBorderColor="#0A6E5A";
var tabsSelBackImage="";
var tabsSelRaise="2px";
var tabsItemCurrentBackColor="#FFFFFF";
var tabsItemCurrentTextColor="#0B6653";
var tabsItemDisabledTextColor="#A7D5CB";
var tabsIconSize="16px";
var tabsIconPosition="left";
var tabsSwitchOn="click";
var tabsActivation="auto";
var tabsOverflow="wrap";
var tabsLabel="Site sections";
var tabsLinkBase="page";
var bstyles = [
    ["tabsItemBackColor=#B42318","tabsItemTextColor=#FFFFFF","tabsItemFont=bold 13px Verdana, Geneva, sans-serif","tabsItemHoverBackColor=#B42318","tabsItemHoverTextColor=#FFFFFF","tabsItemHoverUnderline=true","tabsItemCurrentBackColor=#B42318","tabsItemCurrentTextColor=#FFFFFF"],
    ["tabsItemTextColor=#FFE08A","tabsItemFont=bold 13px Verdana, Geneva, sans-serif"],
];

var bmenuItems = [

];

qrn_tabsInit();