#pragma once

#include "preview/renderer.h"
#include "window/textbox.h"

#include <QClipboard>
#include <QObject>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>

#include <optional>

class QLineEdit;
class QTextEdit;

namespace hueprev {

// A QString's UTF-16 data without a copy; valid while the string lives unchanged.
inline std::u16string_view u16view(const QString &s)
{
    return {reinterpret_cast<const char16_t *>(s.utf16()), static_cast<std::size_t>(s.size())};
}

// The other way round, as a copy.
inline QString toQString(std::u16string_view s)
{
    return QString(reinterpret_cast<const QChar *>(s.data()), static_cast<qsizetype>(s.size()));
}

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

// Scrolls the preview as little as needed to bring a text position into view,
// as a line edit does for its caret.
void showPreviewPosition(QTextEdit *box, std::size_t position);

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
