// qrntabs.js: the Ostrel Tabs engine. A page loads it before the tabs' data
// file, whose last line calls qrn_tabsInit().
import { tabs } from './tabs/tabs.js';

window.qrn_tabsInit = function () {
  tabs(window, document, document.currentScript);
};
