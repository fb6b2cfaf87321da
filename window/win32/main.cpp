// hueprev.exe: the Win32 front-end's entry point and message loop.
#include "preview/translatable.h"
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

// Named as Windows declares it.
int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPWSTR /*lpCmdLine*/, int nShowCmd)
{
    hueprev::chooseLanguage(displayLanguages());
    const std::wstring caption = wide(hueprev::facts::kCaption);
    // Themed buttons and tooltips (common controls 6, from the manifest) and the preview's rich-edit class.
    const auto fail = [&caption](const char *why) {
        MessageBoxW(nullptr, wide(hueprev::translate(why)).c_str(), caption.c_str(), MB_ICONERROR);
        return 1;
    };
    // Screen readers reach the controls' accessible objects through COM, and
    // text dropped on the input comes through OLE.
    if (FAILED(OleInitialize(nullptr))) {
        return fail(hueprev::translatable("hueprev could not create its window."));
    }
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    if (LoadLibraryW(L"Msftedit.dll") == nullptr) {
        return fail(hueprev::translatable("hueprev needs Msftedit.dll, the rich-edit control of Windows."));
    }
    HWND window = hueprev::win32::FrmMain::create(hInstance, nShowCmd);
    if (window == nullptr) {
        return fail(hueprev::translatable("hueprev could not create its window."));
    }
    MSG message{};
    BOOL got = FALSE;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        // Tab, Shift+Tab and Space on the buttons, as in a dialog.
        if (IsDialogMessageW(window, &message) == FALSE) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    // -1: the loop itself failed, which is no clean end.
    return got == 0 ? static_cast<int>(message.wParam) : 1;
}
