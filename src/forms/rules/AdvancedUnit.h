#pragma once
// The rules window: the mail rules of the chosen identity, as four word lists.

#include <QDialog>

namespace plevo {

class PlevoTool;

class TAdvancedForm : public QDialog {
    Q_OBJECT
public:
    explicit TAdvancedForm(PlevoTool& tool);

private:
    PlevoTool& tool_;
};

}  // namespace plevo
