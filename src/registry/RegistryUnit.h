#pragma once
// The registry window: where an identity's Mail and News lists are opened, handed to the working
// list and written back.

#include <QPushButton>
#include <QWidget>
#include <array>
#include <string>

#include "platform/Controls.h"

namespace plevo {

class PlevoTool;

class TRegistryForm : public QWidget {
    Q_OBJECT
public:
    explicit TRegistryForm(PlevoTool& tool);

    static constexpr int kClientWidth = 672;
    static constexpr int kClientHeight = 476;

    TImage* OpenRegImage;
    TImage* SortRegImage;
    TImage* SaveRegImage;
    QPushButton* Button1;  // "Open Registry"

    // The Mail (News) list was read by the last open.
    bool MailOpened = false;
    bool NewsOpened = false;
    // The Criteria key paths read by pass 0 and pass 1 of the last open.
    std::array<std::string, 2> OpenedListPaths;

    // Shows the window without blocking the main window.
    void showWindow();
    // Puts the three step pictures back to full size.
    void resetStepImages();

private:
    PlevoTool& tool_;
};

}  // namespace plevo
