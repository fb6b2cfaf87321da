#pragma once

#include "preview/renderer.h"
#include "window/previewbox.h"
#include "window/qt/utf16.h"

#include <QTextCharFormat>
#include <QTextCursor>

class QTextEdit;

namespace hueprev {

// One render into the rich-text preview box. All operations between
// construction and destruction form a single edit of the document, so it is
// laid out once, and nothing reaches the undo history.
class RichTextPreview final : public PreviewSink
{
public:
    explicit RichTextPreview(QTextEdit *box);
    ~RichTextPreview() override;
    RichTextPreview(const RichTextPreview &) = delete;
    RichTextPreview &operator=(const RichTextPreview &) = delete;

    void clear() override;
    void caretToStart() override;
    void setColor(ColorValue color) override;
    // Always plain text: markup in a name is shown as typed.
    void insert(std::u16string_view text) override;

private:
    QTextCursor cursor_;
    QTextCharFormat format_;
};

// The preview box on the QTextEdit.
class RichTextPreviewBox final : public PreviewBox
{
public:
    explicit RichTextPreviewBox(QTextEdit *box) : box_(box) {}
    void rebuild(const Render &render) override;
    // As a line edit does for its caret.
    void showPosition(std::size_t position) override;

private:
    QTextEdit *box_;
};

} // namespace hueprev
