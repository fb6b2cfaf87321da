#pragma once

#include "window/colordialog.h"

#include <windows.h>

#include <array>
#include <memory>

namespace hueprev::win32 {

class AccessibleControl;
class RichEditPreviewBox;

// The colour dialog of Any colours…, a modal dialog of the dialog manager
// (Tab, access keys, Return for OK, Esc for Cancel are Windows' own), its
// controls built as the core describes them; every rule is the model's.
class ColorsDialog final : public ColorDialogView
{
public:
    explicit ColorsDialog(ColorDialog &model);
    ~ColorsDialog() override;
    ColorsDialog(const ColorsDialog &) = delete;
    ColorsDialog &operator=(const ColorsDialog &) = delete;

    // Runs it over `owner` until it closes: true for OK.
    bool run(HWND owner);
    // Closes it as Cancel.
    void cancel();

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
        HWND label, field, choose, swatch, alone, remove;
        AccessibleControl *words;
        HBRUSH brush;
    };
    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    bool create(HWND dialog);
    HWND add(const wchar_t *kind, const std::string &text, DWORD style, RECT units, int id);
    bool command(int id, int code);
    void choose(std::size_t row);

    ColorDialog &model_;
    HWND dialog_ = nullptr;
    std::array<Row, ColorDialog::kRows> rows_{};
    HWND add_ = nullptr, longWay_ = nullptr, limit_ = nullptr, limitError_ = nullptr;
    HWND previewBox_ = nullptr, count_ = nullptr, ok_ = nullptr;
    AccessibleControl *limitWords_ = nullptr;
    std::unique_ptr<RichEditPreviewBox> preview_;
    bool setting_ = false; // the dialog sets a field: no edit of the player's
};

} // namespace hueprev::win32
