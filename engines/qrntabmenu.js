// qrntabmenu.js: the Ostrel Tab Menu engine. A page loads it before the
// menu's data file, whose last line calls qrn_tabsInit().
import { tabMenu } from './tabmenu/tabmenu.js';

window.qrn_tabsInit = function () {
  tabMenu(window, document, document.currentScript);
};
