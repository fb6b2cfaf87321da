#include "window/platform.h"

#include "preview/linebreaks.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextEdit>

namespace hueprev {

namespace {
// QTextCursor::insertText starts a new paragraph at these; the preview is one line.
constexpr char16_t kBeginningOfFrame = 0xFDD0;
constexpr char16_t kEndOfFrame = 0xFDD1;

QString previewText(std::u16string_view text)
{
    QString s(reinterpret_cast<const QChar *>(text.data()), static_cast<qsizetype>(text.size()));
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

RichTextPreview::RichTextPreview(QTextEdit *box) : box_(box), cursor_(box->document())
{
    if (box->document()->isUndoRedoEnabled()) {
        box->document()->setUndoRedoEnabled(false);
    }
    cursor_.beginEditBlock();
}

RichTextPreview::~RichTextPreview()
{
    cursor_.endEditBlock();
    // The inserts end at the end of the text; like a caret there, the view
    // follows, so a name longer than the box shows its end, where the player is
    // typing. Layout has set the scroll range when the edit ended.
    QScrollBar *bar = box_->horizontalScrollBar();
    bar->setValue(bar->maximum());
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

TextBox::TextBox(QLineEdit *edit) : QObject(edit), edit_(edit)
{
    edit_->installEventFilter(this);
    connect(edit_, &QLineEdit::textChanged, this, [this] {
        kept_.reset();
        emit change();
    });
}

QString TextBox::text() const
{
    return edit_->text();
}

void TextBox::setSelStart(int position)
{
    kept_.reset();
    edit_->setCursorPosition(position);
    edit_->deselect();
}

void TextBox::setSelLength(int length)
{
    kept_.reset();
    edit_->setSelection(edit_->cursorPosition(), length);
}

void TextBox::setSelText(const QString &text)
{
    if (kept_ && !edit_->hasFocus()) {
        edit_->setSelection(kept_->start, kept_->length);
    }
    kept_.reset();
    if (!edit_->hasSelectedText() && !edit_->text().isEmpty()) {
        // QLineEdit merges consecutive inserts into one undo step unless the
        // caret moved in between; step it away and back so this write undoes
        // on its own.
        const int caret = edit_->cursorPosition();
        edit_->setCursorPosition(caret > 0 ? caret - 1 : 1);
        edit_->setCursorPosition(caret);
    }
    edit_->insert(text);
}

void TextBox::setFocus()
{
    edit_->setFocus(Qt::OtherFocusReason);
}

bool TextBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != edit_) {
        return false;
    }
    switch (event->type()) {
    case QEvent::FocusOut:
        // Runs before QLineEdit deselects.
        if (edit_->hasSelectedText()) {
            kept_ = Selection{edit_->selectionStart(), edit_->selectionLength()};
        }
        break;
    case QEvent::FocusIn:
        kept_.reset();
        break;
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QString typed = key->text();
        // Both Enter keys report carriage return, whatever text the platform attached.
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter || typed.size() == 1) {
            char16_t keyAscii = enter ? u'\r' : typed.front().unicode();
            emit keyPress(keyAscii);
            if (keyAscii == 0) {
                return true;
            }
        }
        break;
    }
    default:
        break;
    }
    return false;
}

} // namespace hueprev
