#pragma once
// The plain values the control layer speaks in: positions and sizes in pixels, colours, fonts,
// keys. Nothing here knows a toolkit.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

namespace plevo::ui {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int w = 0;
    int h = 0;
    bool operator==(const Size&) const = default;
};

struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    int right() const { return x + w; }
    int bottom() const { return y + h; }
    bool operator==(const Rect&) const = default;
};

// Where a window of `size` goes when it should stand at `wanted` and stay on the screen's `area`:
// moved in just far enough, its top left corner first when it is larger than the area.
inline Point keptInside(Point wanted, Size size, const Rect& area) {
    return {std::max(area.x, std::min(wanted.x, area.right() - size.w)),
            std::max(area.y, std::min(wanted.y, area.bottom() - size.h))};
}

struct Colour {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Colour&) const = default;
};

namespace colours {
inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kWhite{0xff, 0xff, 0xff};
inline constexpr Colour kRed{0xff, 0, 0};
inline constexpr Colour kGreen{0, 0x80, 0};
inline constexpr Colour kLime{0, 0xff, 0};
inline constexpr Colour kBlue{0, 0, 0xff};
inline constexpr Colour kNavy{0, 0, 0x80};
inline constexpr Colour kYellow{0xff, 0xff, 0};
inline constexpr Colour kAqua{0, 0xff, 0xff};
inline constexpr Colour kTeal{0, 0x80, 0x80};
inline constexpr Colour kMaroon{0x80, 0, 0};
inline constexpr Colour kGray{0x80, 0x80, 0x80};
inline constexpr Colour kSilver{0xc0, 0xc0, 0xc0};
// The face of buttons and dialogs (the system's "button face").
inline constexpr Colour kButtonFace{0xf0, 0xf0, 0xf0};
}  // namespace colours

// A font as a control asks for it. Zero sizes and an empty face mean "the form's font" (8-point
// sans serif); `pixels` (character height) wins over `points` when both are given.
struct Font {
    const char* face = "";
    int points = 0;
    int pixels = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const Font& o) const {
        return std::string(face) == o.face && points == o.points && pixels == o.pixels &&
               bold == o.bold && italic == o.italic && underline == o.underline;
    }
};

// Keys by their Windows virtual-key codes; the Qt backend maps its keys onto them. Letters and
// digits are their upper-case ASCII codes ('A', '0').
enum Key : int {
    kKeyBack = 0x08,
    kKeyTab = 0x09,
    kKeyReturn = 0x0D,
    kKeyEscape = 0x1B,
    kKeySpace = 0x20,
    kKeyPageUp = 0x21,
    kKeyPageDown = 0x22,
    kKeyEnd = 0x23,
    kKeyHome = 0x24,
    kKeyLeft = 0x25,
    kKeyUp = 0x26,
    kKeyRight = 0x27,
    kKeyDown = 0x28,
    kKeyInsert = 0x2D,
    kKeyDelete = 0x2E,
    kKeyF1 = 0x70,
};

struct KeyPress {
    int key = 0;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool operator==(const KeyPress&) const = default;
};

}  // namespace plevo::ui
