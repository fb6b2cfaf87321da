#include "window/qt/lineedittextbox.h"

#include "preview/linebreaks.h"
#include "window/qt/utf16.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSignalBlocker>

#include <algorithm>
#include <memory>

namespace hueprev {

LineEditTextBox::LineEditTextBox(QLineEdit *edit) : QObject(edit), edit_(edit), previous_(edit->text())
{
    edit_->installEventFilter(this);
    edit_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(edit_, &QLineEdit::textChanged, this, &LineEditTextBox::textChanged);
    connect(edit_, &QWidget::customContextMenuRequested, this, &LineEditTextBox::showContextMenu);
}

std::u16string LineEditTextBox::text() const
{
    return edit_->text().toStdU16String();
}

void LineEditTextBox::setSelStart(int position)
{
    kept_.reset();
    edit_->setCursorPosition(position);
    edit_->deselect();
}

void LineEditTextBox::setSelLength(int length)
{
    kept_.reset();
    edit_->setSelection(edit_->cursorPosition(), length);
}

void LineEditTextBox::setSelText(std::u16string_view text)
{
    if (kept_ && !edit_->hasFocus()) {
        edit_->setSelection(kept_->start, kept_->length);
    }
    kept_.reset();
    startUndoStep();
    edit_->insert(toQString(text));
}

void LineEditTextBox::setFocus()
{
    edit_->setFocus(Qt::OtherFocusReason);
}

void LineEditTextBox::textChanged()
{
    kept_.reset();
    const QString now = edit_->text();
    if (!replaying_) {
        trimUndo(now);
    }
    previous_ = now;
    emit change();
}

void LineEditTextBox::startUndoStep()
{
    // QLineEdit merges an edit into the undo step before it unless the caret
    // moved in between; step it away and back so the next edit stands alone.
    // In an empty box, clearing it again marks the step and changes nothing.
    if (edit_->text().isEmpty()) {
        edit_->clear();
    } else if (!edit_->hasSelectedText()) {
        const int caret = edit_->cursorPosition();
        edit_->setCursorPosition(caret > 0 ? caret - 1 : 1);
        edit_->setCursorPosition(caret);
    }
}

void LineEditTextBox::paste(QClipboard::Mode mode)
{
    // No text (an image, say): the name and its selection stay as they are.
    const QMimeData *data = QGuiApplication::clipboard()->mimeData(mode);
    if (data == nullptr || !data->hasText()) {
        return;
    }
    const QString clip = data->text();
    if (clip.isEmpty() && !edit_->hasSelectedText()) {
        return;
    }
    startUndoStep();
    edit_->insert(hasLineBreak(u16view(clip)) ? toQString(joinLines(u16view(clip))) : clip);
    startUndoStep();
}

void LineEditTextBox::undoOrRedo(void (QLineEdit::*step)())
{
    // Trimming now would turn the undo into a new edit and lose the redo.
    replaying_ = true;
    (edit_->*step)();
    replaying_ = false;
}

void LineEditTextBox::showContextMenu(const QPoint &at)
{
    // The standard menu, with the actions that edit routed through this model.
    // Qt wires them by signature, so a disconnect by signature finds each one.
    const std::unique_ptr<QMenu> menu(edit_->createStandardContextMenu());
    for (QAction *action : menu->actions()) {
        if (disconnect(action, SIGNAL(triggered()), edit_, SLOT(undo()))) {
            connect(action, &QAction::triggered, this, [this] { undoOrRedo(&QLineEdit::undo); });
        } else if (disconnect(action, SIGNAL(triggered()), edit_, SLOT(redo()))) {
            connect(action, &QAction::triggered, this, [this] { undoOrRedo(&QLineEdit::redo); });
        } else if (disconnect(action, SIGNAL(triggered()), edit_, SLOT(paste()))) {
            connect(action, &QAction::triggered, this, [this] { paste(QClipboard::Clipboard); });
        }
    }
    menu->exec(edit_->mapToGlobal(at));
}

void LineEditTextBox::trimUndo(const QString &now)
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
    const bool selected = edit_->hasSelectedText();
    const int start = selected ? edit_->selectionStart() : edit_->cursorPosition();
    const int length = edit_->selectionLength();
    const int caret = edit_->cursorPosition();
    const QSignalBlocker quiet(edit_);
    edit_->setText(previous_);
    edit_->setSelection(prefix, removed);
    edit_->insert(now.mid(prefix, inserted));
    if (selected) {
        edit_->setSelection(caret == start ? start + length : start, caret == start ? -length : length);
    } else {
        edit_->setCursorPosition(caret);
        startUndoStep();
    }
    undoCost_ = removed + inserted;
}

bool LineEditTextBox::eventFilter(QObject *watched, QEvent *event)
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
    case QEvent::MouseButtonRelease:
        // X11's middle-click paste of the primary selection.
        if (static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton &&
            QGuiApplication::clipboard()->supportsSelection()) {
            edit_->deselect();
            paste(QClipboard::Selection);
            return true;
        }
        break;
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Paste)) {
            paste(QClipboard::Clipboard);
            return true;
        }
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) {
            undoOrRedo(key->matches(QKeySequence::Undo) ? &QLineEdit::undo : &QLineEdit::redo);
            return true;
        }
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
