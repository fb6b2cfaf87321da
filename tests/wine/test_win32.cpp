// The Win32 front-end's binding on real controls, under Wine: the preview read
// back from the rich-edit control, and the text-box model on an EDIT.
#include "preview/linebreaks.h"
#include "tests/generated.h"
#include "tests/reference.h"
#include "window/commands.h"
#include "window/win32/edittextbox.h"
#include "window/win32/richpreview.h"
#include "window/win32/rtf.h"

#include <richedit.h>

#include <gtest/gtest.h>

#include <cstring>

namespace hueprev::testing {
namespace {

class Controls : public ::testing::Test, public win32::EditEvents
{
protected:
    static void SetUpTestSuite()
    {
        LoadLibraryW(L"Msftedit.dll");
        // Made once: mapping a top-level window takes Wine a while.
        window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 480, 200, nullptr,
                                 nullptr, nullptr, nullptr);
    }
    static void TearDownTestSuite() { DestroyWindow(window); }
    void SetUp() override
    {
        edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 8, 8, 393, 33, window,
                               nullptr, nullptr, nullptr);
        box = CreateWindowExW(0, L"RICHEDIT50W", L"", WS_CHILD | WS_VISIBLE | ES_READONLY | ES_AUTOHSCROLL, 8,
                              80, 393, 41, window, nullptr, nullptr, nullptr);
        ASSERT_NE(box, nullptr);
        win32::setUpPreview(box);
        input = std::make_unique<win32::EditTextBox>(edit, *this);
    }
    void TearDown() override
    {
        input.reset();
        DestroyWindow(edit);
        DestroyWindow(box);
    }
    // As the window does it: Enter selects the whole name.
    void keyPress(char16_t &keyAscii) override { selectAllOnEnter(*input, keyAscii); }
    void caretMoved() override {}

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
    std::unique_ptr<win32::EditTextBox> input;
};

TEST_F(Controls, StreamedPreviewShowsTheRulesRuns)
{
    // Names rich in carets, digits, line breaks and characters RTF must escape.
    auto inputs = generatedInputs(300);
    inputs.push_back(u"^1{\\b bold}^2\\par x\u4e2d^3\U0001F600<i>&amp;");
    for (const std::u16string &input : inputs) {
        RtfPreview preview("Tahoma", 36);
        renderNickname(input, preview);
        win32::streamRtf(box, preview.document());
        std::vector<ColoredChar> expected = referencePreview(input);
        for (ColoredChar &c : expected) {
            c.ch = isLineBreak(c.ch) ? u' ' : c.ch;
        }
        ASSERT_EQ(shown(), expected) << std::string(preview.document());
    }
}

TEST_F(Controls, ColourButtonReplacesTheSelectionAsOneUndoStep)
{
    setText(L"abcd");
    SendMessageW(edit, EM_SETSEL, 1, 3);
    addColorCode(*input, 2);
    EXPECT_EQ(input->text(), u"a^2d");
    EXPECT_EQ(selection(), std::make_pair(DWORD{3}, DWORD{3}));
    EXPECT_EQ(GetFocus(), edit);
    addColorCode(*input, 0);
    EXPECT_EQ(input->text(), u"a^2^0d");
    SendMessageW(edit, EM_UNDO, 0, 0);
    EXPECT_EQ(input->text(), u"a^2d") << "undo takes out the last code alone";
}

struct KeyCase
{
    const char *name;
    const wchar_t *text;
    wchar_t key;
    std::u16string after;
    bool allSelected;
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
    EXPECT_EQ(input->text(), c.after);
    const auto length = static_cast<DWORD>(c.after.size());
    EXPECT_EQ(selection() == std::make_pair(DWORD{0}, length), c.allSelected);
}

INSTANTIATE_TEST_SUITE_P(Characters, Keys,
                         ::testing::Values(KeyCase{"enter_selects_all", L"^1Name", L'\r', u"^1Name", true},
                                           KeyCase{"enter_on_empty", L"", L'\r', u"", true},
                                           KeyCase{"ctrl_a_selects_all", L"^2ab", 1, u"^2ab", true},
                                           KeyCase{"other_keys_type", L"ab", L'x', u"axb", false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(Controls, PasteKeepsEveryLineOnOne)
{
    const std::wstring clip = L"^1one\r\n^3two\nthree";
    ASSERT_NE(OpenClipboard(window), FALSE);
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (clip.size() + 1) * sizeof(wchar_t));
    std::memcpy(GlobalLock(data), clip.c_str(), (clip.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(data);
    SetClipboardData(CF_UNICODETEXT, data);
    CloseClipboard();
    SendMessageW(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(input->text(), u"^1one ^3two three");
}

TEST_F(Controls, NoLengthLimit)
{
    const std::u16string name(100'000, u'W');
    input->setSelText(name);
    EXPECT_EQ(input->text().size(), name.size());
}

} // namespace
} // namespace hueprev::testing
