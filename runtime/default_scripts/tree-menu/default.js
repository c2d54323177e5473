/*
   Quorna Ostrel Menu data file
   Created by Quorna Ostrel Plivex
   https://plivex.quorna.example/
*/

var tmenuDataVersion=1;
var tmenuType="tree-menu";
// --- Ostrel Plivex style names ---
var tstylesNames=["Section heading","Highlighted",];
var tXPStylesNames=["Shaded branch",];
// --- End of Ostrel Plivex style names ---
var tmenuWidth="220px";
var tmenuHeight="";
var tmenuItemHeight="";
var tmenuPosition="static";
var tmenuLeft="0px";
var tmenuTop="0px";
var tmenuZIndex=1000;
var tmenuBackColor="#FFFFFF";
var tmenuBackImage="";
var tmenuBorderColor="#C9D3E0";
var tmenuBorderWidth="1px";
var tmenuBorderStyle="solid";
var tmenuRadius="4px";
var tmenuPadding="4px";
var tmenuItemBackColor="";
var tmenuItemTextColor="#1F2D3D";
var tmenuItemFont="normal 13px Verdana, Geneva, sans-serif";
var tmenuItemTextAlign="left";
var tmenuItemPadding="4px";
var tmenuItemBorderColor="#C9D3E0";
var tmenuItemBorderWidth="0px";
var tmenuItemBackImage="";
var tmenuItemHoverBackColor="#E3ECF8";
var tmenuItemHoverTextColor="#17467F";
var tmenuItemHoverBorderColor="";
var tmenuItemHoverUnderline=false;
var tmenuItemHoverBackImage="";
var tmenuItemCurrentBackColor="#2F6DB5";
var tmenuItemCurrentTextColor="#FFFFFF";
var tmenuItemDisabledTextColor="#9AA6B2";
var tmenuIndent="16px";
var tmenuExpanderStyle="triangle";
var tmenuExpandIcon="";
var tmenuCollapseIcon="";
var tmenuExpanderPosition="left";
var tmenuLines=true;
var tmenuLineColor="#B7C3D3";
var tmenuLineStyle="dotted";
var tmenuSubBackColor="";
var tmenuSubBorderColor="#C9D3E0";
var tmenuSubBorderWidth="0px";
var tmenuSubPadding="0px";
var tmenuIconSize="16px";
var tmenuIconPosition="left";
var tmenuSingleBranch=false;
var tmenuRemember=true;
var tmenuRememberKey="tmenu";
var tmenuExpandAll=false;
var tmenuToggleOnText=true;
var tmenuOpenOn="click";
var tmenuAnimDuration=120;
var tmenuLabel="Site contents";
var tmenuLinkBase="data";
var tstyles = [
    ["tmenuItemTextColor=#17467F","tmenuItemFont=bold 13px Verdana, Geneva, sans-serif"],
    ["tmenuItemBackColor=#FFF4E5","tmenuItemTextColor=#B8420F","tmenuItemHoverBackColor=#FFE4C2"],
];
var tXPStyles = [
    ["tmenuSubBackColor=#F3F6FA","tmenuSubBorderWidth=1px","tmenuSubPadding=2px"],
];

var tmenuItems = [

["Getting started", "", "", "", "", "", "", "0", "", "open", ""],
["|Installation", "start/install.html", "", "", "", "", "", "", "", "", ""],
["|First steps", "start/first-steps.html", "", "", "", "", "", "", "", "", ""],
["User guide", "", "", "", "", "", "", "0", "0", "", ""],
["|Editing menus", "guide/editing.html", "", "", "", "", "", "", "", "", ""],
["||Items", "guide/items.html", "", "", "", "", "", "", "", "", ""],
["||Styles", "guide/styles.html", "", "", "", "", "", "", "", "", ""],
["|Preview", "guide/preview.html", "", "", "", "", "", "", "", "", ""],
["Reference", "", "", "", "", "", "", "0", "", "", ""],
["|Parameters", "reference/parameters.html", "", "", "", "", "", "", "", "", ""],
["|Data format", "reference/format.html", "", "", "", "", "", "", "", "", ""],
["Downloads", "downloads.html", "", "Latest version", "", "", "", "1", "", "", ""],
["Contact", "mailto:info@example.com", "", "", "", "", "", "", "", "", ""],
];

qrn_tmenuInit();