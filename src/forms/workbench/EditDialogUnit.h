#pragma once
// The "Edit Domain Name" dialog: proposes an entry without its first label and lets the user take
// the proposal, edit it, add it to the safe list, skip the entry or stop the walk.

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace plevo {

class PlevoTool;

class TOKBottomDlg : public QDialog {
    Q_OBJECT
public:
    explicit TOKBottomDlg(PlevoTool& tool);

    QLabel* Label2;
    QLineEdit* EditDomain;
    QLabel* Label3;
    QLineEdit* EditDomainExt;
    QCheckBox* DlgCheckBox;
    QLabel* Label4;
    QPushButton* OKBtn;
    QPushButton* IgnoreButton;
    QPushButton* CancelBtn;

    void FormShow();
    void DlgCheckBoxClick();
    void OKBtnClick();
    void IgnoreButtonClick();
    void CancelBtnClick();

    // The result of "&Do not update" (OK and Cancel use Accepted and Rejected).
    static constexpr int kSkipped = 2;

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;  // Esc

private:
    PlevoTool& tool_;
};

}  // namespace plevo
