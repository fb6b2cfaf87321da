// hueprev.exe: the Win32 front-end's entry point and message loop.
#include "window/facts.h"
#include "window/win32/frmmain.h"

#include <commctrl.h>

#include <string>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    const std::string ascii = hueprev::facts::kCaption;
    const std::wstring caption(ascii.begin(), ascii.end());
    // Themed buttons and tooltips (common controls 6, from the manifest) and the preview's rich-edit class.
    // Screen readers reach the controls' accessible objects through COM.
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    if (LoadLibraryW(L"Msftedit.dll") == nullptr) {
        MessageBoxW(nullptr, L"hueprev needs Msftedit.dll, the rich-edit control of Windows.",
                    caption.c_str(), MB_ICONERROR);
        return 1;
    }
    HWND window = hueprev::win32::FrmMain::create(instance, show);
    if (window == nullptr) {
        MessageBoxW(nullptr, L"hueprev could not create its window.", caption.c_str(), MB_ICONERROR);
        return 1;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab, Shift+Tab and Space on the buttons, as in a dialog.
        if (IsDialogMessageW(window, &message) == FALSE) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
