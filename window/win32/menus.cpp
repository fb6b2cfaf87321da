#include "window/win32/menus.h"

#include "window/win32/wide.h"

#include <vector>

namespace hueprev::win32 {

namespace {
class Win32MenuBuilder final : public menus::Builder
{
public:
    explicit Win32MenuBuilder(HMENU menu) : open_{menu} {}
    bool made() const { return made_; }

    void item(const menus::Entry &entry) override
    {
        std::string label = entry.label;
        if (!entry.shortcut.empty()) {
            label += "\t" + entry.shortcut;
        }
        append(open_.back(), MF_STRING | (entry.enabled ? MF_ENABLED : MF_GRAYED),
               static_cast<UINT_PTR>(entry.command), label);
    }
    void submenu(const menus::Entry &entry) override
    {
        HMENU submenu = CreatePopupMenu();
        // Once appended, the submenu is its menu's, destroyed with it.
        if (submenu != nullptr && !append(open_.back(), MF_POPUP | (entry.enabled ? MF_ENABLED : MF_GRAYED),
                                          reinterpret_cast<UINT_PTR>(submenu), entry.label)) {
            DestroyMenu(submenu);
            submenu = nullptr;
        }
        made_ = made_ && submenu != nullptr;
        open_.push_back(submenu); // none: its items go nowhere, and the menu is not made
    }
    void end() override { open_.pop_back(); }
    void separator(const menus::Entry & /*entry*/) override
    {
        made_ =
            made_ && open_.back() != nullptr && AppendMenuW(open_.back(), MF_SEPARATOR, 0, nullptr) != FALSE;
    }

private:
    bool append(HMENU menu, UINT flags, UINT_PTR id, const std::string &label)
    {
        const bool appended = menu != nullptr && AppendMenuW(menu, flags, id, wide(label).c_str()) != FALSE;
        made_ = made_ && appended;
        return appended;
    }

    std::vector<HMENU> open_;
    bool made_ = true;
};
} // namespace

bool fillMenu(HMENU menu, std::span<const menus::Entry> entries)
{
    // DeleteMenu destroys a submenu with its item.
    for (int count = GetMenuItemCount(menu); count > 0; --count) {
        DeleteMenu(menu, 0, MF_BYPOSITION);
    }
    Win32MenuBuilder builder(menu);
    menus::build(entries, builder);
    return builder.made();
}

POINT keyboardMenuPoint(HWND edit)
{
    // The caret's own rectangle: EM_POSFROMCHAR has no answer for the end of the text.
    GUITHREADINFO thread{};
    thread.cbSize = sizeof(thread);
    POINT point{};
    if (GetGUIThreadInfo(GetCurrentThreadId(), &thread) != FALSE && thread.hwndCaret == edit) {
        point = {thread.rcCaret.left, thread.rcCaret.bottom};
    } else {
        RECT box{};
        GetClientRect(edit, &box);
        point = {box.right / 2, box.bottom / 2};
    }
    ClientToScreen(edit, &point);
    return point;
}

} // namespace hueprev::win32
