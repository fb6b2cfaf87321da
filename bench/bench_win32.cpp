// One render into the Win32 preview, as the program does it on every change:
// the renderer into an RTF document of the slice around the caret, streamed
// into a real RICHEDIT50W; and a key typed in the real window. Run
// under Wine (Google Benchmark is not built for Windows here):
//   wine64 build/windows-x64/bench/bench_win32.exe [repetitions]
#include "bench/names.h"
#include "tests/fakes.h"
#include "window/previewbox.h"
#include "window/win32/frmmain.h"
#include "window/win32/resource.h"
#include "window/win32/richpreview.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
// A key typed at the end of a code-dense name in the real window, as the
// page's figure is taken: the EDIT's edit, the form (preview slice, count,
// words) and the window painted. Backspace, untimed, takes it out again.
int keys(int repetitions)
{
    OleInitialize(nullptr);
    HWND window = hueprev::win32::FrmMain::create(GetModuleHandleW(nullptr), SW_SHOW);
    if (window == nullptr) {
        std::puts("no window");
        return 1;
    }
    HWND edit = GetDlgItem(window, IDC_INPUT);
    for (const std::size_t length : {30, 10'000, 100'000}) {
        std::wstring name;
        while (name.size() < length) {
            name += L"^1ab^2cd^3";
        }
        name.resize(length);
        SetWindowTextW(edit, name.c_str());
        SendMessageW(edit, EM_SETSEL, length, length);
        std::vector<double> ms;
        for (int i = 0; i < std::max(repetitions, 41); ++i) {
            const auto start = std::chrono::steady_clock::now();
            SendMessageW(edit, WM_CHAR, L'a', 1);
            RedrawWindow(window, nullptr, nullptr,
                         RDW_UPDATENOW | RDW_ALLCHILDREN); // what the key made invalid
            ms.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            SendMessageW(edit, WM_CHAR, VK_BACK, 1);
        }
        std::sort(ms.begin(), ms.end());
        std::printf("key_in_window chars=%zu median_ms=%.2f\n", length, ms[ms.size() / 2]);
    }
    DestroyWindow(window);
    return 0;
}
} // namespace

int main(int argc, char **argv)
{
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 9;
    LoadLibraryW(L"Msftedit.dll");
    HWND box = CreateWindowExW(0, L"RICHEDIT50W", L"", WS_POPUP | ES_READONLY | ES_AUTOHSCROLL, 0, 0, 393, 41,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (box == nullptr) {
        std::puts("no rich-edit control");
        return 1;
    }
    hueprev::win32::setUpPreview(box);
    hueprev::win32::AccessibleControl *words =
        hueprev::win32::AccessibleControl::attach(box, L"Preview", L"");
    if (words == nullptr) {
        std::puts("no accessible object");
        return 1;
    }
    hueprev::win32::RichEditPreviewBox previewBox(box, 36, *words);
    hueprev::CaretPreview preview(previewBox);
    // As the program renders: the slice around a caret at the end of the name.
    for (const std::size_t length : {30, 1'000, 10'000, 100'000, 1'000'000}) {
        hueprev::testing::FakeTextBox name;
        name.value = hueprev::bench::nickname(length, true);
        name.setSelStart(static_cast<int>(length));
        std::vector<double> ms;
        for (int i = 0; i < repetitions; ++i) {
            const auto start = std::chrono::steady_clock::now();
            preview.textChanged(name);
            ms.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
        std::sort(ms.begin(), ms.end());
        std::printf("render_into_preview chars=%zu median_ms=%.2f min_ms=%.2f\n", length, ms[ms.size() / 2],
                    ms.front());
    }
    DestroyWindow(box);
    return keys(repetitions);
}
