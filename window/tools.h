#pragma once

#include "preview/nametools.h"
#include "preview/translatable.h"

#include <array>
#include <optional>
#include <string>

// The name tools as a front-end offers them, described once: on the desktop
// in the input's context menu, after the platform's own items, with the
// fades in a submenu; on the page as buttons below the form.
namespace hueprev::tools {

enum class Tool { CopyName, RemoveUnneededCodes, RemoveColours, ColourLetters, CopyLink };

struct Item
{
    Tool tool;
    std::optional<Fade> fade; // for ColourLetters: the fade, or none for the submenu itself
    const char *label;        // English, translated where shown
    bool pageOnly;            // only the page has an address to share

    // Whether it opens the submenu (on the page, the group) that the fades after it fill.
    constexpr bool opensFades() const { return tool == Tool::ColourLetters && !fade; }
};

// In the order shown; a fade follows the submenu it belongs to.
inline constexpr std::array<Item, 9> kItems{{
    {Tool::CopyName, std::nullopt, translatable("Copy the name"), false},
    {Tool::RemoveUnneededCodes, std::nullopt, translatable("Remove unneeded codes"), false},
    {Tool::RemoveColours, std::nullopt, translatable("Remove colours"), false},
    {Tool::ColourLetters, std::nullopt, translatable("Colour the letters"), false},
    {Tool::ColourLetters, Fade::Rainbow, nullptr, false},
    {Tool::ColourLetters, Fade::Fire, nullptr, false},
    {Tool::ColourLetters, Fade::Sea, nullptr, false},
    {Tool::ColourLetters, Fade::Steel, nullptr, false},
    {Tool::CopyLink, std::nullopt, translatable("Copy link"), true},
}};

// The item's words in the player's language.
std::string label(const Item &item);

} // namespace hueprev::tools
