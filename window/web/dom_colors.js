// The page's colour dialog: a modal <dialog> whose controls the core
// describes and whose rules are the core's; the page only builds it,
// forwards its events and shows what it is told.
mergeInto(LibraryManager.library, {
  $HP_dialog: {
    dialog: null,
    rows: [], // each row's controls
  },

  hueprev_dom_colors_begin__deps: ['$HP_dialog'],
  hueprev_dom_colors_begin: function (title, ok, cancel) {
    var dialog = HP_dialog.dialog = document.createElement('dialog');
    dialog.className = 'colors';
    var heading = document.createElement('h2');
    heading.id = 'colors-title';
    heading.textContent = UTF8ToString(title);
    dialog.setAttribute('aria-labelledby', heading.id);
    dialog.appendChild(heading);
    HP_dialog.rows = [];
    HP_dialog.words = {ok: UTF8ToString(ok), cancel: UTF8ToString(cancel)};
    HP_dialog.grid = dialog.appendChild(document.createElement('div'));
    HP_dialog.grid.className = 'colors-rows';
    // Esc is Cancel.
    dialog.addEventListener('cancel', function (event) {
      event.preventDefault();
      HP_dialog.finish(false);
    });
    HP_dialog.finish = function (accepted) {
      if (accepted && HP_dialog.ok.getAttribute('aria-disabled') === 'true') {
        return;
      }
      HP_dialog.closeQuietly();
      _hueprev_dlgColors_Close(accepted ? 1 : 0);
    };
    HP_dialog.closeQuietly = function () {
      if (HP_dialog.dialog) {
        HP_dialog.dialog.close();
        HP_dialog.dialog.remove();
        HP_dialog.dialog = null;
      }
    };
  },

  hueprev_dom_colors_row__deps: ['$HP', '$HP_dialog'],
  hueprev_dom_colors_row: function (label, choose, chooseName, remove) {
    var index = HP_dialog.rows.length;
    var row = {};
    var id = 'colors-row' + index;
    row.label = document.createElement('label');
    row.label.htmlFor = id;
    row.label.textContent = UTF8ToString(label);
    row.field = document.createElement('input');
    row.field.type = 'text';
    row.field.id = id;
    row.field.spellcheck = false;
    row.field.autocomplete = 'off';
    row.error = document.createElement('span');
    row.error.id = id + '-why';
    row.error.className = 'why';
    row.field.setAttribute('aria-describedby', row.error.id);
    row.field.addEventListener('input', function () {
      HP.lend(row.field.value);
      _hueprev_dlgColors_RowEdited(index);
    });
    // The platform's own colour dialog, as the browser has it.
    row.choose = document.createElement('input');
    row.choose.type = 'color';
    row.choose.title = UTF8ToString(choose);
    row.choose.setAttribute('aria-label', UTF8ToString(chooseName));
    var chosen = function () {
      var value = parseInt(row.choose.value.slice(1), 16);
      _hueprev_dlgColors_RowChosen(index, ((value >> 16) & 255) | (value & 0xff00) | ((value & 255) << 16));
    };
    row.choose.addEventListener('input', chosen);
    row.choose.addEventListener('change', chosen);
    row.swatch = document.createElement('span');
    row.swatch.className = 'swatch';
    row.alone = document.createElement('span');
    row.alone.className = 'alone';
    row.remove = document.createElement('button');
    row.remove.type = 'button';
    row.remove.textContent = UTF8ToString(remove);
    row.remove.addEventListener('click', function () { _hueprev_dlgColors_RemoveRow(index); });
    row.all = [row.label, row.field, row.choose, row.swatch, row.alone, row.remove, row.error];
    row.all.forEach(function (control) { HP_dialog.grid.appendChild(control); });
    HP_dialog.rows.push(row);
  },

  hueprev_dom_colors_end__deps: ['$HP', '$HP_dialog'],
  hueprev_dom_colors_end: function (add, longWay, atMost, characters, previewName, width, height, points,
                                    background) {
    var dialog = HP_dialog.dialog;
    var button = function (text, click) {
      var made = document.createElement('button');
      made.type = 'button';
      made.textContent = text;
      made.addEventListener('click', click);
      return made;
    };
    HP_dialog.add = dialog.appendChild(button(UTF8ToString(add), function () { _hueprev_dlgColors_AddRow(); }));
    var options = dialog.appendChild(document.createElement('div'));
    options.className = 'colors-options';
    var way = document.createElement('label');
    HP_dialog.longWay = document.createElement('input');
    HP_dialog.longWay.type = 'checkbox';
    HP_dialog.longWay.addEventListener('change', function () {
      _hueprev_dlgColors_LongWay(HP_dialog.longWay.checked ? 1 : 0);
    });
    way.appendChild(HP_dialog.longWay);
    way.appendChild(document.createTextNode(' ' + UTF8ToString(longWay)));
    options.appendChild(way);
    var most = document.createElement('label');
    HP_dialog.limit = document.createElement('input');
    HP_dialog.limit.type = 'text';
    HP_dialog.limit.inputMode = 'numeric';
    HP_dialog.limit.size = 5;
    HP_dialog.limit.addEventListener('input', function () {
      HP.lend(HP_dialog.limit.value);
      _hueprev_dlgColors_Limit();
    });
    most.appendChild(document.createTextNode(UTF8ToString(atMost) + ' '));
    most.appendChild(HP_dialog.limit);
    most.appendChild(document.createTextNode(' ' + UTF8ToString(characters)));
    options.appendChild(most);
    HP_dialog.limitError = dialog.appendChild(document.createElement('p'));
    HP_dialog.limitError.className = 'why';
    HP_dialog.limitError.id = 'colors-limit-why';
    HP_dialog.limit.setAttribute('aria-describedby', HP_dialog.limitError.id);
    // The same preview as the window's, drawn by the same renderer.
    var preview = HP.colorsPreview = dialog.appendChild(document.createElement('div'));
    preview.className = 'preview colors-preview';
    preview.setAttribute('role', 'textbox');
    preview.setAttribute('aria-readonly', 'true');
    preview.setAttribute('aria-label', UTF8ToString(previewName));
    preview.style.width = width + 'px';
    preview.style.height = height + 'px';
    preview.style.lineHeight = (height - 2) + 'px';
    preview.style.fontSize = points + 'pt';
    preview.style.backgroundColor = HP.rgb(background);
    HP_dialog.count = dialog.appendChild(document.createElement('p'));
    var buttons = dialog.appendChild(document.createElement('div'));
    buttons.className = 'colors-buttons';
    HP_dialog.ok = buttons.appendChild(button(HP_dialog.words.ok, function () { HP_dialog.finish(true); }));
    buttons.appendChild(button(HP_dialog.words.cancel, function () { HP_dialog.finish(false); }));
    // Return in a field or the check box is OK; a focused button takes its own.
    dialog.addEventListener('keydown', function (event) {
      if (event.key === 'Enter' && !event.isComposing && event.target.tagName === 'INPUT' &&
          event.target.type !== 'color') {
        event.preventDefault();
        HP_dialog.finish(true);
      }
    });
    document.body.appendChild(dialog);
    dialog.showModal();
    // The first colour, selected to be typed over.
    HP_dialog.rows[0].field.focus();
    HP_dialog.rows[0].field.select();
  },

  hueprev_dom_colors_rows__deps: ['$HP_dialog'],
  hueprev_dom_colors_rows: function (count, canAdd, canRemove) {
    HP_dialog.rows.forEach(function (row, index) {
      row.all.forEach(function (control) { control.hidden = index >= count; });
      row.remove.hidden = index >= count || !canRemove;
    });
    HP_dialog.add.disabled = !canAdd;
  },

  hueprev_dom_colors_row_text__deps: ['$HP', '$HP_dialog'],
  hueprev_dom_colors_row_text: function (row, text, length) {
    HP_dialog.rows[row].field.value = HP.text(text, length);
  },

  hueprev_dom_colors_row_state__deps: ['$HP', '$HP_dialog'],
  hueprev_dom_colors_row_state: function (index, alone, aloneLength, error, errorLength, swatch, current) {
    var row = HP_dialog.rows[index];
    row.alone.textContent = HP.text(alone, aloneLength);
    row.error.textContent = HP.text(error, errorLength);
    row.field.setAttribute('aria-invalid', errorLength > 0 ? 'true' : 'false');
    row.swatch.style.backgroundColor = swatch < 0 ? 'transparent' : HP.rgb(swatch);
    var hex = function (channel) { return (channel < 16 ? '0' : '') + channel.toString(16); };
    row.choose.value = '#' + hex(current & 255) + hex((current >> 8) & 255) + hex((current >> 16) & 255);
  },

  hueprev_dom_colors_long_way__deps: ['$HP_dialog'],
  hueprev_dom_colors_long_way: function (on) {
    HP_dialog.longWay.checked = on !== 0;
  },

  hueprev_dom_colors_limit__deps: ['$HP', '$HP_dialog'],
  hueprev_dom_colors_limit: function (text, length) {
    HP_dialog.limit.value = HP.text(text, length);
  },

  hueprev_dom_colors_limit_error__deps: ['$HP', '$HP_dialog'],
  hueprev_dom_colors_limit_error: function (text, length) {
    HP_dialog.limitError.textContent = HP.text(text, length);
  },

  hueprev_dom_colors_result__deps: ['$HP', '$HP_dialog'],
  hueprev_dom_colors_result: function (okEnabled, count, length) {
    // Greyed, yet still reached by Tab.
    HP_dialog.ok.setAttribute('aria-disabled', okEnabled ? 'false' : 'true');
    HP_dialog.count.textContent = HP.text(count, length);
  },

  hueprev_dom_colors_close__deps: ['$HP_dialog'],
  hueprev_dom_colors_close: function () {
    HP_dialog.closeQuietly();
  },
});
