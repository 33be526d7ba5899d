#include "forms/workbench/EditDialogUnit.h"

#include <QPalette>

#include "app/PlevoTool.h"
#include "ui/qt/Forms.h"
#include "ui/qt/Text.h"
#include "forms/workbench/ReplaceCharsUnit.h"

namespace plevo {

TOKBottomDlg::TOKBottomDlg(PlevoTool& tool) : QDialog(nullptr), tool_(tool) {
    setObjectName(QStringLiteral("OKBottomDlg"));
    setWindowTitle(QStringLiteral("Edit Domain Name"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    fixClientSize(this, 440, 236);

    auto text = [this](const char* name, const QString& caption, QRect where) {
        auto* l = new QLabel(caption, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(where);
        l->setWordWrap(true);
        return l;
    };
    Label2 = text("Label2",
                  QStringLiteral("Select the [Update] button to automatically remove the "
                                 "highlighted section"),
                  QRect(12, 8, 416, 20));
    EditDomain = new QLineEdit(this);
    EditDomain->setObjectName(QStringLiteral("EditDomain"));
    EditDomain->setGeometry(12, 30, 416, 24);
    // The highlighted first label stays visible while the focus is elsewhere.
    QPalette p = EditDomain->palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight,
               p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               p.color(QPalette::Active, QPalette::HighlightedText));
    EditDomain->setPalette(p);
    Label3 =
        text("Label3",
             QStringLiteral("You can also edit this Domain name, as you want it to be blocked."),
             QRect(12, 62, 416, 20));
    EditDomainExt = new QLineEdit(this);
    EditDomainExt->setObjectName(QStringLiteral("EditDomainExt"));
    EditDomainExt->setGeometry(12, 84, 416, 24);
    DlgCheckBox = new QCheckBox(QStringLiteral("Add if Checked"), this);
    DlgCheckBox->setObjectName(QStringLiteral("DlgCheckBox"));
    DlgCheckBox->setGeometry(12, 118, 200, 22);
    Label4 = text("Label4",
                  QStringLiteral("You can add this domain to your safe domain list, [Not to be "
                                 "blocked]"),
                  QRect(12, 142, 416, 20));

    IgnoreButton = new QPushButton(QStringLiteral("&Do not update"), this);
    IgnoreButton->setObjectName(QStringLiteral("IgnoreButton"));
    IgnoreButton->setGeometry(160, 192, 124, 30);
    OKBtn = new QPushButton(QStringLiteral("&Update"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(24, 192, 124, 30);
    OKBtn->setDefault(true);
    OKBtn->setAutoDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("&Cancel and Close"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(296, 192, 124, 30);

    // "&Do not update" comes first in the tab order.
    setTabOrder(IgnoreButton, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
    setTabOrder(CancelBtn, EditDomain);
    setTabOrder(EditDomain, EditDomainExt);
    setTabOrder(EditDomainExt, DlgCheckBox);

    connect(DlgCheckBox, &QCheckBox::clicked, this,
            tool_.operation(this, &TOKBottomDlg::DlgCheckBoxClick));
    connect(OKBtn, &QPushButton::clicked, this, tool_.operation(this, &TOKBottomDlg::OKBtnClick));
    connect(IgnoreButton, &QPushButton::clicked, this,
            tool_.operation(this, &TOKBottomDlg::IgnoreButtonClick));
    connect(CancelBtn, &QPushButton::clicked, this,
            tool_.operation(this, &TOKBottomDlg::CancelBtnClick));
}

void TOKBottomDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOver(this, &tool_.Replace());
    tool_.handle([this] { FormShow(); });
}

void TOKBottomDlg::FormShow() {
    SharedState& s = tool_.state();
    s.EditSkipped = false;
    s.EditCancelled = false;
    DlgCheckBox->setChecked(false);
    s.EditAddToSafe = false;
    EditDomain->setFocus();
    const auto cut =
        static_cast<int>(s.EditEntry.size()) - static_cast<int>(s.EditDomainPart.size());
    EditDomain->setSelection(0, std::max(cut, 0));
}

void TOKBottomDlg::DlgCheckBoxClick() {
    SharedState& s = tool_.state();
    if (DlgCheckBox->isChecked()) {
        s.EditAddToSafe = true;
        EditDomain->setSelection(0, 0);
        EditDomain->deselect();
    } else {
        s.EditAddToSafe = false;
    }
}

void TOKBottomDlg::OKBtnClick() {
    SharedState& s = tool_.state();
    s.EditEntry = fromQString(EditDomain->text());
    s.EditDomainPart = fromQString(EditDomainExt->text());
    done(QDialog::Accepted);
}

void TOKBottomDlg::IgnoreButtonClick() {
    tool_.state().EditSkipped = true;
    done(kSkipped);
}

void TOKBottomDlg::CancelBtnClick() {
    tool_.state().EditCancelled = true;
    done(QDialog::Rejected);
}

void TOKBottomDlg::reject() {
    tool_.handle([this] { CancelBtnClick(); });
}

}  // namespace plevo
