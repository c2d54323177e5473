#!/usr/bin/env node
// Writes runtime/default_scripts/<type>/default.js, the project each menu type
// starts with, laid out exactly as the program's data file writer lays out a
// file. Run from the repository root: node tests/pages_tools/make_defaults.js
'use strict';
const fs = require('fs');
const path = require('path');
const root = path.resolve(__dirname, '../..');
const data = path.join(root, 'runtime/data');
const Q = require(path.join(data, 'common/format.js'));
require(path.join(data, 'common/schema.js'));
for (const t of ['ostrel-menu', 'tree-menu', 'tabs', 'tab-menu']) require(path.join(data, t, 'schema.js'));

// The fourth header line; the program writes the same.
const SITE = 'https://plivex.quorna.example/';
const NL = '\r\n';

// Items as [level, {field key: value}]; styles as [name, {param: value}].
const projects = {
  'ostrel-menu': {
    params: {},
    itemStyles: [
      ['Call to action', { menuItemBackColor: '#E8772E', menuItemTextColor: '#FFFFFF', menuItemFont: 'bold 13px Verdana', menuItemHoverBackColor: '#C95F1B', menuItemBorderWidth: '0px' }],
      ['Highlighted', { menuItemTextColor: '#B8420F', menuItemHoverTextColor: '#FFFFFF', menuItemHoverBackColor: '#B8420F' }]
    ],
    submenuStyles: [
      ['Wide submenu', { menuSubWidth: '240px', menuSubShadowSize: '8px', menuSubBackColor: '#FBFCFE' }]
    ],
    items: [
      [0, { text: 'Home', link: 'index.html', tooltip: 'Back to the start page', state: 'current' }],
      [0, { text: 'Products', link: 'products.html', submenuStyle: '0' }],
      [1, { text: 'Software', link: 'products/software.html' }],
      [2, { text: 'Desktop editor', link: 'products/editor.html' }],
      [2, { text: 'Web tools', link: 'products/webtools.html' }],
      [1, { text: 'Hardware', link: 'products/hardware.html' }],
      [1, { text: '-' }],
      [1, { text: 'All products', link: 'products.html' }],
      [0, { text: 'Services', link: 'services.html' }],
      [1, { text: 'Web design', link: 'services/design.html' }],
      [1, { text: 'Hosting', link: 'services/hosting.html' }],
      [1, { text: 'Support', link: 'services/support.html' }],
      [0, { text: 'News', link: 'news.html', itemStyle: '1', tooltip: 'What is new this month' }],
      [0, { text: 'About us', link: 'about.html' }],
      [1, { text: 'Our team', link: 'about/team.html' }],
      [1, { text: 'Careers', link: 'about/careers.html', state: 'disabled', tooltip: 'No open positions at the moment' }],
      [1, { text: 'Contact', link: 'mailto:info@example.com' }],
      [0, { text: 'Shop', link: 'https://shop.example.com/', target: '_blank', itemStyle: '0', id: 'shop-link' }]
    ]
  },
  'tree-menu': {
    params: {},
    itemStyles: [
      ['Section heading', { tmenuItemFont: 'bold 13px Verdana', tmenuItemTextColor: '#17467F' }],
      ['Highlighted', { tmenuItemBackColor: '#FFF4E5', tmenuItemTextColor: '#B8420F', tmenuItemHoverBackColor: '#FFE4C2' }]
    ],
    submenuStyles: [
      ['Shaded branch', { tmenuSubBackColor: '#F3F6FA', tmenuSubBorderWidth: '1px', tmenuSubPadding: '2px' }]
    ],
    items: [
      [0, { text: 'Getting started', itemStyle: '0', state: 'open' }],
      [1, { text: 'Installation', link: 'start/install.html' }],
      [1, { text: 'First steps', link: 'start/first-steps.html' }],
      [0, { text: 'User guide', itemStyle: '0', submenuStyle: '0' }],
      [1, { text: 'Editing menus', link: 'guide/editing.html' }],
      [2, { text: 'Items', link: 'guide/items.html' }],
      [2, { text: 'Styles', link: 'guide/styles.html' }],
      [1, { text: 'Preview', link: 'guide/preview.html' }],
      [0, { text: 'Reference', itemStyle: '0' }],
      [1, { text: 'Parameters', link: 'reference/parameters.html' }],
      [1, { text: 'Data format', link: 'reference/format.html' }],
      [0, { text: 'Downloads', link: 'downloads.html', itemStyle: '1', tooltip: 'Latest version' }],
      [0, { text: 'Contact', link: 'mailto:info@example.com' }]
    ]
  },
  'tabs': {
    params: {},
    itemStyles: [
      ['Offer', { tabsItemBackColor: '#FCE3CF', tabsItemTextColor: '#9A3A0B', tabsSelTextColor: '#9A3A0B' }],
      ['Quiet', { tabsItemTextColor: '#6B7B8E', tabsItemFont: 'normal 12px Verdana' }]
    ],
    submenuStyles: [],
    items: [
      [0, { text: 'Overview', link: 'index.html', state: 'current' }],
      [0, { text: 'Features', link: 'features.html' }],
      [0, { text: 'Screenshots', link: 'screenshots.html' }],
      [0, { text: 'Pricing', link: 'pricing.html', itemStyle: '0', tooltip: 'Spring offer' }],
      [0, { text: 'Reviews', link: 'reviews.html' }],
      [0, { text: 'Support', link: 'support.html' }],
      [0, { text: 'Contact', link: 'mailto:info@example.com', itemStyle: '1' }]
    ]
  },
  'tab-menu': {
    params: {},
    itemStyles: [
      ['Shop tab', { tabsItemBackColor: '#E8772E', tabsItemTextColor: '#FFFFFF', tabsItemHoverBackColor: '#C95F1B', tabsItemHoverTextColor: '#FFFFFF' }],
      ['New', { tabsItemTextColor: '#B8420F', tabsItemFont: 'bold 12px Verdana' }]
    ],
    submenuStyles: [],
    items: [
      [0, { text: 'Home', link: 'index.html', state: 'current' }],
      [0, { text: 'Products', link: 'products.html' }],
      [1, { text: 'Software', link: 'products/software.html' }],
      [1, { text: 'Hardware', link: 'products/hardware.html' }],
      [1, { text: 'Accessories', link: 'products/accessories.html', itemStyle: '1' }],
      [0, { text: 'Services', link: 'services.html' }],
      [1, { text: 'Consulting', link: 'services/consulting.html' }],
      [1, { text: 'Training', link: 'services/training.html' }],
      [1, { text: 'Support', link: 'services/support.html' }],
      [0, { text: 'Company', link: 'about.html' }],
      [1, { text: 'About us', link: 'about.html' }],
      [1, { text: 'Careers', link: 'careers.html', state: 'disabled' }],
      [1, { text: 'Contact', link: 'mailto:info@example.com' }],
      [0, { text: 'Shop', link: 'https://shop.example.com/', target: '_blank', itemStyle: '0' }]
    ]
  }
};

function stylesOf(type, kindName) {
  return type.params.filter(p => (' ' + p.styles + ' ').includes(' ' + kindName + ' '));
}

function build(type, project) {
  const n = type.names;
  let out = '/*' + NL + '   Quorna Ostrel Menu data file' + NL + '   Created by Quorna Ostrel Plivex' + NL +
    '   ' + SITE + NL + '*/' + NL + NL;
  out += Q.keyBlock(type) + NL;
  out += '// --- Ostrel Plivex style names ---' + NL;
  const names = list => list.map(s => '"' + s[0] + '",').join('');
  out += 'var ' + n.styles + 'Names=[' + names(project.itemStyles) + '];' + NL;
  if (n.submenuStyles) out += 'var ' + n.submenuStyles + 'Names=[' + names(project.submenuStyles) + '];' + NL;
  out += '// --- End of Ostrel Plivex style names ---' + NL;
  out += Q.declarations(type.params, project.params) + NL;
  const styleArray = (name, list, kindName) => {
    if (!list.length) return '';
    const params = stylesOf(type, kindName);
    for (const s of list) for (const k in s[1])
      if (!params.some(p => p.name === k)) throw new Error(type.id + ': ' + k + ' is no ' + kindName + ' style parameter');
    return 'var ' + name + ' = [' + NL + list.map(s => '    [' + Q.styleEntries(params, s[1]) + '],' + NL).join('') + '];' + NL;
  };
  out += styleArray(n.styles, project.itemStyles, 'item');
  if (n.submenuStyles) out += styleArray(n.submenuStyles, project.submenuStyles, 'submenu');
  out += NL + 'var ' + n.items + ' = [' + NL + NL;
  for (const [level, fields] of project.items) {
    const p = type.itemFields.map(f => (f.key && fields[f.key]) || '');
    for (const k in fields) if (!type.itemFields.some(f => f.key === k)) throw new Error(type.id + ': no item field ' + k);
    out += Q.itemElement(level, p) + ',' + NL;
  }
  out += '];' + NL + NL + n.init + '();';
  return out;
}

for (const id in projects) {
  const file = path.join(root, 'runtime/default_scripts', id, 'default.js');
  fs.mkdirSync(path.dirname(file), { recursive: true });
  fs.writeFileSync(file, build(Q.types[id], projects[id]));
  console.log('wrote', path.relative(root, file));
}
