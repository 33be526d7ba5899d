// What a user sees of every window: no caption is cut by its control, and the controls of the
// registry window's bottom group do not overlap. Checked after an open of the sample registry,
// when the captions that change (counts, the chosen option, the key path) are filled in.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "support/RegistryFixture.h"

namespace plevo::test {
namespace {

class WindowLayout : public RegistryFixture {};

// The captions that do not fit their controls, as "window/control: needed > given".
QStringList cutCaptions(QWidget* window) {
    QStringList cut;
    const QRect client = window->rect();
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) continue;
        // The push buttons below the client area hold the focus; the user never sees them.
        if (!client.intersects(QRect(w->mapTo(window, QPoint(0, 0)), w->size()))) continue;
        QSize needed;
        if (auto* b = qobject_cast<QAbstractButton*>(w);
            b && (qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w)))
            needed = b->sizeHint();
        else if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().trimmed().isEmpty()) {
            needed = l->wordWrap() ? QSize(0, l->heightForWidth(l->width())) : l->sizeHint();
            if (!l->wordWrap()) needed.setHeight(l->fontMetrics().height());
        } else if (auto* g = qobject_cast<QGroupBox*>(w); g && !g->title().trimmed().isEmpty())
            needed = QSize(g->fontMetrics().horizontalAdvance(g->title().trimmed()) + 8, 0);
        else
            continue;
        if (needed.width() > w->width() || needed.height() > w->height())
            cut << QStringLiteral("%1/%2: %3x%4 > %5x%6")
                       .arg(window->objectName(), w->objectName())
                       .arg(needed.width())
                       .arg(needed.height())
                       .arg(w->width())
                       .arg(w->height());
    }
    return cut;
}

TEST_F(WindowLayout, NoCaptionIsCutInAnyWindow) {
    openSampleIdentity();
    for (QWidget* window : tool_->windows())
        EXPECT_EQ(cutCaptions(window).join(QStringLiteral("; ")).toStdString(), "");
}

TEST_F(WindowLayout, TheRegistryWindowsBottomControlsDoNotOverlap) {
    openSampleIdentity();
    QList<QWidget*> shown;
    for (QWidget* w : reg_->RegistryGroupBox->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isVisibleTo(reg_)) shown << w;
    // The caption of the panel stays clear of its gear picture.
    const QLabel* advanced = reg_->AdvancedPanel;
    const int captionLeft = advanced->contentsRect().right() + 1 -
                            advanced->fontMetrics().horizontalAdvance(advanced->text());
    EXPECT_GE(captionLeft, reg_->ImageAdvanced->geometry().right() + 1);
    for (qsizetype i = 0; i < shown.size(); ++i)
        for (qsizetype j = i + 1; j < shown.size(); ++j)
            EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
                << qPrintable(QStringLiteral("%1 %2 %3 %4")
                                  .arg(shown[i]->x())
                                  .arg(shown[i]->y())
                                  .arg(shown[i]->width())
                                  .arg(shown[i]->height()))
                << shown[i]->objectName().toStdString() << " and "
                << shown[j]->objectName().toStdString();
}

}  // namespace
}  // namespace plevo::test
