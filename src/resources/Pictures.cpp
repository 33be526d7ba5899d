#include "resources/Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace plevo::pictures {
namespace {

constexpr int kSize = 66;  // drawn at twice the shown size, scaled down smoothly

QPixmap canvas() {
    QPixmap pm(kSize, kSize);
    pm.fill(Qt::transparent);
    return pm;
}

void gear(QPainter& p, bool shaded) {
    const QPointF c(kSize / 2.0, kSize / 2.0);
    QPainterPath path;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const double a0 = i * M_PI / teeth;
        const double a1 = (i + 1) * M_PI / teeth;
        const double r = (i % 2 == 0) ? 30 : 23;
        const QPointF p0 = c + QPointF(r * qCos(a0), r * qSin(a0));
        const QPointF p1 = c + QPointF(r * qCos(a1), r * qSin(a1));
        if (i == 0)
            path.moveTo(p0);
        else
            path.lineTo(p0);
        path.lineTo(p1);
    }
    path.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, 9, 9);
    if (shaded) {
        QRadialGradient g(c, 30);
        g.setColorAt(0, QColor(0xe0, 0xe0, 0xe0));
        g.setColorAt(1, QColor(0x60, 0x60, 0x70));
        p.setBrush(g);
        p.setPen(QPen(QColor(0x30, 0x30, 0x30), 2));
        p.drawPath(path.subtracted(hole));
    } else {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x20, 0x40, 0x90), 3));
        p.drawPath(path);
        p.drawEllipse(c, 9, 9);
    }
}

void book(QPainter& p, int frame) {
    p.setPen(QPen(QColor(0x50, 0x30, 0x10), 2));
    p.setBrush(QColor(0x8b, 0x45, 0x13));
    p.drawRoundedRect(QRectF(4, 18, 58, 40), 4, 4);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 14, 24, 40));
    p.drawRect(QRectF(34, 14, 24, 40));
    p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1.5));
    for (int y = 22; y < 50; y += 6) {
        p.drawLine(QLineF(12, y, 28, y));
        p.drawLine(QLineF(38, y, 54, y));
    }
    if (frame > 0) {
        // A page on its way from right to left.
        const double t = frame / 5.0;
        const double x = 58 - 48 * t;
        QPainterPath page;
        page.moveTo(33, 14);
        page.quadTo(QPointF((33 + x) / 2, 4), QPointF(x, 12 + 6 * qSin(t * M_PI)));
        page.lineTo(x, 52);
        page.quadTo(QPointF((33 + x) / 2, 46), QPointF(33, 54));
        page.closeSubpath();
        p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1.5));
        p.setBrush(QColor(0xf8, 0xf8, 0xe8));
        p.drawPath(page);
    }
}

void hand(QPainter& p, bool pressed) {
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(0xc0, 0x20, 0x20));
    const double down = pressed ? 4 : 0;
    p.drawRoundedRect(QRectF(14, 44 + down / 2, 38, 14 - down / 2), 4, 4);
    p.setBrush(QColor(0xf1, 0xc2, 0x7d));
    QPainterPath finger;
    finger.addRoundedRect(QRectF(28, 6 + down * 2, 10, 34), 5, 5);
    finger.addRoundedRect(QRectF(26, 28 + down * 2, 26, 16), 6, 6);
    p.drawPath(finger.simplified());
}

}  // namespace

QPixmap step(Step kind, int frame) {
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (kind) {
        case Step::OpenBook:
            book(p, frame);
            break;
        case Step::Remove: {
            QFont f = p.font();
            f.setPixelSize(40);
            f.setBold(true);
            p.setFont(f);
            p.setPen(QColor(0x10, 0x50, 0xb0));
            p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("@"));
            p.setPen(QPen(QColor(0xd0, 0x10, 0x10), 5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(10, 56, 56, 10);
            break;
        }
        case Step::Edit:
            p.translate(33, 33);
            p.rotate(-45);
            p.setPen(QPen(Qt::black, 2));
            p.setBrush(QColor(0xf5, 0xc5, 0x18));
            p.drawRect(QRectF(-24, -7, 38, 14));
            p.setBrush(QColor(0xe8, 0x9a, 0x9a));
            p.drawRect(QRectF(-30, -7, 6, 14));
            p.setBrush(QColor(0xf0, 0xd8, 0xb0));
            p.drawPolygon(QPolygonF({QPointF(14, -7), QPointF(28, 0), QPointF(14, 7)}));
            break;
        case Step::Delete:
            p.setPen(QPen(Qt::black, 2));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(6, 6, 30, 40));
            p.drawRect(QRectF(28, 20, 30, 40));
            p.setPen(QPen(QColor(0xd0, 0x10, 0x10), 5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(32, 26, 54, 54);
            p.drawLine(54, 26, 32, 54);
            break;
        case Step::Sort: {
            p.setPen(QPen(QColor(0x20, 0x60, 0x20), 5, Qt::SolidLine, Qt::RoundCap));
            for (int i = 0; i < 4; ++i) p.drawLine(QLineF(8, 12 + i * 14, 18 + i * 9, 12 + i * 14));
            p.setPen(QPen(QColor(0x10, 0x50, 0xb0), 4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(52, 8, 52, 56);
            p.drawLine(44, 46, 52, 56);
            p.drawLine(60, 46, 52, 56);
            break;
        }
        case Step::Save:
            p.setPen(QPen(Qt::black, 2));
            p.setBrush(QColor(0x20, 0x40, 0x90));
            p.drawRoundedRect(QRectF(6, 6, 54, 54), 4, 4);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(14, 6, 36, 20));
            p.setBrush(QColor(0xc0, 0xc0, 0xc0));
            p.drawRect(QRectF(16, 38, 34, 22));
            break;
        case Step::GearOutline:
            gear(p, false);
            break;
        case Step::GearShaded:
            gear(p, true);
            break;
        case Step::HandUp:
            hand(p, false);
            break;
        case Step::HandDown:
            hand(p, true);
            break;
        case Step::OpenFolder:
            p.setPen(QPen(QColor(0x80, 0x60, 0x00), 2));
            p.setBrush(QColor(0xf0, 0xc0, 0x40));
            p.drawRect(QRectF(6, 16, 54, 40));
            p.setBrush(QColor(0xff, 0xd8, 0x60));
            p.drawPolygon(
                QPolygonF({QPointF(6, 56), QPointF(16, 28), QPointF(64, 28), QPointF(54, 56)}));
            break;
        case Step::Help: {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x10, 0x50, 0xb0));
            p.drawEllipse(QRectF(4, 4, 58, 58));
            QFont f = p.font();
            f.setPixelSize(44);
            f.setBold(true);
            p.setFont(f);
            p.setPen(Qt::white);
            p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("?"));
            break;
        }
        case Step::Close:
            p.setPen(QPen(Qt::black, 2));
            p.setBrush(QColor(0x99, 0x66, 0x33));
            p.drawRect(QRectF(10, 6, 32, 54));
            p.setPen(QPen(QColor(0xd0, 0x10, 0x10), 5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(30, 33, 60, 33);
            p.drawLine(50, 23, 60, 33);
            p.drawLine(50, 43, 60, 33);
            break;
        case Step::Clear:
            p.translate(33, 33);
            p.rotate(-30);
            p.setPen(QPen(Qt::black, 2));
            p.setBrush(QColor(0xf0, 0x90, 0xb0));
            p.drawRoundedRect(QRectF(-26, -12, 30, 24), 3, 3);
            p.setBrush(QColor(0x40, 0x70, 0xd0));
            p.drawRoundedRect(QRectF(4, -12, 22, 24), 3, 3);
            break;
    }
    p.end();
    return pm.scaled(33, 33, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QPixmap banner(int width, int height) {
    QPixmap pm(width, height);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, width, height);
    sky.setColorAt(0, QColor(0x10, 0x20, 0x60));
    sky.setColorAt(1, QColor(0x00, 0x00, 0x00));
    p.fillRect(pm.rect(), sky);
    // Envelopes on their way, the last one stopped by a bar.
    for (int i = 0; i < 5; ++i) {
        const QRectF env(width - 260 + i * 44, 30 + (i % 2) * 14, 34, 22);
        p.setPen(QPen(QColor(0xc0, 0xc0, 0xc0), 1.5));
        p.setBrush(QColor(0xf0, 0xf0, 0xf0, 60 + i * 40));
        p.drawRect(env);
        p.drawLine(env.topLeft(), env.center());
        p.drawLine(env.topRight(), env.center());
    }
    p.setPen(QPen(QColor(0xd0, 0x10, 0x10), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(width - 26, 16, width - 26, height - 16);
    p.end();
    return pm;
}

namespace {

void dialogFrame(QPainter& p, const QRect& r, const QString& title) {
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.setBrush(QColor(0xd4, 0xd0, 0xc8));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    QLinearGradient bar(r.topLeft(), r.topRight());
    bar.setColorAt(0, QColor(0x0a, 0x24, 0x6a));
    bar.setColorAt(1, QColor(0xa6, 0xca, 0xf0));
    p.fillRect(QRect(r.left() + 2, r.top() + 2, r.width() - 4, 16), bar);
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(r.left() + 6, r.top() + 2, r.width() - 12, 16), Qt::AlignVCenter, title);
    f.setBold(false);
    p.setFont(f);
}

void button(QPainter& p, const QRect& r, const QString& text) {
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.setBrush(QColor(0xd4, 0xd0, 0xc8));
    p.drawRect(r);
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignCenter, text);
}

}  // namespace

QPixmap runBox(int width, int height) {
    QPixmap pm(width, height);
    pm.fill(Qt::white);
    QPainter p(&pm);
    dialogFrame(p, pm.rect(), QStringLiteral("Run"));
    p.setPen(Qt::black);
    p.drawText(QRect(8, 22, width - 16, 28), Qt::TextWordWrap,
               QStringLiteral("Type the name of a program, and it will be opened for you."));
    p.drawText(QRect(8, 54, 40, 16), Qt::AlignVCenter, QStringLiteral("Open:"));
    p.setBrush(Qt::white);
    p.drawRect(QRect(48, 54, width - 58, 16));
    p.drawText(QRect(52, 54, width - 62, 16), Qt::AlignVCenter, QStringLiteral("regedit"));
    button(p, QRect(width - 120, height - 22, 50, 16), QStringLiteral("OK"));
    button(p, QRect(width - 64, height - 22, 56, 16), QStringLiteral("Cancel"));
    return pm;
}

QPixmap exportDialog(int width, int height) {
    QPixmap pm(width, height);
    pm.fill(Qt::white);
    QPainter p(&pm);
    dialogFrame(p, pm.rect(), QStringLiteral("Export Registry File"));
    p.setPen(Qt::black);
    p.drawText(QRect(12, 26, 80, 18), Qt::AlignVCenter, QStringLiteral("Save in:"));
    p.setBrush(Qt::white);
    p.drawRect(QRect(92, 26, width - 200, 18));
    p.drawText(QRect(96, 26, 200, 18), Qt::AlignVCenter, QStringLiteral("My Documents"));
    p.drawRect(QRect(12, 50, width - 24, 120));
    p.drawText(QRect(12, 180, 80, 18), Qt::AlignVCenter, QStringLiteral("File name:"));
    p.drawRect(QRect(92, 180, width - 200, 18));
    p.drawText(QRect(96, 180, 200, 18), Qt::AlignVCenter, QStringLiteral("Registry backup"));
    button(p, QRect(width - 96, 180, 80, 18), QStringLiteral("Save"));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(12, 210, width - 24, height - 220));
    p.drawText(QRect(20, 204, 100, 14), Qt::AlignVCenter, QStringLiteral(" Export range "));
    p.setBrush(Qt::white);
    p.drawEllipse(QRect(24, 228, 10, 10));
    p.setBrush(Qt::black);
    p.drawEllipse(QRect(27, 231, 4, 4));
    p.drawText(QRect(40, 224, 60, 18), Qt::AlignVCenter, QStringLiteral("All"));
    p.setBrush(Qt::white);
    p.drawEllipse(QRect(24, 250, 10, 10));
    p.drawText(QRect(40, 246, 120, 18), Qt::AlignVCenter, QStringLiteral("Selected branch"));
    p.setPen(QPen(QColor(0xd0, 0x10, 0x10), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRect(16, 220, 70, 26));
    return pm;
}

QPixmap markNotDone() {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xd0, 0x10, 0x10), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(3, 3, 13, 13);
    p.drawLine(13, 3, 3, 13);
    return pm;
}

QPixmap markDone() {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x10, 0xa0, 0x10), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(2, 9, 6, 13);
    p.drawLine(6, 13, 14, 3);
    return pm;
}

}  // namespace plevo::pictures
