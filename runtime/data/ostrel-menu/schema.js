// Ostrel Menu: a horizontal or vertical bar with drop-down submenus.
(function (root) {
  'use strict';
  var Q = root.Plivex, p = Q.p, o = Q.options, G = Q.group;

  Q.defineType({
    id: 'ostrel-menu', index: 0, name: 'Ostrel Menu', prefix: 'menu', maxLevels: 0,
    names: { items: 'menuItems', init: 'qrn_init', styles: 'itemStyles', submenuStyles: 'menuStyles' },
    groups: [
      ['layout', 'Layout and position'], ['bar', 'Menu bar'], ['items', 'Items'], ['hover', 'Items under the mouse'],
      ['states', 'Current and disabled items'], ['submenus', 'Submenus'], ['subitems', 'Submenu items'],
      ['extras', 'Arrows, icons and separators'], ['behaviour', 'Behaviour'], ['small', 'Small screens']
    ],
    params: [].concat(
      G('layout', [
        p.choice('menuOrientation', 'horizontal', [['horizontal', 'Horizontal bar'], ['vertical', 'Vertical bar']], 'Orientation'),
        p.choice('menuAlign', 'left', o.align, 'Bar alignment', { help: 'Where the items sit inside a bar wider than they need.' }),
        p.size('menuWidth', '', 'Bar width', { auto: true, help: 'Empty: as wide as the items need (horizontal) or as the widest item (vertical).' }),
        p.size('menuItemWidth', '', 'Item width', { auto: true, help: 'Fixed width of top-level items; empty fits each item to its text.' }),
        p.size('menuItemHeight', '', 'Item height', { auto: true, help: 'Fixed height of top-level items; empty fits the text.' }),
        p.size('menuItemSpacing', '0px', 'Space between items')
      ].concat(Q.positionParams('menu'))),
      G('bar', Q.boxParams('menu', { back: '#F7F9FC', border: '#C9D3E0', borderWidth: '1px', radius: '4px', padding: '2px' })),
      G('items', Q.itemLookParams('menuItem', { back: '', text: '#1F2D3D', font: 'normal 13px Verdana, Geneva, sans-serif', padding: '8px', border: '#C9D3E0' }, 'item')),
      G('hover', Q.hoverParams('menuItem', { back: '#2F6DB5', text: '#FFFFFF', border: '' }, 'item')),
      G('states', Q.stateParams('menuItem', { currentBack: '#DCE8F7', currentText: '#17467F', disabledText: '#9AA6B2' }, 'item')),
      G('submenus', [
        p.choice('menuSubDirection', 'auto', [['auto', 'Automatic'], ['down', 'Down'], ['right', 'Right'], ['left', 'Left'], ['up', 'Up']], 'Open direction',
          { styles: 'submenu', help: 'Automatic: submenus of a horizontal bar open downwards, all others to the right; near the window edge they turn to the other side.' }),
        p.size('menuSubOffsetX', '0px', 'Horizontal offset', { min: -10000, styles: 'submenu', help: 'Moves a submenu right (negative: left) from its place beside the parent item.' }),
        p.size('menuSubOffsetY', '0px', 'Vertical offset', { min: -10000, styles: 'submenu', help: 'Moves a submenu down (negative: up).' }),
        p.size('menuSubWidth', '', 'Submenu width', { auto: true, styles: 'submenu', help: 'Empty: as wide as the widest item.' }),
        p.count('menuSubColumns', 1, '', 'Columns (mega menu)', { min: 1, max: 8, styles: 'submenu', help: 'More than 1: a submenu that opens from the bar lays out its items in this many columns. An item with subitems becomes a column heading with its subitems listed below it; on small screens the columns become nested lists. Give it to one submenu through a submenu style.' }),
        p.flag('menuSubShadow', true, 'Shadow', { styles: 'submenu' }),
        p.color('menuSubShadowColor', '#8595A8', 'Shadow colour', { styles: 'submenu' }),
        p.size('menuSubShadowSize', '4px', 'Shadow size', { styles: 'submenu' }),
        p.count('menuSubOpacity', 100, '%', 'Opacity', { min: 0, max: 100, styles: 'submenu', help: '100 is fully opaque.' })
      ].concat(Q.boxParams('menuSub', { back: '#FFFFFF', border: '#B7C3D3', borderWidth: '1px', padding: '2px' }, 'submenu'))),
      G('subitems', Q.itemLookParams('menuSubItem', { back: '', text: '#1F2D3D', font: '', fontOf: 'the items', padding: '6px' })
        .concat(Q.hoverParams('menuSubItem', { back: '#E3ECF8', text: '#17467F', border: '' }))),
      G('extras', [
        p.flag('menuArrows', true, 'Arrows on items with submenus'),
        p.color('menuArrowColor', '', 'Arrow colour', { styles: 'item', help: 'Empty: the item\'s text colour, in every state, so the arrow shows on any bar.' }),
        p.image('menuArrowImage', 'Arrow picture', { styles: 'item', help: 'Replaces the drawn arrow; empty for the drawn one.' }),
        p.color('menuSeparatorColor', '#D5DCE6', 'Separator colour', { styles: 'submenu', help: 'Items whose text is "-" are drawn as separator lines.' }),
        p.size('menuSeparatorSize', '1px', 'Separator thickness', { styles: 'submenu' }),
        p.size('menuSeparatorMargin', '4px', 'Space around separators', { styles: 'submenu' })
      ].concat(Q.iconParams('menu', '16px'))),
      G('behaviour', [
        p.choice('menuOpenOn', 'hover', o.openOn, 'Open submenus on', { help: 'Click: the first click on an item with a submenu opens the submenu, the next one follows the item\'s link (or closes the submenu when the item has none); a click elsewhere closes it. On touch screens the first tap always opens.' }),
        p.count('menuShowDelay', 150, 'ms', 'Show delay', { min: 0, help: 'Time the mouse must rest on an item before its submenu opens.' }),
        p.count('menuHideDelay', 400, 'ms', 'Hide delay', { min: 0, help: 'Time after the mouse has left before submenus close.' }),
        p.choice('menuEffect', 'fade', [['none', 'None'], ['fade', 'Fade'], ['slide', 'Slide']], 'Opening effect', { styles: 'submenu' }),
        p.count('menuEffectDuration', 150, 'ms', 'Effect duration', { min: 0, styles: 'submenu' }),
        p.flag('menuKeepHighlighted', true, 'Keep parent highlighted', { help: 'An item stays in its hover look while its submenu is open.' }),
        p.choice('menuKeyboard', 'disclosure', [['disclosure', 'Site navigation'], ['menubar', 'Application menu bar']], 'Keyboard and screen readers',
          { help: 'Site navigation: Tab moves through the items, Enter or Space on an item with a submenu (or on the arrow beside its link) opens it. Application menu bar: the menu is one Tab stop; arrow keys move between the items and open the submenus, as in the menu bar of a desktop program.' }),
        p.text('menuLabel', 'Site menu', 'Name for screen readers', { help: 'Screen readers announce the menu by this name; give each menu of a page its own.' }),
        Q.linkBaseParam('menu')
      ]),
      G('small', [
        p.size('menuCollapseWidth', '640px', 'Collapse below width', { plain: true, units: ['px', 'em'], help: 'When the window is narrower, the bar becomes a toggle button that shows the menu as a vertical list; 0px never collapses. A number with px or em: the menu compares it with the width of the window.' }),
        p.text('menuToggleText', 'Menu', 'Toggle button text'),
        p.image('menuToggleIcon', 'Toggle button icon', { help: 'Empty for the drawn three-line icon.' }),
        p.color('menuToggleBackColor', '#2F6DB5', 'Toggle button background'),
        p.color('menuToggleTextColor', '#FFFFFF', 'Toggle button text colour')
      ])
    ),
    itemFields: [Q.itemFields.text, Q.itemFields.link, Q.itemFields.target, Q.itemFields.tooltip, Q.itemFields.icon,
      Q.itemFields.hoverIcon, Q.itemFields.itemStyle, Q.itemFields.submenuStyle, Q.itemFields.state, Q.itemFields.id,
      Q.itemFields.cssClass],
    // Submenu items inherit the page's text colour, not the bar items'; the
    // current and disabled states of every level take the bar items' colours.
    contrast: [
      Q.pair('Items', ['menuItemTextColor'], ['menuItemBackColor', 'menuBackColor'], 'menuItemFont'),
      Q.pair('Items under the mouse', ['menuItemHoverTextColor', 'menuItemTextColor'],
        ['menuItemHoverBackColor', 'menuItemBackColor', 'menuBackColor'], 'menuItemFont'),
      Q.pair('Current page item', ['menuItemCurrentTextColor', 'menuItemTextColor'],
        ['menuItemCurrentBackColor', 'menuItemBackColor', 'menuBackColor'], 'menuItemFont'),
      Q.pair('Disabled items', ['menuItemDisabledTextColor', 'menuItemTextColor'], ['menuItemBackColor', 'menuBackColor'],
        'menuItemFont', { exempt: true }),
      Q.pair('Submenu items', ['menuSubItemTextColor'], ['menuSubItemBackColor', 'menuSubBackColor'], ['menuSubItemFont', 'menuItemFont']),
      Q.pair('Submenu items under the mouse', ['menuSubItemHoverTextColor', 'menuSubItemTextColor'],
        ['menuSubItemHoverBackColor', 'menuSubItemBackColor', 'menuSubBackColor'], ['menuSubItemFont', 'menuItemFont']),
      Q.pair('Current page item in a submenu', ['menuItemCurrentTextColor', 'menuSubItemTextColor'],
        ['menuItemCurrentBackColor', 'menuSubItemBackColor', 'menuSubBackColor'], ['menuSubItemFont', 'menuItemFont']),
      Q.pair('Disabled submenu items', ['menuItemDisabledTextColor', 'menuSubItemTextColor'],
        ['menuSubItemBackColor', 'menuSubBackColor'], ['menuSubItemFont', 'menuItemFont'], { exempt: true }),
      Q.pair('Toggle button', ['menuToggleTextColor'], ['menuToggleBackColor'], 'menuItemFont')
    ]
  });
})(typeof window !== 'undefined' ? window : globalThis);
