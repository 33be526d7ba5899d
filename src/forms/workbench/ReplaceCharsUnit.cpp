// The main window's table of controls, and how its handlers are bound. The step handlers are in
// ReplaceSteps.cpp, ListSteps.cpp and SearchSteps.cpp.
#include "forms/workbench/ReplaceCharsUnit.h"

#include <string>
#include <vector>

#include "app/PlevoTool.h"
#include "resources/Pictures.h"
#include "ui/Toolkit.h"

namespace plevo {
namespace {

using pictures::Step;
using ui::ControlSpec;
using ui::Kind;

constexpr ui::Colour kLightRed{0xff, 0xb4, 0xb4};
constexpr ui::Colour kLightGreen{0xb4, 0xff, 0xb4};
// The big red numbers that show which list a question is about, in a red dark enough to stand
// out from the window's grey.
constexpr ui::Font kBigNumber{.pixels = 64, .bold = true};
constexpr ui::Colour kBigNumberRed{0xa0, 0, 0};
constexpr int kFull = ShowMePulse::kFullSize;

const char* const kMemo1Text =
    "How to use this program\n"
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
    "Press F1 for more help.";

const char* const kMemo2Text =
    "Safe domains are never blocked.\n"
    "List here the domains of the large\n"
    "free mail services and of anyone\n"
    "who must always reach you,\n"
    "one domain per line, as in:\n"
    "mail.example\n"
    "Open Outlook Safe Domain list to load\n"
    "your Outlook Safe Domains.txt file.";

std::string mainHelpText() {
    std::string text;
    for (std::size_t i = 0; i < std::size(TReplace::kMainHelpLines); ++i) {
        if (i > 0) text += '\n';
        text += TReplace::kMainHelpLines[i];
    }
    return text;
}

// The push buttons lie below the client area: the user works with the pictures and labels, the
// buttons take the keyboard focus between steps and are what programmatic clicks press.
ControlSpec hiddenButton(const char* name, std::string caption, int x, unsigned flags = 0,
                         std::string hint = {}) {
    return {.kind = Kind::Button,
            .name = name,
            .at = {x, TReplace::kClientHeight + 20, 60, 24},
            .caption = std::move(caption),
            .hint = std::move(hint),
            .flags = flags};
}

ControlSpec picture(const char* name, const char* parent, ui::Rect at, ui::Drawing drawing,
                    unsigned flags = 0) {
    return {.kind = Kind::Picture,
            .name = name,
            .parent = parent,
            .at = at,
            .flags = flags,
            .drawing = std::move(drawing)};
}

ControlSpec label(const char* name, const char* parent, ui::Rect at, std::string caption,
                  unsigned flags = 0) {
    return {.kind = Kind::Label,
            .name = name,
            .parent = parent,
            .at = at,
            .caption = std::move(caption),
            .flags = flags};
}

ControlSpec bigNumber(const char* name, const char* parent, ui::Rect at, std::string caption) {
    return {.kind = Kind::Panel,
            .name = name,
            .parent = parent,
            .at = at,
            .caption = std::move(caption),
            .fontColour = kBigNumberRed,
            .font = kBigNumber,
            .flags = ui::kHidden};
}

// A step's marks beside its caption: the red cross until the step has run, then the green tick.
void marks(std::vector<ControlSpec>& table, const char* no, const char* yes, ui::Point at) {
    table.push_back(picture(no, "", {at.x, at.y, 16, 16}, pictures::markNotDone()));
    table.push_back(picture(yes, "", {at.x, at.y, 16, 16}, pictures::markDone(), ui::kHidden));
}

ui::FormSpec replaceForm() {
    return {.name = "Replace",
            .caption = "Outlook Express - Blocked Senders List",
            .client = {TReplace::kClientWidth, TReplace::kClientHeight},
            .style = ui::FormStyle::Window,
            .place = ui::FormPlace::ScreenCentre};
}

std::vector<ControlSpec> replaceControls() {
    using ui::kDisabled;
    using ui::kHidden;
    using ui::kNoBorder;
    using ui::kWordWrap;
    std::vector<ControlSpec> t;
    t.reserve(100);

    // ---- the two lists ----
    t.push_back({.kind = Kind::Panel,
                 .name = "BlockPanel",
                 .at = {8, 4, 436, 26},
                 .caption = "Block All Emails and Domain names in this list",
                 .colour = kLightRed});
    t.push_back({.kind = Kind::Panel,
                 .name = "DoNotBlockPanel",
                 .at = {452, 4, 300, 26},
                 .caption = "Do Not block any emails from these Domains",
                 .colour = kLightGreen});

    t.push_back(
        {.kind = Kind::Panel, .name = "TextPanel", .at = {8, 32, 436, 297}, .flags = kNoBorder});
    t.push_back({.kind = Kind::Memo,
                 .name = "Memo1",
                 .parent = "TextPanel",
                 .at = {0, 0, 436, 244},
                 .caption = kMemo1Text,
                 .flags = ui::kVScroll | ui::kHScroll});
    t.push_back(label("Label2", "TextPanel", {4, 250, 190, 18}, "Number of text entry lines ="));
    t.push_back(label("Label1", "TextPanel", {196, 250, 100, 18}, "0"));
    ControlSpec label7 = label("Label7", "TextPanel", {4, 272, 330, 18},
                               "Click here to search for an email or domain", kDisabled);
    label7.fontColour = ui::colours::kBlue;
    t.push_back(std::move(label7));
    t.push_back(bigNumber("Panel10", "TextPanel", {168, 80, 100, 90}, "1"));

    t.push_back({.kind = Kind::Panel,
                 .name = "DomainPanel",
                 .at = {452, 32, 300, 297},
                 .flags = kNoBorder});
    t.push_back({.kind = Kind::GroupBox,
                 .name = "DomainsGroupBox",
                 .parent = "DomainPanel",
                 .at = {0, 0, 300, 297},
                 .caption = "Safe Domain Names (Not to be blocked)"});
    const char* group = "DomainsGroupBox";
    t.push_back({.kind = Kind::Memo,
                 .name = "Memo2",
                 .parent = group,
                 .at = {8, 20, 284, 160},
                 .caption = kMemo2Text,
                 .flags = ui::kVScroll | ui::kHScroll});
    t.push_back(label("Label5", group, {8, 184, 210, 18}, "Number of Domain names listed ="));
    t.push_back(label("Label6", group, {222, 184, 70, 18}, "0"));
    ControlSpec label8 = label("Label8", group, {8, 204, 284, 18},
                               "Click here to search for a  domain name", kDisabled);
    label8.fontColour = ui::colours::kBlue;
    t.push_back(std::move(label8));
    t.push_back(label("Label3", group, {8, 228, 76, 18}, " Domain File"));
    t.push_back({.kind = Kind::Edit,
                 .name = "Edit1",
                 .parent = group,
                 .at = {86, 226, 206, 22},
                 .caption = "Outlook Safe Domains.txt",
                 .hint = "Leave this blank to Open or Save a new file"});
    t.push_back(
        picture("OpenOutlookImage", group, {8, 250, 24, 24}, pictures::step(Step::OpenFolder)));
    t.push_back(label("Label17", group, {36, 253, 250, 18}, "Open Outlook Safe Domain list"));
    t.push_back(picture("SaveOutlookImage", group, {8, 272, 24, 24}, pictures::step(Step::Save),
                        kDisabled));
    t.push_back(label("Label18", group, {36, 275, 60, 18}, "Save"));
    t.push_back(picture("Image2", group, {270, 272, 20, 20}, pictures::step(Step::Help)));
    t.push_back(bigNumber("Panel11", group, {100, 60, 100, 90}, "2"));

    // The help panel lies over both lists while F1 or "Help" shows it.
    t.push_back({.kind = Kind::Panel,
                 .name = "HelpPanel",
                 .at = {0, 0, TReplace::kClientWidth, 329},
                 .colour = ui::colours::kBlack,
                 .flags = kNoBorder | kHidden});
    t.push_back({.kind = Kind::Memo,
                 .name = "MemoMainHelp",
                 .parent = "HelpPanel",
                 .at = {0, 0, TReplace::kClientWidth, 329},
                 .caption = mainHelpText(),
                 // The black panel's colour is not the text's.
                 .colour = ui::colours::kWhite,
                 .fontColour = ui::colours::kBlack,
                 .flags = ui::kReadOnly | ui::kVScroll | ui::kHScroll});

    // ---- the steps: two rows of four, a picture, its caption beside it and the step's marks ----
    t.push_back(
        {.kind = Kind::Panel, .name = "Panel3", .at = {8, 336, 183, 44}, .flags = kNoBorder});
    // Step 1's frames: the book opens and turns its pages.
    t.push_back(
        picture("OpenImage", "Panel3", {0, 0, kFull, kFull}, pictures::step(Step::OpenBook, 0)));
    t.push_back(
        picture("OpenImage1", "Panel3", {0, 0, kFull, kFull}, pictures::step(Step::OpenBook, 1)));
    t.push_back(
        picture("OpenImage2", "Panel3", {0, 0, kFull, kFull}, pictures::step(Step::OpenBook, 2)));
    t.push_back(
        picture("OpenImage4", "Panel3", {0, 0, kFull, kFull}, pictures::step(Step::OpenBook, 3)));
    t.push_back(
        picture("OpenImage5", "Panel3", {0, 0, kFull, kFull}, pictures::step(Step::OpenBook, 4)));
    t.push_back(
        picture("OpenImage3", "Panel3", {0, 0, kFull, kFull}, pictures::step(Step::OpenBook, 0)));
    t.push_back(label("Label9", "Panel3", {38, 0, 140, 40}, "1. Open Text File", kWordWrap));

    t.push_back(picture("RemoveImage", "", {195, 336, kFull, kFull}, pictures::step(Step::Remove),
                        kDisabled));
    t.push_back({.kind = Kind::CheckBox,
                 .name = "CheckBox2",
                 .at = {233, 336, 128, 44},
                 .caption = "2. Confirm removal of   email name upto @",
                 .flags = ui::kChecked | kDisabled | kWordWrap});
    marks(t, "RemoveImageNo", "RemoveImageYes", {361, 338});

    t.push_back(
        picture("EditImage", "", {382, 336, kFull, kFull}, pictures::step(Step::Edit), kDisabled));
    t.push_back(
        label("Label10", "", {420, 336, 126, 40}, "3. Edit Domain Name", kWordWrap | kDisabled));
    marks(t, "EditImageNo", "EditImageYes", {548, 338});

    t.push_back(picture("DeleteImage", "", {569, 336, kFull, kFull}, pictures::step(Step::Delete),
                        kDisabled));
    t.push_back(label("Label12", "", {607, 336, 126, 40}, "4. Delete duplicate entries",
                      kWordWrap | kDisabled));
    marks(t, "DeleteImageNo", "DeleteImageYes", {735, 338});

    t.push_back(
        picture("SortImage", "", {8, 384, kFull, kFull}, pictures::step(Step::Sort), kDisabled));
    t.push_back(
        label("Label11", "", {46, 384, 126, 40}, "5. Sort alphabetically", kWordWrap | kDisabled));
    marks(t, "SortImageNo", "SortImageYes", {174, 386});

    t.push_back(
        picture("SaveImage", "", {195, 384, kFull, kFull}, pictures::step(Step::Save), kDisabled));
    t.push_back(label("Label13", "", {233, 384, 128, 44},
                      "6. Save Text File  or Save   the File to the Registry   ",
                      kWordWrap | kDisabled));
    marks(t, "SaveImageNo", "SaveImageYes", {361, 386});

    // Step 7's gears blink, two at a time.
    t.push_back(
        {.kind = Kind::Panel, .name = "Panel2", .at = {382, 384, 183, 44}, .flags = kNoBorder});
    t.push_back(
        picture("RegistryImage1", "Panel2", {0, 14, 28, 28}, pictures::step(Step::GearOutline)));
    t.push_back(picture("RegistryImage2", "Panel2", {0, 14, 28, 28},
                        pictures::step(Step::GearShaded), kHidden));
    t.push_back(picture("RegistryImage3", "Panel2", {20, 0, 22, 22},
                        pictures::step(Step::GearOutline), kHidden));
    t.push_back(picture("RegistryImage4", "Panel2", {20, 0, 22, 22},
                        pictures::step(Step::GearShaded), kHidden));
    t.push_back(label("Label4", "Panel2", {46, 0, 130, 40}, "7.  Registry", kWordWrap));

    // Step 8's hand presses its button.
    t.push_back(
        {.kind = Kind::Panel, .name = "Panel4", .at = {569, 384, 183, 44}, .flags = kNoBorder});
    t.push_back(
        picture("AssistImage1", "Panel4", {0, 0, kFull, kFull}, pictures::step(Step::HandUp)));
    t.push_back(picture("AssistImage2", "Panel4", {0, 0, kFull, kFull},
                        pictures::step(Step::HandDown), kHidden));
    t.push_back(label("Label16", "Panel4", {34, 0, 140, 40}, "   8. Assist me", kWordWrap));

    // ---- the bottom row ----
    t.push_back(picture("ClearTextImage", "", {8, 436, 24, 24}, pictures::step(Step::Clear)));
    t.push_back(label("Label15", "", {36, 440, 80, 18}, "Clear List"));
    t.push_back(picture("HelpImage", "", {130, 436, 24, 24}, pictures::step(Step::Help)));
    t.push_back(label("Label19", "", {158, 440, 50, 18}, "Help"));
    t.push_back(picture("HowtoImage", "", {220, 436, 24, 24}, pictures::step(Step::GearOutline)));
    t.push_back(label("Label14", "", {248, 440, 70, 18}, "Registry"));
    t.push_back({.kind = Kind::CheckBox,
                 .name = "ShowMeCheckBox",
                 .at = {340, 440, 18, 18},
                 .flags = ui::kChecked});
    t.push_back(label("Label20", "", {360, 440, 80, 18}, "Show    me"));
    t.push_back(picture("CloseImage", "", {719, 432, kFull, kFull}, pictures::step(Step::Close)));

    t.push_back({.kind = Kind::ProgressBar, .name = "ProgressBar1", .at = {8, 476, 660, 20}});
    t.push_back({.kind = Kind::Panel,
                 .name = "Panel1",
                 .at = {676, 474, 76, 24},
                 .caption = "0 %",
                 .colour = ui::colours::kAqua});

    t.push_back(hiddenButton("Button7", "Open Text File", 0));
    t.push_back(hiddenButton("Button1", "Remove email name upto and including @", 60, kDisabled));
    t.push_back(hiddenButton("Button8", "Edit.. Domain Names", 120, kDisabled));
    t.push_back(hiddenButton("Button5", "Del Duplicate Names", 180, kDisabled));
    t.push_back(hiddenButton("Button6", "Sort Alphabetically", 240, kDisabled));
    t.push_back(hiddenButton("Button2", "Save Changes", 300, kDisabled));
    t.push_back(hiddenButton("Button9", "Clear Text File", 360, kDisabled));
    t.push_back(hiddenButton("Button10", "Registry", 420));
    t.push_back(hiddenButton("Button3", "Open Outlook File", 480));
    t.push_back(
        hiddenButton("Button4", "Save Outlook File", 540, kDisabled, "Sort and Save this list"));
    t.push_back(hiddenButton("BitBtn2", "How to use Registry Editor ", 600));
    return t;
}

}  // namespace

TReplace::TReplace(PlevoTool& tool) : tool_(tool) {
    const std::vector<ControlSpec> table = replaceControls();
    form_ = tool_.toolkit().createForm(replaceForm(), table);
    AnimateBtnTimer = &form_->addTimer("AnimateBtnTimer", ShowMePulse::kIntervalMs);
    Timer1 = &form_->addTimer("Timer1", 500);
    Timer2 = &form_->addTimer("Timer2", 1000);
    Timer3 = &form_->addTimer("Timer3", 500);
    Timer4 = &form_->addTimer("Timer4", 400);
    greeting_ = &form_->addTimer("GreetingTimer", 0);
    findControls();
    pulse_ = std::make_unique<ShowMePulse>(*AnimateBtnTimer,
                                           [this] { return ShowMeCheckBox->checked(); });
    bindHandlers();
    // The guidance animations run from the start until the user begins.
    Timer2->start();
    Timer3->start();
    Timer4->start();
}

TReplace::~TReplace() = default;

void TReplace::findControls() {
    ui::Form& f = *form_;
    BlockPanel = &f.get<ui::Panel>("BlockPanel");
    DoNotBlockPanel = &f.get<ui::Panel>("DoNotBlockPanel");
    TextPanel = &f.get<ui::Panel>("TextPanel");
    Memo1 = &f.get<ui::Memo>("Memo1");
    Label2 = &f.get<ui::Label>("Label2");
    Label1 = &f.get<ui::Label>("Label1");
    Label7 = &f.get<ui::Label>("Label7");
    Panel10 = &f.get<ui::Panel>("Panel10");
    DomainPanel = &f.get<ui::Panel>("DomainPanel");
    DomainsGroupBox = &f.get<ui::GroupBox>("DomainsGroupBox");
    Memo2 = &f.get<ui::Memo>("Memo2");
    Label5 = &f.get<ui::Label>("Label5");
    Label6 = &f.get<ui::Label>("Label6");
    Label8 = &f.get<ui::Label>("Label8");
    Panel11 = &f.get<ui::Panel>("Panel11");
    Label3 = &f.get<ui::Label>("Label3");
    Edit1 = &f.get<ui::Edit>("Edit1");
    OpenOutlookImage = &f.get<ui::Picture>("OpenOutlookImage");
    Label17 = &f.get<ui::Label>("Label17");
    SaveOutlookImage = &f.get<ui::Picture>("SaveOutlookImage");
    Label18 = &f.get<ui::Label>("Label18");
    Image2 = &f.get<ui::Picture>("Image2");
    Panel3 = &f.get<ui::Panel>("Panel3");
    OpenImage = &f.get<ui::Picture>("OpenImage");
    OpenImage1 = &f.get<ui::Picture>("OpenImage1");
    OpenImage2 = &f.get<ui::Picture>("OpenImage2");
    OpenImage3 = &f.get<ui::Picture>("OpenImage3");
    OpenImage4 = &f.get<ui::Picture>("OpenImage4");
    OpenImage5 = &f.get<ui::Picture>("OpenImage5");
    Label9 = &f.get<ui::Label>("Label9");
    RemoveImage = &f.get<ui::Picture>("RemoveImage");
    CheckBox2 = &f.get<ui::CheckBox>("CheckBox2");
    EditImage = &f.get<ui::Picture>("EditImage");
    Label10 = &f.get<ui::Label>("Label10");
    DeleteImage = &f.get<ui::Picture>("DeleteImage");
    Label12 = &f.get<ui::Label>("Label12");
    SortImage = &f.get<ui::Picture>("SortImage");
    Label11 = &f.get<ui::Label>("Label11");
    SaveImage = &f.get<ui::Picture>("SaveImage");
    Label13 = &f.get<ui::Label>("Label13");
    Panel2 = &f.get<ui::Panel>("Panel2");
    RegistryImage1 = &f.get<ui::Picture>("RegistryImage1");
    RegistryImage2 = &f.get<ui::Picture>("RegistryImage2");
    RegistryImage3 = &f.get<ui::Picture>("RegistryImage3");
    RegistryImage4 = &f.get<ui::Picture>("RegistryImage4");
    Label4 = &f.get<ui::Label>("Label4");
    Panel4 = &f.get<ui::Panel>("Panel4");
    AssistImage1 = &f.get<ui::Picture>("AssistImage1");
    AssistImage2 = &f.get<ui::Picture>("AssistImage2");
    Label16 = &f.get<ui::Label>("Label16");
    RemoveImageNo = &f.get<ui::Picture>("RemoveImageNo");
    RemoveImageYes = &f.get<ui::Picture>("RemoveImageYes");
    EditImageNo = &f.get<ui::Picture>("EditImageNo");
    EditImageYes = &f.get<ui::Picture>("EditImageYes");
    DeleteImageNo = &f.get<ui::Picture>("DeleteImageNo");
    DeleteImageYes = &f.get<ui::Picture>("DeleteImageYes");
    SortImageNo = &f.get<ui::Picture>("SortImageNo");
    SortImageYes = &f.get<ui::Picture>("SortImageYes");
    SaveImageNo = &f.get<ui::Picture>("SaveImageNo");
    SaveImageYes = &f.get<ui::Picture>("SaveImageYes");
    ClearTextImage = &f.get<ui::Picture>("ClearTextImage");
    Label15 = &f.get<ui::Label>("Label15");
    HelpImage = &f.get<ui::Picture>("HelpImage");
    Label19 = &f.get<ui::Label>("Label19");
    HowtoImage = &f.get<ui::Picture>("HowtoImage");
    Label14 = &f.get<ui::Label>("Label14");
    ShowMeCheckBox = &f.get<ui::CheckBox>("ShowMeCheckBox");
    Label20 = &f.get<ui::Label>("Label20");
    CloseImage = &f.get<ui::Picture>("CloseImage");
    ProgressBar1 = &f.get<ui::ProgressBar>("ProgressBar1");
    Panel1 = &f.get<ui::Panel>("Panel1");
    Button7 = &f.get<ui::Button>("Button7");
    Button1 = &f.get<ui::Button>("Button1");
    Button8 = &f.get<ui::Button>("Button8");
    Button5 = &f.get<ui::Button>("Button5");
    Button6 = &f.get<ui::Button>("Button6");
    Button2 = &f.get<ui::Button>("Button2");
    Button9 = &f.get<ui::Button>("Button9");
    Button10 = &f.get<ui::Button>("Button10");
    Button3 = &f.get<ui::Button>("Button3");
    Button4 = &f.get<ui::Button>("Button4");
    BitBtn2 = &f.get<ui::Button>("BitBtn2");
    HelpPanel = &f.get<ui::Panel>("HelpPanel");
    MemoMainHelp = &f.get<ui::Memo>("MemoMainHelp");
}

void TReplace::bindHandlers() {
    auto step = [this](void (TReplace::*handler)()) { return tool_.step(this, handler); };
    auto plain = [this](void (TReplace::*handler)()) { return tool_.operation(this, handler); };

    // A step runs from its button, its picture or its caption alike.
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{Panel3, OpenImage, OpenImage1, OpenImage2, OpenImage3,
                                             OpenImage4, OpenImage5, Label9, Button7})
        c->onClick = step(&TReplace::Button7Click);
    for (ui::Control* c :
         {static_cast<ui::Control*>(RemoveImage), static_cast<ui::Control*>(Button1)})
        c->onClick = step(&TReplace::Button1Click);
    for (ui::Control* c :
         {static_cast<ui::Control*>(EditImage), static_cast<ui::Control*>(Button8)})
        c->onClick = step(&TReplace::Button8Click);
    for (ui::Control* c :
         {static_cast<ui::Control*>(DeleteImage), static_cast<ui::Control*>(Button5)})
        c->onClick = step(&TReplace::Button5Click);
    CheckBox2->onClick = plain(&TReplace::CheckBox2Click);
    Label7->onClick = step(&TReplace::Label7Click);
    Label8->onClick = step(&TReplace::Label8Click);
    Timer1->onTimer = plain(&TReplace::Timer1Timer);
    for (ui::Control* c :
         {static_cast<ui::Control*>(SortImage), static_cast<ui::Control*>(Button6)})
        c->onClick = step(&TReplace::Button6Click);
    for (ui::Control* c :
         {static_cast<ui::Control*>(SaveImage), static_cast<ui::Control*>(Button2)})
        c->onClick = step(&TReplace::Button2Click);
    for (ui::Control* c :
         {static_cast<ui::Control*>(ClearTextImage), static_cast<ui::Control*>(Button9)})
        c->onClick = step(&TReplace::Button9Click);
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{Panel2, RegistryImage1, RegistryImage2, RegistryImage3,
                                             RegistryImage4, Label4, Button10})
        c->onClick = step(&TReplace::Button10Click);
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{Panel4, AssistImage1, AssistImage2, Label16})
        c->onClick = step(&TReplace::Panel4Click);
    for (ui::Control* c :
         {static_cast<ui::Control*>(OpenOutlookImage), static_cast<ui::Control*>(Button3)})
        c->onClick = step(&TReplace::Button3Click);
    for (ui::Control* c :
         {static_cast<ui::Control*>(SaveOutlookImage), static_cast<ui::Control*>(Button4)})
        c->onClick = step(&TReplace::Button4Click);
    for (ui::Control* c :
         {static_cast<ui::Control*>(HowtoImage), static_cast<ui::Control*>(BitBtn2)})
        c->onClick = plain(&TReplace::BitBtn2Click);
    Image2->onClick = plain(&TReplace::Image2Click);
    HelpImage->onClick = plain(&TReplace::HelpImageClick);
    CloseImage->onClick = plain(&TReplace::CloseImageClick);

    Memo1->onChange = plain(&TReplace::Memo1Change);
    Memo2->onChange = [this, change = plain(&TReplace::Memo2Change)] {
        ++safeListRevision_;
        change();
    };
    Memo2->onClick = plain(&TReplace::Memo2Change);
    AnimateBtnTimer->onTimer = tool_.operation(pulse_.get(), &ShowMePulse::tick);
    ShowMeCheckBox->onClick = plain(&TReplace::ShowMeCheckBoxClick);
    Timer2->onTimer = plain(&TReplace::Timer2Timer);
    Timer3->onTimer = plain(&TReplace::Timer3Timer);
    Timer4->onTimer = plain(&TReplace::Timer4Timer);
    greeting_->onTimer = [this, greet = plain(&TReplace::FormShow)] {
        greeting_->stop();
        greet();
    };

    form_->onShow = [this] { onShown(); };
    // A walk over a list ends first: closing under it would leave it asking for a gone window.
    form_->onCloseQuery = [this] { return !tool_.pump().walking(); };
    form_->onClose = plain(&TReplace::FormClose);
    form_->onKey = [this](const ui::KeyPress& key) { return FormKeyDown(key); };
}

void TReplace::onShown() {
    if (shown_) return;
    shown_ = true;
    // The greeting waits until the window is on the screen and active, so that the message
    // stands over it.
    greeting_->start();
}

bool TReplace::FormKeyDown(const ui::KeyPress& key) {
    // F1 toggles the help panel wherever the focus is, and types nothing.
    if (key.key != ui::kKeyF1) return false;
    tool_.handle([this] { HelpImageClick(); });
    return true;
}

}  // namespace plevo
