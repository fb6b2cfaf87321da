#pragma once

#include "preview/nametools.h"
#include "preview/runs.h"
#include "preview/slice.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace hueprev {

class TextBox;

// The preview box as the window drives it. Each front-end implements it on
// its own rich-text control; positions count the box's characters.
class PreviewBox
{
public:
    virtual ~PreviewBox() = default;
    // Shows these runs in place of everything the box held.
    virtual void rebuild(const PreviewRuns &runs) = 0;
    // Scrolls as little as needed to bring a position into view.
    virtual void showPosition(std::size_t position) = 0;
    // What a screen reader is to say for the box from now on: its accessible
    // description, and an event that it changed.
    virtual void describe(std::u16string_view words) = 0;
};

// Keeps the preview on the part of the name where the input's caret is. The
// box holds only a slice of a long name, which moves as the caret nears its edges.
class CaretPreview
{
public:
    explicit CaretPreview(PreviewBox &box, std::size_t shownEachSide = PreviewSlice::kShownEachSide)
        : box_(box), slice_(shownEachSide)
    {}

    // The name changed: rendered anew, around the caret.
    void textChanged(const TextBox &input);
    // The same for a text that is no input's, such as a dialog's preview.
    void showText(std::u16string text, int caret);
    // The caret moved: the box scrolls to it, and takes a new slice if need be,
    // from the name as the last change left it: a move never reads the name.
    void caretMoved(const TextBox &input);

    // What the box shows now, and what a screen reader says of it.
    const PreviewRuns &shown() const { return runs_; }
    // What a screen reader is to be told of the box; the form tells it once
    // the input has been still for a while, so that a paste is not read key by key.
    const std::u16string &words() const { return words_; }
    bool wordsUnsaid() const { return unsaid_; }
    void sayWords();
    // The name as the last change left it, and how long it is.
    const std::u16string &name() const { return text_; }
    const NameCount &count() const { return count_; }

private:
    void renderAround(std::size_t shownCaret);
    void describeAround(std::size_t caretInSlice);

    PreviewBox &box_;
    PreviewSlice slice_;
    std::u16string text_;      // the name as the last change left it
    NameCount count_{0, 0, 0}; // and how long it is
    PreviewRuns runs_;
    std::u16string words_;
    bool unsaid_ = false; // words_ changed since the box was last told
    int shownCaret_ = 0;  // the input's caret the box last showed
};

} // namespace hueprev
