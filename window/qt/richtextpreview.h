#pragma once

#include "window/previewbox.h"

class QTextEdit;
class QWidget;

namespace hueprev {

// A QTextEdit made to be a preview box: the game's background, one line, read only.
QTextEdit *makePreviewEdit(QWidget *parent);

// The preview box on a QTextEdit: each render's runs become one edit of its
// document, laid out once and kept out of the undo history. Always plain
// text: markup in a name is shown as typed.
class RichTextPreviewBox final : public PreviewBox
{
public:
    explicit RichTextPreviewBox(QTextEdit *box);
    void rebuild(const PreviewRuns &runs) override;
    // As a line edit does for its caret.
    void showPosition(std::size_t position) override;
    // Its accessible description, which Qt tells the screen reader has changed.
    void describe(std::u16string_view words) override;

private:
    QTextEdit *box_;
};

} // namespace hueprev
