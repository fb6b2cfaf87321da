#include "window/win32/frmmain.h"

#include "window/win32/colorsdialog.h"

#include "preview/colorcodes.h"
#include "window/facts.h"
#include "window/win32/accessible.h"
#include "window/win32/resource.h"
#include "window/win32/richpreview.h"
#include "window/win32/wide.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>

namespace hueprev::win32 {

namespace {
constexpr const wchar_t *kClassName = L"hueprev.frmMain";
// A fixed single border and a title bar with minimise but no maximise.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr UINT kDpiChanged = 0x02E0; // WM_DPICHANGED, Windows 8.1 and later
constexpr UINT kBaseDpi = 96;
constexpr UINT_PTR kSettleTimer = 1;
constexpr UINT_PTR kNoticeTimer = 2;

using facts::Kind;

// Functions of newer Windows versions, looked up so the program still starts on older ones.
template <typename Function> Function user32(const char *name)
{
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

UINT dpiOf(HWND window)
{
    static const auto forWindow = user32<UINT(WINAPI *)(HWND)>("GetDpiForWindow");
    if (forWindow != nullptr) {
        return forWindow(window);
    }
    HDC dc = GetDC(window);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(window, dc);
    return static_cast<UINT>(dpi);
}

SIZE windowSizeFor(SIZE client, UINT dpi)
{
    RECT r{0, 0, client.cx, client.cy};
    static const auto forDpi =
        user32<BOOL(WINAPI *)(LPRECT, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    if (forDpi != nullptr) {
        forDpi(&r, kStyle, TRUE, 0, dpi); // with the menu bar's one line
    } else {
        AdjustWindowRectEx(&r, kStyle, TRUE, 0);
    }
    return {r.right - r.left, r.bottom - r.top};
}

int pixels(int twips, UINT dpi)
{
    return MulDiv(twips, static_cast<int>(dpi), 1440);
}

HFONT tahoma(double points, UINT dpi)
{
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(std::lround(points * dpi / 72.0));
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    lstrcpynW(font.lfFaceName, wide(facts::kFontFace).c_str(), LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

HMENU controlId(int id)
{
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}
} // namespace

HWND FrmMain::create(HINSTANCE instance, int show)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_HUEPREV));
    windowClass.hIconSm =
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_HUEPREV), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        return nullptr;
    }
    // The window takes it at WM_NCCREATE and deletes it with itself; should
    // the window fail before then, it goes here.
    std::unique_ptr<FrmMain> self(new FrmMain(instance));
    HWND window =
        CreateWindowExW(0, kClassName, wide(facts::kCaption).c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, &self);
    if (window != nullptr) {
        ShowWindow(window, show);
        UpdateWindow(window);
    }
    return window;
}

LRESULT CALLBACK FrmMain::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto &owner = *static_cast<std::unique_ptr<FrmMain> *>(
            reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        FrmMain *self = owner.release();
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<FrmMain *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete self;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

LRESULT FrmMain::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        created_ = createControls() && applyDpi(dpiOf(window_));
        return created_ ? 0 : -1;
    case WM_TIMER:
        for (WindowTimer *timer : {timer_.get(), notice_.get()}) {
            if (timer != nullptr && wParam == timer->id()) {
                timer->fired();
                return 0;
            }
        }
        return DefWindowProcW(window_, message, wParam, lParam);
    case WM_INITMENUPOPUP:
        if (menuBar_ && form_) {
            menuBar_->opening(reinterpret_cast<HMENU>(wParam), *input_, *form_);
        }
        return 0;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        // From the menu: no control, no notification.
        if (lParam == 0 && HIWORD(wParam) == 0 && menuBar_ && form_ &&
            menuBar_->command(static_cast<UINT>(id), *input_, *form_)) {
            return 0;
        }
        if (id == IDC_INPUT && HIWORD(wParam) == EN_CHANGE) {
            if (form_) {
                form_->txtIn_Change();
            }
        } else if (id >= IDC_COLOR_BUTTON && id < IDC_COLOR_BUTTON + kColorCount &&
                   HIWORD(wParam) == BN_CLICKED && form_) {
            form_->cmdAddColor_Click(id - IDC_COLOR_BUTTON);
        }
        return 0;
    }
    case WM_ACTIVATE:
        // Like a dialog: the focus comes back to where it was, the input at first.
        if (LOWORD(wParam) == WA_INACTIVE) {
            lastFocus_ = GetFocus();
        } else {
            SetFocus(lastFocus_ != nullptr && IsChild(window_, lastFocus_) != FALSE ? lastFocus_ : txtIn_);
        }
        return 0;
    case kDpiChanged: {
        // Should the new resolution's fonts not be had, the old ones stay.
        applyDpi(HIWORD(wParam));
        const auto *suggested = reinterpret_cast<const RECT *>(lParam);
        SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_DESTROY:
        destroyed();
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void FrmMain::destroyed()
{
    // The input stops reporting, the form goes, then the boxes it drove; the
    // fonts and pictures go with this object, after the controls.
    if (input_) {
        input_->bind(nullptr);
    }
    form_.reset();
    timer_.reset();
    notice_.reset();
    clipboard_.reset();
    input_.reset();
    preview_.reset();
    // A window that never finished being made leaves its caller to say why,
    // in a message box that a quit message would close unseen.
    if (created_) {
        PostQuitMessage(0);
    }
}

bool FrmMain::createControls()
{
    AccessibleControl *accessible = nullptr;
    AccessibleControl *previewWords = nullptr;
    for (const facts::Control &row : facts::kControls) {
        HWND control = nullptr;
        switch (row.kind) {
        case Kind::InputBox:
            control = txtIn_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 0,
                                               0, window_, controlId(IDC_INPUT), instance_, nullptr);
            break;
        case Kind::PreviewBox:
            // RICHEDIT50W, from Msftedit.dll.
            control = txtOut_ =
                CreateWindowExW(WS_EX_CLIENTEDGE, L"RICHEDIT50W", L"",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL, 0, 0, 0, 0,
                                window_, controlId(IDC_PREVIEW), instance_, nullptr);
            if (control != nullptr && !setUpPreview(control)) {
                return false;
            }
            break;
        case Kind::ColorButton:
            control = cmdAddColor_[static_cast<std::size_t>(row.index)] =
                CreateWindowExW(0, L"BUTTON", wide(facts::accessibleName(row)).c_str(),
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_BITMAP, 0, 0, 0, 0, window_,
                                controlId(IDC_COLOR_BUTTON + row.index), instance_, nullptr);
            break;
        }
        if (control == nullptr) {
            return false;
        }
        accessible = AccessibleControl::attach(control, wide(facts::accessibleName(row)),
                                               wide(facts::accessibleDescription(row)));
        if (accessible == nullptr) {
            return false;
        }
        if (row.kind == Kind::PreviewBox) {
            previewWords = accessible;
        } else if (row.kind == Kind::InputBox) {
            inputWords_ = accessible;
        }
    }
    input_ = std::make_unique<EditTextBox>(txtIn_);
    if (!input_->subclassed()) {
        return false;
    }
    preview_ = std::make_unique<RichEditPreviewBox>(
        txtOut_, static_cast<int>(facts::controlOf(Kind::PreviewBox).points * 2), *previewWords);
    timer_ = std::make_unique<WindowTimer>(window_, kSettleTimer);
    notice_ = std::make_unique<WindowTimer>(window_, kNoticeTimer);
    clipboard_ = std::make_unique<WindowClipboard>(window_);
    menuBar_ = std::make_unique<MenuBar>(window_);
    if (!menuBar_->made()) {
        return false;
    }
    form_ =
        std::make_unique<Form>(*input_, *preview_, Lent{*timer_, *notice_, *clipboard_, *menuBar_, *this});
    input_->bind(form_.get());
    if (!addToolTips()) {
        return false;
    }
    input_->showFactsIn(toolTips_, inputWords_);
    form_->start();
    return true;
}

void FrmMain::openColors(ColorDialog &model)
{
    ColorsDialog dialog(model);
    colors_ = &dialog;
    const bool ok = dialog.run(window_);
    colors_ = nullptr;
    form_->dlgColors_Close(ok);
}

void FrmMain::closeColors()
{
    if (colors_ != nullptr) {
        colors_->cancel();
    }
}

bool FrmMain::addToolTips()
{
    toolTips_ =
        CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance_, nullptr);
    if (toolTips_ == nullptr) {
        return false;
    }
    for (const facts::Control &row : facts::kControls) {
        // The input's tip, how long the name is, comes from the form.
        const std::wstring tip = row.kind == Kind::InputBox ? L" " : wide(facts::toolTip(row));
        if (tip.empty()) {
            continue;
        }
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(
            row.kind == Kind::InputBox ? txtIn_ : cmdAddColor_[static_cast<std::size_t>(row.index)]);
        tool.lpszText = const_cast<wchar_t *>(tip.c_str()); // copied by the control
        if (SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) == FALSE) {
            return false;
        }
    }
    return true;
}

std::optional<DpiResources> FrmMain::loadDpiResources(UINT dpi) const
{
    DpiResources made;
    const int pictures = dpi >= kBaseDpi * 3 / 2 ? IDB_CODE_2X : IDB_CODE;
    for (const facts::Control &row : facts::kControls) {
        if (row.points > 0) {
            made.fonts.emplace_back(tahoma(row.points, dpi));
            if (!made.fonts.back()) {
                return std::nullopt;
            }
        }
        if (row.kind == Kind::ColorButton) {
            // The silver background becomes the button face.
            auto &picture = made.pictures[static_cast<std::size_t>(row.index)];
            picture.reset(static_cast<HBITMAP>(LoadImageW(instance_, MAKEINTRESOURCEW(pictures + row.index),
                                                          IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS)));
            if (!picture) {
                return std::nullopt;
            }
        }
    }
    return made;
}

bool FrmMain::applyDpi(UINT dpi)
{
    std::optional<DpiResources> made = loadDpiResources(dpi);
    if (!made) {
        return false;
    }
    auto font = made->fonts.cbegin();
    for (const facts::Control &row : facts::kControls) {
        HWND control = row.kind == Kind::InputBox     ? txtIn_
                       : row.kind == Kind::PreviewBox ? txtOut_
                                                      : cmdAddColor_[static_cast<std::size_t>(row.index)];
        MoveWindow(control, pixels(row.left, dpi), pixels(row.top, dpi), pixels(row.width, dpi),
                   pixels(row.height, dpi), TRUE);
        if (row.points > 0) {
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>((font++)->get()), TRUE);
        }
        if (row.kind == Kind::ColorButton) {
            SendMessageW(control, BM_SETIMAGE, IMAGE_BITMAP,
                         reinterpret_cast<LPARAM>(made->pictures[static_cast<std::size_t>(row.index)].get()));
        }
    }
    // The input's text starts where the preview's does, so that the two line
    // up letter for letter, as on the other platforms.
    // The EDIT's text starts at its formatting rectangle, its margin and a
    // border of its own in from the edge.
    RECT preview{};
    SendMessageW(txtOut_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&preview));
    RECT input{};
    SendMessageW(txtIn_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&input));
    const int border = input.left - LOWORD(SendMessageW(txtIn_, EM_GETMARGINS, 0, 0));
    SendMessageW(txtIn_, EM_SETMARGINS, EC_LEFTMARGIN, MAKELPARAM(std::max(0L, preview.left - border), 0));
    // The controls hold the new ones now; the old ones go with `made`.
    std::swap(resources_, *made);
    const SIZE size =
        windowSizeFor({pixels(facts::kClientWidth, dpi), pixels(facts::kClientHeight, dpi)}, dpi);
    SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

} // namespace hueprev::win32
