// The page's side of the web front-end: the DOM operations the C++ window
// calls, and the DOM events bound to its event procedures. The name never
// passes through markup: text reaches the page only as text nodes and values.
mergeInto(LibraryManager.library, {
  $HP: {
    form: null,
    txtIn: null,
    txtOut: null,
    // UTF-16 text from the module's memory, unpaired surrogates kept as they are.
    text: function (pointer, length) {
      var at = pointer >> 1;
      var parts = [];
      for (var i = 0; i < length; i += 4096) {
        parts.push(String.fromCharCode.apply(null, HEAPU16.subarray(at + i, at + Math.min(length, i + 4096))));
      }
      return parts.join('');
    },
    rgb: function (color) {
      return 'rgb(' + (color & 255) + ',' + ((color >> 8) & 255) + ',' + ((color >> 16) & 255) + ')';
    },
    // A class for each colour met, so that a run's colour is not parsed again for every span.
    colors: {},
    colorClass: function (color) {
      var name = HP.colors[color];
      if (name === undefined) {
        name = HP.colors[color] = 'color' + color;
        var sheet = document.getElementById('colors').sheet;
        sheet.insertRule('#txtOut .' + name + ' { color: ' + HP.rgb(color) + '; }', sheet.cssRules.length);
      }
      return name;
    },
    // Into a buffer the module lends for it, then handed over.
    lend: function (text) {
      var pointer = _hueprev_buffer(text.length);
      for (var i = 0; i < text.length; ++i) {
        HEAPU16[(pointer >> 1) + i] = text.charCodeAt(i);
      }
    },
  },

  hueprev_dom_open__deps: ['$HP'],
  hueprev_dom_open: function (caption, width, height, fontFace) {
    document.title = UTF8ToString(caption);
    HP.form = document.getElementById('frmMain');
    HP.form.style.width = width + 'px';
    HP.form.style.height = height + 'px';
    HP.form.style.fontFamily = '"' + UTF8ToString(fontFace) + '", hueprev-tahoma, sans-serif';
  },

  hueprev_dom_add_control__deps: ['$HP'],
  hueprev_dom_add_control: function (kind, index, left, top, width, height, points, name, description, tip) {
    var control;
    if (kind === 0) {
      control = document.createElement('input');
      control.type = 'text';
      control.id = 'txtIn';
      control.spellcheck = false;
      control.autocomplete = 'off';
      HP.txtIn = control;
    } else if (kind === 1) {
      control = document.createElement('div');
      control.id = 'txtOut';
      control.tabIndex = 0;
      control.setAttribute('role', 'textbox');
      control.setAttribute('aria-readonly', 'true');
      HP.txtOut = control;
    } else {
      control = document.createElement('button');
      control.type = 'button';
      control.id = 'cmdAddColor_' + index;
      control.className = 'code' + index;
      control.title = UTF8ToString(tip);
      control.addEventListener('click', function () { _hueprev_cmdAddColor_Click(index); });
    }
    control.setAttribute('aria-label', UTF8ToString(name));
    control.setAttribute('aria-description', UTF8ToString(description));
    control.style.left = left + 'px';
    control.style.top = top + 'px';
    control.style.width = width + 'px';
    control.style.height = height + 'px';
    if (points > 0) {
      control.style.fontSize = points + 'pt';
    }
    HP.form.appendChild(control); // in tab order
  },

  hueprev_dom_bind__deps: ['$HP'],
  hueprev_dom_bind: function (background) {
    var input = HP.txtIn;
    HP.txtOut.style.backgroundColor = HP.rgb(background);
    input.addEventListener('input', function () { _hueprev_txtIn_Change(); });
    input.addEventListener('keydown', function (event) {
      if (event.key === 'Enter' && !event.isComposing && _hueprev_txtIn_KeyPress(13) === 0) {
        event.preventDefault();
      }
    });
    // The name keeps every line of a paste, joined as the desktop joins them.
    input.addEventListener('paste', function (event) {
      event.preventDefault();
      var data = event.clipboardData;
      if (data && Array.prototype.indexOf.call(data.types, 'text/plain') >= 0) {
        HP.lend(data.getData('text/plain'));
        _hueprev_txtIn_Paste();
      }
    });
    document.addEventListener('selectionchange', function () {
      if (document.activeElement === input) {
        _hueprev_txtIn_CaretMove();
      }
    });
    input.focus();
  },

  hueprev_dom_input_length__deps: ['$HP'],
  hueprev_dom_input_length: function () {
    return HP.txtIn.value.length;
  },

  hueprev_dom_input_read__deps: ['$HP'],
  hueprev_dom_input_read: function (pointer) {
    var value = HP.txtIn.value;
    for (var i = 0; i < value.length; ++i) {
      HEAPU16[(pointer >> 1) + i] = value.charCodeAt(i);
    }
  },

  hueprev_dom_input_caret__deps: ['$HP'],
  hueprev_dom_input_caret: function () {
    var input = HP.txtIn;
    return input.selectionDirection === 'backward' ? input.selectionStart : input.selectionEnd;
  },

  hueprev_dom_input_selection_start__deps: ['$HP'],
  hueprev_dom_input_selection_start: function () {
    return HP.txtIn.selectionStart;
  },

  hueprev_dom_input_selection_end__deps: ['$HP'],
  hueprev_dom_input_selection_end: function () {
    return HP.txtIn.selectionEnd;
  },

  hueprev_dom_input_select__deps: ['$HP'],
  hueprev_dom_input_select: function (start, end) {
    HP.txtIn.setSelectionRange(start, end, 'forward');
  },

  hueprev_dom_input_replace__deps: ['$HP'],
  hueprev_dom_input_replace: function (pointer, length) {
    var input = HP.txtIn;
    var text = HP.text(pointer, length);
    input.focus();
    // The browser's own edit, so that undo takes it out as one step.
    if (!document.execCommand('insertText', false, text)) {
      input.setRangeText(text, input.selectionStart, input.selectionEnd, 'end');
      input.dispatchEvent(new Event('input', {bubbles: true}));
    }
  },

  hueprev_dom_input_focus__deps: ['$HP'],
  hueprev_dom_input_focus: function () {
    HP.txtIn.focus();
  },

  hueprev_dom_preview_show__deps: ['$HP'],
  hueprev_dom_preview_show: function (text, runs, count) {
    var pieces = document.createDocumentFragment();
    var at = text;
    for (var i = 0; i < count; ++i) {
      var color = HEAPU32[(runs >> 2) + 2 * i];
      var length = HEAPU32[(runs >> 2) + 2 * i + 1];
      var span = document.createElement('span');
      span.className = HP.colorClass(color);
      span.appendChild(document.createTextNode(HP.text(at, length)));
      pieces.appendChild(span);
      at += 2 * length;
    }
    HP.txtOut.replaceChildren(pieces);
  },

  // Scrolls as little as brings the position into view, as a line edit does.
  hueprev_dom_preview_show_position__deps: ['$HP'],
  hueprev_dom_preview_show_position: function (position) {
    var box = HP.txtOut;
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
