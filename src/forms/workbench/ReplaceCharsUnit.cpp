// The main window's controls and how they are laid out and wired. The step handlers are in
// ReplaceSteps.cpp.
#include "forms/workbench/ReplaceCharsUnit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QShowEvent>

#include "app/PlevoTool.h"
#include "ui/qt/Forms.h"
#include "resources/Pictures.h"

namespace plevo {
namespace {

const QColor kLightRed(0xff, 0xb4, 0xb4);
const QColor kLightGreen(0xb4, 0xff, 0xb4);
const QColor kAqua(0x00, 0xff, 0xff);

QPushButton* hiddenButton(const QString& name, const QString& caption, int x, QWidget* parent) {
    // The push buttons lie below the client area: the user works with the pictures and labels,
    // the buttons take the keyboard focus between steps and are what programmatic clicks press.
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(x, TReplace::kClientHeight + 20, 60, 24);
    return b;
}

TLabel* label(const QString& name, const QString& caption, QRect where, QWidget* parent,
              bool wrap = false) {
    auto* l = new TLabel(name, caption, parent);
    l->setGeometry(where);
    l->setWordWrap(wrap);
    if (wrap) l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

TImage* image(const QString& name, const QPixmap& picture, QPoint at, QWidget* parent,
              int size = SharedState::AnimFullSize) {
    auto* i = new TImage(name, picture, parent);
    i->setGeometry(at.x(), at.y(), size, size);
    return i;
}

TPanel* bigNumber(const QString& name, const QString& caption, QRect where, QWidget* parent) {
    auto* p = new TPanel(name, caption, parent);
    p->setGeometry(where);
    QFont f = p->font();
    f.setPixelSize(64);
    f.setBold(true);
    p->setFont(f);
    setForeground(p, Qt::red);
    p->hide();
    return p;
}

}  // namespace

TReplace::TReplace(PlevoTool& tool) : QWidget(nullptr), tool_(tool) {
    setObjectName(QStringLiteral("Replace"));
    setWindowTitle(QStringLiteral("Outlook Express - Blocked Senders List"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    fixClientSize(this, kClientWidth, kClientHeight);

    auto timer = [this](const char* name, int intervalMs) {
        auto* t = new QTimer(this);
        t->setObjectName(QString::fromLatin1(name));
        t->setInterval(intervalMs);
        return t;
    };
    AnimateBtnTimer = timer("AnimateBtnTimer", 20);
    Timer1 = timer("Timer1", 500);
    Timer2 = timer("Timer2", 1000);
    Timer3 = timer("Timer3", 500);
    Timer4 = timer("Timer4", 400);

    buildLists();
    buildSteps();
    buildBottom();
    connectHandlers();
    // The guidance animations run from the start until the user begins.
    Timer2->start();
    Timer3->start();
    Timer4->start();
    qApp->installEventFilter(this);
    centreOnScreen(this);
}

TReplace::~TReplace() {
    qApp->removeEventFilter(this);
}

void TReplace::buildLists() {
    BlockPanel = new TPanel(QStringLiteral("BlockPanel"),
                            QStringLiteral("Block All Emails and Domain names in this list"), this);
    BlockPanel->setGeometry(8, 4, 436, 26);
    setBackground(BlockPanel, kLightRed);
    DoNotBlockPanel =
        new TPanel(QStringLiteral("DoNotBlockPanel"),
                   QStringLiteral("Do Not block any emails from these Domains"), this);
    DoNotBlockPanel->setGeometry(452, 4, 300, 26);
    setBackground(DoNotBlockPanel, kLightGreen);

    TextPanel = new QWidget(this);
    TextPanel->setObjectName(QStringLiteral("TextPanel"));
    TextPanel->setGeometry(8, 32, 436, 297);
    Memo1 = new TMemo(QStringLiteral("Memo1"), TextPanel);
    Memo1->setGeometry(0, 0, 436, 244);
    Memo1->setPlainText(
        QStringLiteral("How to use this program\n"
                       "\n"
                       "Outlook Express blocks every sender whose address is in its\n"
                       "Blocked Senders List, and every sender of a domain when the\n"
                       "list holds the bare domain name (for example spam.example).\n"
                       "\n"
                       "1. Open Text File, or 7. Registry to read the list from Outlook Express.\n"
                       "2. Remove the email names, so that whole domains are blocked.\n"
                       "3. Edit long domain names down to the domain that sends the mail.\n"
                       "4. Delete duplicate entries and addresses that a domain covers.\n"
                       "5. Sort alphabetically.\n"
                       "6. Save the text file, or save the list back into the registry.\n"
                       "\n"
                       "Domains in the safe list on the right are never blocked.\n"
                       "Press F1 for more help."));
    Label2 = label(QStringLiteral("Label2"), QStringLiteral("Number of text entry lines ="),
                   QRect(4, 250, 190, 18), TextPanel);
    Label1 =
        label(QStringLiteral("Label1"), QStringLiteral("0"), QRect(196, 250, 100, 18), TextPanel);
    Label7 = label(QStringLiteral("Label7"),
                   QStringLiteral("Click here to search for an email or domain"),
                   QRect(4, 272, 330, 18), TextPanel);
    setForeground(Label7, Qt::blue);
    Label7->setEnabled(false);
    Panel10 = bigNumber(QStringLiteral("Panel10"), QStringLiteral("1"), QRect(168, 80, 100, 90),
                        TextPanel);

    DomainPanel = new QWidget(this);
    DomainPanel->setObjectName(QStringLiteral("DomainPanel"));
    DomainPanel->setGeometry(452, 32, 300, 297);
    DomainsGroupBox =
        new QGroupBox(QStringLiteral("Safe Domain Names (Not to be blocked)"), DomainPanel);
    DomainsGroupBox->setObjectName(QStringLiteral("DomainsGroupBox"));
    DomainsGroupBox->setGeometry(0, 0, 300, 297);
    Memo2 = new TMemo(QStringLiteral("Memo2"), DomainsGroupBox);
    Memo2->setGeometry(8, 20, 284, 160);
    Memo2->setPlainText(
        QStringLiteral("Safe domains are never blocked.\n"
                       "List here the domains of the large\n"
                       "free mail services and of anyone\n"
                       "who must always reach you,\n"
                       "one domain per line, as in:\n"
                       "mail.example\n"
                       "Open Outlook Safe Domain list to load\n"
                       "your Outlook Safe Domains.txt file."));
    Label5 = label(QStringLiteral("Label5"), QStringLiteral("Number of Domain names listed ="),
                   QRect(8, 184, 210, 18), DomainsGroupBox);
    Label6 = label(QStringLiteral("Label6"), QStringLiteral("0"), QRect(222, 184, 70, 18),
                   DomainsGroupBox);
    Label8 =
        label(QStringLiteral("Label8"), QStringLiteral("Click here to search for a  domain name"),
              QRect(8, 204, 284, 18), DomainsGroupBox);
    setForeground(Label8, Qt::blue);
    Label8->setEnabled(false);
    Label3 = label(QStringLiteral("Label3"), QStringLiteral(" Domain File"), QRect(8, 228, 76, 18),
                   DomainsGroupBox);
    Edit1 = new QLineEdit(QStringLiteral("Outlook Safe Domains.txt"), DomainsGroupBox);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(86, 226, 206, 22);
    Edit1->setToolTip(QStringLiteral("Leave this blank to Open or Save a new file"));
    OpenOutlookImage =
        image(QStringLiteral("OpenOutlookImage"), pictures::step(pictures::Step::OpenFolder),
              QPoint(8, 250), DomainsGroupBox, 24);
    Label17 = label(QStringLiteral("Label17"), QStringLiteral("Open Outlook Safe Domain list"),
                    QRect(36, 253, 250, 18), DomainsGroupBox);
    SaveOutlookImage =
        image(QStringLiteral("SaveOutlookImage"), pictures::step(pictures::Step::Save),
              QPoint(8, 272), DomainsGroupBox, 24);
    SaveOutlookImage->setEnabled(false);
    Label18 = label(QStringLiteral("Label18"), QStringLiteral("Save"), QRect(36, 275, 60, 18),
                    DomainsGroupBox);
    Image2 = image(QStringLiteral("Image2"), pictures::step(pictures::Step::Help), QPoint(270, 272),
                   DomainsGroupBox, 20);
    Panel11 = bigNumber(QStringLiteral("Panel11"), QStringLiteral("2"), QRect(100, 60, 100, 90),
                        DomainsGroupBox);

    HelpPanel = new QWidget(this);
    HelpPanel->setObjectName(QStringLiteral("HelpPanel"));
    HelpPanel->setGeometry(0, 0, kClientWidth, 329);
    setBackground(HelpPanel, Qt::black);
    MemoMainHelp = new QPlainTextEdit(HelpPanel);
    MemoMainHelp->setObjectName(QStringLiteral("MemoMainHelp"));
    MemoMainHelp->setReadOnly(true);
    MemoMainHelp->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoMainHelp->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoMainHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoMainHelp->setGeometry(0, 0, kClientWidth, 329);
    setBackground(MemoMainHelp, Qt::white);  // the black panel's colour is not the text's
    setForeground(MemoMainHelp, Qt::black);
    QStringList help;
    for (const char* line : kMainHelpLines) help << QString::fromLatin1(line);
    MemoMainHelp->setPlainText(help.join(u'\n'));
    HelpPanel->hide();
}

void TReplace::buildSteps() {
    using pictures::Step;
    // Two rows of four steps: a picture, its caption beside it, and the step mark.
    const int colX[4] = {8, 195, 382, 569};
    const int rowY[2] = {336, 384};
    auto cell = [&](int stepNumber) {
        const int k = stepNumber - 1;
        return QPoint(colX[k % 4], rowY[k / 4]);
    };
    auto marks = [&](const QString& base, int stepNumber, TImage*& no, TImage*& yes) {
        const QPoint at = cell(stepNumber) + QPoint(166, 2);
        no = image(base + QStringLiteral("No"), pictures::markNotDone(), at, this, 16);
        yes = image(base + QStringLiteral("Yes"), pictures::markDone(), at, this, 16);
        yes->hide();
    };

    Panel3 = new TPanel(QStringLiteral("Panel3"), QString(), this);
    Panel3->setFrameStyle(QFrame::NoFrame);
    Panel3->setGeometry(QRect(cell(1), QSize(183, 44)));
    OpenImage =
        image(QStringLiteral("OpenImage"), pictures::step(Step::OpenBook, 0), {0, 0}, Panel3);
    OpenImage1 =
        image(QStringLiteral("OpenImage1"), pictures::step(Step::OpenBook, 1), {0, 0}, Panel3);
    OpenImage2 =
        image(QStringLiteral("OpenImage2"), pictures::step(Step::OpenBook, 2), {0, 0}, Panel3);
    OpenImage4 =
        image(QStringLiteral("OpenImage4"), pictures::step(Step::OpenBook, 3), {0, 0}, Panel3);
    OpenImage5 =
        image(QStringLiteral("OpenImage5"), pictures::step(Step::OpenBook, 4), {0, 0}, Panel3);
    OpenImage3 =
        image(QStringLiteral("OpenImage3"), pictures::step(Step::OpenBook, 0), {0, 0}, Panel3);
    Label9 = label(QStringLiteral("Label9"), QStringLiteral("1. Open Text File"),
                   QRect(38, 0, 140, 40), Panel3, true);

    RemoveImage = image(QStringLiteral("RemoveImage"), pictures::step(Step::Remove), cell(2), this);
    RemoveImage->setEnabled(false);
    CheckBox2 = new TCheckBox(QStringLiteral("CheckBox2"),
                              QStringLiteral("2. Confirm removal of   email name upto @"), this);
    CheckBox2->setGeometry(QRect(cell(2) + QPoint(38, 0), QSize(128, 44)));
    CheckBox2->setChecked(true);
    CheckBox2->setEnabled(false);
    marks(QStringLiteral("RemoveImage"), 2, RemoveImageNo, RemoveImageYes);

    EditImage = image(QStringLiteral("EditImage"), pictures::step(Step::Edit), cell(3), this);
    Label10 = label(QStringLiteral("Label10"), QStringLiteral("3. Edit Domain Name"),
                    QRect(cell(3) + QPoint(38, 0), QSize(126, 40)), this, true);
    marks(QStringLiteral("EditImage"), 3, EditImageNo, EditImageYes);

    DeleteImage = image(QStringLiteral("DeleteImage"), pictures::step(Step::Delete), cell(4), this);
    Label12 = label(QStringLiteral("Label12"), QStringLiteral("4. Delete duplicate entries"),
                    QRect(cell(4) + QPoint(38, 0), QSize(126, 40)), this, true);
    marks(QStringLiteral("DeleteImage"), 4, DeleteImageNo, DeleteImageYes);

    SortImage = image(QStringLiteral("SortImage"), pictures::step(Step::Sort), cell(5), this);
    Label11 = label(QStringLiteral("Label11"), QStringLiteral("5. Sort alphabetically"),
                    QRect(cell(5) + QPoint(38, 0), QSize(126, 40)), this, true);
    marks(QStringLiteral("SortImage"), 5, SortImageNo, SortImageYes);

    SaveImage = image(QStringLiteral("SaveImage"), pictures::step(Step::Save), cell(6), this);
    Label13 = label(QStringLiteral("Label13"),
                    QStringLiteral("6. Save Text File  or Save   the File to the Registry   "),
                    QRect(cell(6) + QPoint(38, 0), QSize(128, 44)), this, true);
    marks(QStringLiteral("SaveImage"), 6, SaveImageNo, SaveImageYes);

    for (QWidget* w : {static_cast<QWidget*>(EditImage), static_cast<QWidget*>(Label10),
                       static_cast<QWidget*>(DeleteImage), static_cast<QWidget*>(Label12),
                       static_cast<QWidget*>(SortImage), static_cast<QWidget*>(Label11),
                       static_cast<QWidget*>(SaveImage), static_cast<QWidget*>(Label13)})
        w->setEnabled(false);

    Panel2 = new TPanel(QStringLiteral("Panel2"), QString(), this);
    Panel2->setFrameStyle(QFrame::NoFrame);
    Panel2->setGeometry(QRect(cell(7), QSize(183, 44)));
    RegistryImage1 = image(QStringLiteral("RegistryImage1"), pictures::step(Step::GearOutline),
                           {0, 14}, Panel2, 28);
    RegistryImage2 = image(QStringLiteral("RegistryImage2"), pictures::step(Step::GearShaded),
                           {0, 14}, Panel2, 28);
    RegistryImage3 = image(QStringLiteral("RegistryImage3"), pictures::step(Step::GearOutline),
                           {20, 0}, Panel2, 22);
    RegistryImage4 = image(QStringLiteral("RegistryImage4"), pictures::step(Step::GearShaded),
                           {20, 0}, Panel2, 22);
    RegistryImage2->hide();
    RegistryImage3->hide();
    RegistryImage4->hide();
    Label4 = label(QStringLiteral("Label4"), QStringLiteral("7.  Registry"), QRect(46, 0, 130, 40),
                   Panel2, true);

    Panel4 = new TPanel(QStringLiteral("Panel4"), QString(), this);
    Panel4->setFrameStyle(QFrame::NoFrame);
    Panel4->setGeometry(QRect(cell(8), QSize(183, 44)));
    AssistImage1 =
        image(QStringLiteral("AssistImage1"), pictures::step(Step::HandUp), {0, 0}, Panel4);
    AssistImage2 =
        image(QStringLiteral("AssistImage2"), pictures::step(Step::HandDown), {0, 0}, Panel4);
    AssistImage2->hide();
    Label16 = label(QStringLiteral("Label16"), QStringLiteral("   8. Assist me"),
                    QRect(34, 0, 140, 40), Panel4, true);
}

void TReplace::buildBottom() {
    using pictures::Step;
    ClearTextImage = image(QStringLiteral("ClearTextImage"), pictures::step(Step::Clear),
                           QPoint(8, 436), this, 24);
    Label15 = label(QStringLiteral("Label15"), QStringLiteral("Clear List"), QRect(36, 440, 80, 18),
                    this);
    HelpImage =
        image(QStringLiteral("HelpImage"), pictures::step(Step::Help), QPoint(130, 436), this, 24);
    Label19 =
        label(QStringLiteral("Label19"), QStringLiteral("Help"), QRect(158, 440, 50, 18), this);
    HowtoImage = image(QStringLiteral("HowtoImage"), pictures::step(Step::GearOutline),
                       QPoint(220, 436), this, 24);
    Label14 =
        label(QStringLiteral("Label14"), QStringLiteral("Registry"), QRect(248, 440, 70, 18), this);
    ShowMeCheckBox = new QCheckBox(this);
    ShowMeCheckBox->setObjectName(QStringLiteral("ShowMeCheckBox"));
    ShowMeCheckBox->setGeometry(340, 440, 18, 18);
    ShowMeCheckBox->setChecked(true);
    Label20 = label(QStringLiteral("Label20"), QStringLiteral("Show    me"),
                    QRect(360, 440, 80, 18), this);
    CloseImage =
        image(QStringLiteral("CloseImage"), pictures::step(Step::Close), QPoint(719, 432), this);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(8, 476, 660, 20);
    ProgressBar1->setTextVisible(false);
    Panel1 = new TPanel(QStringLiteral("Panel1"), QStringLiteral("0 %"), this);
    Panel1->setGeometry(676, 474, 76, 24);
    setBackground(Panel1, kAqua);

    Button7 = hiddenButton(QStringLiteral("Button7"), QStringLiteral("Open Text File"), 0, this);
    Button1 = hiddenButton(QStringLiteral("Button1"),
                           QStringLiteral("Remove email name upto and including @"), 60, this);
    Button8 =
        hiddenButton(QStringLiteral("Button8"), QStringLiteral("Edit.. Domain Names"), 120, this);
    Button5 =
        hiddenButton(QStringLiteral("Button5"), QStringLiteral("Del Duplicate Names"), 180, this);
    Button6 =
        hiddenButton(QStringLiteral("Button6"), QStringLiteral("Sort Alphabetically"), 240, this);
    Button2 = hiddenButton(QStringLiteral("Button2"), QStringLiteral("Save Changes"), 300, this);
    Button9 = hiddenButton(QStringLiteral("Button9"), QStringLiteral("Clear Text File"), 360, this);
    Button10 = hiddenButton(QStringLiteral("Button10"), QStringLiteral("Registry"), 420, this);
    Button3 =
        hiddenButton(QStringLiteral("Button3"), QStringLiteral("Open Outlook File"), 480, this);
    Button4 =
        hiddenButton(QStringLiteral("Button4"), QStringLiteral("Save Outlook File"), 540, this);
    Button4->setToolTip(QStringLiteral("Sort and Save this list"));
    BitBtn2 = hiddenButton(QStringLiteral("BitBtn2"), QStringLiteral("How to use Registry Editor "),
                           600, this);
    for (QPushButton* b : {Button1, Button8, Button5, Button6, Button2, Button9, Button4})
        b->setEnabled(false);
}

void TReplace::connectHandlers() {
    auto step = [this](void (TReplace::*handler)()) { return tool_.step(this, handler); };
    auto plain = [this](void (TReplace::*handler)()) { return tool_.operation(this, handler); };

    for (QObject* source : {static_cast<QObject*>(Panel3), static_cast<QObject*>(OpenImage),
                            static_cast<QObject*>(OpenImage1), static_cast<QObject*>(OpenImage2),
                            static_cast<QObject*>(OpenImage3), static_cast<QObject*>(OpenImage4),
                            static_cast<QObject*>(OpenImage5), static_cast<QObject*>(Label9)})
        connect(static_cast<TLabel*>(source), &TLabel::clicked, this,
                step(&TReplace::Button7Click));
    connect(Button7, &QPushButton::clicked, this, step(&TReplace::Button7Click));

    connect(RemoveImage, &TLabel::clicked, this, step(&TReplace::Button1Click));
    connect(Button1, &QPushButton::clicked, this, step(&TReplace::Button1Click));
    connect(EditImage, &TLabel::clicked, this, step(&TReplace::Button8Click));
    connect(Button8, &QPushButton::clicked, this, step(&TReplace::Button8Click));
    connect(DeleteImage, &TLabel::clicked, this, step(&TReplace::Button5Click));
    connect(Button5, &QPushButton::clicked, this, step(&TReplace::Button5Click));
    connect(CheckBox2, &QCheckBox::clicked, this, plain(&TReplace::CheckBox2Click));
    connect(Label7, &TLabel::clicked, this, step(&TReplace::Label7Click));
    connect(Label8, &TLabel::clicked, this, step(&TReplace::Label8Click));
    connect(Timer1, &QTimer::timeout, this, plain(&TReplace::Timer1Timer));
    connect(SortImage, &TLabel::clicked, this, step(&TReplace::Button6Click));
    connect(Button6, &QPushButton::clicked, this, step(&TReplace::Button6Click));
    connect(SaveImage, &TLabel::clicked, this, step(&TReplace::Button2Click));
    connect(Button2, &QPushButton::clicked, this, step(&TReplace::Button2Click));
    connect(ClearTextImage, &TLabel::clicked, this, step(&TReplace::Button9Click));
    connect(Button9, &QPushButton::clicked, this, step(&TReplace::Button9Click));
    for (TLabel* source :
         {static_cast<TLabel*>(Panel2), static_cast<TLabel*>(RegistryImage1),
          static_cast<TLabel*>(RegistryImage2), static_cast<TLabel*>(RegistryImage3),
          static_cast<TLabel*>(RegistryImage4), Label4})
        connect(source, &TLabel::clicked, this, step(&TReplace::Button10Click));
    connect(Button10, &QPushButton::clicked, this, step(&TReplace::Button10Click));
    for (TLabel* source : {static_cast<TLabel*>(Panel4), static_cast<TLabel*>(AssistImage1),
                           static_cast<TLabel*>(AssistImage2), Label16})
        connect(source, &TLabel::clicked, this, step(&TReplace::Panel4Click));
    connect(OpenOutlookImage, &TLabel::clicked, this, step(&TReplace::Button3Click));
    connect(Button3, &QPushButton::clicked, this, step(&TReplace::Button3Click));
    connect(SaveOutlookImage, &TLabel::clicked, this, step(&TReplace::Button4Click));
    connect(Button4, &QPushButton::clicked, this, step(&TReplace::Button4Click));
    connect(HowtoImage, &TLabel::clicked, this, plain(&TReplace::BitBtn2Click));
    connect(BitBtn2, &QPushButton::clicked, this, plain(&TReplace::BitBtn2Click));
    connect(Image2, &TLabel::clicked, this, plain(&TReplace::Image2Click));
    connect(HelpImage, &TLabel::clicked, this, plain(&TReplace::HelpImageClick));
    connect(CloseImage, &TLabel::clicked, this, plain(&TReplace::CloseImageClick));

    connect(Memo1, &QPlainTextEdit::textChanged, this, plain(&TReplace::Memo1Change));
    connect(Memo2, &QPlainTextEdit::textChanged, this, [this] { ++safeListRevision_; });
    connect(Memo2, &QPlainTextEdit::textChanged, this, plain(&TReplace::Memo2Change));
    connect(Memo2, &TMemo::clicked, this, plain(&TReplace::Memo2Change));
    connect(AnimateBtnTimer, &QTimer::timeout, this, plain(&TReplace::AnimateBtnTimerTimer));
    connect(ShowMeCheckBox, &QCheckBox::toggled, this, plain(&TReplace::ShowMeCheckBoxClick));
    connect(Timer2, &QTimer::timeout, this, plain(&TReplace::Timer2Timer));
    connect(Timer3, &QTimer::timeout, this, plain(&TReplace::Timer3Timer));
    connect(Timer4, &QTimer::timeout, this, plain(&TReplace::Timer4Timer));
}

void TReplace::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_) return;
    shown_ = true;
    // Greet once the window is on the screen, so that the message stands over it.
    QTimer::singleShot(0, this, [this] { tool_.handle([this] { FormShow(); }); });
}

void TReplace::closeEvent(QCloseEvent* event) {
    // A walk over a list ends first: closing under it would leave it asking for a gone window.
    if (tool_.pump().walking()) {
        event->ignore();
        return;
    }
    tool_.handle([this] { FormClose(); });
    event->accept();
}

bool TReplace::eventFilter(QObject* watched, QEvent* event) {
    // Key presses reach the window before the focused control: F1 toggles the help panel
    // wherever the focus is.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this) {
        tool_.handle([this] { HelpImageClick(); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace plevo
