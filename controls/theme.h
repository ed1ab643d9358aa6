#pragma once
// The one look of the editor: every colour and metric the controls draw with.
#include "platform/fonts.h"
#include "platform/types.h"

namespace Theme {
constexpr TColor ButtonFace = RGB(0xF0, 0xF0, 0xF0);  // the window background
constexpr TColor WindowText = RGB(0x00, 0x00, 0x00);
constexpr TColor DisabledText = RGB(0xA0, 0xA0, 0xA0);

constexpr TColor ButtonBack = RGB(0xE1, 0xE1, 0xE1);
constexpr TColor ButtonBorder = RGB(0xAD, 0xAD, 0xAD);
constexpr TColor ButtonHoverBack = RGB(0xE5, 0xF1, 0xFB);
constexpr TColor ButtonHoverBorder = RGB(0x00, 0x78, 0xD7);
constexpr TColor ButtonPressedBack = RGB(0xCC, 0xE4, 0xF7);
constexpr TColor ButtonDisabledBack = RGB(0xCC, 0xCC, 0xCC);
constexpr TColor ButtonDisabledBorder = RGB(0xBF, 0xBF, 0xBF);
constexpr TColor ButtonPressedBorder = RGB(0x00, 0x54, 0x99);
constexpr TColor ButtonFocusDots = RGB(0x00, 0x00, 0x00);
constexpr int ButtonFocusInset = 3;  // from the outer edge to the dotted focus rectangle

constexpr TColor ScrollTrack = RGB(0xE9, 0xE9, 0xE9);
constexpr TColor ScrollThumb = RGB(0xC2, 0xC2, 0xC2);
constexpr TColor ScrollThumbHover = RGB(0xA6, 0xA6, 0xA6);
constexpr TColor ScrollThumbDragging = RGB(0x7A, 0x7A, 0x7A);
constexpr TColor ScrollArrowGlyph = RGB(0x60, 0x60, 0x60);
constexpr TColor ScrollArrowPressed = RGB(0xDA, 0xDA, 0xDA);
constexpr int ScrollArrowLength = 17;
constexpr int ScrollThumbLength = 40;
constexpr TColor ScrollArrowGlyphDisabled = RGB(0xBF, 0xBF, 0xBF);
constexpr int ScrollArrowGlyphDepth = 4;  // rows of the triangle; its base is 2 x depth - 1
constexpr int ScrollThumbMargin = 2;      // between the thumb and the bar's long edges

constexpr TColor GaugeTrough = RGB(0xE6, 0xE6, 0xE6);
constexpr TColor GaugeBorder = RGB(0xBC, 0xBC, 0xBC);
constexpr TColor GaugeFill = RGB(0x06, 0xB0, 0x25);
constexpr int GaugeBorderWidth = 1;

constexpr TColor LabelFrame = RGB(0xAD, 0xAD, 0xAD);
constexpr int LabelTextInset = 4;

constexpr TColor MenuBar = RGB(0xF0, 0xF0, 0xF0);
constexpr TColor MenuBack = RGB(0xFF, 0xFF, 0xFF);
constexpr TColor MenuBorder = RGB(0xCC, 0xCC, 0xCC);
constexpr TColor MenuHighlight = RGB(0x91, 0xC9, 0xF7);
constexpr int MenuItemHeight = 22;
constexpr int MenuTitlePadding = 8;

constexpr TColor StatusBar = RGB(0xF0, 0xF0, 0xF0);
constexpr TColor StatusDivider = RGB(0xD0, 0xD0, 0xD0);
constexpr int StatusTextInset = 4;  // from a panel's left edge to its text

// The window's font, and the one the skinned controls fall back to.
inline TFont WindowFont() { return TFont{"MS Sans Serif", -11, WindowText}; }
inline TFont SkinFont() { return TFont{"Arial", 14, WindowText}; }
inline TFont MenuFont() { return TFont{"Tahoma", -11, WindowText}; }
}  // namespace Theme
