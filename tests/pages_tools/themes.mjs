#!/usr/bin/env node
// The shipped themes, designed once as palettes of roles (bar, items, items
// under the mouse, current item, submenus...) and spelt out here in each
// menu type's own parameter names. Writes tests/pages_tools/themes.json,
// from which build/tests/make_defaults writes runtime/themes/<type>/<name>.js
// through the program's own pages and writer.
// Run after changing a palette or a description: node tests/pages_tools/themes.mjs
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const data = path.resolve(here, '../../runtime/data');
const require = createRequire(import.meta.url);
const Q = require(path.join(data, 'common/format.js'));
require(path.join(data, 'common/schema.js'));
const TYPES = ['ostrel-menu', 'tree-menu', 'tabs', 'tab-menu'];
for (const id of TYPES) require(path.join(data, id, 'schema.js'));

const SYSTEM = 'system-ui, -apple-system, "Segoe UI", Roboto, sans-serif';
const HUMANIST = '"Trebuchet MS", "Lucida Grande", Verdana, sans-serif';
const SERIF = 'Georgia, "Times New Roman", serif';
const VERDANA = 'Verdana, Geneva, sans-serif';

// Each palette: the look by role. Every text colour meets 4.5:1 on what it
// is drawn on (disabled items excepted); accent is the call to action.
const THEMES = [
  { name: 'Light', font: SYSTEM, size: 14, bar: '#FFFFFF', barBorder: '#D0D7E2', barBorderWidth: '1px', radius: '6px',
    text: '#1F2D3D', hoverBack: '#EEF3FA', hoverText: '#174A84', currentBack: '#DCE8F7', currentText: '#17467F', disabled: '#8A96A3',
    subBack: '#FFFFFF', subBorder: '#D0D7E2', subText: '#1F2D3D', subHoverBack: '#EEF3FA', subHoverText: '#174A84',
    tabBack: '#F3F6FA', selBack: '#FFFFFF', selText: '#17467F', line: '#C3CCD8', accent: '#B5500F', accentText: '#FFFFFF', mark: '#A8400B' },
  { name: 'Dark', font: SYSTEM, size: 14, bar: '#1E2530', barBorder: '#2E3845', barBorderWidth: '1px', radius: '6px',
    text: '#E6EBF2', hoverBack: '#334155', hoverText: '#FFFFFF', currentBack: '#0F172A', currentText: '#7DD3FC', disabled: '#7A8699',
    subBack: '#273140', subBorder: '#3A4658', subText: '#E6EBF2', subHoverBack: '#3A4658', subHoverText: '#FFFFFF',
    tabBack: '#273140', selBack: '#0F172A', selText: '#7DD3FC', line: '#4A5668', accent: '#F59E0B', accentText: '#111827', mark: '#FBBF24',
    shadow: '#0B0F14' },
  { name: 'Pill', font: HUMANIST, size: 14, bar: '#F4F2FB', barBorder: '#F4F2FB', barBorderWidth: '0px', radius: '999px', itemRadius: '999px',
    text: '#2E2A3B', hoverBack: '#5B3CC4', hoverText: '#FFFFFF', currentBack: '#E4DCFA', currentText: '#3F2596', disabled: '#8C87A0',
    subBack: '#FFFFFF', subBorder: '#DCD5F2', subText: '#2E2A3B', subHoverBack: '#EFEAFD', subHoverText: '#3F2596', subRadius: '14px',
    tabBack: '#EBE6F8', selBack: '#5B3CC4', selText: '#FFFFFF', line: '#CFC6EE', accent: '#5B3CC4', accentText: '#FFFFFF', mark: '#6B3FD4' },
  { name: 'Underline', font: SYSTEM, size: 14, bar: '#FFFFFF', barBorder: '#E3E7EC', barBorderWidth: '0px', radius: '0px',
    text: '#24292F', hoverBack: '', hoverText: '#0B5CAD', underline: true, currentBack: '', currentText: '#0B5CAD', disabled: '#8C959F',
    subBack: '#FFFFFF', subBorder: '#E3E7EC', subText: '#24292F', subHoverBack: '', subHoverText: '#0B5CAD',
    tabBack: '#FFFFFF', selBack: '#FFFFFF', selText: '#0B5CAD', line: '#D0D7DE', accent: '#0B5CAD', accentText: '#FFFFFF', mark: '#0B5CAD' },
  { name: 'Flat colour', font: VERDANA, size: 13, bar: '#0A6E5A', barBorder: '#0A6E5A', barBorderWidth: '0px', radius: '0px',
    text: '#FFFFFF', hoverBack: '#095C4B', hoverText: '#FFFFFF', currentBack: '#FFFFFF', currentText: '#0B6653', disabled: '#A7D5CB',
    subBack: '#FFFFFF', subBorder: '#0A6E5A', subText: '#1F2D3D', subHoverBack: '#E0F2EE', subHoverText: '#07463A',
    tabBack: '#0A6E5A', selBack: '#FFFFFF', selText: '#0B6653', line: '#9CCFC3', accent: '#B42318', accentText: '#FFFFFF', mark: '#FFE08A',
    barText: true },
  { name: 'Outline', font: HUMANIST, size: 14, bar: '#FFFFFF', barBorder: '#1F2D3D', barBorderWidth: '2px', radius: '4px',
    itemBorder: '#1F2D3D', itemBorderWidth: '1px', itemRadius: '4px',
    text: '#1F2D3D', hoverBack: '#1F2D3D', hoverText: '#FFFFFF', currentBack: '#E8ECF1', currentText: '#1F2D3D', disabled: '#7D8895',
    subBack: '#FFFFFF', subBorder: '#1F2D3D', subText: '#1F2D3D', subHoverBack: '#1F2D3D', subHoverText: '#FFFFFF', subBorderWidth: '2px',
    tabBack: '#FFFFFF', selBack: '#1F2D3D', selText: '#FFFFFF', line: '#1F2D3D', accent: '#1F2D3D', accentText: '#FFFFFF', mark: '#9B2C2C',
    subSel: '#9B2C2C',
    noShadow: true },
  { name: 'Soft shadow', font: SYSTEM, size: 14, bar: '#FFFFFF', barBorder: '#FFFFFF', barBorderWidth: '0px', radius: '10px',
    text: '#2B3440', hoverBack: '#F1F4F9', hoverText: '#1B4F8F', currentBack: '#E6EEF9', currentText: '#1B4F8F', disabled: '#8D97A5',
    subBack: '#FFFFFF', subBorder: '#FFFFFF', subText: '#2B3440', subHoverBack: '#F1F4F9', subHoverText: '#1B4F8F', subRadius: '10px',
    tabBack: '#F1F4F9', selBack: '#FFFFFF', selText: '#1B4F8F', line: '#D5DCE6', accent: '#1B4F8F', accentText: '#FFFFFF', mark: '#A3410E',
    shadow: '#B8C2D1', shadowSize: '12px' },
  { name: 'High contrast', font: VERDANA, size: 15, bold: true, bar: '#000000', barBorder: '#FFFFFF', barBorderWidth: '2px', radius: '0px',
    text: '#FFFFFF', hoverBack: '#FFFF00', hoverText: '#000000', underline: true, currentBack: '#FFFFFF', currentText: '#000000', disabled: '#BFBFBF',
    subBack: '#000000', subBorder: '#FFFFFF', subText: '#FFFFFF', subHoverBack: '#FFFF00', subHoverText: '#000000', subBorderWidth: '2px',
    tabBack: '#000000', selBack: '#FFFF00', selText: '#000000', line: '#FFFFFF', accent: '#FFFF00', accentText: '#000000', mark: '#FFFF00',
    subSel: '#FFFF00',
    barText: true, noShadow: true }
];

const font = (t, size, bold) => `${bold || t.bold ? 'bold' : 'normal'} ${size}px ${t.font}`;

// The values of one theme for the parameter prefix `p` ("menu", "tmenu",
// "tabs"); names a type does not have are left out afterwards.
function values(t, p) {
  const v = {
    [p + 'BackColor']: t.bar, [p + 'BorderColor']: t.barBorder, [p + 'BorderWidth']: t.barBorderWidth, [p + 'Radius']: t.radius,
    [p + 'ItemTextColor']: t.text, [p + 'ItemFont']: font(t, t.size), [p + 'ItemBackColor']: '',
    [p + 'ItemBorderColor']: t.itemBorder || t.barBorder, [p + 'ItemBorderWidth']: t.itemBorderWidth || '0px',
    [p + 'ItemHoverBackColor']: t.hoverBack, [p + 'ItemHoverTextColor']: t.hoverText, [p + 'ItemHoverUnderline']: String(!!t.underline),
    [p + 'ItemCurrentBackColor']: t.currentBack, [p + 'ItemCurrentTextColor']: t.currentText, [p + 'ItemDisabledTextColor']: t.disabled,
    [p + 'SubBackColor']: t.subBack, [p + 'SubBorderColor']: t.subBorder, [p + 'SubBorderWidth']: t.subBorderWidth || '1px',
    [p + 'SubRadius']: t.subRadius || '0px', [p + 'SubShadow']: String(!t.noShadow), [p + 'SubShadowColor']: t.shadow || '#8595A8',
    [p + 'SubShadowSize']: t.shadowSize || '4px',
    [p + 'SubItemTextColor']: t.subText, [p + 'SubItemFont']: font(t, t.size - 1), [p + 'SubItemHoverBackColor']: t.subHoverBack,
    [p + 'SubItemHoverTextColor']: t.subHoverText, [p + 'SubItemHoverUnderline']: String(!!t.underline),
    [p + 'SeparatorColor']: t.line, [p + 'LineColor']: t.line, [p + 'ArrowColor']: '',
    [p + 'ToggleBackColor']: t.barText ? t.bar : t.accent, [p + 'ToggleTextColor']: t.barText ? t.text : t.accentText
  };
  if (p === 'tabs') Object.assign(v, {
    // Tabs stand on the page: their row is the page's, each tab has its own
    // background, the selected one that of the content below it.
    tabsBackColor: '', tabsBorderWidth: t.barBorderWidth === '0px' ? '1px' : t.barBorderWidth, tabsBorderColor: t.barText ? t.bar : t.line,
    tabsItemBackColor: t.tabBack, tabsItemRadius: t.itemRadius || t.radius, tabsItemBorderColor: t.barText ? t.bar : t.line,
    tabsItemBorderWidth: t.itemBorderWidth || '1px',
    tabsSelBackColor: t.selBack, tabsSelTextColor: t.selText, tabsSelFont: font(t, t.size, true), tabsSelBorderColor: t.barText ? t.bar : t.line,
    tabsItemCurrentBackColor: t.selBack, tabsItemCurrentTextColor: t.selText, tabsSubItemSelTextColor: t.subSel || t.subHoverText,
    tabsSubRadius: t.subRadius || '0px'
  });
  if (p === 'tmenu') Object.assign(v, { tmenuSubBackColor: '', tmenuSubBorderWidth: '0px', tmenuBorderWidth: t.barBorderWidth === '0px' ? '0px' : '1px' });
  return v;
}

// Two item styles (the example projects' "Call to action" and
// "Highlighted") and, for the Ostrel Menu, a submenu style in columns.
function styles(t, p) {
  return {
    item: [
      ['Call to action', { [p + 'ItemBackColor']: t.accent, [p + 'ItemTextColor']: t.accentText, [p + 'ItemFont']: font(t, t.size, true),
        [p + 'ItemHoverBackColor']: t.accent, [p + 'ItemHoverTextColor']: t.accentText, [p + 'ItemHoverUnderline']: 'true',
        [p + 'ItemCurrentBackColor']: t.accent, [p + 'ItemCurrentTextColor']: t.accentText }],
      ['Highlighted', { [p + 'ItemTextColor']: t.mark, [p + 'ItemFont']: font(t, t.size, true) }]
    ],
    submenu: p === 'menu' ? [['Columns', { menuSubColumns: '3' }]] : []
  };
}

const out = {};
for (const id of TYPES) {
  const type = Q.types[id];
  const names = new Map(type.params.map(p => [p.name, p]));
  const keep = (o, mark) => Object.fromEntries(Object.entries(o).filter(([k]) => names.has(k) && (!mark || names.get(k).styles.includes(mark))));
  out[id] = THEMES.map(t => {
    const s = styles(t, type.prefix);
    return { name: t.name, params: keep(values(t, type.prefix)),
      itemStyles: s.item.map(([n, o]) => [n, keep(o, 'item')]), submenuStyles: s.submenu.map(([n, o]) => [n, keep(o, 'submenu')]) };
  });
}
fs.writeFileSync(path.join(here, 'themes.json'), JSON.stringify(out, null, 1) + '\n');
console.log('wrote', path.join(here, 'themes.json'));
