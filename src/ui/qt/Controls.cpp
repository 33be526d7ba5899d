#include "ui/qt/Controls.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace plevo {

TLabel::TLabel(const QString& name, const QString& caption, QWidget* parent)
    : QLabel(caption, parent) {
    setObjectName(name);
}

void TLabel::click() {
    if (isEnabled()) emit clicked();
}

void TLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void TLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QLabel::mouseReleaseEvent(event);
    event->accept();
    if (rect().contains(event->position().toPoint())) click();
}

TImage::TImage(const QString& name, const QPixmap& picture, QWidget* parent)
    : TLabel(name, QString(), parent) {
    setPixmap(picture);
    setScaledContents(true);
    setCursor(Qt::PointingHandCursor);
    resize(picture.size());
}

TPanel::TPanel(const QString& name, const QString& caption, QWidget* parent)
    : TLabel(name, caption, parent) {
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
}

TCheckBox::TCheckBox(const QString& name, const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent) {
    setObjectName(name);
}

QSize TCheckBox::sizeHint() const {
    return {120, 40};
}

void TCheckBox::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    const QRect box = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    option.rect = QRect(box.left(), 2, box.width(), box.height());
    p.drawPrimitive(QStyle::PE_IndicatorCheckBox, option);
    const int left = box.right() + 6;
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(QRect(left, 0, width() - left, height()), Qt::TextWordWrap | Qt::AlignTop, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = QRect(left - 2, 0, width() - left + 2, height());
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool TCheckBox::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

}  // namespace plevo
