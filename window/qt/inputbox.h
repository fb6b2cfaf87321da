#pragma once

#include "window/qt/longlineedit.h"
#include "window/textbox.h"

#include <QClipboard>

#include <optional>

namespace hueprev {

// The input box, txtIn: one line of any length, in the classic text-box model
// (SelStart, SelLength, SelText) with Change and KeyPress events. It keeps its
// selection while a button has the focus, keeps the name on one line however
// text arrives, and bounds QLineEdit's undo history.
class InputBox : public LongLineEdit, public TextBox
{
    Q_OBJECT
public:
    // QLineEdit keeps one undo record (about 20 bytes) per character inserted
    // or removed, and never trims them. Once the records since the oldest step
    // kept pass this many characters, older steps are dropped; the latest edit
    // always stays undoable.
    static constexpr qsizetype kUndoBudget = qsizetype{1} << 20;

    explicit InputBox(QWidget *parent = nullptr);

    std::u16string text() const override;
    void setSelStart(int position) override;
    void setSelLength(int length) override;
    void setSelText(std::u16string_view text) override;
    void setFocus() override;

signals:
    void change();
    // A typed character; setting keyAscii to 0 cancels the key.
    void keyPress(char16_t &keyAscii);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    struct Selection
    {
        int start;
        int length;
    };
    void textChanged();
    // Pastes with the lines joined, as an undo step of its own. A fix-up by the
    // validator would go through QLineEdit's set-text path and wipe undo.
    void paste(QClipboard::Mode mode);
    void undoOrRedo(void (QLineEdit::*step)());
    void startUndoStep();
    void trimUndo(const QString &now);

    // QLineEdit drops its selection when it loses focus; a button pressed
    // from the keyboard must still replace what the user had selected.
    std::optional<Selection> kept_;
    QString previous_;       // the text before the latest change
    qsizetype undoCost_ = 0; // characters recorded in QLineEdit's history
    bool replaying_ = false; // an undo or redo is changing the text
};

} // namespace hueprev
