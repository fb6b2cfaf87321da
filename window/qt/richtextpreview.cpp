#include "window/qt/richtextpreview.h"

#include "window/facts.h"
#include "window/qt/utf16.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

namespace hueprev {

namespace {
// QTextCursor::insertText starts a new frame at these; the preview is one line.
constexpr char16_t kBeginningOfFrame = 0xFDD0;
constexpr char16_t kEndOfFrame = 0xFDD1;

QString documentText(std::u16string_view text)
{
    QString s = toQString(text);
    for (QChar &c : s) {
        if (c.unicode() == kBeginningOfFrame || c.unicode() == kEndOfFrame) {
            c = QChar::ReplacementCharacter;
        }
    }
    return s;
}
} // namespace

RichTextPreviewBox::RichTextPreviewBox(QTextEdit *box) : box_(box)
{
    box_->document()->setUndoRedoEnabled(false);
}

void RichTextPreviewBox::describe(std::u16string_view words)
{
    box_->setAccessibleDescription(toQString(words));
}

void RichTextPreviewBox::rebuild(const PreviewRuns &runs)
{
    QTextCursor cursor(box_->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    // A fresh format, so nothing of the last render's formatting lingers.
    cursor.setBlockCharFormat(QTextCharFormat());
    runs.forEach([&](std::u16string_view text, ColorValue color) {
        QTextCharFormat format;
        format.setForeground(QColor(redOf(color), greenOf(color), blueOf(color)));
        cursor.insertText(documentText(text), format);
    });
    cursor.endEditBlock();
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

QTextEdit *makePreviewEdit(QWidget *parent)
{
    auto *box = new QTextEdit(parent);
    // The game's background, and a frame that shows the focus as a line edit's does.
    const ColorValue background = facts::kPreviewBackground;
    box->setStyleSheet(
        QStringLiteral("QTextEdit { background-color: rgb(%1, %2, %3); border: 2px solid palette(mid); "
                       "border-radius: 2px; } QTextEdit:focus { border-color: palette(highlight); }")
            .arg(redOf(background))
            .arg(greenOf(background))
            .arg(blueOf(background)));
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QTextEdit::NoWrap);
    box->setTabChangesFocus(true);
    box->setReadOnly(true);
    box->setAcceptRichText(false);
    box->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    box->document()->setDocumentMargin(2);
    return box;
}

} // namespace hueprev
