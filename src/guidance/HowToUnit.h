#pragma once
// The how-to window: how to back up the registry with the system's registry editor first.

#include <QWidget>

namespace plevo {

class PlevoTool;

class THowTo : public QWidget {
    Q_OBJECT
public:
    explicit THowTo(PlevoTool& tool);
    // Shows the window without blocking the main window.
    void showWindow();

private:
    PlevoTool& tool_;
};

}  // namespace plevo
