// Ostrel Tree Menu: a vertical tree whose branches open and close in place.
(function (root) {
  'use strict';
  var Q = root.Plivex, p = Q.p, o = Q.options, G = Q.group;

  Q.defineType({
    id: 'tree-menu', index: 1, name: 'Ostrel Tree Menu', prefix: 'tmenu', maxLevels: 0,
    names: { items: 'tmenuItems', init: 'qrn_tmenuInit', styles: 'tstyles', submenuStyles: 'tXPStyles' },
    groups: [
      ['layout', 'Size and position'], ['box', 'Tree box'], ['items', 'Items'], ['hover', 'Items under the mouse'],
      ['states', 'Current and disabled items'], ['tree', 'Branches'], ['behaviour', 'Behaviour']
    ],
    params: [].concat(
      G('layout', [
        p.size('tmenuWidth', '220px', 'Width'),
        p.size('tmenuHeight', '', 'Height', { auto: true, help: 'Empty: as high as the open items need; otherwise the tree scrolls.' }),
        p.size('tmenuItemHeight', '', 'Item height', { auto: true, help: 'Empty fits each item to its text.' })
      ].concat(Q.positionParams('tmenu'))),
      G('box', Q.boxParams('tmenu', { back: '#FFFFFF', border: '#C9D3E0', borderWidth: '1px', radius: '4px', padding: '4px' })),
      G('items', Q.itemLookParams('tmenuItem', { back: '', text: '#1F2D3D', font: 'normal 13px Verdana, Geneva, sans-serif', padding: '4px', border: '#C9D3E0' }, 'item')),
      G('hover', Q.hoverParams('tmenuItem', { back: '#E3ECF8', text: '#17467F', border: '', underline: false }, 'item')),
      G('states', Q.stateParams('tmenuItem', { currentBack: '#2F6DB5', currentText: '#FFFFFF', disabledText: '#9AA6B2' }, 'item')),
      G('tree', [
        p.size('tmenuIndent', '16px', 'Indent per level', { styles: 'submenu' }),
        p.choice('tmenuExpanderStyle', 'triangle', [['triangle', 'Triangles'], ['plusminus', 'Plus and minus'], ['folder', 'Folders'], ['none', 'None']], 'Expand/collapse icons',
          { styles: 'submenu', help: 'The drawn icons in front of items with children, used when no pictures are set below.' }),
        p.image('tmenuExpandIcon', 'Closed branch picture', { styles: 'submenu', help: 'Shown in front of a closed branch; replaces the drawn icon.' }),
        p.image('tmenuCollapseIcon', 'Open branch picture', { styles: 'submenu', help: 'Shown in front of an open branch.' }),
        p.choice('tmenuExpanderPosition', 'left', [['left', 'Left'], ['right', 'Right']], 'Expander position'),
        p.flag('tmenuLines', true, 'Tree lines', { styles: 'submenu', help: 'Dotted lines join the children of a branch to their parent.' }),
        p.color('tmenuLineColor', '#B7C3D3', 'Line colour', { styles: 'submenu' }),
        p.choice('tmenuLineStyle', 'dotted', [['dotted', 'Dotted'], ['solid', 'Solid'], ['dashed', 'Dashed']], 'Line style', { styles: 'submenu' }),
        p.color('tmenuSubBackColor', '', 'Branch background', { styles: 'submenu', help: 'Background behind the children of a branch; empty for transparent.' }),
        p.color('tmenuSubBorderColor', '#C9D3E0', 'Branch border colour', { styles: 'submenu' }),
        p.size('tmenuSubBorderWidth', '0px', 'Branch border width', { styles: 'submenu' }),
        p.size('tmenuSubPadding', '0px', 'Branch padding', { styles: 'submenu' })
      ].concat(Q.iconParams('tmenu', '16px'))),
      G('behaviour', [
        p.flag('tmenuSingleBranch', false, 'One branch open at a time', { help: 'Opening a branch closes the other branches of the same level.' }),
        p.flag('tmenuRemember', true, 'Remember open branches', { help: 'The branches that were open are open again on the next page load (stored in the browser).' }),
        p.text('tmenuRememberKey', 'tmenu', 'Storage name', { help: 'Name under which the open branches are stored; give each tree of a site its own.' }),
        p.flag('tmenuExpandAll', false, 'All branches open at start'),
        p.flag('tmenuToggleOnText', true, 'Text click opens a branch', { help: 'A click on the text of an item without link opens or closes its branch.' }),
        p.choice('tmenuOpenOn', 'click', [['click', 'Click'], ['hover', 'Click or mouse hover']], 'Branches open on',
          { help: 'With mouse hover, a branch also opens as soon as the mouse comes onto its item; touch screens always need a tap.' }),
        p.count('tmenuAnimDuration', 120, 'ms', 'Open animation', { min: 0, help: '0 opens and closes at once. Visitors who ask their system for reduced motion see no animation.' }),
        p.text('tmenuLabel', 'Site contents', 'Name for screen readers', { help: 'Screen readers announce the tree by this name; give each menu of a page its own.' }),
        Q.linkBaseParam('tmenu')
      ])
    ),
    itemFields: [Q.itemFields.text, Q.itemFields.link, Q.itemFields.target, Q.itemFields.tooltip, Q.itemFields.icon,
      Q.itemFields.hoverIcon, Q.itemFields.openIcon, Q.itemFields.itemStyle, Q.itemFields.submenuStyle, Q.itemFields.treeState,
      Q.itemFields.id],
    // Items of an open branch stand on the branch background.
    contrast: [
      Q.pair('Items', ['tmenuItemTextColor'], ['tmenuItemBackColor', 'tmenuBackColor'], 'tmenuItemFont'),
      Q.pair('Items in a branch', ['tmenuItemTextColor'], ['tmenuItemBackColor', 'tmenuSubBackColor', 'tmenuBackColor'], 'tmenuItemFont'),
      Q.pair('Items under the mouse', ['tmenuItemHoverTextColor', 'tmenuItemTextColor'],
        ['tmenuItemHoverBackColor', 'tmenuItemBackColor', 'tmenuBackColor'], 'tmenuItemFont'),
      Q.pair('Current page item', ['tmenuItemCurrentTextColor', 'tmenuItemTextColor'],
        ['tmenuItemCurrentBackColor', 'tmenuItemBackColor', 'tmenuBackColor'], 'tmenuItemFont'),
      Q.pair('Disabled items', ['tmenuItemDisabledTextColor', 'tmenuItemTextColor'], ['tmenuItemBackColor', 'tmenuBackColor'],
        'tmenuItemFont', { exempt: true })
    ]
  });
})(typeof window !== 'undefined' ? window : globalThis);
