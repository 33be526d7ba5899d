#include "ui/win32/GdiSurface.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace plevo::ui::win32 {
namespace {

constexpr double kPi = 3.14159265358979323846;

}  // namespace

GdiSurface::GdiSurface(HDC dc, double scale, COLORREF clear)
    : dc_(dc), scale_(scale), clear_(clear) {
    oldPen_ = SelectObject(dc_, GetStockObject(BLACK_PEN));
    oldBrush_ = SelectObject(dc_, GetStockObject(NULL_BRUSH));
    SetBkMode(dc_, TRANSPARENT);
    // As a painter starts: a thin black outline, no fill.
    pen(colours::kBlack, 1);
}

GdiSurface::~GdiSurface() {
    SelectObject(dc_, oldPen_);
    SelectObject(dc_, oldBrush_);
    if (pen_) DeleteObject(pen_);
    if (brush_) DeleteObject(brush_);
}

int GdiSurface::at(double v) const {
    return static_cast<int>(std::lround(v * scale_));
}

RECT GdiSurface::box(const RectF& r) const {
    RECT out{at(r.x), at(r.y), at(r.x + r.w), at(r.y + r.h)};
    // Without an outline GDI leaves out the right and bottom edge that a painter fills.
    if (!hasPen_) {
        ++out.right;
        ++out.bottom;
    }
    return out;
}

void GdiSurface::usePen(HPEN pen) {
    SelectObject(dc_, pen ? static_cast<HGDIOBJ>(pen) : GetStockObject(NULL_PEN));
    if (pen_) DeleteObject(pen_);
    pen_ = pen;
}

void GdiSurface::useBrush(HBRUSH brush) {
    SelectObject(dc_, brush ? static_cast<HGDIOBJ>(brush) : GetStockObject(NULL_BRUSH));
    if (brush_) DeleteObject(brush_);
    brush_ = brush;
}

void GdiSurface::pen(Colour colour, double width) {
    LOGBRUSH lb{BS_SOLID, colorRef(colour), 0};
    const DWORD style = PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND;
    const int w = std::max(1, static_cast<int>(std::lround(width * scale_)));
    usePen(ExtCreatePen(style, static_cast<DWORD>(w), &lb, 0, nullptr));
    hasPen_ = true;
}

void GdiSurface::noPen() {
    usePen(nullptr);
    hasPen_ = false;
}

void GdiSurface::brush(Colour colour) {
    useBrush(CreateSolidBrush(colorRef(colour)));
}

void GdiSurface::noBrush() {
    useBrush(nullptr);
}

void GdiSurface::clearBrush() {
    useBrush(CreateSolidBrush(clear_));
}

void GdiSurface::line(PointF from, PointF to) {
    MoveToEx(dc_, at(from.x), at(from.y), nullptr);
    LineTo(dc_, at(to.x), at(to.y));
}

namespace {

std::vector<POINT> points(std::span<const PointF> in, double scale) {
    std::vector<POINT> out;
    out.reserve(in.size());
    for (const PointF& p : in)
        out.push_back({static_cast<LONG>(std::lround(p.x * scale)),
                       static_cast<LONG>(std::lround(p.y * scale))});
    return out;
}

}  // namespace

void GdiSurface::polyline(std::span<const PointF> in) {
    if (in.size() < 2) return;
    const std::vector<POINT> p = points(in, scale_);
    Polyline(dc_, p.data(), static_cast<int>(p.size()));
}

void GdiSurface::polygon(std::span<const PointF> in) {
    if (in.size() < 3) return;
    const std::vector<POINT> p = points(in, scale_);
    SetPolyFillMode(dc_, ALTERNATE);
    Polygon(dc_, p.data(), static_cast<int>(p.size()));
}

void GdiSurface::rectangle(RectF r) {
    const RECT b = box(r);
    Rectangle(dc_, b.left, b.top, b.right, b.bottom);
}

void GdiSurface::roundRectangle(RectF r, double radius) {
    const RECT b = box(r);
    const int d = at(radius * 2);
    RoundRect(dc_, b.left, b.top, b.right, b.bottom, d, d);
}

void GdiSurface::ellipse(RectF r) {
    const RECT b = box(r);
    Ellipse(dc_, b.left, b.top, b.right, b.bottom);
}

void GdiSurface::arc(RectF r, double startDegrees, double spanDegrees) {
    const RECT b{at(r.x), at(r.y), at(r.x + r.w), at(r.y + r.h)};
    if (std::fabs(spanDegrees) >= 360) {
        HGDIOBJ old = SelectObject(dc_, GetStockObject(NULL_BRUSH));
        Ellipse(dc_, b.left, b.top, b.right, b.bottom);
        SelectObject(dc_, old);
        return;
    }
    if (spanDegrees == 0) return;
    // Angles count counter-clockwise from three o'clock; y grows downwards on the screen.
    const double cx = (r.x + r.w / 2) * scale_;
    const double cy = (r.y + r.h / 2) * scale_;
    const double rx = r.w / 2 * scale_;
    const double ry = r.h / 2 * scale_;
    const auto pointAt = [&](double degrees) {
        const double a = degrees * kPi / 180;
        return POINT{static_cast<LONG>(std::lround(cx + std::cos(a) * rx)),
                     static_cast<LONG>(std::lround(cy - std::sin(a) * ry))};
    };
    const POINT from = pointAt(startDegrees);
    const POINT to = pointAt(startDegrees + spanDegrees);
    SetArcDirection(dc_, spanDegrees > 0 ? AD_COUNTERCLOCKWISE : AD_CLOCKWISE);
    Arc(dc_, b.left, b.top, b.right, b.bottom, from.x, from.y, to.x, to.y);
    SetArcDirection(dc_, AD_COUNTERCLOCKWISE);
}

void GdiSurface::text(RectF r, std::string_view text, const Font& font, Colour colour,
                      TextAlign align) {
    LOGFONTA lf{};
    // A drawing's points are those of a 96-dot screen, like its pixels.
    const double pixels =
        font.pixels > 0 ? font.pixels : (font.points > 0 ? font.points : 8) * 96.0 / 72;
    lf.lfHeight = -std::max(1, static_cast<int>(std::lround(pixels * scale_)));
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.italic;
    lf.lfUnderline = font.underline;
    lf.lfCharSet = DEFAULT_CHARSET;
    // Smoothed glyphs would blend into the transparent colour; the picture is smoothed as a whole
    // when it is scaled down.
    lf.lfQuality = NONANTIALIASED_QUALITY;
    std::strncpy(lf.lfFaceName, font.face && *font.face ? font.face : "Arial", LF_FACESIZE - 1);
    HFONT made = CreateFontIndirectA(&lf);
    HGDIOBJ old = SelectObject(dc_, made);
    RECT b{at(r.x), at(r.y), at(r.x + r.w), at(r.y + r.h)};
    const std::string shown(text);
    const int length = static_cast<int>(shown.size());
    // A line wider than its box would run over what lies beside it (a system without the face
    // gives a wider one in its place): the font shrinks until the line fits.
    SIZE extent{};
    while (lf.lfHeight < -1 && GetTextExtentPoint32A(dc_, shown.c_str(), length, &extent) &&
           extent.cx > b.right - b.left) {
        ++lf.lfHeight;
        HFONT smaller = CreateFontIndirectA(&lf);
        SelectObject(dc_, smaller);
        DeleteObject(made);
        made = smaller;
    }
    SetTextColor(dc_, colorRef(colour));
    SetBkMode(dc_, TRANSPARENT);
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP;
    format |= align == TextAlign::Centre  ? DT_CENTER
              : align == TextAlign::Right ? DT_RIGHT
                                          : DT_LEFT;
    DrawTextA(dc_, shown.c_str(), length, &b, format);
    SelectObject(dc_, old);
    DeleteObject(made);
}

}  // namespace plevo::ui::win32
