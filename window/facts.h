#pragma once

#include "preview/colorcodes.h"

#include <array>
#include <string>

// What the window is, written once for every front-end: its caption, its
// size, and each control's place, tab order, font and the words a screen
// reader says for it. Geometry is in twips, 15 to a pixel at 96 dpi.
namespace hueprev::facts {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr const char *kFormName = "frmMain";
inline constexpr const char *kCaption = "Tarnvale - Nickname Tester";
// The colour buttons form one control array of this name, by Index.
inline constexpr const char *kButtonArrayName = "cmdAddColor";
inline constexpr int kClientWidth = 6360;
inline constexpr int kClientHeight = 2130;
inline constexpr const char *kFontFace = "Tahoma";
inline constexpr ColorValue kPreviewBackground = colorValue(64, 64, 64);
// A button's picture, square, at 96 dpi.
inline constexpr int kPicturePixels = 24;

enum class Kind { InputBox, PreviewBox, ColorButton };

struct Control
{
    Kind kind;
    int index; // a colour button's Index, 0 for the boxes
    int left, top, width, height;
    int tabIndex;
    double points; // font size, 0 for none
};

// In tab order. The row of buttons reads 1 .. 9 and then 0 at the right end.
// clang-format off
inline constexpr std::array<Control, 12> kControls{{
    {Kind::InputBox,    0,  240,  240, 5895, 495,  0, 14.25},
    {Kind::PreviewBox,  0,  240, 1320, 5895, 615,  1, 18.0},
    {Kind::ColorButton, 0, 5640,  840,  495, 375,  2, 0},
    {Kind::ColorButton, 1,  240,  840,  495, 375,  3, 0},
    {Kind::ColorButton, 2,  840,  840,  495, 375,  4, 0},
    {Kind::ColorButton, 3, 1440,  840,  495, 375,  5, 0},
    {Kind::ColorButton, 4, 2040,  840,  495, 375,  6, 0},
    {Kind::ColorButton, 5, 2640,  840,  495, 375,  7, 0},
    {Kind::ColorButton, 6, 3240,  840,  495, 375,  8, 0},
    {Kind::ColorButton, 7, 3840,  840,  495, 375,  9, 0},
    {Kind::ColorButton, 8, 4440,  840,  495, 375, 10, 0},
    {Kind::ColorButton, 9, 5040,  840,  495, 375, 11, 0},
}};
// clang-format on

// The one control of a kind (for a colour button, the one of Index 0).
inline constexpr const Control &controlOf(Kind kind)
{
    for (const Control &control : kControls) {
        if (control.kind == kind) {
            return control;
        }
    }
    return kControls.front();
}

inline constexpr int pixels(int twips)
{
    return twips / kTwipsPerPixel;
}

// The control's name in the window: txtIn, txtOut, cmdAddColor_1 and so on.
std::string objectName(const Control &control);
// What a screen reader says for it, and how it describes it.
std::string accessibleName(const Control &control);
std::string accessibleDescription(const Control &control);
// A colour button's tooltip; empty for the boxes.
std::string toolTip(const Control &control);

} // namespace hueprev::facts
