#pragma once
// The control layer speaks in the pixels of a screen of 96 dots per inch, in which the windows'
// tables are laid out. A screen set to large fonts (120 dots per inch, as many machines of
// Windows XP ran) makes the system's fonts larger: the backend scales every position and size
// that passes between the layer and the system by the screen's dots per inch, so that a window
// keeps its proportions to its text.

#include "ui/win32/Win32.h"

namespace plevo::ui::win32 {

class Scale {
public:
    explicit Scale(int dpi) : dpi_(dpi > 0 ? dpi : kLayerDpi) {}

    static constexpr int kLayerDpi = 96;
    int dpi() const { return dpi_; }

    // Layer pixels to the screen's, rounded to the nearest.
    int toScreen(int v) const { return MulDiv(v, dpi_, kLayerDpi); }
    // The screen's pixels to layer pixels; toLayer(toScreen(v)) == v at any larger scale.
    int toLayer(int v) const { return MulDiv(v, kLayerDpi, dpi_); }
    // Room that text needs, in layer pixels: rounded up, so that it is never understated.
    int textToLayer(int v) const { return (v * kLayerDpi + dpi_ - 1) / dpi_; }

    Point toScreen(Point p) const { return {toScreen(p.x), toScreen(p.y)}; }
    Point toLayer(Point p) const { return {toLayer(p.x), toLayer(p.y)}; }
    Size toScreen(Size s) const { return {toScreen(s.w), toScreen(s.h)}; }
    Size toLayer(Size s) const { return {toLayer(s.w), toLayer(s.h)}; }
    // By its edges, so that controls that touch still touch and controls apart never overlap.
    Rect toScreen(const Rect& r) const {
        const int x = toScreen(r.x);
        const int y = toScreen(r.y);
        return {x, y, toScreen(r.right()) - x, toScreen(r.bottom()) - y};
    }
    Rect toLayer(const Rect& r) const {
        const int x = toLayer(r.x);
        const int y = toLayer(r.y);
        return {x, y, toLayer(r.right()) - x, toLayer(r.bottom()) - y};
    }

private:
    int dpi_;
};

}  // namespace plevo::ui::win32
