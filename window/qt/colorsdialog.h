#pragma once

#include "window/colordialog.h"

#include <QDialog>

#include <array>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

namespace hueprev {

class RichTextPreviewBox;

// The colour dialog of Any colours…, built as the core describes it; every
// rule is the model's.
class ColorsDialog final : public QDialog, public ColorDialogView
{
    Q_OBJECT
public:
    ColorsDialog(ColorDialog &model, QWidget *parent);
    ~ColorsDialog() override;

    void showRows(std::size_t count, bool canAdd, bool canRemove) override;
    void setRowText(std::size_t row, std::u16string_view text) override;
    void showRow(std::size_t row, const ColorRow &state) override;
    void setLongWay(bool on) override;
    void setLimit(std::u16string_view text) override;
    void showLimitError(std::u16string_view error) override;
    void showResult(bool okEnabled, std::u16string_view count) override;
    PreviewBox &preview() override;

private:
    struct Row
    {
        QLabel *label;
        QLineEdit *field;
        QPushButton *choose;
        QLabel *swatch;
        QLabel *alone;
        QPushButton *remove;
    };
    void choose(std::size_t row);

    ColorDialog &model_;
    std::array<Row, ColorDialog::kRows> rows_{};
    QPushButton *add_ = nullptr;
    QCheckBox *longWay_ = nullptr;
    QLineEdit *limit_ = nullptr;
    QLabel *limitError_ = nullptr;
    QTextEdit *previewEdit_ = nullptr;
    QLabel *count_ = nullptr;
    QPushButton *ok_ = nullptr;
    std::unique_ptr<RichTextPreviewBox> preview_;
};

} // namespace hueprev
