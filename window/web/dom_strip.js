// The page's strip below the form: how long the name is, its notices, and
// the name tools, made as the core describes them (dom.h's strip entries).
mergeInto(LibraryManager.library, {
  $HP_strip: {
    tools: [], // each tool's button, by its index
    into: [], // the strip, then each open group
    row: null, // where the next button goes
  },

  hueprev_dom_add_strip__deps: ['$HP', '$HP_strip'],
  hueprev_dom_add_strip: function (label, width, left, right) {
    var strip = document.createElement('section');
    strip.className = 'strip';
    strip.setAttribute('aria-label', UTF8ToString(label));
    var page = document.getElementById('page');
    page.style.setProperty('--width', width + 'px');
    page.style.setProperty('--left', left + 'px');
    page.style.setProperty('--right', right + 'px');
    var count = document.createElement('p');
    count.className = 'count';
    // Its text node is kept and only its text changes: Chromium ends an undo step
    // of typing whenever a node is added or removed.
    HP_strip.count = count.appendChild(document.createTextNode(''));
    strip.appendChild(count);
    // Notices, and only they, told to a screen reader: the count changes with every key.
    var notice = document.createElement('p');
    notice.className = 'unseen';
    notice.setAttribute('role', 'status');
    HP_strip.notice = notice.appendChild(document.createTextNode(''));
    strip.appendChild(notice);
    page.appendChild(strip);
    HP_strip.into = [strip];
    // The page's heading shows where there is room for it.
    document.getElementById('heading').classList.add('shown');
  },

  hueprev_dom_strip_row__deps: ['$HP_strip'],
  hueprev_dom_strip_row: function (columns) {
    var row = HP_strip.row = document.createElement('div');
    row.className = 'row';
    row.style.setProperty('--columns', columns);
    HP_strip.into[HP_strip.into.length - 1].appendChild(row);
  },

  hueprev_dom_strip_group__deps: ['$HP_strip'],
  hueprev_dom_strip_group: function (label) {
    var text = UTF8ToString(label);
    var group = document.createElement('div');
    group.className = 'group';
    group.setAttribute('role', 'group');
    group.setAttribute('aria-label', text);
    var name = document.createElement('span');
    name.className = 'label';
    name.textContent = text;
    name.setAttribute('aria-hidden', 'true');
    group.appendChild(name);
    HP_strip.into[HP_strip.into.length - 1].appendChild(group);
    HP_strip.into.push(group);
  },

  hueprev_dom_strip_group_end__deps: ['$HP_strip'],
  hueprev_dom_strip_group_end: function () {
    HP_strip.into.pop();
  },

  hueprev_dom_strip_button__deps: ['$HP_strip'],
  hueprev_dom_strip_button: function (index, label) {
    var button = document.createElement('button');
    button.type = 'button';
    button.className = 'tool';
    button.textContent = UTF8ToString(label);
    // As the colour buttons: a press leaves the focus, and the selection, in the input.
    button.addEventListener('mousedown', function (event) { event.preventDefault(); });
    button.addEventListener('click', function () { _hueprev_mnuTool_Click(index); });
    HP_strip.row.appendChild(button);
    HP_strip.tools[index] = button;
  },

  hueprev_dom_status_show__deps: ['$HP', '$HP_strip'],
  hueprev_dom_status_show: function (text, length, announce) {
    if (!HP_strip.count) {
      return;
    }
    var words = HP.text(text, length);
    HP_strip.count.data = words;
    if (announce) {
      // Emptied first, so that the same notice twice is said twice.
      HP_strip.notice.data = '';
      setTimeout(function () { HP_strip.notice.data = words; }, 50);
    }
  },

  hueprev_dom_tools_enable__deps: ['$HP_strip'],
  hueprev_dom_tools_enable: function (enabled, count) {
    for (var index = 0; index < count; ++index) {
      // Greyed, yet still reached by Tab, so that a screen reader says it is there.
      if (HP_strip.tools[index]) {
        HP_strip.tools[index].setAttribute('aria-disabled', HEAPU8[enabled + index] ? 'false' : 'true');
      }
    }
  },
});
