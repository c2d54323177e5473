// Ostrel Tabs: a row (or column) of tabs. Ostrel Tab Menu builds on this
// description through Plivex.tabsBase().
(function (root) {
  'use strict';
  var Q = root.Plivex, p = Q.p, o = Q.options, G = Q.group;

  Q.tabsBase = function () {
    return {
      groups: [
        ['layout', 'Layout and position'], ['bar', 'Tab bar'], ['tabs', 'Tabs'], ['hover', 'Tabs under the mouse'],
        ['selected', 'Selected tab'], ['states', 'Current and disabled tabs'], ['extras', 'Icons'], ['behaviour', 'Behaviour']
      ],
      params: [].concat(
        G('layout', [
          p.choice('tabsPlacement', 'top', [['top', 'On top of the content'], ['bottom', 'Below the content'], ['left', 'On the left side'], ['right', 'On the right side']], 'Tab placement',
            { help: 'Side of the content the tabs stand on; left and right stack the tabs vertically.' }),
          p.choice('tabsAlign', 'left', o.align.concat([['justify', 'Fill the bar']]), 'Tab alignment'),
          p.size('tabsWidth', '', 'Bar width', { auto: true, help: 'Empty: as wide as the page allows.' }),
          p.count('tabsSelected', 0, '', 'Tab selected at start', { min: 0, help: 'Number of the top-level tab that is selected when the page loads (0 is the first); an item whose state is "current" wins over it.' }),
          p.flag('tabsRememberSelected', false, 'Remember the selected tab', { help: 'The tab selected last is selected again on the next page load.' })
        ].concat(Q.positionParams('tabs'))),
        G('bar', Q.boxParams('tabs', { back: '', border: '#B7C3D3', borderWidth: '1px', padding: '0px' })),
        G('tabs', [
          p.size('tabsItemWidth', '', 'Tab width', { auto: true, styles: 'item', help: 'Empty fits each tab to its text.' }),
          p.size('tabsItemHeight', '32px', 'Tab height', { styles: 'item' }),
          p.size('tabsItemSpacing', '2px', 'Space between tabs'),
          p.size('tabsItemRadius', '5px', 'Tab corner radius', { styles: 'item' })
        ].concat(Q.itemLookParams('tabsItem', { back: '#E9EEF5', text: '#2A3A4D', font: 'normal 13px Verdana, Geneva, sans-serif', align: 'center', padding: '6px', border: '#B7C3D3', borderWidth: '1px' }, 'item'))),
        G('hover', Q.hoverParams('tabsItem', { back: '#D7E2F0', text: '#17467F', border: '' }, 'item')),
        G('selected', [
          p.color('tabsSelBackColor', '#FFFFFF', 'Background', { styles: 'item' }),
          p.color('tabsSelTextColor', '#17467F', 'Text colour', { styles: 'item' }),
          p.font('tabsSelFont', 'bold 13px Verdana, Geneva, sans-serif', 'Font', { styles: 'item' }),
          p.color('tabsSelBorderColor', '#B7C3D3', 'Border colour', { styles: 'item' }),
          p.image('tabsSelBackImage', 'Background image', { styles: 'item' }),
          p.size('tabsSelRaise', '2px', 'Raise', { styles: 'item', help: 'How far the selected tab stands out of the row.' })
        ]),
        G('states', Q.stateParams('tabsItem', { currentBack: '#FFFFFF', currentText: '#17467F', disabledText: '#A3AEBA' }, 'item')),
        G('extras', Q.iconParams('tabs', '16px')),
        G('behaviour', [
          p.choice('tabsSwitchOn', 'click', o.openOn, 'Select tabs on'),
          p.choice('tabsActivation', 'auto', [['auto', 'On arrow keys'], ['manual', 'On Enter or Space']], 'Keyboard selects a tab',
            { help: 'Arrow keys move between the tabs. A tab that shows a content element is selected as soon as the keys reach it, or only when Enter or Space is pressed on it.' }),
          p.choice('tabsOverflow', 'wrap', [['wrap', 'Wrap to more rows'], ['scroll', 'Scroll']], 'Tabs that do not fit',
            { help: 'Tabs that do not fit in the bar go on to another row (or column), or the bar scrolls.' }),
          p.text('tabsLabel', 'Site sections', 'Name for screen readers', { help: 'Screen readers announce the tabs by this name; give each menu of a page its own.' }),
          Q.linkBaseParam('tabs')
        ])
      ),
      itemFields: [Q.itemFields.text, Q.itemFields.link, Q.itemFields.target, Q.itemFields.tooltip, Q.itemFields.icon,
        Q.itemFields.hoverIcon],
      // A selected tab sets its own background: empty shows the bar's.
      contrast: [
        Q.pair('Tabs', ['tabsItemTextColor'], ['tabsItemBackColor', 'tabsBackColor'], 'tabsItemFont'),
        Q.pair('Tabs under the mouse', ['tabsItemHoverTextColor', 'tabsItemTextColor'],
          ['tabsItemHoverBackColor', 'tabsItemBackColor', 'tabsBackColor'], 'tabsItemFont'),
        Q.pair('Selected tab', ['tabsSelTextColor', 'tabsItemTextColor'], ['tabsSelBackColor', 'tabsBackColor'], ['tabsSelFont', 'tabsItemFont']),
        Q.pair('Current page tab', ['tabsItemCurrentTextColor', 'tabsItemTextColor'],
          ['tabsItemCurrentBackColor', 'tabsItemBackColor', 'tabsBackColor'], 'tabsItemFont'),
        Q.pair('Disabled tabs', ['tabsItemDisabledTextColor', 'tabsItemTextColor'], ['tabsItemBackColor', 'tabsBackColor'],
          'tabsItemFont', { exempt: true })
      ]
    };
  };

  var base = Q.tabsBase();
  Q.defineType({
    id: 'tabs', index: 2, name: 'Ostrel Tabs', prefix: 'tabs', maxLevels: 1,
    names: { items: 'bmenuItems', init: 'qrn_tabsInit', styles: 'bstyles', submenuStyles: '' },
    groups: base.groups,
    params: base.params,
    itemFields: base.itemFields.concat([Q.itemFields.itemStyle, Q.itemFields.state, Q.itemFields.id, Q.itemFields.contentId,
      Q.itemFields.cssClass]),
    contrast: base.contrast
  });
})(typeof window !== 'undefined' ? window : globalThis);
