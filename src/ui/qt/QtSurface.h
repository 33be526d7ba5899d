#pragma once
// The Surface on a QPainter, and the rendering of a Drawing into a picture.

#include <QPainter>
#include <QPixmap>

#include "ui/Surface.h"

namespace plevo::ui::qt {

// The font a control or a drawing asks for, resolved over the application's font.
QFont toQFont(const Font& font);
QColor toQColor(Colour colour);

class QtSurface : public Surface {
public:
    explicit QtSurface(QPainter& painter);

    void pen(Colour colour, double width) override;
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
              TextAlign align) override;

private:
    // Draws a filled shape: a clearing fill punches its pixels out before the outline is drawn.
    template <class Draw>
    void shape(Draw draw);

    QPainter& p_;
    bool clearing_ = false;
};

// The drawing at its own size: painted at twice that size and scaled down smoothly, which
// smooths its edges as the system's own icons are.
QPixmap render(const Drawing& drawing);

}  // namespace plevo::ui::qt
