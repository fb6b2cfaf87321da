#pragma once

#include "window/menus.h"
#include "window/qt/longlineedit.h"
#include "window/textbox.h"

#include <QClipboard>

class QMenu;

namespace hueprev {

class Form;

// The input box, txtIn: one line of any length in the classic text-box model
// (SelStart, SelLength, SelText). It forwards its events to the form and
// fetches the clipboard's text for it, and bounds QLineEdit's undo history.
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
    void bind(Form &form) { form_ = &form; }

    std::u16string text() const override;
    int length() const override;
    int selStart() const override;
    int selLength() const override;
    int caret() const override;
    void setSelStart(int position) override;
    void setSelLength(int length) override;
    void setSelText(std::u16string_view text) override;
    void setFocus() override;
    // In the tooltip.
    void showCount(std::u16string_view count) override;
    void describe(std::u16string_view description) override;

    // What its edit items would act on now.
    menus::EditState editState() const;
    // Makes `menu` anew as the form describes it now: the context menu, or
    // one of the menu bar's.
    void fillMenu(QMenu &menu, menus::Menu which);
    // An item of such a menu: the form's, or one of the box's own edit items.
    void choose(menus::Command command);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Events reach the form once it is bound.
    template <typename Tell> void tell(Tell &&what)
    {
        if (form_ != nullptr) {
            what(*form_);
        }
    }
    void textChanged();
    void paste(QClipboard::Mode mode);
    void undoOrRedo(void (QLineEdit::*step)());
    void startUndoStep();
    void trimUndo(const QString &now);

    Form *form_ = nullptr;
    QString previous_;       // the text before the latest change
    qsizetype undoCost_ = 0; // characters recorded in QLineEdit's history
    bool replaying_ = false; // an undo or redo is changing the text
};

} // namespace hueprev
