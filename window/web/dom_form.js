// The page's side of the web front-end, the form: the controls made as the
// window's facts describe them, the DOM events bound to its event
// procedures, and the input, clipboard, address and timers the C++ window
// uses. The name never passes through markup: text reaches the page only as
// text nodes and values. The preview and the strip have libraries of their own.
mergeInto(LibraryManager.library, {
  $HP: {
    form: null,
    txtIn: null,
    txtOut: null,
    timers: [0, 0], // the core's two, by number
    // What moved the focus, as the form's FocusArrival numbers it.
    arrival: {tab: 0, pointer: 1, activation: 2, program: 3},
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
    // Into a buffer the module lends for it, then handed over.
    lend: function (text) {
      var pointer = _hueprev_buffer(text.length);
      for (var i = 0; i < text.length; ++i) {
        HEAPU16[(pointer >> 1) + i] = text.charCodeAt(i);
      }
    },
  },

  hueprev_dom_languages: function (into, size) {
    var list = navigator.languages && navigator.languages.length ? navigator.languages : [navigator.language];
    var joined = list.join(',');
    stringToUTF8(joined, into, size);
    return lengthBytesUTF8(joined);
  },

  hueprev_dom_open__deps: ['$HP'],
  hueprev_dom_open: function (formId, language, caption, width, height, fontFace) {
    document.documentElement.lang = UTF8ToString(language);
    document.title = UTF8ToString(caption);
    // The page's heading, for a screen reader's list of headings; the form shows none.
    var heading = document.createElement('h1');
    heading.className = 'unseen';
    heading.id = 'heading';
    heading.textContent = document.title;
    document.getElementById('page').appendChild(heading);
    var form = HP.form = document.createElement('div');
    form.id = UTF8ToString(formId);
    form.className = 'form';
    form.style.setProperty('--width', width + 'px');
    form.style.setProperty('--height', height + 'px');
    form.style.fontFamily = '"' + UTF8ToString(fontFace) + '", hueprev-tahoma, sans-serif';
    document.getElementById('page').appendChild(form);
  },

  // Made as the facts describe it and appended to the form, which keeps them in tab order.
  $HP_control__deps: ['$HP'],
  $HP_control: function (tag, className, id, left, top, width, height, points, name, description) {
    var control = document.createElement(tag);
    control.id = UTF8ToString(id);
    control.className = className;
    control.setAttribute('aria-label', UTF8ToString(name));
    control.setAttribute('aria-description', UTF8ToString(description));
    // The page's style rules place it: as the facts say, or fitted to a narrow screen.
    control.style.setProperty('--left', left + 'px');
    control.style.setProperty('--top', top + 'px');
    control.style.setProperty('--width', width + 'px');
    control.style.setProperty('--height', height + 'px');
    if (points > 0) {
      control.style.fontSize = points + 'pt';
    }
    HP.form.appendChild(control);
    return control;
  },

  hueprev_dom_add_input__deps: ['$HP', '$HP_control'],
  hueprev_dom_add_input: function (id, left, top, width, height, points, name, description) {
    var input = HP.txtIn = HP_control('input', 'input', id, left, top, width, height, points, name, description);
    input.type = 'text';
    // A name, not prose: a phone keyboard neither capitalises nor corrects it, and its Enter key is "done".
    input.spellcheck = false;
    input.autocomplete = 'off';
    input.setAttribute('autocapitalize', 'off');
    input.setAttribute('autocorrect', 'off');
    input.setAttribute('enterkeyhint', 'done');
  },

  hueprev_dom_add_preview__deps: ['$HP', '$HP_control'],
  hueprev_dom_add_preview: function (id, left, top, width, height, points, name, description, background) {
    var box = HP.txtOut = HP_control('div', 'preview', id, left, top, width, height, points, name, description);
    box.tabIndex = 0;
    box.setAttribute('role', 'textbox');
    box.setAttribute('aria-readonly', 'true');
    box.style.backgroundColor = HP.rgb(background);
    // One line, centred in the box as the rich-text control centres it.
    box.style.lineHeight = box.clientHeight + 'px';
  },

  hueprev_dom_add_button__deps: ['$HP', '$HP_control'],
  hueprev_dom_add_button: function (id, index, left, top, width, height, picture, name, description, tip) {
    var button = HP_control('button', 'code' + index, id, left, top, width, height, 0, name, description);
    button.type = 'button';
    button.title = UTF8ToString(tip);
    button.style.backgroundSize = picture + 'px ' + picture + 'px';
    // A press leaves the focus, and a phone's keyboard, with the input.
    button.addEventListener('mousedown', function (event) { event.preventDefault(); });
    button.addEventListener('click', function () { _hueprev_cmdAddColor_Click(index); });
  },

  hueprev_dom_bind__deps: ['$HP'],
  hueprev_dom_bind: function () {
    var input = HP.txtIn;
    input.addEventListener('input', function () { _hueprev_txtIn_Change(); });
    input.addEventListener('keydown', function (event) {
      if (event.key === 'Enter' && !event.isComposing && _hueprev_txtIn_KeyPress(13) === 0) {
        event.preventDefault();
      }
    });
    // WebKit lists no types for another program's text, though it hands the text over.
    input.addEventListener('paste', function (event) {
      event.preventDefault();
      var data = event.clipboardData;
      var text = data ? data.getData('text/plain') : '';
      var hasText = text !== '' || (data && Array.prototype.indexOf.call(data.types, 'text/plain') >= 0);
      HP.lend(text);
      _hueprev_txtIn_Paste(hasText ? 1 : 0);
    });
    // A move within the input is the browser's own; text from elsewhere is the form's.
    var dragging = false;
    input.addEventListener('dragstart', function () { dragging = true; });
    input.addEventListener('dragend', function () { dragging = false; });
    input.addEventListener('drop', function (event) {
      if (dragging || !event.dataTransfer) {
        return;
      }
      event.preventDefault();
      var at = document.caretPositionFromPoint ? document.caretPositionFromPoint(event.clientX, event.clientY)
                                               : null;
      HP.lend(event.dataTransfer.getData('text/plain'));
      _hueprev_txtIn_Drop(at && at.offsetNode === input ? at.offset : input.selectionStart);
    });
    // What moved the focus, as the page saw it: the last key or press, forgotten when
    // the window goes; the form decides what follows. The form hears of the arrival
    // once the browser has selected what it selects on a focus from the keyboard
    // (WebKit does so after the focus event), and before the next key or press,
    // which Firefox hands over ahead of timers.
    var last = HP.arrival.activation;
    var arrival = null;
    function arrive() {
      var how = arrival;
      arrival = null;
      if (how !== null && document.activeElement === input) {
        _hueprev_txtIn_GotFocus(how);
      }
    }
    document.addEventListener('pointerdown', function () { arrive(); last = HP.arrival.pointer; }, true);
    document.addEventListener('keydown', function (event) {
      arrive();
      // WebKitGTK names Shift+Tab by its keysym, ISO_Left_Tab; its key code is Tab's.
      last = event.key === 'Tab' || event.keyCode === 9 ? HP.arrival.tab : HP.arrival.program;
    }, true);
    window.addEventListener('blur', function () { last = HP.arrival.activation; });
    input.addEventListener('focus', function () {
      arrival = last;
      setTimeout(arrive, 0);
    });
    input.addEventListener('blur', function () { _hueprev_txtIn_LostFocus(); });
    // Back from the strip, the form comes wholly into view, not only the control focused.
    HP.form.addEventListener('focusin', function () { HP.form.scrollIntoView({block: 'nearest'}); });
    // A link changed in the open page (only its fragment) brings its name.
    window.addEventListener('hashchange', function () { _hueprev_txtIn_LinkChange(); });
    document.addEventListener('selectionchange', function () {
      if (document.activeElement === input) {
        _hueprev_txtIn_CaretMove();
      }
    });
    input.focus();
  },

  hueprev_dom_input_describe__deps: ['$HP'],
  hueprev_dom_input_describe: function (description, length) {
    HP.txtIn.setAttribute('aria-description', HP.text(description, length));
  },

  // The asynchronous clipboard where the page may use it, else the copy command.
  hueprev_dom_clipboard_write__deps: ['$HP'],
  hueprev_dom_clipboard_write: function (pointer, length) {
    var text = HP.text(pointer, length);
    function byCommand() {
      var active = document.activeElement;
      var holder = document.createElement('textarea');
      holder.value = text;
      holder.className = 'unseen';
      document.body.appendChild(holder);
      holder.select();
      document.execCommand('copy');
      document.body.removeChild(holder);
      if (active) {
        active.focus();
      }
    }
    if (navigator.clipboard && navigator.clipboard.writeText) {
      navigator.clipboard.writeText(text).catch(byCommand);
    } else {
      byCommand();
    }
  },

  hueprev_dom_clipboard_html__deps: ['$HP'],
  hueprev_dom_clipboard_html: function (text, length, html, htmlLength) {
    var plain = HP.text(text, length);
    var markup = HP.text(html, htmlLength);
    var copy = function (event) {
      event.preventDefault();
      event.clipboardData.setData('text/plain', plain);
      event.clipboardData.setData('text/html', markup);
    };
    var active = document.activeElement;
    document.addEventListener('copy', copy, true);
    // The copy command needs a selection to act on in some engines: a hidden one.
    var holder = document.createElement('textarea');
    holder.value = ' ';
    holder.className = 'unseen';
    document.body.appendChild(holder);
    holder.select();
    document.execCommand('copy');
    document.body.removeChild(holder);
    document.removeEventListener('copy', copy, true);
    if (active) {
      active.focus();
    }
  },

  hueprev_dom_clipboard_picture__deps: ['$HP'],
  hueprev_dom_clipboard_picture: function (text, letters, count, points, height, background, widest) {
    var scale = window.devicePixelRatio || 1;
    var font = points + 'pt "Tahoma", hueprev-tahoma, sans-serif';
    var canvas = document.createElement('canvas');
    var context = canvas.getContext('2d');
    context.font = font;
    var margin = 4;
    var width = 2 * margin;
    var shown = [];
    var at = text;
    for (var i = 0; i < count; ++i) {
      var color = HEAPU32[(letters >> 2) + 2 * i];
      var length = HEAPU32[(letters >> 2) + 2 * i + 1];
      var letter = HP.text(at, length);
      at += 2 * length;
      var advance = context.measureText(letter).width;
      if (Math.ceil((width + advance) * scale) > widest) {
        break;
      }
      shown.push([letter, color, width - margin]);
      width += advance;
    }
    var cut = shown.length < count;
    canvas.width = Math.ceil(width * scale);
    canvas.height = Math.ceil(height * scale);
    context = canvas.getContext('2d');
    context.scale(scale, scale);
    context.fillStyle = HP.rgb(background);
    context.fillRect(0, 0, width, height);
    context.font = font;
    context.textBaseline = 'middle';
    shown.forEach(function (drawn) {
      context.fillStyle = HP.rgb(drawn[1]);
      context.fillText(drawn[0], margin + drawn[2], height / 2);
    });
    var blob = new Promise(function (resolve) { canvas.toBlob(resolve, 'image/png'); });
    // Made inside the click, as the browser asks of a clipboard item.
    if (window.ClipboardItem && navigator.clipboard && navigator.clipboard.write) {
      navigator.clipboard.write([new ClipboardItem({'image/png': blob})]);
      return cut ? 2 : 0;
    }
    blob.then(function (png) {
      var link = document.createElement('a');
      link.download = 'name.png';
      link.href = URL.createObjectURL(png);
      document.body.appendChild(link);
      link.click();
      document.body.removeChild(link);
      setTimeout(function () { URL.revokeObjectURL(link.href); }, 1000);
    });
    return 1 + (cut ? 2 : 0);
  },

  hueprev_dom_lend_address__deps: ['$HP'],
  hueprev_dom_lend_address: function (fragment) {
    var address = window.location.href;
    var hash = address.indexOf('#');
    HP.lend(fragment ? (hash < 0 ? '' : address.slice(hash + 1)) : (hash < 0 ? address : address.slice(0, hash)));
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

  hueprev_dom_timer_start__deps: ['$HP'],
  hueprev_dom_timer_start: function (timer, milliseconds) {
    clearTimeout(HP.timers[timer]);
    HP.timers[timer] = setTimeout(function () { _hueprev_timer_elapsed(timer); }, milliseconds);
  },

});
