/*
  Building blocks for the parameter descriptions of the menu types. Each type
  folder has a schema.js that calls Plivex.defineType() with its groups,
  parameters and item fields; the pages, the help and the default projects
  are all built from that one description.

  A parameter: { name, kind, def, group, label, help, styles, ... }
    kind    color | font | image | link | number | choice | text | flag
    number  units: ['px','em','%'] (value is text such as "12px"; empty
            means automatic when auto is set) or unit: 'ms' (value is a plain
            number); min, max; plain: true when the engine reckons with
            the number itself, so that only a number with one of `units`
            will do (no calc(), var() or other unit)
            (number ranges the description leaves open: see checks.js)
    choice  options: [[value, label], ...]
    styles  'item', 'submenu' or 'item submenu': which individual styles may
            override the parameter
    onlyWhen { name, value, why }: the parameter is used only while
            parameter `name` is `value`; otherwise the page disables it and
            shows `why`
*/
(function (root) {
  'use strict';
  var Q = root.Plivex = root.Plivex || {};
  Q.types = Q.types || {};

  var PX = ['px', 'em', '%'];

  // Shorthands for one parameter of each kind.
  Q.p = {
    color: function (name, def, label, extra) { return mk(name, 'color', def, label, extra); },
    font: function (name, def, label, extra) { return mk(name, 'font', def, label, extra); },
    image: function (name, label, extra) { return mk(name, 'image', '', label, extra); },
    link: function (name, def, label, extra) { return mk(name, 'link', def, label, extra); },
    size: function (name, def, label, extra) { return mk(name, 'number', def, label, Object.assign({ units: PX }, extra)); },
    count: function (name, def, unit, label, extra) { return mk(name, 'number', def, label, Object.assign({ unit: unit }, extra)); },
    choice: function (name, def, options, label, extra) { return mk(name, 'choice', def, label, Object.assign({ options: options }, extra)); },
    text: function (name, def, label, extra) { return mk(name, 'text', def, label, extra); },
    flag: function (name, def, label, extra) { return mk(name, 'flag', def ? 'true' : 'false', label, extra); }
  };

  function mk(name, kind, def, label, extra) {
    return Object.assign({ name: name, kind: kind, def: def == null ? '' : String(def), label: label, help: '', styles: '' }, extra || {});
  }

  var opt = Q.options = {
    align: [['left', 'Left'], ['center', 'Centre'], ['right', 'Right']],
    borderStyle: [['solid', 'Solid'], ['dotted', 'Dotted'], ['dashed', 'Dashed'], ['double', 'Double'], ['none', 'None']],
    position: [['static', 'In the page flow'], ['absolute', 'Absolute (at X and Y)']],
    iconPosition: [['left', 'Left of the text'], ['right', 'Right of the text'], ['top', 'Above the text']],
    openOn: [['hover', 'Mouse hover'], ['click', 'Click']],
    state: [['', 'Normal'], ['disabled', 'Disabled'], ['current', 'Current page']],
    target: [['', 'Same window'], ['_blank', 'New window'], ['_parent', 'Parent frame'], ['_top', 'Whole window']]
  };

  // Sets the group of every parameter in `list` and returns the list.
  Q.group = function (group, list) {
    list.forEach(function (p) { p.group = group; });
    return list;
  };

  // Position in the page: in the page flow where the data script stands, or
  // absolute at X and Y.
  Q.positionParams = function (prefix, zIndex) {
    return [
      Q.p.choice(prefix + 'Position', 'static', opt.position, 'Position',
        { help: 'In the page flow: the menu appears where its data script stands. Absolute: the menu is placed at X and Y from the top left corner of the page.' }),
      Q.p.size(prefix + 'Left', '0px', 'X', { min: -10000, help: 'Distance from the left edge of the page (absolute position only).' }),
      Q.p.size(prefix + 'Top', '0px', 'Y', { min: -10000, help: 'Distance from the top edge of the page (absolute position only).' }),
      Q.p.count(prefix + 'ZIndex', zIndex || 1000, '', 'Stacking order', { min: 0, help: 'CSS z-index of the menu; raise it when page content covers the menu.' })
    ];
  };

  // What relative links and pictures are read against. A data file is
  // loaded by pages in many folders, and a browser reads an address in the
  // page against the page; against the data file's own address (as a style
  // sheet's url() is read against the sheet) one link works from them all.
  // Files from before this parameter mean the page, so that is the default;
  // new projects choose the data file.
  Q.linkBaseParam = function (prefix) {
    return Q.p.choice(prefix + 'LinkBase', 'page', [['page', 'Each page'], ['data', 'The data file']],
      'Links and pictures relative to', { help: 'The data file: a link such as "../classes/yoga.html" is read from the folder of the data file, so it works from every page of the site, at any depth. The page: it is read from the folder of each page that shows the menu, so it works only from pages in one folder.' });
  };

  // The frame of a box: background, border, corners, padding.
  // d: defaults { back, border, borderWidth, borderStyle, radius, padding }
  Q.boxParams = function (name, d, styles) {
    d = d || {};
    var s = { styles: styles || '' };
    return [
      Q.p.color(name + 'BackColor', d.back, 'Background', s),
      Q.p.image(name + 'BackImage', 'Background image', Object.assign({ help: 'Picture tiled behind the content; empty for none.' }, s)),
      Q.p.color(name + 'BorderColor', d.border, 'Border colour', s),
      Q.p.size(name + 'BorderWidth', d.borderWidth || '0px', 'Border width', s),
      Q.p.choice(name + 'BorderStyle', d.borderStyle || 'solid', opt.borderStyle, 'Border style', s),
      Q.p.size(name + 'Radius', d.radius || '0px', 'Corner radius', s),
      Q.p.size(name + 'Padding', d.padding || '0px', 'Padding', Object.assign({ help: 'Space between the border and the content.' }, s))
    ];
  };

  // The look of an item in its normal state.
  Q.itemLookParams = function (name, d, styles) {
    var s = { styles: styles || '' };
    return [
      Q.p.color(name + 'BackColor', d.back, 'Background', Object.assign({ help: 'Empty for a transparent background.' }, s)),
      Q.p.color(name + 'TextColor', d.text, 'Text colour', s),
      Q.p.font(name + 'Font', d.font, 'Font', Object.assign(d.font ? {} : { empty: 'as ' + d.fontOf, help: 'Empty: the same font as ' + d.fontOf + '.' }, s)),
      Q.p.choice(name + 'TextAlign', d.align || 'left', opt.align, 'Text alignment', s),
      Q.p.size(name + 'Padding', d.padding || '6px', 'Padding', s),
      Q.p.color(name + 'BorderColor', d.border, 'Border colour', s),
      Q.p.size(name + 'BorderWidth', d.borderWidth || '0px', 'Border width', s),
      Q.p.image(name + 'BackImage', 'Background image', s)
    ];
  };

  // The look of an item under the mouse.
  Q.hoverParams = function (name, d, styles) {
    var s = { styles: styles || '' };
    return [
      Q.p.color(name + 'HoverBackColor', d.back, 'Hover background', s),
      Q.p.color(name + 'HoverTextColor', d.text, 'Hover text colour', s),
      Q.p.color(name + 'HoverBorderColor', d.border, 'Hover border colour', Object.assign({ help: 'Empty keeps the normal border colour.' }, s)),
      Q.p.flag(name + 'HoverUnderline', d.underline, 'Underline on hover', s),
      Q.p.image(name + 'HoverBackImage', 'Hover background image', s)
    ];
  };

  // Colours of the current-page and disabled item states.
  Q.stateParams = function (name, d, styles) {
    var s = { styles: styles || '' };
    return [
      Q.p.color(name + 'CurrentBackColor', d.currentBack, 'Current page background', Object.assign({ help: 'For items whose state is "Current page".' }, s)),
      Q.p.color(name + 'CurrentTextColor', d.currentText, 'Current page text colour', s),
      Q.p.color(name + 'DisabledTextColor', d.disabledText, 'Disabled text colour', Object.assign({ help: 'For items whose state is "Disabled".' }, s))
    ];
  };

  Q.iconParams = function (name, size) {
    return [
      Q.p.size(name + 'IconSize', size || '16px', 'Icon size', { help: 'Width and height of item icons.' }),
      Q.p.choice(name + 'IconPosition', 'left', opt.iconPosition, 'Icon position')
    ];
  };

  // ---- item fields ----------------------------------------------------------
  // Item parameter 0 is always the text; the rest are placed per type.

  var F = Q.itemFields = {
    text: { key: 'text', kind: 'text', label: 'Text', help: 'The item text; HTML is allowed. "-" makes a separator. Write &#124; for a "|" at the very start of a text.' },
    link: { key: 'link', kind: 'link', label: 'Link', help: 'Address opened when the item is clicked; empty for none.' },
    target: { key: 'target', kind: 'target', label: 'Target', help: 'Window or frame for the link: empty (same window), _blank, _parent, _top or a frame name.' },
    tooltip: { key: 'tooltip', kind: 'text', label: 'Tooltip', help: 'Text shown when the mouse rests on the item.' },
    icon: { key: 'icon', kind: 'image', label: 'Icon', help: 'Picture shown beside the text.' },
    hoverIcon: { key: 'hoverIcon', kind: 'image', label: 'Hover icon', help: 'Picture shown instead of the icon under the mouse.' },
    openIcon: { key: 'openIcon', kind: 'image', label: 'Open icon', help: 'Picture shown instead of the icon while the branch is open.' },
    itemStyle: { key: 'itemStyle', kind: 'style', styleKind: 0, label: 'Item style', help: 'Number of the individual item style (0 is the first); empty for none.' },
    submenuStyle: { key: 'submenuStyle', kind: 'style', styleKind: 1, label: 'Submenu style', help: 'Number of the individual submenu style for the submenu of this item; empty for none.' },
    state: { key: 'state', kind: 'choice', options: opt.state, label: 'State', help: '"disabled": shown greyed and not clickable; "current": marked as the page being shown.' },
    treeState: { key: 'state', kind: 'choice', options: opt.state.concat([['open', 'Open at start']]), label: 'State', help: '"disabled": greyed and not clickable; "current": marked as the page being shown; "open": the branch is open when the page loads.' },
    id: { key: 'id', kind: 'text', label: 'Element id', help: 'HTML id of the item element, for page scripts and styles.' },
    cssClass: { key: 'cssClass', kind: 'text', label: 'CSS class', help: 'Extra class names for the item element.' },
    contentId: { key: 'contentId', kind: 'text', label: 'Content id', help: 'Id of a page element shown while this tab is selected (the others are hidden); when empty, the link is followed.' },
    none: { key: '', kind: 'none', label: '(unused)', help: 'Not used; always empty.' }
  };

  // ---- contrast pairs ---------------------------------------------------------
  // A text colour shown on a background. `text` and `back` are the parameters
  // the engine tries in turn, the first one set wins; when none is set the
  // text is the page's and the background the page's (checks.js). `font`
  // (one name or a chain) tells whether the text is large. Disabled items
  // are exempt from the contrast minimum, but shown.
  // `state` says when the pair is seen at all: 'hover' under the mouse,
  // 'current' on the current page's item, '' always; taken from the pair's
  // own text colour.
  Q.pair = function (label, text, back, font, extra) {
    var state = /Hover/.test(text[0]) ? 'hover' : /Current|SubItemSel/.test(text[0]) ? 'current' : '';
    return Object.assign({ label: label, text: text, back: back, font: font || '', exempt: false, state: state }, extra || {});
  };

  // Registers a menu type. def: { id, index, name, prefix, names: {items,
  // init, styles, submenuStyles}, maxLevels (0: any number), groups, params,
  // itemFields, contrast (pairs) }
  Q.defineType = function (def) {
    var known = {};
    def.params.forEach(function (p) {
      if (known[p.name]) throw new Error('Parameter declared twice: ' + p.name);
      known[p.name] = true;
      if (!p.group) throw new Error('Parameter without group: ' + p.name);
    });
    if (def.itemFields.length !== 11) throw new Error('A type needs 11 item fields: ' + def.id);
    (def.contrast || []).forEach(function (pair) {
      pair.text.concat(pair.back, pair.font ? [].concat(pair.font) : []).forEach(function (n) {
        if (!known[n]) throw new Error('Contrast pair "' + pair.label + '" names an unknown parameter: ' + n);
      });
    });
    Q.types[def.id] = def;
    return def;
  };

  if (typeof module !== 'undefined' && module.exports) module.exports = Q;
})(typeof window !== 'undefined' ? window : globalThis);
