#include "window/qt/longlineedit.h"

#include <QApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>

#include <algorithm>

namespace hueprev {

namespace {
// Laid out either side of the caret: far more than the box can show.
constexpr int kLaidOutEachSide = 1'000;
// QLineEdit's own spacing inside its contents rectangle.
constexpr int kHorizontalMargin = 2;
constexpr int kVerticalMargin = 1;

// Keeps a slice's edge off the middle of a surrogate pair.
int snapped(const QString &text, int at)
{
    if (at > 0 && at < text.size() && text.at(at).isLowSurrogate() && text.at(at - 1).isHighSurrogate()) {
        --at;
    }
    return at;
}

// As QLineEdit shows them: control characters and separators as spaces.
QString displayed(QString text)
{
    for (QChar &c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t') || c == QChar::LineSeparator || c == QChar::ParagraphSeparator ||
            c == QChar::ObjectReplacementCharacter) {
            c = QChar(u' ');
        }
    }
    return text;
}
} // namespace

// The visible part of a long line: the text around the caret laid out on its
// own, and scrolled by QLineEdit's rules so that the caret stays in view.
class LongLineEdit::View
{
public:
    explicit View(const LongLineEdit &edit);

    // The text position nearest to a point's x, in the widget's coordinates.
    int positionAt(qreal x) const;
    QRect caretRect(int position) const;
    void draw(QPainter &painter) const;
    // The word under x, as a double click selects it.
    std::pair<int, int> wordAt(qreal x) const;

private:
    // The text within reach of the caret, laid out on one line.
    void layOut(const QString &text);
    // Where the line goes in the box, as QLineEdit puts it.
    void place();
    void scrollTo(bool holdsEnd);
    // Text positions in the layout, which holds an input method's unfinished
    // text at the caret, and back.
    // At the caret, before the composition or at the input method's caret within it.
    int toLayout(int position, bool inComposition = true) const;
    int fromLayout(int at) const;
    qreal xOf(int position) const;
    QPointF origin() const;

    const LongLineEdit &edit_;
    QStyleOptionFrame panel_;
    QRect contents_; // the panel's inside, where text may be drawn
    QRect line_;     // where the visible text lies
    int from_ = 0;   // the text position the layout starts at
    int to_ = 0;
    int caret_ = 0;
    QTextLayout layout_;
    int scroll_ = 0; // the layout's x at the line's left edge
};

LongLineEdit::View::View(const LongLineEdit &edit) : edit_(edit)
{
    const QString text = edit.text();
    caret_ = edit.cursorPosition();
    layOut(text);
    place();
    scrollTo(to_ == text.size());
}

int LongLineEdit::View::toLayout(int position, bool inComposition) const
{
    const auto composing = static_cast<int>(edit_.preedit_.size());
    if (position == caret_) {
        return position - from_ + (inComposition ? std::min(edit_.preeditCursor_, composing) : 0);
    }
    return position - from_ + (position > caret_ ? composing : 0);
}

int LongLineEdit::View::fromLayout(int at) const
{
    const int caret = caret_ - from_;
    const auto composing = static_cast<int>(edit_.preedit_.size());
    if (at <= caret) {
        return from_ + at;
    }
    return at >= caret + composing ? from_ + at - composing : caret_;
}

void LongLineEdit::View::layOut(const QString &text)
{
    from_ = snapped(text, std::max(0, caret_ - kLaidOutEachSide));
    to_ = snapped(text, std::min(static_cast<int>(text.size()), caret_ + kLaidOutEachSide));
    layout_.setText(displayed(text.mid(from_, to_ - from_)));
    layout_.setFont(edit_.font());
    QTextOption option;
    option.setTextDirection(edit_.layoutDirection());
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout_.setTextOption(option);
    if (!edit_.preedit_.isEmpty()) {
        // As QLineEdit shows a composition: in the line at the caret, styled as the input method asks.
        layout_.setPreeditArea(caret_ - from_, edit_.preedit_);
        QList<QTextLayout::FormatRange> formats = edit_.preeditFormats_;
        for (QTextLayout::FormatRange &range : formats) {
            range.start += caret_ - from_;
        }
        layout_.setFormats(formats);
    }
    layout_.setCacheEnabled(true);
    layout_.beginLayout();
    layout_.createLine();
    layout_.endLayout();
}

void LongLineEdit::View::place()
{
    const LongLineEdit &edit = edit_;
    edit.initStyleOption(&panel_);
    contents_ =
        edit.style()->subElementRect(QStyle::SE_LineEditContents, &panel_, &edit) - edit.textMargins();
    const QFontMetrics metrics = edit.fontMetrics();
    const int height = std::max(metrics.height(), metrics.boundingRect(layout_.text()).height());
    int top = contents_.y() + (contents_.height() - height + 1) / 2;
    const Qt::Alignment vertical = edit.alignment() & Qt::AlignVertical_Mask;
    if (vertical == Qt::AlignTop) {
        top = contents_.y() + kVerticalMargin;
    } else if (vertical == Qt::AlignBottom) {
        top = contents_.bottom() + 1 - height - kVerticalMargin;
    }
    line_ = QRect(contents_.x() + kHorizontalMargin, top, contents_.width() - 2 * kHorizontalMargin, height);
}

void LongLineEdit::View::scrollTo(bool holdsEnd)
{
    // QLineEdit's scrolling: as little as keeps the caret in view, and no
    // empty room after the end of the text.
    const LongLineEdit &edit = edit_;
    const QTextLine line = layout_.lineAt(0);
    const int caretX = qRound(line.cursorToX(toLayout(caret_)));
    const int width = line_.width();
    if (edit.scrollFrom_ >= from_ && edit.scrollFrom_ <= to_) {
        scroll_ = qRound(line.cursorToX(toLayout(edit.scrollFrom_, false))) + edit.scrollBy_;
    } else {
        // A jump: the caret comes in at the edge on the side it came from.
        scroll_ = edit.scrollFrom_ < from_ ? caretX - width + 1 : caretX;
    }
    // Room for glyphs that reach past their advance, as QLineEdit leaves it.
    const int used = qRound(line.naturalTextWidth()) + 1 + std::max(0, -edit.fontMetrics().minRightBearing());
    if (caretX - scroll_ >= width) {
        scroll_ = caretX - width + 1;
    } else if (caretX < scroll_) {
        scroll_ = caretX;
    } else if (holdsEnd && used - scroll_ < width) {
        scroll_ = used - width + 1;
    }
    if (from_ == 0) {
        scroll_ = std::max(scroll_, 0);
    }
    // Kept from the character at the left edge, which edits at the caret and
    // a composition leave in place, as they leave QLineEdit's pixel scroll.
    edit.scrollFrom_ = fromLayout(line.xToCursor(scroll_, QTextLine::CursorOnCharacter));
    edit.scrollBy_ = scroll_ - qRound(line.cursorToX(toLayout(edit.scrollFrom_, false)));
}

qreal LongLineEdit::View::xOf(int position) const
{
    return line_.left() - scroll_ + layout_.lineAt(0).cursorToX(toLayout(std::clamp(position, from_, to_)));
}

int LongLineEdit::View::positionAt(qreal x) const
{
    return fromLayout(
        layout_.lineAt(0).xToCursor(x - line_.left() + scroll_, QTextLine::CursorBetweenCharacters));
}

QRect LongLineEdit::View::caretRect(int position) const
{
    // Shaped as QLineEdit's: a little wider than the caret, the line's height.
    const int width = edit_.style()->pixelMetric(QStyle::PM_TextCursorWidth, &panel_, &edit_);
    const auto height = static_cast<int>(layout_.lineAt(0).height()) + 1;
    return {qRound(xOf(position)) - 5, qRound(origin().y()), width + 9, height};
}

std::pair<int, int> LongLineEdit::View::wordAt(qreal x) const
{
    const int at = positionAt(x) - from_;
    const int next = std::min(at + 1, to_ - from_);
    const int begin = layout_.previousCursorPosition(next, QTextLayout::SkipWords);
    int end = layout_.nextCursorPosition(begin, QTextLayout::SkipWords);
    while (end > at && layout_.text().at(end - 1).isSpace()) {
        --end;
    }
    return {from_ + begin, from_ + end};
}

QPointF LongLineEdit::View::origin() const
{
    // The baseline where QLineEdit puts it: the font's ascent below the line's top.
    const QTextLine line = layout_.lineAt(0);
    const int top = line_.top() - (qRound(line.ascent()) - edit_.fontMetrics().ascent());
    return {static_cast<qreal>(line_.left() - scroll_), static_cast<qreal>(top)};
}

void LongLineEdit::View::draw(QPainter &painter) const
{
    edit_.style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel_, &painter, &edit_);
    painter.setClipRect(contents_);
    const QPalette &palette = edit_.palette();
    painter.setPen(palette.text().color());

    QList<QTextLayout::FormatRange> selections;
    if (edit_.hasSelectedText()) {
        const int start = std::max(edit_.selectionStart(), from_);
        const int end = std::min(edit_.selectionEnd(), to_);
        if (start < end) {
            QTextLayout::FormatRange range;
            range.start = toLayout(start);
            range.length = toLayout(end) - range.start;
            range.format.setBackground(palette.brush(QPalette::Highlight));
            range.format.setForeground(palette.brush(QPalette::HighlightedText));
            selections.append(range);
        }
    }
    layout_.draw(&painter, origin(), selections);

    const bool caretShown =
        edit_.hasFocus() && !edit_.isReadOnly() &&
        (!edit_.hasSelectedText() ||
         edit_.style()->styleHint(QStyle::SH_BlinkCursorWhenTextSelected, &panel_, &edit_));
    if (caretShown) {
        const int width = edit_.style()->pixelMetric(QStyle::PM_TextCursorWidth, &panel_, &edit_);
        layout_.drawCursor(&painter, origin(), toLayout(caret_), width);
    }
}

LongLineEdit::LongLineEdit(QWidget *parent) : QLineEdit(parent)
{
    // QLineEdit repaints only where its own layout says things are; a long
    // line's pixels are elsewhere.
    const auto repaintLong = [this] {
        if (isLong()) {
            update();
        }
    };
    connect(this, &QLineEdit::textChanged, this, repaintLong);
    connect(this, &QLineEdit::selectionChanged, this, repaintLong);
    connect(this, &QLineEdit::cursorPositionChanged, this, repaintLong);
    // QLineEdit's line control, a child of its own, runs the caret's blink.
    for (QObject *child : children()) {
        if (child->inherits("QWidgetLineControl")) {
            child->installEventFilter(this);
        }
    }
}

bool LongLineEdit::eventFilter(QObject *watched, QEvent *event)
{
    // Each blink of QLineEdit's own caret measures the whole line. A long
    // line's caret is drawn here, steady, so its blinks are let go.
    if (watched != this && event->type() == QEvent::Timer && isLong()) {
        return true;
    }
    return QLineEdit::eventFilter(watched, event);
}

int LongLineEdit::anchor() const
{
    if (!hasSelectedText()) {
        return cursorPosition();
    }
    return cursorPosition() == selectionStart() ? selectionEnd() : selectionStart();
}

QVariant LongLineEdit::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (isLong() && query == Qt::ImCursorRectangle) {
        return View(*this).caretRect(cursorPosition());
    }
    if (isLong() && query == Qt::ImAnchorRectangle) {
        return View(*this).caretRect(anchor());
    }
    return QLineEdit::inputMethodQuery(query);
}

void LongLineEdit::inputMethodEvent(QInputMethodEvent *event)
{
    QLineEdit::inputMethodEvent(event);
    // QLineEdit keeps the composition to itself; a long line draws it here.
    preedit_ = event->preeditString();
    preeditCursor_ = static_cast<int>(preedit_.size());
    preeditFormats_.clear();
    for (const QInputMethodEvent::Attribute &attribute : event->attributes()) {
        if (attribute.type == QInputMethodEvent::Cursor) {
            preeditCursor_ = attribute.start;
        } else if (attribute.type == QInputMethodEvent::TextFormat) {
            const QTextCharFormat format = qvariant_cast<QTextFormat>(attribute.value).toCharFormat();
            if (format.isValid()) {
                preeditFormats_.append({attribute.start, attribute.length, format});
            }
        }
    }
    if (isLong()) {
        update();
    }
}

void LongLineEdit::paintEvent(QPaintEvent *event)
{
    if (!isLong()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    View(*this).draw(painter);
}

void LongLineEdit::mousePressEvent(QMouseEvent *event)
{
    if (!isLong() || event->button() == Qt::RightButton) {
        QLineEdit::mousePressEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    if (sinceDoubleClick_.isValid() && sinceDoubleClick_.elapsed() < QApplication::doubleClickInterval() &&
        (at - doubleClickAt_).manhattanLength() < QApplication::startDragDistance()) {
        sinceDoubleClick_.invalidate();
        selectAll();
        return;
    }
    const int position = View(*this).positionAt(at.x());
    if (event->modifiers() & Qt::ShiftModifier) {
        setSelection(anchor(), position - anchor());
    } else {
        setCursorPosition(position);
    }
}

void LongLineEdit::mouseMoveEvent(QMouseEvent *event)
{
    if (!isLong() || !(event->buttons() & Qt::LeftButton)) {
        QLineEdit::mouseMoveEvent(event);
        return;
    }
    const int from = anchor();
    setSelection(from, View(*this).positionAt(event->position().x()) - from);
}

void LongLineEdit::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (!isLong() || event->button() != Qt::LeftButton) {
        QLineEdit::mouseDoubleClickEvent(event);
        return;
    }
    const auto [begin, end] = View(*this).wordAt(event->position().x());
    setSelection(begin, end - begin);
    sinceDoubleClick_.start();
    doubleClickAt_ = event->position().toPoint();
}

void LongLineEdit::dragEnterEvent(QDragEnterEvent *event)
{
    if (!isLong()) {
        QLineEdit::dragEnterEvent(event);
        return;
    }
    dragMoveEvent(event);
}

void LongLineEdit::dragMoveEvent(QDragMoveEvent *event)
{
    if (!isLong() || isReadOnly() || !event->mimeData()->hasText()) {
        QLineEdit::dragMoveEvent(event);
        return;
    }
    // The caret shows where the text will land, as QLineEdit's does.
    setCursorPosition(View(*this).positionAt(event->position().x()));
    event->acceptProposedAction();
}

void LongLineEdit::dropEvent(QDropEvent *event)
{
    if (!isLong() || isReadOnly() || !event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    setCursorPosition(View(*this).positionAt(event->position().x()));
    insert(event->mimeData()->text());
    event->acceptProposedAction();
    setFocus(Qt::MouseFocusReason);
}

} // namespace hueprev
