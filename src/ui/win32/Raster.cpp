#include "ui/win32/Raster.h"

#include <algorithm>
#include <cmath>

#include "ui/win32/GdiSurface.h"

namespace plevo::ui::win32 {
namespace {

// The colour that stands for "nothing" while a drawing is painted: one no picture uses.
constexpr COLORREF kClear = RGB(0xfe, 0x01, 0xfd);

// Large pictures need less help from scaling down to look smooth.
int scaleFor(const Drawing& d, int asked) {
    const int side = std::max(d.width, d.height);
    if (side > 600) return 1;
    if (side > 160) return std::min(asked, 2);
    return asked;
}

struct Channels {
    float a = 0, r = 0, g = 0, b = 0;
};

Channels unpack(std::uint32_t p) {
    return {static_cast<float>(p >> 24), static_cast<float>((p >> 16) & 0xff),
            static_cast<float>((p >> 8) & 0xff), static_cast<float>(p & 0xff)};
}

std::uint32_t pack(const Channels& c) {
    const auto byte = [](float v) {
        return static_cast<std::uint32_t>(std::clamp(std::lround(v), 0L, 255L));
    };
    return byte(c.a) << 24 | byte(c.r) << 16 | byte(c.g) << 8 | byte(c.b);
}

// One dimension of an area-weighed resampling: for each target cell, the source cells it covers
// and how much of each.
struct Span {
    int first = 0;
    std::vector<float> weights;
};

std::vector<Span> spans(int from, int to) {
    std::vector<Span> out(static_cast<std::size_t>(to));
    const double step = static_cast<double>(from) / to;
    for (int i = 0; i < to; ++i) {
        double start = i * step;
        double end = (i + 1) * step;
        if (step < 1) {
            // Scaling up: each target cell takes the source cell under its centre, blended with
            // its neighbour near the edge.
            const double centre = (i + 0.5) * step;
            start = std::max(0.0, centre - 0.5);
            end = std::min(static_cast<double>(from), start + 1.0);
        }
        Span& s = out[static_cast<std::size_t>(i)];
        s.first = static_cast<int>(std::floor(start));
        const int last = std::min(from - 1, static_cast<int>(std::ceil(end)) - 1);
        double total = 0;
        for (int k = s.first; k <= last; ++k) {
            const double w = std::min(end, k + 1.0) - std::max(start, static_cast<double>(k));
            s.weights.push_back(static_cast<float>(std::max(0.0, w)));
            total += std::max(0.0, w);
        }
        if (total > 0)
            for (float& w : s.weights) w = static_cast<float>(w / total);
    }
    return out;
}

}  // namespace

Image renderDrawing(const Drawing& drawing, int scale) {
    Image out;
    if (drawing.empty() || drawing.width <= 0 || drawing.height <= 0) return out;
    scale = scaleFor(drawing, scale);
    out.width = drawing.width * scale;
    out.height = drawing.height * scale;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = out.width;
    info.bmiHeader.biHeight = -out.height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dc || !bitmap || !bits) {
        if (bitmap) DeleteObject(bitmap);
        if (dc) DeleteDC(dc);
        out = {};
        return out;
    }
    HGDIOBJ old = SelectObject(dc, bitmap);
    HBRUSH clear = CreateSolidBrush(kClear);
    RECT all{0, 0, out.width, out.height};
    FillRect(dc, &all, clear);
    DeleteObject(clear);
    {
        GdiSurface surface(dc, scale, kClear);
        drawing.paint(surface);
    }
    GdiFlush();

    const auto* src = static_cast<const std::uint32_t*>(bits);
    const std::uint32_t clearPixel = static_cast<std::uint32_t>(GetRValue(kClear)) << 16 |
                                     GetGValue(kClear) << 8 | GetBValue(kClear);
    out.pixels.resize(static_cast<std::size_t>(out.width) * out.height);
    for (std::size_t i = 0; i < out.pixels.size(); ++i) {
        const std::uint32_t p = src[i] & 0xffffff;
        out.pixels[i] = p == clearPixel ? 0 : (0xff000000u | p);
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return out;
}

Image resample(const Image& from, int width, int height) {
    Image out;
    if (from.width <= 0 || from.height <= 0 || width <= 0 || height <= 0) return out;
    out.width = width;
    out.height = height;
    const std::vector<Span> xs = spans(from.width, width);
    const std::vector<Span> ys = spans(from.height, height);
    // Rows first, then columns.
    std::vector<Channels> rows(static_cast<std::size_t>(width) * from.height);
    for (int y = 0; y < from.height; ++y) {
        const std::uint32_t* line = &from.pixels[static_cast<std::size_t>(y) * from.width];
        for (int x = 0; x < width; ++x) {
            const Span& s = xs[static_cast<std::size_t>(x)];
            Channels sum;
            for (std::size_t k = 0; k < s.weights.size(); ++k) {
                const Channels c = unpack(line[s.first + static_cast<int>(k)]);
                const float w = s.weights[k];
                sum.a += c.a * w;
                sum.r += c.r * w;
                sum.g += c.g * w;
                sum.b += c.b * w;
            }
            rows[static_cast<std::size_t>(y) * width + x] = sum;
        }
    }
    out.pixels.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const Span& s = ys[static_cast<std::size_t>(y)];
        for (int x = 0; x < width; ++x) {
            Channels sum;
            for (std::size_t k = 0; k < s.weights.size(); ++k) {
                const Channels& c =
                    rows[static_cast<std::size_t>(s.first + static_cast<int>(k)) * width + x];
                const float w = s.weights[k];
                sum.a += c.a * w;
                sum.r += c.r * w;
                sum.g += c.g * w;
                sum.b += c.b * w;
            }
            out.pixels[static_cast<std::size_t>(y) * width + x] = pack(sum);
        }
    }
    return out;
}

std::vector<std::uint32_t> compose(const Image& image, COLORREF background, bool greyed) {
    const float br = GetRValue(background);
    const float bg = GetGValue(background);
    const float bb = GetBValue(background);
    std::vector<std::uint32_t> out(image.pixels.size());
    for (std::size_t i = 0; i < out.size(); ++i) {
        Channels c = unpack(image.pixels[i]);
        if (greyed) {
            // Grey by brightness, and half as strong, as a disabled picture looks.
            const float grey = 0.299f * c.r + 0.587f * c.g + 0.114f * c.b;
            c = {c.a * 0.5f, grey * 0.5f, grey * 0.5f, grey * 0.5f};
        }
        const float keep = 1 - c.a / 255;
        out[i] = pack({0, c.r + br * keep, c.g + bg * keep, c.b + bb * keep});
    }
    return out;
}

const Image& PictureCache::rendered(const Drawing& drawing) {
    auto it = images_.find(drawing.key);
    if (it == images_.end()) it = images_.emplace(drawing.key, renderDrawing(drawing, 4)).first;
    return it->second;
}

}  // namespace plevo::ui::win32
