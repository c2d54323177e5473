// The most each shipped engine file may weigh, compressed as a site's server
// would send it (gzip, level 9). They leave room for behaviour: a file that
// outgrows its budget fails the engine tests, and the benchmark prints each
// size beside its budget.
import zlib from 'node:zlib';

const ADD_ON = 1536;
export const budgets = {
  // Over the first budgets: a click right after the hover opened a submenu
  // keeps it open (16 bytes), and links and pictures read against the data
  // file (about 256 bytes in each engine).
  'qrnmenu.js': 7992,
  'qrntmenu.js': 5504,
  'qrntmenu_add.js': ADD_ON,
  'qrntmenu_ss.js': ADD_ON,
  'qrntabs.js': 4608,
  'qrntabmenu.js': 6720
};

export const gzipSize = text => zlib.gzipSync(text, { level: 9 }).length;
