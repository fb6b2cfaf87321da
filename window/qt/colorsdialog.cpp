#include "window/qt/colorsdialog.h"

#include "window/facts.h"
#include "window/qt/richtextpreview.h"
#include "window/qt/utf16.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace hueprev {

ColorsDialog::ColorsDialog(ColorDialog &model, QWidget *parent) : QDialog(parent), model_(model)
{
    const ColorDialogWords words = colorDialogWords();
    setWindowTitle(QString::fromStdString(words.title));
    // Made in the order Tab takes them: each row, then what is below.
    auto *grid = new QGridLayout;
    for (std::size_t at = 0; at < rows_.size(); ++at) {
        Row &row = rows_[at];
        row.label = new QLabel(QString::fromStdString(words.rows[at]), this);
        row.field = new QLineEdit(this);
        row.label->setBuddy(row.field);
        row.choose = new QPushButton(QString::fromStdString(words.choose), this);
        row.choose->setAccessibleName(QString::fromStdString(words.chooseNames[at]));
        row.swatch = new QLabel(this);
        row.swatch->setFixedSize(16, 16);
        row.alone = new QLabel(this);
        row.remove = new QPushButton(QString::fromStdString(words.removes[at]), this);
        const auto r = static_cast<int>(at);
        int column = 0;
        for (QWidget *widget : {static_cast<QWidget *>(row.label), static_cast<QWidget *>(row.field),
                                static_cast<QWidget *>(row.choose), static_cast<QWidget *>(row.swatch),
                                static_cast<QWidget *>(row.alone), static_cast<QWidget *>(row.remove)}) {
            grid->addWidget(widget, r, column++);
        }
        // Never rewritten while typed in: the model only reads what is typed.
        connect(row.field, &QLineEdit::textEdited, this,
                [this, at](const QString &text) { model_.rowEdited(at, u16view(text)); });
        connect(row.choose, &QPushButton::clicked, this, [this, at] { choose(at); });
        connect(row.remove, &QPushButton::clicked, this, [this, at] { model_.removeRow(at); });
    }
    add_ = new QPushButton(QString::fromStdString(words.add), this);
    connect(add_, &QPushButton::clicked, this, [this] { model_.addRow(); });
    longWay_ = new QCheckBox(QString::fromStdString(words.longWay), this);
    connect(longWay_, &QCheckBox::toggled, this, [this](bool on) { model_.longWayToggled(on); });
    auto *atMost = new QLabel(QString::fromStdString(words.atMost), this);
    limit_ = new QLineEdit(this);
    limit_->setMaximumWidth(60);
    atMost->setBuddy(limit_);
    auto *characters = new QLabel(QString::fromStdString(words.characters), this);
    connect(limit_, &QLineEdit::textEdited, this,
            [this](const QString &text) { model_.limitEdited(u16view(text)); });
    limitError_ = new QLabel(this);
    previewEdit_ = makePreviewEdit(this);
    const facts::Control &box = facts::controlOf(facts::Kind::PreviewBox);
    previewEdit_->setFixedSize(facts::pixels(box.width), facts::pixels(box.height));
    QFont font{QString::fromLatin1(facts::kFontFace)};
    font.setPointSizeF(box.points);
    previewEdit_->setFont(font);
    previewEdit_->setAccessibleName(QString::fromStdString(facts::accessibleName(box)));
    previewEdit_->setFocusPolicy(Qt::NoFocus);
    preview_ = std::make_unique<RichTextPreviewBox>(previewEdit_);
    count_ = new QLabel(this);
    auto *buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QString::fromStdString(words.ok), QDialogButtonBox::AcceptRole);
    buttons->addButton(QString::fromStdString(words.cancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Return in a field or the check box is OK; a focused button takes its own.
    ok_->setDefault(true);

    auto *limitRow = new QHBoxLayout;
    limitRow->addWidget(longWay_);
    limitRow->addStretch(1);
    limitRow->addWidget(atMost);
    limitRow->addWidget(limit_);
    limitRow->addWidget(characters);
    auto *column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addWidget(add_, 0, Qt::AlignLeft);
    column->addLayout(limitRow);
    column->addWidget(limitError_);
    column->addWidget(previewEdit_);
    column->addWidget(count_);
    column->addWidget(buttons);
    model_.show(*this);
    // The first colour, selected to be typed over.
    rows_[0].field->setFocus();
    rows_[0].field->selectAll();
}

ColorsDialog::~ColorsDialog() = default;

void ColorsDialog::choose(std::size_t row)
{
    // Qt's own dialog, with no custom colours: Qt keeps those in every Qt program's settings.
    QColorDialog dialog(this);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    const ColorValue start = model_.rowColor(row);
    dialog.setCurrentColor(QColor(redOf(start), greenOf(start), blueOf(start)));
    if (dialog.exec() == QDialog::Accepted) {
        const QColor chosen = dialog.selectedColor();
        model_.rowChosen(row, colorValue(static_cast<std::uint8_t>(chosen.red()),
                                         static_cast<std::uint8_t>(chosen.green()),
                                         static_cast<std::uint8_t>(chosen.blue())));
    }
    rows_[row].field->setFocus();
}

void ColorsDialog::showRows(std::size_t count, bool canAdd, bool canRemove)
{
    for (std::size_t at = 0; at < rows_.size(); ++at) {
        const Row &row = rows_[at];
        for (QWidget *widget : {static_cast<QWidget *>(row.label), static_cast<QWidget *>(row.field),
                                static_cast<QWidget *>(row.choose), static_cast<QWidget *>(row.swatch),
                                static_cast<QWidget *>(row.alone)}) {
            widget->setVisible(at < count);
        }
        row.remove->setVisible(at < count && canRemove);
    }
    add_->setEnabled(canAdd);
    adjustSize();
}

void ColorsDialog::setRowText(std::size_t row, std::u16string_view text)
{
    rows_.at(row).field->setText(toQString(text));
}

void ColorsDialog::showRow(std::size_t row, const ColorRow &state)
{
    const Row &shown = rows_.at(row);
    // The reason a field cannot be read, beside it and to a screen reader.
    shown.alone->setText(toQString(state.error.empty() ? state.alone : state.error));
    shown.field->setAccessibleDescription(toQString(state.error));
    if (state.swatch) {
        shown.swatch->setStyleSheet(
            QStringLiteral("background-color: rgb(%1, %2, %3); border: 1px solid palette(mid);")
                .arg(redOf(*state.swatch))
                .arg(greenOf(*state.swatch))
                .arg(blueOf(*state.swatch)));
    } else {
        shown.swatch->setStyleSheet(QString());
    }
}

void ColorsDialog::setLongWay(bool on)
{
    longWay_->setChecked(on);
}

void ColorsDialog::setLimit(std::u16string_view text)
{
    limit_->setText(toQString(text));
}

void ColorsDialog::showLimitError(std::u16string_view error)
{
    limitError_->setText(toQString(error));
    limitError_->setVisible(!error.empty());
    limit_->setAccessibleDescription(toQString(error));
}

void ColorsDialog::showResult(bool okEnabled, std::u16string_view count)
{
    ok_->setEnabled(okEnabled);
    count_->setText(toQString(count));
}

PreviewBox &ColorsDialog::preview()
{
    return *preview_;
}

} // namespace hueprev
