// hueprev.exe: the Win32 front-end's entry point and message loop.
#include "window/facts.h"
#include "window/language.h"
#include "window/win32/frmmain.h"
#include "window/win32/wide.h"

#include <commctrl.h>

#include <cwchar>
#include <string>
#include <vector>

namespace {
using hueprev::win32::wide;

// The player's Windows display languages, best first.
std::vector<std::string> displayLanguages()
{
    ULONG count = 0;
    ULONG size = 0;
    std::vector<std::string> tags;
    if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) != FALSE && size > 0) {
        std::wstring names(size, L'\0');
        if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size) != FALSE) {
            for (const wchar_t *name = names.c_str(); *name != L'\0'; name += wcslen(name) + 1) {
                tags.emplace_back(name, name + wcslen(name)); // tags are ASCII
            }
        }
    }
    return tags;
}
} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    hueprev::chooseLanguage(displayLanguages());
    const std::wstring caption = wide(hueprev::facts::kCaption);
    // Themed buttons and tooltips (common controls 6, from the manifest) and the preview's rich-edit class.
    // Screen readers reach the controls' accessible objects through COM.
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    if (LoadLibraryW(L"Msftedit.dll") == nullptr) {
        MessageBoxW(
            nullptr,
            wide(hueprev::translate("hueprev needs Msftedit.dll, the rich-edit control of Windows.")).c_str(),
            caption.c_str(), MB_ICONERROR);
        return 1;
    }
    HWND window = hueprev::win32::FrmMain::create(instance, show);
    if (window == nullptr) {
        MessageBoxW(nullptr, wide(hueprev::translate("hueprev could not create its window.")).c_str(),
                    caption.c_str(), MB_ICONERROR);
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
