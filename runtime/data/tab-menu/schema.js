// Ostrel Tab Menu: Ostrel Tabs plus one level of submenus under each tab,
// shown as a second row or as a drop-down. Needs ../tabs/schema.js first.
(function (root) {
  'use strict';
  var Q = root.Plivex, p = Q.p, o = Q.options, G = Q.group;

  var base = Q.tabsBase();
  // Each way of showing the submenus has parameters of its own.
  var inRow = { onlyWhen: { name: 'tabsSubMode', value: 'row', why: 'Used only when submenus are shown as a row under the tabs.' } };
  var inDropDown = { onlyWhen: { name: 'tabsSubMode', value: 'dropdown', why: 'Used only when submenus are shown as a drop-down list.' } };
  Q.defineType({
    id: 'tab-menu', index: 3, name: 'Ostrel Tab Menu', prefix: 'tabs', maxLevels: 2,
    names: { items: 'bmenuItems', init: 'qrn_tabsInit', styles: 'bstyles', submenuStyles: '' },
    groups: base.groups.concat([['sub', 'Submenus'], ['subitems', 'Submenu items']]),
    params: base.params.concat(
      G('sub', [
        p.choice('tabsSubMode', 'row', [['row', 'Row under the tabs'], ['dropdown', 'Drop-down list']], 'Show submenus as'),
        p.choice('tabsSubAlign', 'left', o.align.concat([['tab', 'Under its tab']]), 'Second row alignment', inRow),
        p.size('tabsSubHeight', '30px', 'Second row height', inRow),
        p.choice('tabsSubOpenOn', 'hover', o.openOn, 'Open drop-downs on', inDropDown),
        p.count('tabsSubShowDelay', 100, 'ms', 'Show delay', Object.assign({ min: 0 }, inDropDown)),
        p.count('tabsSubHideDelay', 400, 'ms', 'Hide delay', Object.assign({ min: 0 }, inDropDown)),
        p.flag('tabsSubShadow', true, 'Drop-down shadow', inDropDown),
        p.size('tabsSubWidth', '', 'Drop-down width', Object.assign({ auto: true, help: 'Empty: as wide as the widest item.' }, inDropDown))
      ].concat(Q.boxParams('tabsSub', { back: '#FFFFFF', border: '#B7C3D3', borderWidth: '1px', padding: '2px' }))),
      G('subitems', Q.itemLookParams('tabsSubItem', { back: '', text: '#2A3A4D', font: '', fontOf: 'the tabs', padding: '6px' })
        .concat(Q.hoverParams('tabsSubItem', { back: '#E3ECF8', text: '#17467F', border: '' }))
        .concat([p.color('tabsSubItemSelTextColor', '#17467F', 'Selected item text colour', { help: 'Item of the page being shown (state "current").' })]))
    ),
    itemFields: base.itemFields.concat([Q.itemFields.state, Q.itemFields.itemStyle, Q.itemFields.id, Q.itemFields.contentId,
      Q.itemFields.cssClass]),
    contrast: base.contrast.concat([
      Q.pair('Submenu items', ['tabsSubItemTextColor'], ['tabsSubItemBackColor', 'tabsSubBackColor'], ['tabsSubItemFont', 'tabsItemFont']),
      Q.pair('Submenu items under the mouse', ['tabsSubItemHoverTextColor', 'tabsSubItemTextColor'],
        ['tabsSubItemHoverBackColor', 'tabsSubItemBackColor', 'tabsSubBackColor'], ['tabsSubItemFont', 'tabsItemFont']),
      Q.pair('Current page submenu item', ['tabsSubItemSelTextColor', 'tabsSubItemTextColor'],
        ['tabsSubItemBackColor', 'tabsSubBackColor'], ['tabsSubItemFont', 'tabsItemFont']),
      Q.pair('Disabled submenu items', ['tabsItemDisabledTextColor', 'tabsSubItemTextColor'],
        ['tabsSubItemBackColor', 'tabsSubBackColor'], ['tabsSubItemFont', 'tabsItemFont'], { exempt: true })
    ])
  });
})(typeof window !== 'undefined' ? window : globalThis);
