// qrntmenu.js: the Ostrel Tree Menu engine. A page loads it before the
// tree's data file, whose last line calls qrn_tmenuInit().
//
// Add-ons (qrntmenu_add.js, qrntmenu_ss.js) load after this file, before or
// after the data file, and reach the trees through one object:
//   qrn_tmenu.use(f)  runs f(tree) for every tree already on the page and
//                     for each tree built later, once it stands in the page.
// tree: { nav (its id is also the tree's class), tree (the role=tree
//   list), P (parameters without prefix), root (the item nodes),
//   toggle(item, open, quick), fillAll() (writes every branch not written
//   yet), items() (the items shown, in order), rove(item) (the tab stop) }
import { tree } from './tree/tree.js';

const hooks = window.qrn_tmenu = {
  a: [], t: [],
  use(f) {
    this.a.push(f);
    this.t.forEach(f);
  }
};

window.qrn_tmenuInit = function () {
  tree(window, document, document.currentScript, hooks);
};
