// The registry window's controls, layout and small handlers. Open, Sort and Save are in
// RegistrySteps.cpp.
#include "forms/registry/RegistryUnit.h"

#include <QShowEvent>

#include "app/PlevoTool.h"
#include "app/SharedState.h"
#include "ui/qt/Forms.h"
#include "resources/Pictures.h"
#include "forms/workbench/ReplaceCharsUnit.h"

namespace plevo {
namespace {

const QColor kRed(0xff, 0x00, 0x00);
const QColor kLime(0x00, 0xff, 0x00);
const QColor kGrey(0x80, 0x80, 0x80);

TLabel* whiteLabel(const char* name, const QString& text, QRect where, QWidget* parent) {
    auto* l = new TLabel(QString::fromLatin1(name), text, parent);
    l->setGeometry(where);
    setForeground(l, Qt::white);
    return l;
}

}  // namespace

const char* const TRegistryForm::kHelpLines[49] = {
    "",
    " [ *Press the Help button again to close this help page ]",
    "",
    " The Outlook express Blocked Senders Lists are stored in the registry,",
    " When reference is made to the registry, it is to inform you that it is",
    " necessary for the program to access the registry in order to work with ",
    " your Outlook Express.",
    "",
    " Each User that has an Outlook Express account on this ",
    " computer, will have their own Identity. If there is more than ",
    " one user, you will be asked to confirm which Identity you ",
    " want to open.",
    "",
    " In Outlook Express, the Blocked Senders List has two parts, ",
    " Mail and News. ",
    " You can select to block just the Mail that comes from someone, ",
    " or just the News or both (best option).",
    " Note! Outlook Express will only block the Mail (default). ",
    "",
    " Selecting the [o Sort blocked Mail and copy to News]",
    " option below. You can sort the blocked Senders Mail and ",
    " copy this to the blocked Senders News, saving time and ",
    " ensuring that you block all emails from an individual sender ",
    " or the senders domain.",
    "",
    "",
    " How to use:",
    " 1. Select a Registry option.",
    " 2. Select the Open Registry button",
    " 3. Select the Sort button",
    " 4. You will be taken back to the main form to sort the Registry",
    "     entries. When you have made any changes you want to ",
    "     make, select the Save button on the main form and you will",
    "     be brought back to here.",
    " 5. Select the Save registry button below.",
    " 6. Open Outlook Express and make sure the Blocked Senders",
    "     List is working properly and is sorted.",
    "",
    " Note!",
    "      When you open the Registry, backup files for the News and ",
    " Mail Blocked Senders List are created automatically for you, on ",
    " your C Drive.",
    " You can delete these files after making sure Outlook is working ",
    " as you want it. ",
    " You can also open these as text files and save them ",
    " back into your registry. You might need to do this if you had to",
    " reinstall windows or Outlook Express.",
    "",
    "",
};

TRegistryForm::TRegistryForm(PlevoTool& tool) : QWidget(nullptr), tool_(tool) {
    setObjectName(QStringLiteral("RegistryForm"));
    setWindowTitle(QStringLiteral(
        "Registry (The registry contains the Outlook Express Blocked Senders List)"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    fixClientSize(this, kClientWidth, kClientHeight);
    setBackground(this, Qt::black);
    buildTop();
    buildBottom();

    auto plain = [this](void (TRegistryForm::*handler)()) {
        return tool_.operation(this, handler);
    };
    auto step = [this](void (TRegistryForm::*handler)()) { return tool_.step(this, handler); };
    connect(OpenRegImage, &TLabel::clicked, this, step(&TRegistryForm::Button1Click));
    connect(Button1, &QPushButton::clicked, this, step(&TRegistryForm::Button1Click));
    connect(SortRegImage, &TLabel::clicked, this, step(&TRegistryForm::Button2Click));
    connect(Button2, &QPushButton::clicked, this, step(&TRegistryForm::Button2Click));
    connect(SaveRegImage, &TLabel::clicked, this, step(&TRegistryForm::Button3Click));
    connect(Button3, &QPushButton::clicked, this, step(&TRegistryForm::Button3Click));
    for (QRadioButton* r : {RadioBtnMail, RadioBtnNews, RadioBtnBoth})
        connect(r, &QRadioButton::clicked, this, plain(&TRegistryForm::OptionClick));
    connect(Image2, &TLabel::clicked, this, plain(&TRegistryForm::Image2Click));
    connect(ShowMeRegBox, &QCheckBox::clicked, this, plain(&TRegistryForm::ShowMeRegBoxClick));
    connect(CloseImage, &TLabel::clicked, this, plain(&TRegistryForm::CloseImageClick));
    connect(CloseRegBtn, &QPushButton::clicked, this, plain(&TRegistryForm::CloseImageClick));
    connect(ListBox1, &TListBox::clickedInList, this, plain(&TRegistryForm::refreshCounts));
}

void TRegistryForm::buildTop() {
    Panel1 = new TPanel(QStringLiteral("Panel1"), QString(), this);
    Panel1->setGeometry(0, 0, kClientWidth, 105);
    Panel1->setPixmap(pictures::banner(kClientWidth, 105));
    Panel1->setScaledContents(true);
    IdentityLabel = whiteLabel("IdentityLabel", QString(), QRect(16, 14, 640, 22), Panel1);
    QFont big = IdentityLabel->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    IdentityLabel->setFont(big);
    // A key path longer than the panel continues on a second line.
    RegKeyLabel = whiteLabel("RegKeyLabel", QString(), QRect(16, 60, 640, 40), Panel1);
    RegKeyLabel->setWordWrap(true);
    RegKeyLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto group = [this](const char* name, const QString& caption, int x, TListBox*& list,
                        const char* listName) {
        auto* g = new QGroupBox(caption, this);
        g->setObjectName(QString::fromLatin1(name));
        g->setGeometry(x, 110, 324, 246);
        setBackground(g, kRed);
        list = new TListBox(QString::fromLatin1(listName), g);
        list->setGeometry(8, 22, 308, 216);
        setBackground(list, Qt::white);  // only the frame shows the list's state
        return g;
    };
    MailGroupBox = group("MailGroupBox", QStringLiteral("Blocked Senders Mail Registry Entries"), 8,
                         ListBox1, "ListBox1");
    NewsGroupBox = group("NewsGroupBox", QStringLiteral("Blocked Senders News Registry Entries"),
                         340, ListBox2, "ListBox2");
    ListBox1->addItems(
        {QString(), QStringLiteral(" Select the Help [?] button for help with this form")});

    MemoRegHelp = new QPlainTextEdit(this);
    MemoRegHelp->setObjectName(QStringLiteral("MemoRegHelp"));
    MemoRegHelp->setReadOnly(true);
    MemoRegHelp->setLineWrapMode(QPlainTextEdit::NoWrap);
    QStringList help;
    for (const char* line : kHelpLines) help << QString::fromLatin1(line);
    MemoRegHelp->setPlainText(help.join(u'\n'));
    MemoRegHelp->setGeometry(0, 0, kClientWidth, 356);
    MemoRegHelp->hide();
}

void TRegistryForm::buildBottom() {
    using pictures::Step;
    const int size = SharedState::AnimFullSize;
    RegistryGroupBox = new QGroupBox(QStringLiteral("For use with Outlook Express"), this);
    RegistryGroupBox->setObjectName(QStringLiteral("RegistryGroupBox"));
    RegistryGroupBox->setGeometry(8, 360, 656, 110);
    setForeground(RegistryGroupBox, Qt::white);
    QWidget* g = RegistryGroupBox;

    OpenRegImage = new TImage(QStringLiteral("OpenRegImage"), pictures::step(Step::OpenBook), g);
    OpenRegImage->setGeometry(24, 26, size, size);
    Label1 = whiteLabel("Label1", QStringLiteral("Open Outlook"), QRect(4, 64, 82, 18), g);
    SortRegImage = new TImage(QStringLiteral("SortRegImage"), pictures::step(Step::Sort), g);
    SortRegImage->setGeometry(120, 26, size, size);
    SortRegLabel = whiteLabel("SortRegLabel", QString(), QRect(88, 62, 100, 44), g);
    SortRegLabel->setWordWrap(true);
    SortRegLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SortRegLabel->setEnabled(false);
    SaveRegImage = new TImage(QStringLiteral("SaveRegImage"), pictures::step(Step::Save), g);
    SaveRegImage->setGeometry(216, 26, size, size);
    SaveRegImage->setEnabled(false);
    SaveRegLabel =
        whiteLabel("SaveRegLabel", QStringLiteral("Save Registry"), QRect(196, 64, 84, 18), g);
    SaveRegLabel->setEnabled(false);

    OptionsGroupBox = new QGroupBox(QStringLiteral("Registry Options"), g);
    OptionsGroupBox->setObjectName(QStringLiteral("OptionsGroupBox"));
    OptionsGroupBox->setGeometry(284, 10, 234, 94);
    setForeground(OptionsGroupBox, Qt::white);
    auto radio = [this](const char* name, const QString& caption, int y) {
        auto* r = new QRadioButton(caption, OptionsGroupBox);
        r->setObjectName(QString::fromLatin1(name));
        r->setGeometry(6, y, 226, 20);
        setCaptionOnDark(r);
        return r;
    };
    RadioBtnMail = radio("RadioBtnMail", QStringLiteral("Sort blocked Mail Entries"), 20);
    RadioBtnNews = radio("RadioBtnNews", QStringLiteral("Sort Blocked News Entries"), 42);
    RadioBtnBoth = radio("RadioBtnBoth", QStringLiteral("Sort blocked Mail and copy to News"), 64);
    RadioBtnBoth->setChecked(true);

    AdvancedPanel =
        new TPanel(QStringLiteral("AdvancedPanel"), QStringLiteral("Advanced Rules  "), g);
    AdvancedPanel->setGeometry(524, 12, 128, 40);
    AdvancedPanel->setContentsMargins(26, 0, 0, 0);
    AdvancedPanel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setBackground(AdvancedPanel, QColor(0xc0, 0xc0, 0xc0));
    setForeground(AdvancedPanel, kGrey);
    ImageAdvanced = new TImage(QStringLiteral("ImageAdvanced"), pictures::step(Step::GearShaded),
                               AdvancedPanel);
    ImageAdvanced->setGeometry(2, 8, 24, 24);

    Image2 = new TImage(QStringLiteral("Image2"), pictures::step(Step::Help), g);
    Image2->setGeometry(546, 70, 24, 24);
    ShowMeRegBox = new QCheckBox(QStringLiteral("Show Me"), g);
    ShowMeRegBox->setObjectName(QStringLiteral("ShowMeRegBox"));
    ShowMeRegBox->setGeometry(576, 58, 76, 20);
    ShowMeRegBox->setChecked(true);
    setCaptionOnDark(ShowMeRegBox);
    CloseImage = new TImage(QStringLiteral("CloseImage"), pictures::step(Step::Close), g);
    CloseImage->setGeometry(620, 80, 24, 24);

    auto hidden = [this](const char* name, const QString& caption, int x) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(x, kClientHeight + 20, 80, 24);
        return b;
    };
    Button1 = hidden("Button1", QStringLiteral("Open Registry"), 0);
    Button2 = hidden("Button2", QStringLiteral("Sort "), 80);
    Button3 = hidden("Button3", QStringLiteral("Save changes to registry?"), 160);
    Button3->setEnabled(false);
    CloseRegBtn = hidden("CloseRegBtn", QStringLiteral("Close"), 240);
}

void TRegistryForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    tool_.handle([this] { FormShow(); });
}

void TRegistryForm::FormShow() {
    const QString caption = checkedOption()->text();
    Button2->setText(caption);
    SortRegLabel->setText(caption);
    MemoRegHelp->resize((width() / 10) * 6, MemoRegHelp->height());
}

void TRegistryForm::showWindow() {
    if (isHidden()) centreOver(this, &tool_.Replace());
    show();
    raise();
}

void TRegistryForm::resetStepImages() {
    for (TImage* i : {OpenRegImage, SortRegImage, SaveRegImage})
        i->resize(SharedState::AnimFullSize, SharedState::AnimFullSize);
}

QRadioButton* TRegistryForm::checkedOption() const {
    if (RadioBtnMail->isChecked()) return RadioBtnMail;
    if (RadioBtnNews->isChecked()) return RadioBtnNews;
    return RadioBtnBoth;
}

void TRegistryForm::aimPulse(TImage* image) {
    SharedState& s = tool_.state();
    s.AnimImage = image;
    s.AnimSize = image->width();
    tool_.Replace().AnimateBtnTimer->start();
}

void TRegistryForm::markOpened(QGroupBox* group, bool opened) {
    setBackground(group, opened ? kLime : kRed);
}

void TRegistryForm::refreshCounts() {
    RegistryGroupBox->setTitle(QString::number(ListBox1->lineCount()) +
                               QStringLiteral(" Registry entries") + QString(66, u' ') +
                               QString::number(ListBox2->lineCount()) +
                               QStringLiteral(" Registry entries"));
}

void TRegistryForm::OptionClick() {
    tool_.Replace().ResetStepImages();
    aimPulse(OpenRegImage);
    const QString caption = checkedOption()->text();
    Button2->setText(caption);
    SortRegLabel->setText(caption);
    Button1->setFocus();
}

void TRegistryForm::Image2Click() {
    const bool showHelp = MemoRegHelp->isHidden();
    for (QWidget* w : {static_cast<QWidget*>(MailGroupBox), static_cast<QWidget*>(NewsGroupBox),
                       static_cast<QWidget*>(Panel1)})
        w->setVisible(!showHelp);
    MemoRegHelp->setVisible(showHelp);
}

void TRegistryForm::ShowMeRegBoxClick() {
    QCheckBox* main = tool_.Replace().ShowMeCheckBox;
    if (main->isChecked() != ShowMeRegBox->isChecked()) main->setChecked(ShowMeRegBox->isChecked());
}

void TRegistryForm::CloseImageClick() {
    hide();
}

}  // namespace plevo
