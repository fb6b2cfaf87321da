#pragma once

#include "window/textbox.h"

#include <QClipboard>
#include <QObject>
#include <QString>

#include <optional>

class QLineEdit;

namespace hueprev {

// The text box on the single-line QLineEdit: a selection that survives losing
// the focus, SelStart/SelLength/SelText, and Change and KeyPress events.
class LineEditTextBox : public QObject, public TextBox
{
    Q_OBJECT
public:
    // QLineEdit keeps one undo record (about 20 bytes) per character inserted
    // or removed, and never trims them. Once the records since the oldest step
    // kept pass this many characters, older steps are dropped; the latest edit
    // always stays undoable.
    static constexpr qsizetype kUndoBudget = qsizetype{1} << 20;

    explicit LineEditTextBox(QLineEdit *edit);

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
    bool eventFilter(QObject *watched, QEvent *event) override;

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
    void showContextMenu(const QPoint &at);
    void startUndoStep();
    void trimUndo(const QString &now);

    QLineEdit *edit_;
    // QLineEdit drops its selection when it loses focus; a button pressed
    // from the keyboard must still replace what the user had selected.
    std::optional<Selection> kept_;
    QString previous_;       // the text before the latest change
    qsizetype undoCost_ = 0; // characters recorded in QLineEdit's history
    bool replaying_ = false; // an undo or redo is changing the text
};

} // namespace hueprev
