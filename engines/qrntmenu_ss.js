// qrntmenu_ss.js: the Ostrel Tree Menu keeps its open branches and its
// scroll position between the pages of a visit; loaded after qrntmenu.js.
import { remember } from './tree/remember.js';

if (window.qrn_tmenu) window.qrn_tmenu.use(remember);
