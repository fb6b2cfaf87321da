// The page's preview box: the runs of the coloured name as spans, scrolled
// to the caret's place, and what a screen reader is told of it.
mergeInto(LibraryManager.library, {
  // A class for each colour met, so that a run's colour is not parsed again for every span.
  $HP_colors: {},
  $HP_colorClass__deps: ['$HP', '$HP_colors'],
  $HP_colorClass: function (color) {
    var name = HP_colors[color];
    if (name === undefined) {
      name = HP_colors[color] = 'color' + color;
      var sheet = document.getElementById('colors').sheet;
      sheet.insertRule('.preview .' + name + ' { color: ' + HP.rgb(color) + '; }', sheet.cssRules.length);
    }
    return name;
  },

  // The window's preview (0), or the colour dialog's (1).
  $HP_previewBox__deps: ['$HP'],
  $HP_previewBox: function (box) {
    return box === 0 ? HP.txtOut : HP.colorsPreview;
  },

  hueprev_dom_preview_show__deps: ['$HP', '$HP_colorClass', '$HP_previewBox'],
  hueprev_dom_preview_show: function (which, text, runs, count) {
    // The runs' spans are kept and only their text and class change: Chromium
    // ends an undo step of typing whenever a node is added or removed.
    var box = HP_previewBox(which);
    var span = box.firstChild;
    var at = text;
    for (var i = 0; i < count; ++i) {
      var color = HEAPU32[(runs >> 2) + 2 * i];
      var length = HEAPU32[(runs >> 2) + 2 * i + 1];
      if (span === null) {
        span = box.appendChild(document.createElement('span'));
        span.appendChild(document.createTextNode(''));
      }
      var name = HP_colorClass(color);
      if (span.className !== name) {
        span.className = name;
      }
      span.firstChild.data = HP.text(at, length);
      at += 2 * length;
      span = span.nextSibling;
    }
    while (span !== null) {
      var next = span.nextSibling;
      box.removeChild(span);
      span = next;
    }
  },

  hueprev_dom_preview_describe__deps: ['$HP', '$HP_previewBox'],
  hueprev_dom_preview_describe: function (which, text, length) {
    HP_previewBox(which).setAttribute('aria-description', HP.text(text, length));
  },

  // Scrolls as little as brings the position into view, as a line edit does.
  hueprev_dom_preview_show_position__deps: ['$HP', '$HP_previewBox'],
  hueprev_dom_preview_show_position: function (which, position) {
    var box = HP_previewBox(which);
    var left = position;
    for (var span = box.firstChild; span !== null; span = span.nextSibling) {
      var node = span.firstChild;
      if (left <= node.length || span.nextSibling === null) {
        var range = document.createRange();
        range.setStart(node, Math.min(left, node.length));
        var x = range.getBoundingClientRect().left - box.getBoundingClientRect().left - box.clientLeft +
                box.scrollLeft;
        var margin = 3;
        if (x - margin < box.scrollLeft) {
          box.scrollLeft = Math.max(0, x - margin);
        } else if (x + margin > box.scrollLeft + box.clientWidth) {
          box.scrollLeft = x + margin - box.clientWidth;
        }
        return;
      }
      left -= node.length;
    }
    box.scrollLeft = 0;
  },
});
