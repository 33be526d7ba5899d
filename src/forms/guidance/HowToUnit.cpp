#include "forms/guidance/HowToUnit.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include "app/PlevoTool.h"
#include "ui/qt/Forms.h"
#include "resources/Pictures.h"
#include "forms/workbench/ReplaceCharsUnit.h"

namespace plevo {

THowTo::THowTo(PlevoTool& tool) : QWidget(nullptr), tool_(tool) {
    setObjectName(QStringLiteral("HowTo"));
    setWindowTitle(QStringLiteral("How to use Regedit.exe"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint);
    fixClientSize(this, 633, 489);

    Scroller = new QScrollArea(this);
    Scroller->setObjectName(QStringLiteral("Scroller"));
    Scroller->setGeometry(0, 0, 633, 489);
    Scroller->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Without a frame the page keeps its 617 pixels, the width of GroupBox2, beside the bar.
    Scroller->setFrameShape(QFrame::NoFrame);
    auto* page = new QWidget;
    page->setFixedSize(617, 144 + 489);  // room to scroll the second step to the top
    setBackground(page, QColor(0xf0, 0xf0, 0xf0));

    GroupBox1 = new QGroupBox(
        QStringLiteral("1. Open Regedit from the Start button - selct Run and type in Regedit  "),
        page);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(4, 4, 353, 113);
    fitCaption(GroupBox1, GroupBox1->title().trimmed(), 353 - 8);
    setBackground(GroupBox1, Qt::white);
    Image1 = new TImage(QStringLiteral("Image1"), pictures::runBox(175, 98), GroupBox1);
    Image1->setGeometry(8, 14, 175, 98);  // below the caption

    Label2 = new QLabel(QStringLiteral("You can use the Esc key to exit."), page);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(372, 40, 220, 24);
    Label2->setAlignment(Qt::AlignCenter);
    setBackground(Label2, Qt::yellow);

    GroupBox2 = new QGroupBox(
        QStringLiteral(
            "2. From Regedit select File\\Export, and check the All option at the bottom. "
            "Save the Registry. (Use Import to return the registry)"),
        page);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(0, 144, 617, 305);
    fitCaption(GroupBox2, GroupBox2->title(), 617 - 8);
    setBackground(GroupBox2, Qt::white);
    Image2 = new TImage(QStringLiteral("Image2"), pictures::exportDialog(613, 288), GroupBox2);
    Image2->setGeometry(2, 16, 613, 288);
    Scroller->setWidget(page);

    GroupBox1->installEventFilter(this);
    connect(Image1, &TLabel::clicked, this, tool_.operation(this, &THowTo::GroupBox1Click));
}

void THowTo::showWindow() {
    if (isHidden()) centreOver(this, &tool_.Replace());
    show();
    raise();
    activateWindow();
    FormActivate();
}

void THowTo::FormActivate() {
    Scroller->verticalScrollBar()->setValue(0);
}

void THowTo::GroupBox1Click() {
    Scroller->verticalScrollBar()->setValue(GroupBox2->y());
}

bool THowTo::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) tool_.handle([this] { FormActivate(); });
    return QWidget::event(event);
}

void THowTo::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool THowTo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == GroupBox1 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        tool_.handle([this] { GroupBox1Click(); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace plevo
