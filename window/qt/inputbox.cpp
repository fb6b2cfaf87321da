#include "window/qt/inputbox.h"

#include "preview/commonends.h"
#include "window/form.h"
#include "window/qt/menubuilder.h"
#include "window/qt/utf16.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QSignalBlocker>

#include <limits>
#include <optional>

namespace hueprev {

namespace {
// The clipboard's text, or none when it holds no text (an image, say).
std::optional<std::u16string> clipboardText(QClipboard::Mode mode)
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData(mode);
    if (data == nullptr || !data->hasText()) {
        return std::nullopt;
    }
    return data->text().toStdU16String();
}
} // namespace

InputBox::InputBox(QWidget *parent) : LongLineEdit(parent)
{
    // Qt would otherwise cut a long paste at 32767 characters without a word.
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textChanged, this, &InputBox::textChanged);
    connect(this, &QLineEdit::cursorPositionChanged, this,
            [this] { tell([](Form &form) { form.txtIn_CaretMove(); }); });
}

std::u16string InputBox::text() const
{
    return QLineEdit::text().toStdU16String();
}

int InputBox::length() const
{
    return static_cast<int>(QLineEdit::text().size()); // shared, not copied
}

int InputBox::selStart() const
{
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

int InputBox::selLength() const
{
    return selectionLength();
}

int InputBox::caret() const
{
    return cursorPosition();
}

void InputBox::setSelStart(int position)
{
    setCursorPosition(position);
    deselect();
}

void InputBox::setSelLength(int length)
{
    setSelection(cursorPosition(), length);
}

void InputBox::setSelText(std::u16string_view text)
{
    // An undo step of its own, which later typing does not join.
    startUndoStep();
    insert(toQString(text));
    startUndoStep();
}

void InputBox::setFocus()
{
    QWidget::setFocus(Qt::OtherFocusReason);
}

void InputBox::showCount(std::u16string_view count)
{
    setToolTip(toQString(count));
}

void InputBox::describe(std::u16string_view description)
{
    setAccessibleDescription(toQString(description));
}

void InputBox::textChanged()
{
    const QString now = QLineEdit::text();
    if (!replaying_) {
        trimUndo(now);
    }
    previous_ = now;
    tell([](Form &form) { form.txtIn_Change(); });
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
    const std::optional<std::u16string> clip = clipboardText(mode);
    tell([&](Form &form) {
        form.txtIn_Paste(clip ? std::optional<std::u16string_view>(*clip) : std::nullopt);
    });
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
    const CommonEnds ends = commonEnds(previous_, now);
    const auto prefix = static_cast<int>(ends.prefix);
    const auto suffix = static_cast<int>(ends.suffix);
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
    // Shift+F10 opens the context menu as the Menu key does, as on other desktops.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        const QPoint at = cursorRect().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, mapToGlobal(at));
        contextMenuEvent(&menu);
        return;
    }
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
        tell([&](Form &form) { form.txtIn_KeyPress(keyAscii); });
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

menus::EditState InputBox::editState() const
{
    return {isUndoAvailable(), isRedoAvailable(), hasSelectedText(),
            clipboardText(QClipboard::Clipboard).has_value(), selectedText() == QLineEdit::text()};
}

void InputBox::fillMenu(QMenu &menu, menus::Menu which)
{
    if (form_ != nullptr) {
        hueprev::fillMenu(menu, form_->menu(which, menus::Platform::Linux, editState()),
                          [this](menus::Command command) { choose(command); });
    }
}

void InputBox::choose(menus::Command command)
{
    const std::optional<menus::Command> own = form_ != nullptr ? form_->mnu_Click(command) : std::nullopt;
    const std::optional<menus::EditCommand> edit = own ? menus::editOf(*own) : std::nullopt;
    if (!edit) {
        return;
    }
    switch (*edit) {
    case menus::EditCommand::Undo:
        undoOrRedo(&QLineEdit::undo);
        break;
    case menus::EditCommand::Redo:
        undoOrRedo(&QLineEdit::redo);
        break;
    case menus::EditCommand::Cut:
        cut();
        break;
    case menus::EditCommand::Copy:
        copy();
        break;
    case menus::EditCommand::Paste:
        paste(QClipboard::Clipboard);
        break;
    case menus::EditCommand::Delete:
        del();
        break;
    case menus::EditCommand::SelectAll:
        selectAll();
        break;
    }
}

void InputBox::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu;
    fillMenu(menu, menus::Menu::Context);
    menu.exec(event->globalPos());
}

void InputBox::focusInEvent(QFocusEvent *event)
{
    LongLineEdit::focusInEvent(event);
    FocusArrival how = FocusArrival::Program;
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason: // QLineEdit selects all for these
        how = FocusArrival::TabKey;
        break;
    case Qt::MouseFocusReason:
        how = FocusArrival::PointerPress;
        break;
    case Qt::ActiveWindowFocusReason:
        how = FocusArrival::WindowActivation;
        break;
    default:
        break;
    }
    tell([how](Form &form) { form.txtIn_GotFocus(how); });
}

void InputBox::focusOutEvent(QFocusEvent *event)
{
    // Before QLineEdit deselects.
    tell([](Form &form) { form.txtIn_LostFocus(); });
    LongLineEdit::focusOutEvent(event);
}

void InputBox::dropEvent(QDropEvent *event)
{
    // A move within the box is QLineEdit's own; text from elsewhere is the form's.
    if (event->source() == this || !event->mimeData()->hasText()) {
        LongLineEdit::dropEvent(event);
        return;
    }
    // Dragging over the box has put its caret where the text lands.
    const std::u16string dropped = event->mimeData()->text().toStdU16String();
    tell([&](Form &form) { form.txtIn_Drop(dropped, cursorPosition()); });
    event->acceptProposedAction();
}

} // namespace hueprev
