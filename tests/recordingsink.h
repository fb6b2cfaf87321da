#pragma once

#include "preview/renderer.h"
#include "tests/reference.h"

#include <ostream>
#include <string>
#include <vector>

namespace hueprev::testing {

struct Op
{
    enum Kind { Clear, CaretToStart, SetColor, Insert } kind;
    ColorValue color = 0;
    std::u16string text;

    static Op set(int index) { return {SetColor, colorOf(index), {}}; }
    static Op ins(std::u16string t) { return {Insert, 0, std::move(t)}; }
    bool operator==(const Op &) const = default;
};

inline std::string printable(std::u16string_view text)
{
    std::string out;
    for (const char16_t c : text) {
        if (c >= 0x20 && c < 0x7F) {
            out.push_back(static_cast<char>(c));
        } else {
            static constexpr char hex[] = "0123456789ABCDEF";
            out += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4) {
                out.push_back(hex[(c >> shift) & 0xF]);
            }
        }
    }
    return out;
}

inline void PrintTo(const Op &op, std::ostream *os)
{
    switch (op.kind) {
    case Op::Clear:
        *os << "clear";
        break;
    case Op::CaretToStart:
        *os << "caret-to-start";
        break;
    case Op::SetColor:
        *os << "set #" << std::hex << op.color << std::dec;
        break;
    case Op::Insert:
        *os << "insert \"" << printable(op.text) << '"';
        break;
    }
}

// Records every preview operation in order.
class RecordingSink : public PreviewSink
{
public:
    std::vector<Op> ops;
    void clear() override { ops.push_back({Op::Clear, 0, {}}); }
    void caretToStart() override { ops.push_back({Op::CaretToStart, 0, {}}); }
    void setColor(ColorValue c) override { ops.push_back({Op::SetColor, c, {}}); }
    void insert(std::u16string_view t) override { ops.push_back({Op::Insert, 0, std::u16string(t)}); }
};

// A model of the preview box: characters with their colours and a caret.
class DocumentSink : public PreviewSink
{
public:
    using Cell = ColoredChar;
    std::vector<Cell> cells;

    void clear() override
    {
        cells.clear();
        caret_ = 0;
    }
    void caretToStart() override { caret_ = 0; }
    void setColor(ColorValue c) override { color_ = c; }
    void insert(std::u16string_view t) override
    {
        std::vector<Cell> piece;
        for (const char16_t c : t) {
            piece.push_back({c, color_});
        }
        cells.insert(cells.begin() + static_cast<std::ptrdiff_t>(caret_), piece.begin(), piece.end());
        caret_ += piece.size();
    }

private:
    std::size_t caret_ = 0;
    ColorValue color_ = 0;
};

} // namespace hueprev::testing
