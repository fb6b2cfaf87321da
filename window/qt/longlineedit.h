#pragma once

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPoint>
#include <QTextLayout>

namespace hueprev {

// A QLineEdit that stays right on a line of any length. Qt lays a line out in
// fixed-point pixels that end at 2^23, about 800,000 characters of a name;
// past that QLineEdit can neither place its caret nor draw the text there. A
// long line is therefore drawn and hit-tested here, from the part around the
// caret only, so that a repaint costs what is visible. Editing, selection,
// undo and the clipboard stay QLineEdit's own.
class LongLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    // From this many characters on, the line is long. Its caret is also held
    // steady, since every blink would have QLineEdit measure the whole line.
    static constexpr qsizetype kLongAbove = 100'000;

    explicit LongLineEdit(QWidget *parent = nullptr);

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    class View;
    bool isLong() const { return text().size() > kLongAbove; }
    // The end of the selection that stays put while the caret moves.
    int anchor() const;

    // The horizontal scroll, as QLineEdit keeps it but measured from a text
    // position, since pixels from the start of the line overflow.
    mutable int scrollFrom_ = 0; // a text position: the character at the left edge
    mutable int scrollBy_ = 0;   // where the edge is, in pixels from that character
    QString preedit_;            // an input method's unfinished text, shown at the caret
    int preeditCursor_ = 0;
    QList<QTextLayout::FormatRange> preeditFormats_;
    QElapsedTimer sinceDoubleClick_;
    QPoint doubleClickAt_;
};

} // namespace hueprev
