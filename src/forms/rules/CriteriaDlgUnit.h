#pragma once
// The criteria dialog: which word list a new rule goes into.

#include <QDialog>

namespace plevo {

class PlevoTool;

class TCriteriaDlg : public QDialog {
    Q_OBJECT
public:
    explicit TCriteriaDlg(PlevoTool& tool);

private:
    PlevoTool& tool_;
};

}  // namespace plevo
