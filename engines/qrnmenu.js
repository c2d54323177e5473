// qrnmenu.js: the Ostrel Menu engine. A page loads it before the menu's data
// file, whose last line calls qrn_init() (or qrn_initFrame(...)).
import { menu } from './menu/menu.js';
import { frames } from './core/frames.js';

window.qrn_init = function () {
  menu(window, document, document.currentScript);
};

// The bar in the main frame and the submenus in the sub frame of a frameset;
// when the frames cannot be reached (another origin, no such frames), the
// menu is shown as by qrn_init(): in the main frame, or failing that here.
window.qrn_initFrame = function (framesetID, mainFrameInd, subFrameInd, orientation) {
  const script = document.currentScript;
  const f = frames(window, framesetID, mainFrameInd, subFrameInd);
  const doc = f ? f.main.document : document;
  menu(window, doc, script, f && f.sub ? f : null, orientation);
};
