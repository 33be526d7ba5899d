#pragma once
// The Surface on a GDI device context: the pictures' recipes drawn with pens, brushes and fonts.
// The drawing's pixels are multiplied by `scale` (pictures are drawn larger and scaled down
// smoothly); "clear" paints the colour that the picture treats as transparent.

#include "ui/Surface.h"
#include "ui/win32/Win32.h"

namespace plevo::ui::win32 {

class GdiSurface final : public Surface {
public:
    GdiSurface(HDC dc, double scale, COLORREF clear);
    ~GdiSurface() override;
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    void pen(Colour colour, double width = 1) override;
    void noPen() override;
    void brush(Colour colour) override;
    void noBrush() override;
    void clearBrush() override;

    void line(PointF from, PointF to) override;
    void polyline(std::span<const PointF> points) override;
    void polygon(std::span<const PointF> points) override;
    void rectangle(RectF box) override;
    void roundRectangle(RectF box, double radius) override;
    void ellipse(RectF box) override;
    void arc(RectF box, double startDegrees, double spanDegrees) override;
    void text(RectF box, std::string_view text, const Font& font, Colour colour,
              TextAlign align = TextAlign::Left) override;

private:
    int at(double v) const;
    RECT box(const RectF& r) const;
    void usePen(HPEN pen);
    void useBrush(HBRUSH brush);

    HDC dc_;
    double scale_;
    COLORREF clear_;
    HPEN pen_ = nullptr;
    HBRUSH brush_ = nullptr;
    HGDIOBJ oldPen_ = nullptr;
    HGDIOBJ oldBrush_ = nullptr;
    bool hasPen_ = true;
};

}  // namespace plevo::ui::win32
