// The Win32 window on real controls, under Wine: its own wiring of events to
// commands, the preview read back from the rich-edit control, and the EDIT.
#include "preview/linebreaks.h"
#include "preview/rtf.h"
#include "preview/runs.h"
#include "tests/generated.h"
#include "tests/reference.h"
#include "window/facts.h"
#include "window/win32/frmmain.h"
#include "window/win32/menus.h"
#include "window/win32/resource.h"
#include "window/win32/richpreview.h"
#include "window/win32/wide.h"

#include <commctrl.h>
#include <ole2.h>
#include <oleacc.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace hueprev::testing {
namespace {

using win32::wide;

// The real window, with its own wiring of events to commands; made once,
// since mapping a top-level window takes Wine a while.
class Controls : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        if (window == nullptr) {
            OleInitialize(nullptr);
            INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
            InitCommonControlsEx(&controls);
            LoadLibraryW(L"Msftedit.dll");
            window = win32::FrmMain::create(GetModuleHandleW(nullptr), SW_SHOW);
        }
    }
    void SetUp() override
    {
        ASSERT_NE(window, nullptr);
        edit = GetDlgItem(window, IDC_INPUT);
        box = GetDlgItem(window, IDC_PREVIEW);
        setText(L"");
        SetFocus(edit);
    }
    static HWND button(int index) { return GetDlgItem(window, IDC_COLOR_BUTTON + index); }
    std::u16string text() const
    {
        std::wstring buffer(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
        buffer.resize(
            static_cast<std::size_t>(GetWindowTextW(edit, buffer.data(), static_cast<int>(buffer.size()))));
        return {buffer.begin(), buffer.end()};
    }
    // A key as the EDIT gets it from the message loop, Shift held or not.
    void key(UINT virtualKey, bool shift = false) const
    {
        BYTE state[256] = {};
        GetKeyboardState(state);
        state[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(state);
        SendMessageW(edit, WM_KEYDOWN, virtualKey, 1);
        state[VK_SHIFT] = 0;
        SetKeyboardState(state);
    }
    // The first character the preview shows at its left edge.
    LONG firstShown() const
    {
        POINTL corner{3, 3};
        return static_cast<LONG>(SendMessageW(box, EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&corner)));
    }

    // What the preview shows, read back character by character.
    std::vector<ColoredChar> shown() const
    {
        GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
        const auto n = static_cast<std::size_t>(
            SendMessageW(box, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
        std::u16string text(n + 1, u'\0');
        GETTEXTEX get{static_cast<DWORD>(2 * (n + 1)), GT_DEFAULT, 1200, nullptr, nullptr};
        SendMessageW(box, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get),
                     reinterpret_cast<LPARAM>(text.data()));
        std::vector<ColoredChar> cells;
        for (std::size_t i = 0; i < n; ++i) {
            CHARRANGE one{static_cast<LONG>(i), static_cast<LONG>(i + 1)};
            SendMessageW(box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&one));
            CHARFORMAT2W format{};
            format.cbSize = sizeof(format);
            SendMessageW(box, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
            cells.push_back({text[i], static_cast<ColorValue>(format.crTextColor)});
        }
        return cells;
    }
    std::pair<DWORD, DWORD> selection() const
    {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }
    void setText(const wchar_t *text) const { SetWindowTextW(edit, text); }

    static inline HWND window = nullptr;
    HWND edit = nullptr;
    HWND box = nullptr;
};

TEST_F(Controls, StreamedPreviewShowsTheRulesRuns)
{
    // Names rich in carets, digits, line breaks and characters RTF must escape.
    auto inputs = generatedInputs(100);
    inputs.push_back(u"^1{\\b bold}^2\\par x\u4e2d^3\U0001F600<i>&amp;");
    for (const std::u16string &input : inputs) {
        PreviewRuns runs;
        renderNickname(input, runs);
        const std::string rtf = rtfDocument(runs, "Tahoma", 36);
        win32::streamRtf(box, rtf);
        std::vector<ColoredChar> expected = referencePreview(input);
        for (ColoredChar &c : expected) {
            c.ch = isLineBreak(c.ch) ? u' ' : c.ch;
        }
        ASSERT_EQ(shown(), expected) << rtf;
    }
}

TEST_F(Controls, ColourButtonReplacesTheSelectionAsOneUndoStep)
{
    setText(L"abcd");
    SendMessageW(edit, EM_SETSEL, 1, 3);
    SendMessageW(button(2), BM_CLICK, 0, 0);
    EXPECT_EQ(text(), u"a^2d");
    EXPECT_EQ(selection(), std::make_pair(DWORD{3}, DWORD{3}));
    EXPECT_EQ(GetFocus(), edit);
    SendMessageW(button(0), BM_CLICK, 0, 0);
    EXPECT_EQ(text(), u"a^2^0d");
    EXPECT_EQ(shown(), referencePreview(u"a^2^0d")) << "the change renders the preview";
    SendMessageW(edit, EM_UNDO, 0, 0);
    EXPECT_EQ(text(), u"a^2d") << "undo takes out the last code alone";
}

struct KeyCase
{
    const char *name;
    const wchar_t *text;
    wchar_t key;
    std::u16string after;
    std::pair<DWORD, DWORD> selection;
};

void PrintTo(const KeyCase &c, std::ostream *os)
{
    *os << c.name;
}

class Keys : public Controls, public ::testing::WithParamInterface<KeyCase>
{
};

TEST_P(Keys, ReachTheBoxThroughKeyPress)
{
    const KeyCase &c = GetParam();
    setText(c.text);
    SendMessageW(edit, EM_SETSEL, 1, 1);
    SendMessageW(edit, WM_CHAR, c.key, 0);
    EXPECT_EQ(text(), c.after);
    EXPECT_EQ(selection(), c.selection);
}

INSTANTIATE_TEST_SUITE_P(Characters, Keys,
                         ::testing::Values(KeyCase{"enter_selects_all", L"^1Name", L'\r', u"^1Name", {0, 6}},
                                           // Neither a line break nor a character.
                                           KeyCase{"enter_on_empty_inserts_nothing", L"", L'\r', u"", {0, 0}},
                                           KeyCase{"ctrl_a_selects_all", L"^2ab", 1, u"^2ab", {0, 4}},
                                           KeyCase{"other_keys_type", L"ab", L'x', u"axb", {2, 2}}),
                         [](const auto &info) { return std::string(info.param.name); });

void putOnClipboard(HWND owner, UINT format, const void *bytes, std::size_t size)
{
    ASSERT_NE(OpenClipboard(owner), FALSE);
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(data), bytes, size);
    GlobalUnlock(data);
    SetClipboardData(format, data);
    CloseClipboard();
}

TEST_F(Controls, PasteKeepsEveryLineOnOne)
{
    const std::wstring clip = L"^1one\r\n^3two\nthree";
    putOnClipboard(window, CF_UNICODETEXT, clip.c_str(), (clip.size() + 1) * sizeof(wchar_t));
    SendMessageW(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(text(), u"^1one ^3two three");
}

TEST_F(Controls, EmptyPasteKeepsTheUndoOfTheTyping)
{
    for (const wchar_t c : std::wstring(L"abc")) {
        SendMessageW(edit, WM_CHAR, c, 0);
    }
    putOnClipboard(window, CF_UNICODETEXT, L"", sizeof(wchar_t));
    SendMessageW(edit, WM_PASTE, 0, 0);
    ASSERT_EQ(text(), u"abc");
    SendMessageW(edit, EM_UNDO, 0, 0);
    EXPECT_EQ(text(), u"");
}

// Another program's window, on a thread of its own, holding the clipboard open a while.
DWORD WINAPI holdClipboard(void *opened)
{
    HWND other = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    OpenClipboard(other);
    SetEvent(static_cast<HANDLE>(opened));
    Sleep(100);
    CloseClipboard();
    DestroyWindow(other);
    return 0;
}

TEST_F(Controls, PasteWaitsForAClipboardAnotherProgramHoldsForAMoment)
{
    const std::wstring clip = L"^2held";
    putOnClipboard(window, CF_UNICODETEXT, clip.c_str(), (clip.size() + 1) * sizeof(wchar_t));
    // Another program's window, on a thread of its own, holds the clipboard open a while.
    HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE holder = CreateThread(nullptr, 0, holdClipboard, opened, 0, nullptr);
    WaitForSingleObject(opened, INFINITE);
    ASSERT_EQ(OpenClipboard(window), FALSE) << "the clipboard is held";
    SendMessageW(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(text(), u"^2held");
    WaitForSingleObject(holder, INFINITE);
    CloseHandle(holder);
    CloseHandle(opened);
}

TEST_F(Controls, PasteWithNoTextOnTheClipboardChangesNothing)
{
    setText(L"^1Name");
    SendMessageW(edit, EM_SETSEL, 0, -1);
    // A picture, as an image viewer puts it there.
    BITMAPINFOHEADER picture{sizeof(BITMAPINFOHEADER), 1, 1, 1, 32, BI_RGB, 4, 0, 0, 0, 0};
    const std::uint32_t pixel[1] = {0xff0000};
    std::vector<unsigned char> dib(sizeof(picture) + sizeof(pixel));
    std::memcpy(dib.data(), &picture, sizeof(picture));
    std::memcpy(dib.data() + sizeof(picture), pixel, sizeof(pixel));
    putOnClipboard(window, CF_DIB, dib.data(), dib.size());
    ASSERT_EQ(IsClipboardFormatAvailable(CF_UNICODETEXT), FALSE);
    SendMessageW(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(text(), u"^1Name");
    EXPECT_EQ(selection(), std::make_pair(DWORD{0}, DWORD{6}));
}

TEST_F(Controls, PreviewFollowsTheCaretOfABackwardsSelection)
{
    const std::wstring name = L"^1" + std::wstring(300, L'W');
    setText(name.c_str());
    key(VK_END);
    ASSERT_GT(firstShown(), 200) << "the preview shows the end";
    key(VK_HOME, true);
    EXPECT_EQ(selection(), std::make_pair(DWORD{0}, static_cast<DWORD>(name.size())));
    EXPECT_EQ(firstShown(), 0) << "the caret, at the start, is in view";
    key(VK_RIGHT, true);
    key(VK_RIGHT, true);
    key(VK_RIGHT, true);
    EXPECT_EQ(selection(), std::make_pair(DWORD{3}, static_cast<DWORD>(name.size())));
    EXPECT_LT(firstShown(), 3);
}

TEST_F(Controls, NewResolutionGetsNewFontsAndPictures)
{
    auto fontHeight = [this] {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)), sizeof(font), &font);
        return font.lfHeight;
    };
    auto pictureWidth = [] {
        BITMAP picture{};
        GetObjectW(reinterpret_cast<HBITMAP>(SendMessageW(button(1), BM_GETIMAGE, IMAGE_BITMAP, 0)),
                   sizeof(picture), &picture);
        return picture.bmWidth;
    };
    const LONG height = fontHeight();
    const LONG width = pictureWidth();
    ASSERT_LT(height, 0);
    ASSERT_GT(width, 0);
    RECT suggested{0, 0, 900, 400};
    constexpr UINT kDpiChanged = 0x02E0;
    SendMessageW(window, kDpiChanged, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(fontHeight(), -38) << "14.25 pt at 192 dpi";
    EXPECT_EQ(pictureWidth(), 2 * width);
    const UINT dpi = GetDeviceCaps(GetDC(nullptr), LOGPIXELSY);
    SendMessageW(window, kDpiChanged, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(fontHeight(), height);
    EXPECT_EQ(pictureWidth(), width);
}

TEST_F(Controls, NoLengthLimit)
{
    const std::wstring name(100'000, L'W');
    const std::wstring clip = name + L'\0';
    putOnClipboard(window, CF_UNICODETEXT, clip.c_str(), clip.size() * sizeof(wchar_t));
    SendMessageW(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(text().size(), name.size());
}

TEST_F(Controls, PasteReadsNoFurtherThanTheClipboardsBlock)
{
    // Another program's block with no NUL at its end, the half of a fourth character after it.
    const char bytes[] = {'a', 0, 'b', 0, 'c', 0, 'd'};
    putOnClipboard(window, CF_UNICODETEXT, bytes, sizeof(bytes));
    SendMessageW(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(text(), u"abc");
}

TEST_F(Controls, TextDroppedFromAnotherProgramLandsWhereItIsDropped)
{
    for (const wchar_t c : std::wstring(L"abcd")) {
        SendMessageW(edit, WM_CHAR, c, 0); // the caret at the end
    }
    const std::wstring clip = L"^1x\r\ny";
    putOnClipboard(window, CF_UNICODETEXT, clip.c_str(), (clip.size() + 1) * sizeof(wchar_t));
    IDataObject *data = nullptr;
    ASSERT_EQ(OleGetClipboard(&data), S_OK);
    auto *target = static_cast<IDropTarget *>(GetPropW(edit, L"OleDropTargetInterface"));
    ASSERT_NE(target, nullptr) << "no drop target registered with OLE";
    // Between "b" and "c", a little right of the left edge of "c".
    const auto c = static_cast<LONG>(SendMessageW(edit, EM_POSFROMCHAR, 2, 0));
    POINT at{static_cast<SHORT>(LOWORD(c)) + 1, static_cast<SHORT>(HIWORD(c)) + 4};
    ClientToScreen(edit, &at);
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(target->DragEnter(data, MK_LBUTTON, {at.x, at.y}, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(target->Drop(data, MK_LBUTTON, {at.x, at.y}, &effect), S_OK);
    data->Release();
    EXPECT_EQ(text(), u"ab^1x ycd");
}

TEST_F(Controls, ADropAtTheEndOfALongNameLandsThere)
{
    // Past the 65,535 characters that EM_CHARFROMPOS can count, and so far
    // past the 32,767 pixels that EM_POSFROMCHAR's x can say.
    setText(std::wstring(70'000, L'a').c_str());
    // Wine's EDIT scrolls by 16-bit positions too, so it cannot jump there at
    // once: the end comes into view in steps, as it does for a player typing.
    for (int at = 4'000; at <= 70'000; at += 4'000) {
        SendMessageW(edit, EM_SETSEL, at, at);
        SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    }
    const std::wstring clip = L"yz";
    putOnClipboard(window, CF_UNICODETEXT, clip.c_str(), (clip.size() + 1) * sizeof(wchar_t));
    IDataObject *data = nullptr;
    ASSERT_EQ(OleGetClipboard(&data), S_OK);
    auto *target = static_cast<IDropTarget *>(GetPropW(edit, L"OleDropTargetInterface"));
    ASSERT_NE(target, nullptr);
    const auto last = static_cast<LONG>(SendMessageW(edit, EM_POSFROMCHAR, 69'999, 0));
    POINT at{static_cast<SHORT>(LOWORD(last)) + 20, static_cast<SHORT>(HIWORD(last)) + 4};
    ClientToScreen(edit, &at);
    DWORD effect = DROPEFFECT_COPY;
    EXPECT_EQ(target->Drop(data, MK_LBUTTON, {at.x, at.y}, &effect), S_OK);
    data->Release();
    const std::u16string now = text();
    EXPECT_EQ(now.size(), 70'002U);
    EXPECT_EQ(now.substr(now.size() - 3), u"ayz");
}

TEST_F(Controls, TheInputsTextStartsWhereThePreviewsDoesAndItsMenuAtTheCaret)
{
    for (const wchar_t c : std::wstring(L"ab")) {
        SendMessageW(edit, WM_CHAR, c, 0);
    }
    const auto first = static_cast<LONG>(SendMessageW(edit, EM_POSFROMCHAR, 0, 0));
    POINTL shown{};
    SendMessageW(box, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&shown), 0);
    EXPECT_EQ(static_cast<SHORT>(LOWORD(first)), shown.x);
    // Shift+F10 or the Menu key with the caret at the end: the menu opens there, not mid-box.
    POINT menu = win32::keyboardMenuPoint(edit);
    ScreenToClient(edit, &menu);
    const auto b = static_cast<LONG>(SendMessageW(edit, EM_POSFROMCHAR, 1, 0));
    RECT client{};
    GetClientRect(edit, &client);
    EXPECT_GT(menu.x, static_cast<SHORT>(LOWORD(b)));
    EXPECT_LT(menu.x, client.right / 4);
}

TEST_F(Controls, TheMenuBarSaysHowLongTheNameIsAndWhatATookDid)
{
    HMENU bar = GetMenu(window);
    ASSERT_NE(bar, nullptr);
    const auto words = [&] {
        wchar_t text[80] = {};
        GetMenuStringW(bar, 3, text, 80, MF_BYPOSITION);
        return std::wstring(text);
    };
    RECT before{};
    GetClientRect(window, &before);
    for (const wchar_t c : std::wstring(L"^7ab")) {
        SendMessageW(edit, WM_CHAR, c, 0);
    }
    EXPECT_EQ(words(), L"Characters: 4, shown: 2");
    // The Name menu as it opens: Remove unneeded codes, below the copies and a line, acts on
    // the ^7, then is greyed.
    HMENU name = GetSubMenu(bar, 1);
    ASSERT_NE(name, nullptr);
    SendMessageW(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(name), 1);
    EXPECT_EQ(GetMenuState(name, 3, MF_BYPOSITION) & MF_GRAYED, 0U);
    SendMessageW(window, WM_COMMAND, GetMenuItemID(name, 3), 0);
    EXPECT_EQ(text(), u"ab");
    SendMessageW(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(name), 1);
    EXPECT_NE(GetMenuState(name, 3, MF_BYPOSITION) & MF_GRAYED, 0U);
    // Copy the name says so in the count's place.
    SendMessageW(window, WM_COMMAND, GetMenuItemID(name, 0), 0);
    EXPECT_EQ(words(), L"Copied");
    EXPECT_EQ(GetFocus(), edit);
    // However long the count, the bar stays one line and the form in its place.
    setText(std::wstring(100'000, L'a').c_str());
    EXPECT_EQ(words(), L"Characters: 100000, shown: 100000");
    RECT after{};
    GetClientRect(window, &after);
    EXPECT_EQ(after.right, before.right);
    EXPECT_EQ(after.bottom, before.bottom);
}

// What the modal dialogs' own loops run: each step once its window is up.
std::vector<void (*)()> dialogSteps;
void CALLBACK nextDialogStep(HWND, UINT, UINT_PTR timer, DWORD)
{
    static HWND last = nullptr;
    // A dialog has an owner; each step waits for the one the step before opened.
    HWND up = GetActiveWindow();
    if (dialogSteps.empty() || up == nullptr || GetWindow(up, GW_OWNER) == nullptr || up == last) {
        return;
    }
    last = up;
    const auto step = dialogSteps.front();
    dialogSteps.erase(dialogSteps.begin());
    if (dialogSteps.empty()) {
        KillTimer(nullptr, timer);
        last = nullptr;
    }
    step();
}

// Once the second colour is chosen, Return in the first's field is OK.
void CALLBACK pressReturnOnceChosen(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = GetActiveWindow();
    wchar_t chosen[16] = {};
    GetDlgItemTextW(dialog, 111, chosen, 16);
    if (dialogSteps.empty() && std::wstring(chosen) == L"#8800ff") {
        KillTimer(nullptr, timer);
        HWND row1 = GetDlgItem(dialog, 101);
        SetFocus(row1);
        PostMessageW(row1, WM_KEYDOWN, VK_RETURN, 1);
    }
}

TEST_F(Controls, AnyColoursThroughItsDialogAndWindowsOwnColourDialog)
{
    setText(L"Tarnvale");
    SendMessageW(edit, EM_SETSEL, 0, -1);
    // Name > Colour the letters > Any colours…, its last item.
    HMENU name = GetSubMenu(GetMenu(window), 1);
    SendMessageW(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(name), 1);
    HMENU colours = GetSubMenu(name, GetMenuItemCount(name) - 1);
    ASSERT_NE(colours, nullptr);
    const UINT anyColours = GetMenuItemID(colours, GetMenuItemCount(colours) - 1);
    static std::wstring first;
    dialogSteps = {
        // The dialog: the first colour typed, the second's Choose… pressed.
        [] {
            HWND dialog = GetActiveWindow();
            HWND row1 = GetDlgItem(dialog, 101);
            wchar_t shown[16] = {};
            GetWindowTextW(row1, shown, 16);
            first = shown;
            SetWindowTextW(row1, L"#ff8800");
            PostMessageW(GetDlgItem(dialog, 112), BM_CLICK, 0, 0);
        },
        // Windows' colour dialog: red, green and blue typed in its fields, then OK.
        [] {
            HWND chooser = GetActiveWindow();
            SetDlgItemInt(chooser, 706, 0x88, FALSE);
            SetDlgItemInt(chooser, 707, 0x00, FALSE);
            SetDlgItemInt(chooser, 708, 0xff, FALSE);
            PostMessageW(chooser, WM_COMMAND, IDOK, 0);
        },
    };
    SetTimer(nullptr, 0, 50, nextDialogStep);
    const UINT_PTR returning = SetTimer(nullptr, 0, 200, pressReturnOnceChosen);
    SendMessageW(window, WM_COMMAND, anyColours, 0);
    KillTimer(nullptr, returning);
    EXPECT_EQ(first, L"#ff0000") << "it first opens with red and blue";
    EXPECT_EQ(text(), u"^1Tarn^6val^4e");
    EXPECT_EQ(GetFocus(), edit);
    SendMessageW(edit, EM_UNDO, 0, 0);
    EXPECT_EQ(text(), u"Tarnvale");
}

TEST_F(Controls, TheAccessibleObjectHasOneIdentity)
{
    IAccessible *object = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(edit, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void **>(&object)),
              S_OK);
    IUnknown *identity = nullptr;
    ASSERT_EQ(object->QueryInterface(IID_IUnknown, reinterpret_cast<void **>(&identity)), S_OK);
    IOleWindow *ole = nullptr;
    ASSERT_EQ(object->QueryInterface(__uuidof(IOleWindow), reinterpret_cast<void **>(&ole)), S_OK);
    IUnknown *again = nullptr;
    ASSERT_EQ(ole->QueryInterface(IID_IUnknown, reinterpret_cast<void **>(&again)), S_OK);
    EXPECT_EQ(again, identity) << "every interface answers IUnknown with the one object";
    HWND shown = nullptr;
    EXPECT_EQ(ole->GetWindow(&shown), S_OK);
    EXPECT_EQ(shown, edit);
    again->Release();
    ole->Release();
    identity->Release();
    object->Release();
}

// A hook that refuses the preview's rich-edit control to any window made on the thread.
LRESULT CALLBACK refuseRichEdit(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const wchar_t *name = reinterpret_cast<CBT_CREATEWNDW *>(lParam)->lpcs->lpszClass;
        if (!IS_INTRESOURCE(name) && lstrcmpiW(name, L"RICHEDIT50W") == 0) {
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(Controls, AWindowThatCouldNotBeMadeLeavesTheErrorBoxOpen)
{
    HHOOK hook = SetWindowsHookExW(WH_CBT, refuseRichEdit, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    const HWND made = win32::FrmMain::create(GetModuleHandleW(nullptr), SW_HIDE);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(made, nullptr);
    // A quit message would close the box that says why at once, unseen.
    MSG quit{};
    EXPECT_EQ(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE), FALSE);
}

// The tooltip window that a window owns: {owner, found}.
BOOL CALLBACK findToolTips(HWND candidate, LPARAM windows)
{
    auto *const search = reinterpret_cast<HWND *>(windows);
    wchar_t name[64] = {};
    GetClassNameW(candidate, name, 64);
    if (lstrcmpiW(name, TOOLTIPS_CLASSW) == 0 && GetWindow(candidate, GW_OWNER) == search[0]) {
        search[1] = candidate;
    }
    return TRUE;
}

TEST_F(Controls, ButtonsHaveTheirToolTips)
{
    HWND search[2] = {window, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), findToolTips, reinterpret_cast<LPARAM>(search));
    HWND tips = search[1];
    ASSERT_NE(tips, nullptr);
    ASSERT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 11) << "the buttons' and the input's";
    for (const facts::Control &control : facts::kControls) {
        if (control.kind != facts::Kind::ColorButton) {
            continue;
        }
        wchar_t text[128] = {};
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = window;
        tool.uId = reinterpret_cast<UINT_PTR>(button(control.index));
        tool.lpszText = text;
        SendMessageW(tips, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&tool));
        const std::string expected = facts::toolTip(control);
        EXPECT_EQ(std::wstring(text), std::wstring(expected.begin(), expected.end()));
    }
}

// What a screen reader reads of each control, asked from another process as
// a screen reader asks: the name and description of its accessible object.
class Accessibility : public ::testing::Test
{
protected:
    void SetUp() override
    {
        OleInitialize(nullptr);
        // The program beside this test in the build: window/win32/hueprev.exe.
        std::wstring path(MAX_PATH, L'\0');
        path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
        path = path.substr(0, path.rfind(L"\\tests\\")) + L"\\window\\win32\\hueprev.exe";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        ASSERT_NE(CreateProcessW(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                 &startup, &program),
                  FALSE);
        WaitForInputIdle(program.hProcess, 20'000);
        for (int tries = 0; window == nullptr && tries < 200; ++tries) {
            EnumWindows(findProgramWindow, reinterpret_cast<LPARAM>(this));
            Sleep(50);
        }
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override
    {
        // Ends the program it started, and only that.
        if (program.hProcess != nullptr) {
            TerminateProcess(program.hProcess, 0);
            WaitForSingleObject(program.hProcess, 10'000);
            CloseHandle(program.hThread);
            CloseHandle(program.hProcess);
        }
    }
    // The control's name and description, as its accessible object gives them.
    static std::pair<std::wstring, std::wstring> words(HWND control)
    {
        IAccessible *object = nullptr;
        if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                              reinterpret_cast<void **>(&object)))) {
            return {L"(none)", L"(none)"};
        }
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR name = nullptr;
        BSTR description = nullptr;
        object->get_accName(self, &name);
        object->get_accDescription(self, &description);
        std::pair<std::wstring, std::wstring> both{name != nullptr ? name : L"",
                                                   description != nullptr ? description : L""};
        SysFreeString(name);
        SysFreeString(description);
        object->Release();
        return both;
    }
    HWND control(const facts::Control &row) const
    {
        return GetDlgItem(window, row.kind == facts::Kind::InputBox     ? IDC_INPUT
                                  : row.kind == facts::Kind::PreviewBox ? IDC_PREVIEW
                                                                        : IDC_COLOR_BUTTON + row.index);
    }

    static BOOL CALLBACK findProgramWindow(HWND candidate, LPARAM self)
    {
        auto &test = *reinterpret_cast<Accessibility *>(self);
        DWORD process = 0;
        GetWindowThreadProcessId(candidate, &process);
        if (process == test.program.dwProcessId && GetDlgItem(candidate, IDC_INPUT) != nullptr) {
            test.window = candidate;
        }
        return TRUE;
    }

    PROCESS_INFORMATION program{};
    HWND window = nullptr;
};

TEST_F(Accessibility, EveryControlHasTheFactsNameAndDescription)
{
    for (const facts::Control &row : facts::kControls) {
        // The input's description goes on to say how long the name is.
        const std::wstring description =
            wide(facts::accessibleDescription(row)) +
            (row.kind == facts::Kind::InputBox ? L" Characters: 0, shown: 0." : L"");
        EXPECT_EQ(words(control(row)), std::make_pair(wide(facts::accessibleName(row)), description))
            << facts::objectName(row);
    }
    // The rest of what the standard object answers, such as the window it stands for.
    IAccessible *object = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(GetDlgItem(window, IDC_INPUT), OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void **>(&object)),
              S_OK);
    IOleWindow *ole = nullptr;
    EXPECT_EQ(object->QueryInterface(__uuidof(IOleWindow), reinterpret_cast<void **>(&ole)), S_OK);
    if (ole != nullptr) {
        HWND shown = nullptr;
        EXPECT_EQ(ole->GetWindow(&shown), S_OK);
        EXPECT_EQ(shown, GetDlgItem(window, IDC_INPUT));
        ole->Release();
    }
    object->Release();
}

// Run by the suite under another display language, which names the words expected.
TEST_F(Accessibility, ButtonsSpeakTheDisplayLanguage)
{
    const char *expected = std::getenv("HUEPREV_EXPECTED_NAME");
    if (expected == nullptr) {
        GTEST_SKIP() << "run in another language, with the name expected, by wine.win32_tests.de";
    }
    EXPECT_EQ(words(GetDlgItem(window, IDC_COLOR_BUTTON + 1)).first, wide(expected));
}

TEST_F(Accessibility, PreviewIsDescribedInColourRunsOnceTheInputSettles)
{
    const HWND input = GetDlgItem(window, IDC_INPUT);
    const HWND preview = GetDlgItem(window, IDC_PREVIEW);
    for (const wchar_t c : std::wstring(L"^1Red^7White")) {
        SendMessageW(input, WM_CHAR, c, 0);
    }
    std::wstring description;
    for (int tries = 0; tries < 100; ++tries) {
        description = words(preview).second;
        if (description == L"Red, red. White, white.") {
            break;
        }
        Sleep(50);
    }
    EXPECT_EQ(description, L"Red, red. White, white.");
}

} // namespace
} // namespace hueprev::testing
