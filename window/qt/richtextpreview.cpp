#include "window/qt/richtextpreview.h"

#include "preview/linebreaks.h"

#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

namespace hueprev {

namespace {
// QTextCursor::insertText starts a new paragraph at these; the preview is one line.
constexpr char16_t kBeginningOfFrame = 0xFDD0;
constexpr char16_t kEndOfFrame = 0xFDD1;

QString previewText(std::u16string_view text)
{
    QString s = toQString(text);
    for (QChar &c : s) {
        const char16_t u = c.unicode();
        if (isLineBreak(u)) {
            c = QChar(u' ');
        } else if (u == kBeginningOfFrame || u == kEndOfFrame) {
            c = QChar::ReplacementCharacter;
        }
    }
    return s;
}
} // namespace

RichTextPreview::RichTextPreview(QTextEdit *box) : cursor_(box->document())
{
    if (box->document()->isUndoRedoEnabled()) {
        box->document()->setUndoRedoEnabled(false);
    }
    cursor_.beginEditBlock();
}

RichTextPreview::~RichTextPreview()
{
    cursor_.endEditBlock();
}

void RichTextPreviewBox::rebuild(const Render &render)
{
    RichTextPreview preview(box_);
    render(preview);
}

void RichTextPreviewBox::showPosition(std::size_t position)
{
    QTextCursor at(box_->document());
    // The preview may not have caught up with the input yet; its end is the best guess.
    at.setPosition(static_cast<int>(
        std::min(position, static_cast<std::size_t>(box_->document()->characterCount() - 1))));
    box_->setTextCursor(at);
    box_->ensureCursorVisible();
}

void RichTextPreview::clear()
{
    cursor_.select(QTextCursor::Document);
    cursor_.removeSelectedText();
    // A fresh format, so nothing of the last render's formatting lingers.
    cursor_.setBlockCharFormat(QTextCharFormat());
    format_ = QTextCharFormat();
}

void RichTextPreview::caretToStart()
{
    cursor_.movePosition(QTextCursor::Start);
}

void RichTextPreview::setColor(ColorValue color)
{
    format_.setForeground(QColor(redOf(color), greenOf(color), blueOf(color)));
}

void RichTextPreview::insert(std::u16string_view text)
{
    if (!text.empty()) {
        cursor_.insertText(previewText(text), format_);
    }
}

} // namespace hueprev
