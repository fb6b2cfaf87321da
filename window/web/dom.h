#pragma once

#include <cstdint>

// The DOM operations the page implements (dom.js). Text crosses as UTF-16
// in the module's memory; positions count UTF-16 units.
extern "C" {
void hueprev_dom_open(const char *caption, int width, int height, const char *fontFace);
// kind: 0 the input box, 1 the preview box, 2 a colour button. Geometry in CSS pixels.
void hueprev_dom_add_control(int kind, int index, int left, int top, int width, int height, double points,
                             const char *name, const char *description, const char *toolTip);
void hueprev_dom_bind(std::uint32_t previewBackground);

int hueprev_dom_input_length();
void hueprev_dom_input_read(char16_t *into);
int hueprev_dom_input_caret();
int hueprev_dom_input_selection_start();
int hueprev_dom_input_selection_end();
void hueprev_dom_input_select(int start, int end);
void hueprev_dom_input_replace(const char16_t *text, int length);
void hueprev_dom_input_focus();

// `runs` holds a colour and a length for each of `count` runs of `text`.
void hueprev_dom_preview_show(const char16_t *text, const std::uint32_t *runs, int count);
void hueprev_dom_preview_show_position(int position);
}
