#include "ui/qt/QtSurface.h"

#include <QApplication>
#include <QPolygonF>
#include <vector>

#include "ui/qt/Text.h"

namespace plevo::ui::qt {
namespace {

QRectF toQRect(RectF r) {
    return {r.x, r.y, r.w, r.h};
}

QPolygonF toQPolygon(std::span<const PointF> points) {
    QPolygonF out;
    out.reserve(static_cast<qsizetype>(points.size()));
    for (const PointF& p : points) out << QPointF(p.x, p.y);
    return out;
}

}  // namespace

QFont toQFont(const Font& font) {
    // Only what the font names is set: the rest comes from the form's (or the application's) font.
    QFont f;
    if (*font.face) f.setFamily(QString::fromLatin1(font.face));
    if (font.pixels > 0)
        f.setPixelSize(font.pixels);
    else if (font.points > 0)
        f.setPointSize(font.points);
    if (font.bold) f.setBold(true);
    if (font.italic) f.setItalic(true);
    if (font.underline) f.setUnderline(true);
    return f;
}

QColor toQColor(Colour colour) {
    return {colour.r, colour.g, colour.b};
}

QtSurface::QtSurface(QPainter& painter) : p_(painter) {
    p_.setPen(Qt::NoPen);
    p_.setBrush(Qt::NoBrush);
}

void QtSurface::pen(Colour colour, double width) {
    // Round ends and joins, as the system's wide pens draw them.
    p_.setPen(QPen(toQColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void QtSurface::noPen() {
    p_.setPen(Qt::NoPen);
}

void QtSurface::brush(Colour colour) {
    clearing_ = false;
    p_.setBrush(toQColor(colour));
}

void QtSurface::noBrush() {
    clearing_ = false;
    p_.setBrush(Qt::NoBrush);
}

void QtSurface::clearBrush() {
    clearing_ = true;
    p_.setBrush(Qt::NoBrush);
}

template <class Draw>
void QtSurface::shape(Draw draw) {
    if (clearing_) {
        p_.save();
        p_.setCompositionMode(QPainter::CompositionMode_Clear);
        p_.setPen(Qt::NoPen);
        p_.setBrush(Qt::black);
        draw();
        p_.restore();
        if (p_.pen().style() == Qt::NoPen) return;
    }
    draw();
}

void QtSurface::line(PointF from, PointF to) {
    p_.drawLine(QPointF(from.x, from.y), QPointF(to.x, to.y));
}

void QtSurface::polyline(std::span<const PointF> points) {
    p_.drawPolyline(toQPolygon(points));
}

void QtSurface::polygon(std::span<const PointF> points) {
    const QPolygonF polygon = toQPolygon(points);
    shape([&] { p_.drawPolygon(polygon); });
}

void QtSurface::rectangle(RectF box) {
    shape([&] { p_.drawRect(toQRect(box)); });
}

void QtSurface::roundRectangle(RectF box, double radius) {
    shape([&] { p_.drawRoundedRect(toQRect(box), radius, radius); });
}

void QtSurface::ellipse(RectF box) {
    shape([&] { p_.drawEllipse(toQRect(box)); });
}

void QtSurface::arc(RectF box, double startDegrees, double spanDegrees) {
    p_.drawArc(toQRect(box), static_cast<int>(startDegrees * 16),
               static_cast<int>(spanDegrees * 16));
}

void QtSurface::text(RectF box, std::string_view text, const Font& font, Colour colour,
                     TextAlign align) {
    p_.save();
    p_.setFont(toQFont(font).resolve(QApplication::font()));
    p_.setPen(toQColor(colour));
    const Qt::Alignment h = align == TextAlign::Centre  ? Qt::AlignHCenter
                            : align == TextAlign::Right ? Qt::AlignRight
                                                        : Qt::AlignLeft;
    p_.drawText(toQRect(box), static_cast<int>(h | Qt::AlignVCenter | Qt::TextSingleLine),
                toQString(text));
    p_.restore();
}

QPixmap render(const Drawing& drawing) {
    if (drawing.empty() || drawing.width <= 0 || drawing.height <= 0) return {};
    QImage big(drawing.width * 2, drawing.height * 2, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(2, 2);
        QtSurface surface(p);
        drawing.paint(surface);
    }
    return QPixmap::fromImage(
        big.scaled(drawing.width, drawing.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

}  // namespace plevo::ui::qt
