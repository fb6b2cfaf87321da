#pragma once

#include "preview/runs.h"

#include <cstdint>

// The DOM operations the page implements (dom_form.js, dom_preview.js, dom_strip.js). Text crosses as UTF-16
// in the module's memory; positions count UTF-16 units; geometry is in CSS pixels.
extern "C" {
// The browser's languages, best first, comma-separated into a buffer of `size`
// bytes; returns the length they need.
int hueprev_dom_languages(char *into, int size);
// `language` is the page's, as its words are.
void hueprev_dom_open(const char *formId, const char *language, const char *caption, int width, int height,
                      const char *fontFace);
// Each control is appended to the form in tab order.
void hueprev_dom_add_input(const char *id, int left, int top, int width, int height, double points,
                           const char *name, const char *description);
void hueprev_dom_add_preview(const char *id, int left, int top, int width, int height, double points,
                             const char *name, const char *description, std::uint32_t background);
void hueprev_dom_add_button(const char *id, int index, int left, int top, int width, int height,
                            int picturePixels, const char *name, const char *description,
                            const char *toolTip);
void hueprev_dom_bind();
// The strip below the form: how long the name is, and the name tools, in a
// column as wide as the form, its edges `left` and `right` in from the form's.
void hueprev_dom_add_strip(const char *label, int width, int left, int right);
// The strip's entries, in the order the core describes them: a row of
// `columns` buttons, a labelled group that the entries up to its end fill,
// and a tool's button (`index` is for hueprev_mnuTool_Click).
void hueprev_dom_strip_row(int columns);
void hueprev_dom_strip_group(const char *label);
void hueprev_dom_strip_group_end();
void hueprev_dom_strip_button(int index, const char *label);

int hueprev_dom_input_length();
void hueprev_dom_input_read(char16_t *into);
int hueprev_dom_input_caret();
int hueprev_dom_input_selection_start();
int hueprev_dom_input_selection_end();
void hueprev_dom_input_select(int start, int end);
void hueprev_dom_input_replace(const char16_t *text, int length);
void hueprev_dom_input_focus();
// The input's accessible description.
void hueprev_dom_input_describe(const char16_t *description, int length);

void hueprev_dom_clipboard_write(const char16_t *text, int length);
// Lends the page's address to the module (hueprev_buffer): its fragment
// without the "#" for `fragment`, else the address without it.
void hueprev_dom_lend_address(bool fragment);

// `count` runs of `text`, in order.
void hueprev_dom_preview_show(const char16_t *text, const hueprev::PreviewRun *runs, int count);
void hueprev_dom_preview_show_position(int position);
// The preview's accessible description.
void hueprev_dom_preview_describe(const char16_t *text, int length);

// Calls hueprev_timer_elapsed(timer) `milliseconds` from now, unless that timer is started again first.
void hueprev_dom_timer_start(int timer, int milliseconds);

// The strip's status line: how long the name is, or a notice, which
// `announce` also tells a screen reader at once.
void hueprev_dom_status_show(const char16_t *text, int length, int announce);
// Each tool's button by its index: whether it would do anything now.
void hueprev_dom_tools_enable(const unsigned char *enabled, int count);
}
