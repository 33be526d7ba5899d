#include "ui/win32/Fonts.h"

#include <cstring>

namespace plevo::ui::win32 {

Fonts::Fonts() {
    HDC screen = GetDC(nullptr);
    if (screen) {
        dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
}

Fonts::~Fonts() {
    for (auto& [key, font] : fonts_) DeleteObject(font);
}

Font Fonts::resolve(const Font& asked, const Font& base) {
    Font out = asked;
    if (!out.face || !*out.face) out.face = base.face;
    if (out.pixels == 0 && out.points == 0) {
        out.pixels = base.pixels;
        out.points = base.points;
    }
    return out;
}

Font Fonts::formFont(const Font& asked) {
    return resolve(asked, Font{.face = kDefaultFace, .points = kDefaultPoints});
}

int Fonts::pixelsOf(const Font& font) const {
    if (font.pixels > 0) return MulDiv(font.pixels, dpi_, 96);
    return MulDiv(font.points > 0 ? font.points : kDefaultPoints, dpi_, 72);
}

int Fonts::layerPixelsOf(const Font& font) {
    if (font.pixels > 0) return font.pixels;
    return MulDiv(font.points > 0 ? font.points : kDefaultPoints, 96, 72);
}

HFONT Fonts::get(const Font& font) {
    const char* face = font.face && *font.face ? font.face : kDefaultFace;
    const int pixels = pixelsOf(font);
    const Key key{face, pixels, font.bold, font.italic, font.underline};
    if (auto it = fonts_.find(key); it != fonts_.end()) return it->second;
    LOGFONTA lf{};
    // A negative height asks for the character height, as points do.
    lf.lfHeight = -pixels;
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.italic;
    lf.lfUnderline = font.underline;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    HFONT made = CreateFontIndirectA(&lf);
    if (!made) made = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    fonts_.emplace(key, made);
    return made;
}

const char* Fonts::intern(const char* face) {
    if (!face) return "";
    return faces_.insert(face).first->c_str();
}

}  // namespace plevo::ui::win32
