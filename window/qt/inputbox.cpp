#include "window/qt/inputbox.h"

#include "preview/linebreaks.h"
#include "window/qt/utf16.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QSignalBlocker>
#include <QValidator>

#include <algorithm>
#include <limits>

namespace hueprev {

namespace {
// Keeps the nickname on one line: whatever way text arrives, each line break
// becomes a space, as the box already displays it, so the input and the
// preview agree. Pastes are joined before they arrive, keeping undo; this
// catches the rest (a drop, the program setting the text).
class SingleLine final : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override
    {
        const std::u16string_view all = u16view(input);
        if (hasLineBreak(all)) {
            const auto before = static_cast<std::size_t>(qBound(0, pos, static_cast<int>(input.size())));
            pos = static_cast<int>(joinLines(all.substr(0, before)).size());
            input = QString::fromStdU16String(joinLines(all));
        }
        return Acceptable;
    }
};

bool clipboardHasText(QClipboard::Mode mode)
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData(mode);
    return data != nullptr && data->hasText();
}
} // namespace

InputBox::InputBox(QWidget *parent) : LongLineEdit(parent)
{
    // Qt would otherwise cut a long paste at 32767 characters without a word.
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(new SingleLine(this));
    connect(this, &QLineEdit::textChanged, this, &InputBox::textChanged);
}

std::u16string InputBox::text() const
{
    return QLineEdit::text().toStdU16String();
}

void InputBox::setSelStart(int position)
{
    kept_.reset();
    setCursorPosition(position);
    deselect();
}

void InputBox::setSelLength(int length)
{
    kept_.reset();
    setSelection(cursorPosition(), length);
}

void InputBox::setSelText(std::u16string_view text)
{
    if (kept_ && !hasFocus()) {
        setSelection(kept_->start, kept_->length);
    }
    kept_.reset();
    startUndoStep();
    insert(toQString(text));
}

void InputBox::setFocus()
{
    QWidget::setFocus(Qt::OtherFocusReason);
}

void InputBox::textChanged()
{
    kept_.reset();
    const QString now = QLineEdit::text();
    if (!replaying_) {
        trimUndo(now);
    }
    previous_ = now;
    emit change();
}

void InputBox::startUndoStep()
{
    // QLineEdit merges an edit into the undo step before it unless the caret
    // moved in between; step it away and back so the next edit stands alone.
    // In an empty box, clearing it again marks the step and changes nothing.
    if (QLineEdit::text().isEmpty()) {
        clear();
    } else if (!hasSelectedText()) {
        const int caret = cursorPosition();
        setCursorPosition(caret > 0 ? caret - 1 : 1);
        setCursorPosition(caret);
    }
}

void InputBox::paste(QClipboard::Mode mode)
{
    // No text (an image, say): the name and its selection stay as they are.
    if (!clipboardHasText(mode)) {
        return;
    }
    const QString clip = QGuiApplication::clipboard()->text(mode);
    if (clip.isEmpty() && !hasSelectedText()) {
        return;
    }
    startUndoStep();
    insert(hasLineBreak(u16view(clip)) ? toQString(joinLines(u16view(clip))) : clip);
    startUndoStep();
}

void InputBox::undoOrRedo(void (QLineEdit::*step)())
{
    // Trimming now would turn the undo into a new edit and lose the redo.
    replaying_ = true;
    (this->*step)();
    replaying_ = false;
}

void InputBox::trimUndo(const QString &now)
{
    const auto prefix =
        static_cast<int>(std::mismatch(previous_.cbegin(), previous_.cend(), now.cbegin(), now.cend()).first -
                         previous_.cbegin());
    const auto common = static_cast<int>(std::min(previous_.size(), now.size())) - prefix;
    const auto suffix = static_cast<int>(std::mismatch(previous_.crbegin(), previous_.crbegin() + common,
                                                       now.crbegin(), now.crbegin() + common)
                                             .first -
                                         previous_.crbegin());
    const int removed = static_cast<int>(previous_.size()) - prefix - suffix;
    const int inserted = static_cast<int>(now.size()) - prefix - suffix;
    undoCost_ += removed + inserted;
    if (undoCost_ <= kUndoBudget) {
        return;
    }
    // Only setting the text empties QLineEdit's history. Set the text from
    // before this edit, then make the edit again, so that it alone is kept.
    const bool selected = hasSelectedText();
    const int start = selected ? selectionStart() : cursorPosition();
    const int length = selectionLength();
    const int caret = cursorPosition();
    const QSignalBlocker quiet(this);
    setText(previous_);
    setSelection(prefix, removed);
    insert(now.mid(prefix, inserted));
    if (selected) {
        setSelection(caret == start ? start + length : start, caret == start ? -length : length);
    } else {
        setCursorPosition(caret);
        startUndoStep();
    }
    undoCost_ = removed + inserted;
}

void InputBox::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        paste(QClipboard::Clipboard);
        return;
    }
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        undoOrRedo(event->matches(QKeySequence::Undo) ? &QLineEdit::undo : &QLineEdit::redo);
        return;
    }
    const QString typed = event->text();
    // Both Enter keys report carriage return, whatever text the platform attached.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter || typed.size() == 1) {
        char16_t keyAscii = enter ? u'\r' : typed.front().unicode();
        emit keyPress(keyAscii);
        if (keyAscii == 0) {
            return;
        }
    }
    LongLineEdit::keyPressEvent(event);
}

void InputBox::mouseReleaseEvent(QMouseEvent *event)
{
    // X11's middle-click paste of the primary selection.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        paste(QClipboard::Selection);
        return;
    }
    LongLineEdit::mouseReleaseEvent(event);
}

void InputBox::contextMenuEvent(QContextMenuEvent *event)
{
    // QLineEdit's own menu, in Qt's words, with undo, redo and paste through this box.
    QMenu menu;
    const auto add = [&](const char *text, QKeySequence::StandardKey key, bool enabled, auto slot) {
        QString label = QCoreApplication::translate("QLineEdit", text);
        if (const QKeySequence shortcut(key); !shortcut.isEmpty()) {
            label += QLatin1Char('\t') + shortcut.toString(QKeySequence::NativeText);
        }
        menu.addAction(label, this, slot)->setEnabled(enabled);
    };
    const bool selected = hasSelectedText();
    add("&Undo", QKeySequence::Undo, isUndoAvailable(), [this] { undoOrRedo(&QLineEdit::undo); });
    add("&Redo", QKeySequence::Redo, isRedoAvailable(), [this] { undoOrRedo(&QLineEdit::redo); });
    menu.addSeparator();
    add("Cu&t", QKeySequence::Cut, selected, [this] { cut(); });
    add("&Copy", QKeySequence::Copy, selected, [this] { copy(); });
    add("&Paste", QKeySequence::Paste, clipboardHasText(QClipboard::Clipboard),
        [this] { paste(QClipboard::Clipboard); });
    add("Delete", QKeySequence::UnknownKey, selected, [this] { del(); });
    menu.addSeparator();
    add("Select All", QKeySequence::SelectAll,
        !QLineEdit::text().isEmpty() && selectedText() != QLineEdit::text(), [this] { selectAll(); });
    menu.exec(event->globalPos());
}

void InputBox::focusInEvent(QFocusEvent *event)
{
    kept_.reset();
    LongLineEdit::focusInEvent(event);
}

void InputBox::focusOutEvent(QFocusEvent *event)
{
    // Before QLineEdit deselects.
    if (hasSelectedText()) {
        kept_ = Selection{selectionStart(), selectionLength()};
    }
    LongLineEdit::focusOutEvent(event);
}

} // namespace hueprev
