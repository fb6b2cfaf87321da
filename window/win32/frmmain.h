#pragma once

#include "window/dialogs.h"
#include "window/form.h"
#include "window/win32/edittextbox.h"
#include "window/win32/menubar.h"
#include "window/win32/richpreview.h"
#include "window/win32/win32clipboard.h"
#include "window/win32/windowtimer.h"

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

namespace hueprev::win32 {

struct GdiDeleter
{
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
template <typename Handle> using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiDeleter>;

// What the controls show at one resolution: the table's fonts and the button pictures.
struct DpiResources
{
    std::vector<GdiObject<HFONT>> fonts;
    std::array<GdiObject<HBITMAP>, 10> pictures;
};

// The one window, built from its table of controls: the input box, the row of
// colour buttons and the preview; and its menu bar.
class ColorsDialog;

class FrmMain final : public Dialogs
{
public:
    // Creates and shows the window; nullptr if it could not be made.
    static HWND create(HINSTANCE instance, int show);

    // Modal: the form hears of the close once the dialog has gone.
    void openColors(ColorDialog &model) override;
    void closeColors() override;

private:
    explicit FrmMain(HINSTANCE instance) : instance_(instance) {}
    // Takes the window's end: the form lets its boxes go before they do.
    void destroyed();
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool createControls();
    // Places, fonts and pictures for the screen's resolution. The new fonts
    // and pictures are made before the old ones go; false if they could not
    // be, and the controls keep what they had.
    bool applyDpi(UINT dpi);
    std::optional<DpiResources> loadDpiResources(UINT dpi) const;

    bool addToolTips();
    AccessibleControl *inputWords_ = nullptr; // the input's accessible object

    HINSTANCE instance_;
    HWND window_ = nullptr;
    HWND txtIn_ = nullptr;
    HWND txtOut_ = nullptr;
    std::array<HWND, 10> cmdAddColor_{};
    HWND toolTips_ = nullptr;
    HWND lastFocus_ = nullptr;
    std::unique_ptr<EditTextBox> input_;
    DpiResources resources_; // at the screen's resolution
    std::unique_ptr<RichEditPreviewBox> preview_;
    std::unique_ptr<WindowTimer> timer_;
    std::unique_ptr<WindowTimer> notice_;
    std::unique_ptr<MenuBar> menuBar_;
    std::unique_ptr<WindowClipboard> clipboard_;
    std::unique_ptr<Form> form_;
    ColorsDialog *colors_ = nullptr; // the colour dialog while it is open
    bool created_ = false;           // WM_CREATE succeeded: the program ends with the window
};

} // namespace hueprev::win32
