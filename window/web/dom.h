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
// Text and its HTML, through a copy event: a rich editor pastes the markup.
void hueprev_dom_clipboard_html(const char16_t *text, int length, const char16_t *html, int htmlLength);
// The name's picture: `count` letters of `text` (pairs of colour and length,
// as a preview's runs are), drawn as the preview draws them, on the
// clipboard where the browser takes an image, else downloaded. Returns 1 if
// saved, plus 2 if cut at `widest` pixels.
int hueprev_dom_clipboard_picture(const char16_t *text, const hueprev::PreviewRun *letters, int count,
                                  double points, int height, std::uint32_t background, int widest);
// Lends the page's address to the module (hueprev_buffer): its fragment
// without the "#" for `fragment`, else the address without it.
void hueprev_dom_lend_address(bool fragment);

// A preview box, `box` 0 for the window's, 1 for the colour dialog's: `count` runs of `text`, in order.
void hueprev_dom_preview_show(int box, const char16_t *text, const hueprev::PreviewRun *runs, int count);
void hueprev_dom_preview_show_position(int box, int position);
// The preview's accessible description.
void hueprev_dom_preview_describe(int box, const char16_t *text, int length);

// The colour dialog (dom_colors.js), made as the core describes it: begun
// with its title and buttons, each row, and what stands below the rows;
// then shown modal. Its events come back as hueprev_dlgColors_*.
void hueprev_dom_colors_begin(const char *title, const char *ok, const char *cancel);
void hueprev_dom_colors_row(const char *label, const char *choose, const char *chooseName,
                            const char *remove);
void hueprev_dom_colors_end(const char *add, const char *longWay, const char *atMost, const char *characters,
                            const char *previewName, int previewWidth, int previewHeight, double points,
                            std::uint32_t background);
void hueprev_dom_colors_rows(int count, int canAdd, int canRemove);
void hueprev_dom_colors_row_text(int row, const char16_t *text, int length);
// `swatch` and `current` as colour values, swatch -1 for none; `current` is what its colour input shows.
void hueprev_dom_colors_row_state(int row, const char16_t *alone, int aloneLength, const char16_t *error,
                                  int errorLength, int swatch, int current);
void hueprev_dom_colors_long_way(int on);
void hueprev_dom_colors_limit(const char16_t *text, int length);
void hueprev_dom_colors_limit_error(const char16_t *text, int length);
void hueprev_dom_colors_result(int okEnabled, const char16_t *count, int length);
// Closed without a word to the module: the name changed under it.
void hueprev_dom_colors_close();

// Calls hueprev_timer_elapsed(timer) `milliseconds` from now, unless that timer is started again first.
void hueprev_dom_timer_start(int timer, int milliseconds);

// The strip's status line: how long the name is, or a notice, which
// `announce` also tells a screen reader at once.
void hueprev_dom_status_show(const char16_t *text, int length, int announce);
// Each tool's button by its index: whether it would do anything now.
void hueprev_dom_tools_enable(const unsigned char *enabled, int count);
}
