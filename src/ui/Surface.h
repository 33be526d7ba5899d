#pragma once
// Pictures are drawn once, in code, on a Surface: the Qt backend paints them with QPainter, the
// Win32 backend with GDI. A Drawing is a picture's recipe; a backend renders it once per key and
// stretches the result to whatever size the picture control has (the show-me pulse).

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "ui/Types.h"

namespace plevo::ui {

struct PointF {
    double x = 0;
    double y = 0;
};

struct RectF {
    double x = 0;
    double y = 0;
    double w = 0;
    double h = 0;
};

enum class TextAlign { Left, Centre, Right };

class Surface {
public:
    virtual ~Surface() = default;

    // Outlines: a colour and a width in the drawing's pixels; noPen draws no outline.
    virtual void pen(Colour colour, double width = 1) = 0;
    virtual void noPen() = 0;
    // Fills; noBrush leaves shapes hollow. clearBrush fills with "nothing": the pixels become
    // transparent again (the hole of a wheel).
    virtual void brush(Colour colour) = 0;
    virtual void noBrush() = 0;
    virtual void clearBrush() = 0;

    virtual void line(PointF from, PointF to) = 0;
    virtual void polyline(std::span<const PointF> points) = 0;
    virtual void polygon(std::span<const PointF> points) = 0;
    virtual void rectangle(RectF box) = 0;
    virtual void roundRectangle(RectF box, double radius) = 0;
    virtual void ellipse(RectF box) = 0;
    // An arc of the ellipse in `box`, counter-clockwise from `startDegrees` (0 = three o'clock),
    // outline only.
    virtual void arc(RectF box, double startDegrees, double spanDegrees) = 0;
    // One line of text in `box`, vertically centred.
    virtual void text(RectF box, std::string_view text, const Font& font, Colour colour,
                      TextAlign align = TextAlign::Left) = 0;
};

struct Drawing {
    // Names the picture for the backends' caches: the same key, the same picture.
    std::string key;
    int width = 0;
    int height = 0;
    std::function<void(Surface&)> paint;
    bool empty() const { return !paint; }
};

}  // namespace plevo::ui
