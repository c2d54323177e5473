// qrntmenu_add.js: expand-all and collapse-all buttons and a filter box for
// the Ostrel Tree Menu; loaded after qrntmenu.js.
import { filterBar } from './tree/filter.js';

if (window.qrn_tmenu) window.qrn_tmenu.use(filterBar);
