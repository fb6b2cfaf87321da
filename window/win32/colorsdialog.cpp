#include "window/win32/colorsdialog.h"

#include "window/facts.h"
#include "window/tools.h"
#include "window/win32/accessible.h"
#include "window/win32/richpreview.h"
#include "window/win32/wide.h"

#include <commdlg.h>

#include <vector>

namespace hueprev::win32 {

namespace {
// Each row's controls have ids kRowIds apart from kFirstRow; the rest follow.
constexpr int kFirstRow = 100;
constexpr int kRowIds = 10;
enum RowControl { kField = 1, kChoose = 2, kRemove = 3 };
constexpr int kAdd = 200;
constexpr int kLongWay = 201;
constexpr int kLimit = 202;
constexpr int kPreview = 203;
// In dialog units: the rows, then what is below them.
constexpr int kRowHeight = 16;
constexpr int kWidth = 330;
constexpr int kBelowRows = 7 + kRowHeight * static_cast<int>(ColorDialog::kRows);

// The ten codes as the colour dialog's custom colours, kept while the program runs.
COLORREF *customColors()
{
    static std::array<COLORREF, 16> colors = [] {
        std::array<COLORREF, 16> made{};
        made.fill(RGB(255, 255, 255));
        const ColorTable table = colorTable();
        std::copy(table.begin(), table.end(), made.begin()); // the same encoding: red in the low byte
        return made;
    }();
    return colors.data();
}

std::u16string textOf(HWND control)
{
    std::wstring buffer(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    const int length = GetWindowTextW(control, buffer.data(), static_cast<int>(buffer.size()));
    return {reinterpret_cast<const char16_t *>(buffer.data()), static_cast<std::size_t>(length)};
}
} // namespace

ColorsDialog::ColorsDialog(ColorDialog &model) : model_(model) {}

ColorsDialog::~ColorsDialog()
{
    for (const Row &row : rows_) {
        if (row.brush != nullptr) {
            DeleteObject(row.brush);
        }
    }
}

bool ColorsDialog::run(HWND owner)
{
    // An empty template: the controls are made as the dialog opens, in Tab order.
    struct alignas(4) Template
    {
        DLGTEMPLATE header;
        WORD menu, windowClass, title, points;
        wchar_t face[14];
    } form{};
    form.header.style = DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    form.header.cx = kWidth;
    form.header.cy = kBelowRows + 150;
    form.points = 8;
    const wchar_t face[] = L"MS Shell Dlg";
    std::copy(std::begin(face), std::end(face), form.face);
    const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &form.header, owner, dialogProc,
                                                   reinterpret_cast<LPARAM>(this));
    dialog_ = nullptr;
    return result == IDOK;
}

void ColorsDialog::cancel()
{
    if (dialog_ != nullptr) {
        EndDialog(dialog_, IDCANCEL);
    }
}

INT_PTR CALLBACK ColorsDialog::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        auto *self = reinterpret_cast<ColorsDialog *>(lParam);
        if (!self->create(dialog)) {
            EndDialog(dialog, IDABORT);
        }
        return FALSE; // the focus is set: in the first colour's field
    }
    auto *self = reinterpret_cast<ColorsDialog *>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (self == nullptr) {
        return FALSE;
    }
    switch (message) {
    case WM_COMMAND:
        return self->command(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case WM_CTLCOLORSTATIC:
        for (const Row &row : self->rows_) {
            if (reinterpret_cast<HWND>(lParam) == row.swatch && row.brush != nullptr) {
                return reinterpret_cast<INT_PTR>(row.brush);
            }
        }
        return FALSE;
    default:
        return FALSE;
    }
}

HWND ColorsDialog::add(const wchar_t *kind, const std::string &text, DWORD style, RECT units, int id)
{
    MapDialogRect(dialog_, &units);
    HWND control =
        CreateWindowExW(0, kind, wide(text).c_str(), WS_CHILD | WS_VISIBLE | style, units.left, units.top,
                        units.right, units.bottom, dialog_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                        GetModuleHandleW(nullptr), nullptr);
    if (control != nullptr) {
        SendMessageW(control, WM_SETFONT, SendMessageW(dialog_, WM_GETFONT, 0, 0), FALSE);
    }
    return control;
}

bool ColorsDialog::create(HWND dialog)
{
    dialog_ = dialog;
    const ColorDialogWords words = colorDialogWords();
    SetWindowTextW(dialog, wide(words.title).c_str());
    constexpr DWORD kButton = WS_TABSTOP | BS_PUSHBUTTON;
    constexpr DWORD kField = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
    bool made = true;
    for (std::size_t at = 0; at < rows_.size(); ++at) {
        Row &row = rows_[at];
        const int y = 7 + kRowHeight * static_cast<int>(at);
        const int id = kFirstRow + kRowIds * static_cast<int>(at);
        // A label before its field: its access key moves the focus into the field.
        row.label = add(L"STATIC", words.rows[at], SS_LEFT, {7, y + 2, 40, 10}, -1);
        row.field = add(L"EDIT", "", kField, {50, y, 62, 12}, id + RowControl::kField);
        row.choose = add(L"BUTTON", words.choose, kButton, {116, y, 44, 13}, id + RowControl::kChoose);
        row.swatch = add(L"STATIC", "", SS_LEFT, {164, y + 1, 10, 10}, -1);
        row.alone = add(L"STATIC", "", SS_LEFT | SS_NOPREFIX, {178, y + 2, 80, 10}, -1);
        row.remove = add(L"BUTTON", words.removes[at], kButton, {260, y, 64, 13}, id + RowControl::kRemove);
        made = made && row.label && row.field && row.choose && row.swatch && row.alone && row.remove;
        if (made) {
            SendMessageW(row.field, EM_SETLIMITTEXT, 64, 0);
            row.words =
                AccessibleControl::attach(row.field, wide(tools::withoutAccessKey(words.rows[at])), L"");
            AccessibleControl::attach(row.choose, wide(words.chooseNames[at]), L"");
        }
    }
    add_ = add(L"BUTTON", words.add, kButton, {7, kBelowRows, 70, 13}, kAdd);
    longWay_ =
        add(L"BUTTON", words.longWay, WS_TABSTOP | BS_AUTOCHECKBOX, {7, kBelowRows + 19, 120, 10}, kLongWay);
    const HWND atMost = add(L"STATIC", words.atMost, SS_RIGHT, {170, kBelowRows + 20, 60, 10}, -1);
    limit_ = add(L"EDIT", "", kField | ES_NUMBER, {234, kBelowRows + 18, 30, 12}, kLimit);
    const HWND characters =
        add(L"STATIC", words.characters, SS_LEFT | SS_NOPREFIX, {268, kBelowRows + 20, 56, 10}, -1);
    limitError_ = add(L"STATIC", "", SS_LEFT | SS_NOPREFIX, {7, kBelowRows + 33, 316, 10}, -1);
    // The same preview as the window's, at its size in pixels.
    const facts::Control &box = facts::controlOf(facts::Kind::PreviewBox);
    RECT at{7, kBelowRows + 46, 0, 0};
    MapDialogRect(dialog_, &at);
    previewBox_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"RICHEDIT50W", L"", WS_CHILD | WS_VISIBLE | ES_READONLY,
                                  at.left, at.top, facts::pixels(box.width), facts::pixels(box.height),
                                  dialog_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPreview)),
                                  GetModuleHandleW(nullptr), nullptr);
    AccessibleControl *previewWords =
        previewBox_ != nullptr && setUpPreview(previewBox_)
            ? AccessibleControl::attach(previewBox_, wide(facts::accessibleName(box)), L"")
            : nullptr;
    count_ = add(L"STATIC", "", SS_LEFT | SS_NOPREFIX, {7, kBelowRows + 82, 200, 10}, -1);
    ok_ = add(L"BUTTON", words.ok, WS_TABSTOP | BS_DEFPUSHBUTTON, {kWidth - 112, kBelowRows + 130, 50, 14},
              IDOK);
    const HWND cancel =
        add(L"BUTTON", words.cancel, kButton, {kWidth - 57, kBelowRows + 130, 50, 14}, IDCANCEL);
    made = made && add_ && longWay_ && atMost && limit_ && characters && limitError_ && previewWords &&
           count_ && ok_ && cancel;
    if (!made) {
        return false;
    }
    limitWords_ = AccessibleControl::attach(limit_, wide(tools::withoutAccessKey(words.atMost)), L"");
    preview_ =
        std::make_unique<RichEditPreviewBox>(previewBox_, static_cast<int>(box.points * 2), *previewWords);
    model_.show(*this);
    SetFocus(rows_[0].field);
    SendMessageW(rows_[0].field, EM_SETSEL, 0, -1);
    return true;
}

bool ColorsDialog::command(int id, int code)
{
    if (id == IDOK || id == IDCANCEL) {
        // Return reaches here from any field; OK only does something where it may.
        if (id == IDCANCEL || model_.okEnabled()) {
            EndDialog(dialog_, id);
        }
        return true;
    }
    if (id == kAdd && code == BN_CLICKED) {
        model_.addRow();
        return true;
    }
    if (id == kLongWay && code == BN_CLICKED) {
        model_.longWayToggled(SendMessageW(longWay_, BM_GETCHECK, 0, 0) == BST_CHECKED);
        return true;
    }
    if (id == kLimit && code == EN_CHANGE && !setting_) {
        model_.limitEdited(textOf(limit_));
        return true;
    }
    if (id < kFirstRow || id >= kFirstRow + kRowIds * static_cast<int>(ColorDialog::kRows)) {
        return false;
    }
    const auto row = static_cast<std::size_t>((id - kFirstRow) / kRowIds);
    switch ((id - kFirstRow) % kRowIds) {
    case RowControl::kField:
        if (code == EN_CHANGE && !setting_) {
            model_.rowEdited(row, textOf(rows_[row].field));
        }
        return true;
    case RowControl::kChoose:
        if (code == BN_CLICKED) {
            choose(row);
        }
        return true;
    case RowControl::kRemove:
        if (code == BN_CLICKED) {
            model_.removeRow(row);
            // The row that took its place, or the last one left.
            SetFocus(rows_[std::min(row, model_.choice().colors.size() - 1)].field);
        }
        return true;
    default:
        return false;
    }
}

void ColorsDialog::choose(std::size_t row)
{
    CHOOSECOLORW chooser{};
    chooser.lStructSize = sizeof(chooser);
    chooser.hwndOwner = dialog_;
    chooser.rgbResult = model_.rowColor(row);
    chooser.lpCustColors = customColors();
    chooser.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (ChooseColorW(&chooser) != FALSE) {
        model_.rowChosen(row, chooser.rgbResult & 0xFFFFFFU);
    }
    SetFocus(rows_[row].field);
}

void ColorsDialog::showRows(std::size_t count, bool canAdd, bool canRemove)
{
    for (std::size_t at = 0; at < rows_.size(); ++at) {
        const Row &row = rows_[at];
        for (HWND control : {row.label, row.field, row.choose, row.swatch, row.alone}) {
            ShowWindow(control, at < count ? SW_SHOW : SW_HIDE);
        }
        ShowWindow(row.remove, at < count && canRemove ? SW_SHOW : SW_HIDE);
    }
    EnableWindow(add_, canAdd ? TRUE : FALSE);
}

void ColorsDialog::setRowText(std::size_t row, std::u16string_view text)
{
    setting_ = true;
    SetWindowTextW(rows_.at(row).field, wide(text).c_str());
    setting_ = false;
}

void ColorsDialog::showRow(std::size_t row, const ColorRow &state)
{
    Row &shown = rows_.at(row);
    // The reason a field cannot be read, beside it and to a screen reader.
    SetWindowTextW(shown.alone, wide(state.error.empty() ? state.alone : state.error).c_str());
    if (shown.words != nullptr) {
        shown.words->setDescription(wide(state.error));
    }
    if (shown.brush != nullptr) {
        DeleteObject(shown.brush);
    }
    shown.brush = state.swatch ? CreateSolidBrush(*state.swatch) : nullptr;
    InvalidateRect(shown.swatch, nullptr, TRUE);
}

void ColorsDialog::setLongWay(bool on)
{
    SendMessageW(longWay_, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ColorsDialog::setLimit(std::u16string_view text)
{
    setting_ = true;
    SetWindowTextW(limit_, wide(text).c_str());
    setting_ = false;
}

void ColorsDialog::showLimitError(std::u16string_view error)
{
    SetWindowTextW(limitError_, wide(error).c_str());
    if (limitWords_ != nullptr) {
        limitWords_->setDescription(wide(error));
    }
}

void ColorsDialog::showResult(bool okEnabled, std::u16string_view count)
{
    EnableWindow(ok_, okEnabled ? TRUE : FALSE);
    SetWindowTextW(count_, wide(count).c_str());
}

PreviewBox &ColorsDialog::preview()
{
    return *preview_;
}

} // namespace hueprev::win32
