#pragma once
// The fonts of the windows, made once per look and kept for the toolkit's lifetime.

#include <map>
#include <set>
#include <string>
#include <tuple>

#include "ui/Types.h"
#include "ui/win32/Win32.h"

namespace plevo::ui::win32 {

// The windows' own font when a form names none: the 8-point sans serif of the dialogs of Windows
// XP. Tahoma rather than MS Sans Serif, which is a bitmap font that has no large sizes (the big
// step numbers).
inline constexpr const char* kDefaultFace = "Tahoma";
inline constexpr int kDefaultPoints = 8;

class Fonts {
public:
    Fonts();
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    // `asked` with the gaps filled from `base` (an empty face, no size: the base's).
    static Font resolve(const Font& asked, const Font& base);
    // A form's font: the one its description gives, or the windows' own.
    static Font formFont(const Font& asked);
    // The font for a resolved look.
    HFONT get(const Font& font);
    // A face name that lives as long as the toolkit (a Font keeps only the pointer).
    const char* intern(const char* face);
    // The font's character height in the screen's pixels: points by the screen's dots per inch,
    // pixels (the layer's, of a 96-dot screen) scaled as every size of the layer is.
    int pixelsOf(const Font& font) const;
    // The same in the layer's pixels.
    static int layerPixelsOf(const Font& font);
    int dpi() const { return dpi_; }

private:
    using Key = std::tuple<std::string, int, bool, bool, bool>;
    std::map<Key, HFONT> fonts_;
    std::set<std::string> faces_;
    int dpi_ = 96;
};

}  // namespace plevo::ui::win32
