#pragma once
// The how-to window: how to back up the registry with the system's registry editor before the
// tool changes it, in two pictures.

#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QWidget>

#include "ui/qt/Controls.h"

namespace plevo {

class PlevoTool;

class THowTo : public QWidget {
    Q_OBJECT
public:
    explicit THowTo(PlevoTool& tool);

    QScrollArea* Scroller;
    QGroupBox* GroupBox1;
    TImage* Image1;
    QLabel* Label2;
    QGroupBox* GroupBox2;
    TImage* Image2;

    // Shows the window without blocking the main window.
    void showWindow();
    void FormActivate();    // back to the top
    void GroupBox1Click();  // down to the second step

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;  // clicks on GroupBox1

private:
    PlevoTool& tool_;
};

}  // namespace plevo
