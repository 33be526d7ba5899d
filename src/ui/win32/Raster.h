#pragma once
// Pictures as pixels: a Drawing rendered once with GDI at a multiple of its size, scaled to the
// size a picture control has with every source pixel weighed by the area it covers (a smooth
// result, as the drawing is scaled down), and laid over the control's background.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "ui/Surface.h"
#include "ui/win32/Win32.h"

namespace plevo::ui::win32 {

// Premultiplied colour with coverage: 0xAARRGGBB.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// The drawing at `scale` times its size; what it leaves unpainted or clears is transparent.
Image renderDrawing(const Drawing& drawing, int scale);
// The image scaled to width x height.
Image resample(const Image& from, int width, int height);
// The image over `background`, as the rows of a top-down 32-bit DIB (0x00RRGGBB); a greyed
// picture (a disabled control) is shown grey and faint.
std::vector<std::uint32_t> compose(const Image& image, COLORREF background, bool greyed);

// Each drawing rendered once, by its key.
class PictureCache {
public:
    const Image& rendered(const Drawing& drawing);

private:
    std::map<std::string, Image> images_;
};

}  // namespace plevo::ui::win32
