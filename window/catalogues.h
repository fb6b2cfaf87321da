#pragma once

#include <cstddef>

// The catalogues built from resources/po: one per language, each its
// translations sorted by their English.
namespace hueprev::catalogues {

struct Entry
{
    const char *english;
    const char *translated;
};

struct Catalogue
{
    const char *language; // a BCP 47 tag: "de", "pt-BR"
    const Entry *entries;
    std::size_t count;
};

extern const Catalogue kAll[];
extern const std::size_t kCount;

} // namespace hueprev::catalogues
