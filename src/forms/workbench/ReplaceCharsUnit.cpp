// The main window's table of controls with the handlers each runs. The handlers are in the files
// named after the window and what they hold: ReplaceWindow (showing, closing, progress, marks),
// ReplaceFileSteps (1, 5, 6 and Clear List), ReplaceCleanSteps (2 to 4), ReplaceRegistryStep (7),
// ReplaceAssistStep (8), ReplaceSafeList, ReplaceSearch and ReplaceGuidance.
#include "forms/workbench/ReplaceCharsUnit.h"

#include <string>
#include <vector>

#include "forms/tool/Tool.h"
#include "resources/Pictures.h"
#include "ui/FormBuilder.h"

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
void marks(ui::FormBuilder& t, ui::Picture*& no, const char* noName, ui::Picture*& yes,
           const char* yesName, ui::Point at) {
    t.add(no, picture(noName, "", {at.x, at.y, 16, 16}, pictures::markNotDone()));
    t.add(yes, picture(yesName, "", {at.x, at.y, 16, 16}, pictures::markDone(), ui::kHidden));
}

// The blue caption that starts a search of the list above it.
ControlSpec searchLink(const char* name, const char* parent, ui::Rect at, std::string caption) {
    ControlSpec link = label(name, parent, at, std::move(caption), ui::kDisabled);
    link.fontColour = ui::colours::kBlue;
    return link;
}

ui::FormSpec replaceForm() {
    return {.name = "Replace",
            .caption = "Outlook Express - Blocked Senders List",
            .client = {TReplace::kClientWidth, TReplace::kClientHeight},
            .style = ui::FormStyle::Window,
            .place = ui::FormPlace::ScreenCentre};
}

}  // namespace

void TReplace::declareControls(ui::FormBuilder& t) {
    using ui::kDisabled;
    using ui::kHidden;
    using ui::kNoBorder;
    using ui::kWordWrap;
    auto step = [this](void (TReplace::*handler)()) { return tool_.step(this, handler); };
    auto plain = [this](void (TReplace::*handler)()) { return tool_.operation(this, handler); };
    // A step runs from its button, its picture and its caption alike.
    const ui::Handler open = step(&TReplace::Button7Click);
    const ui::Handler registry = step(&TReplace::Button10Click);
    const ui::Handler assist = step(&TReplace::Panel4Click);

    // ---- the two lists ----
    t.add(BlockPanel, {.kind = Kind::Panel,
                       .name = "BlockPanel",
                       .at = {8, 4, 436, 26},
                       .caption = "Block All Emails and Domain names in this list",
                       .colour = kLightRed});
    t.add(DoNotBlockPanel, {.kind = Kind::Panel,
                            .name = "DoNotBlockPanel",
                            .at = {452, 4, 300, 26},
                            .caption = "Do Not block any emails from these Domains",
                            .colour = kLightGreen});

    t.add(TextPanel,
          {.kind = Kind::Panel, .name = "TextPanel", .at = {8, 32, 436, 297}, .flags = kNoBorder});
    t.add(Memo1, {.kind = Kind::Memo,
                  .name = "Memo1",
                  .parent = "TextPanel",
                  .at = {0, 0, 436, 244},
                  .caption = kMemo1Text,
                  .flags = ui::kVScroll | ui::kHScroll})
        .onChange(plain(&TReplace::Memo1Change));
    t.add(Label2, label("Label2", "TextPanel", {4, 250, 190, 18}, "Number of text entry lines ="));
    t.add(Label1, label("Label1", "TextPanel", {196, 250, 100, 18}, "0"));
    t.add(Label7, searchLink("Label7", "TextPanel", {4, 272, 330, 18},
                             "Click here to search for an email or domain"))
        .onClick(step(&TReplace::Label7Click));
    t.add(Panel10, bigNumber("Panel10", "TextPanel", {168, 80, 100, 90}, "1"));

    t.add(DomainPanel, {.kind = Kind::Panel,
                        .name = "DomainPanel",
                        .at = {452, 32, 300, 297},
                        .flags = kNoBorder});
    t.add(DomainsGroupBox, {.kind = Kind::GroupBox,
                            .name = "DomainsGroupBox",
                            .parent = "DomainPanel",
                            .at = {0, 0, 300, 297},
                            .caption = "Safe Domain Names (Not to be blocked)"});
    const char* group = "DomainsGroupBox";
    t.add(Memo2, {.kind = Kind::Memo,
                  .name = "Memo2",
                  .parent = group,
                  .at = {8, 20, 284, 160},
                  .caption = kMemo2Text,
                  .flags = ui::kVScroll | ui::kHScroll})
        .onChange([this, change = plain(&TReplace::Memo2Change)] {
            ++safeListRevision_;
            change();
        })
        .onClick(plain(&TReplace::Memo2Change));
    t.add(label("Label5", group, {8, 184, 210, 18}, "Number of Domain names listed ="));
    t.add(Label6, label("Label6", group, {222, 184, 70, 18}, "0"));
    t.add(Label8,
          searchLink("Label8", group, {8, 204, 284, 18}, "Click here to search for a  domain name"))
        .onClick(step(&TReplace::Label8Click));
    t.add(label("Label3", group, {8, 228, 76, 18}, " Domain File"));
    t.add(Edit1, {.kind = Kind::Edit,
                  .name = "Edit1",
                  .parent = group,
                  .at = {86, 226, 206, 22},
                  .caption = "Outlook Safe Domains.txt",
                  .hint = "Leave this blank to Open or Save a new file"});
    t.add(OpenOutlookImage,
          picture("OpenOutlookImage", group, {8, 250, 24, 24}, pictures::step(Step::OpenFolder)))
        .onClick(step(&TReplace::Button3Click));
    t.add(label("Label17", group, {36, 253, 250, 18}, "Open Outlook Safe Domain list"));
    t.add(SaveOutlookImage, picture("SaveOutlookImage", group, {8, 272, 24, 24},
                                    pictures::step(Step::Save), kDisabled))
        .onClick(step(&TReplace::Button4Click));
    t.add(label("Label18", group, {36, 275, 60, 18}, "Save"));
    t.add(Image2, picture("Image2", group, {270, 272, 20, 20}, pictures::step(Step::Help)))
        .onClick(plain(&TReplace::Image2Click));
    t.add(Panel11, bigNumber("Panel11", group, {100, 60, 100, 90}, "2"));

    // The help panel lies over both lists while F1 or "Help" shows it.
    t.add(HelpPanel, {.kind = Kind::Panel,
                      .name = "HelpPanel",
                      .at = {0, 0, kClientWidth, 329},
                      .colour = ui::colours::kBlack,
                      .flags = kNoBorder | kHidden});
    t.add(MemoMainHelp, {.kind = Kind::Memo,
                         .name = "MemoMainHelp",
                         .parent = "HelpPanel",
                         .at = {0, 0, kClientWidth, 329},
                         .caption = mainHelpText(),
                         // The black panel's colour is not the text's.
                         .colour = ui::colours::kWhite,
                         .fontColour = ui::colours::kBlack,
                         .flags = ui::kReadOnly | ui::kVScroll | ui::kHScroll});

    // ---- the steps: two rows of four, a picture, its caption beside it and the step's marks ----
    t.add(Panel3,
          {.kind = Kind::Panel, .name = "Panel3", .at = {8, 336, 183, 44}, .flags = kNoBorder})
        .onClick(open);
    // Step 1's frames: the book opens and turns its pages.
    t.add(OpenImage,
          picture("OpenImage", "Panel3", {0, 0, kFull, kFull}, pictures::step(Step::OpenBook, 0)))
        .onClick(open);
    t.add(OpenImage1,
          picture("OpenImage1", "Panel3", {0, 0, kFull, kFull}, pictures::step(Step::OpenBook, 1)))
        .onClick(open);
    t.add(OpenImage2,
          picture("OpenImage2", "Panel3", {0, 0, kFull, kFull}, pictures::step(Step::OpenBook, 2)))
        .onClick(open);
    t.add(OpenImage4,
          picture("OpenImage4", "Panel3", {0, 0, kFull, kFull}, pictures::step(Step::OpenBook, 3)))
        .onClick(open);
    t.add(OpenImage5,
          picture("OpenImage5", "Panel3", {0, 0, kFull, kFull}, pictures::step(Step::OpenBook, 4)))
        .onClick(open);
    t.add(OpenImage3,
          picture("OpenImage3", "Panel3", {0, 0, kFull, kFull}, pictures::step(Step::OpenBook, 0)))
        .onClick(open);
    t.add(Label9, label("Label9", "Panel3", {38, 0, 140, 40}, "1. Open Text File", kWordWrap))
        .onClick(open);

    t.add(RemoveImage, picture("RemoveImage", "", {195, 336, kFull, kFull},
                               pictures::step(Step::Remove), kDisabled))
        .onClick(step(&TReplace::Button1Click));
    t.add(CheckBox2, {.kind = Kind::CheckBox,
                      .name = "CheckBox2",
                      .at = {233, 336, 128, 44},
                      .caption = "2. Confirm removal of   email name upto @",
                      .flags = ui::kChecked | kDisabled | kWordWrap})
        .onClick(plain(&TReplace::CheckBox2Click));
    marks(t, RemoveImageNo, "RemoveImageNo", RemoveImageYes, "RemoveImageYes", {361, 338});

    t.add(EditImage,
          picture("EditImage", "", {382, 336, kFull, kFull}, pictures::step(Step::Edit), kDisabled))
        .onClick(step(&TReplace::Button8Click));
    t.add(Label10,
          label("Label10", "", {420, 336, 126, 40}, "3. Edit Domain Name", kWordWrap | kDisabled));
    marks(t, EditImageNo, "EditImageNo", EditImageYes, "EditImageYes", {548, 338});

    t.add(DeleteImage, picture("DeleteImage", "", {569, 336, kFull, kFull},
                               pictures::step(Step::Delete), kDisabled))
        .onClick(step(&TReplace::Button5Click));
    t.add(Label12, label("Label12", "", {607, 336, 126, 40}, "4. Delete duplicate entries",
                         kWordWrap | kDisabled));
    marks(t, DeleteImageNo, "DeleteImageNo", DeleteImageYes, "DeleteImageYes", {735, 338});

    t.add(SortImage,
          picture("SortImage", "", {8, 384, kFull, kFull}, pictures::step(Step::Sort), kDisabled))
        .onClick(step(&TReplace::Button6Click));
    t.add(Label11, label("Label11", "", {46, 384, 126, 40}, "5. Sort alphabetically",
                         kWordWrap | kDisabled));
    marks(t, SortImageNo, "SortImageNo", SortImageYes, "SortImageYes", {174, 386});

    t.add(SaveImage,
          picture("SaveImage", "", {195, 384, kFull, kFull}, pictures::step(Step::Save), kDisabled))
        .onClick(step(&TReplace::Button2Click));
    t.add(Label13,
          label("Label13", "", {233, 384, 128, 44},
                "6. Save Text File  or Save   the File to the Registry   ", kWordWrap | kDisabled));
    marks(t, SaveImageNo, "SaveImageNo", SaveImageYes, "SaveImageYes", {361, 386});

    // Step 7's gears blink, two at a time.
    t.add(Panel2,
          {.kind = Kind::Panel, .name = "Panel2", .at = {382, 384, 183, 44}, .flags = kNoBorder})
        .onClick(registry);
    t.add(RegistryImage1,
          picture("RegistryImage1", "Panel2", {0, 14, 28, 28}, pictures::step(Step::GearOutline)))
        .onClick(registry);
    t.add(RegistryImage2, picture("RegistryImage2", "Panel2", {0, 14, 28, 28},
                                  pictures::step(Step::GearShaded), kHidden))
        .onClick(registry);
    t.add(RegistryImage3, picture("RegistryImage3", "Panel2", {20, 0, 22, 22},
                                  pictures::step(Step::GearOutline), kHidden))
        .onClick(registry);
    t.add(RegistryImage4, picture("RegistryImage4", "Panel2", {20, 0, 22, 22},
                                  pictures::step(Step::GearShaded), kHidden))
        .onClick(registry);
    t.add(Label4, label("Label4", "Panel2", {46, 0, 130, 40}, "7.  Registry", kWordWrap))
        .onClick(registry);

    // Step 8's hand presses its button.
    t.add(Panel4,
          {.kind = Kind::Panel, .name = "Panel4", .at = {569, 384, 183, 44}, .flags = kNoBorder})
        .onClick(assist);
    t.add(AssistImage1,
          picture("AssistImage1", "Panel4", {0, 0, kFull, kFull}, pictures::step(Step::HandUp)))
        .onClick(assist);
    t.add(AssistImage2, picture("AssistImage2", "Panel4", {0, 0, kFull, kFull},
                                pictures::step(Step::HandDown), kHidden))
        .onClick(assist);
    t.add(Label16, label("Label16", "Panel4", {34, 0, 140, 40}, "   8. Assist me", kWordWrap))
        .onClick(assist);

    // ---- the bottom row ----
    t.add(ClearTextImage,
          picture("ClearTextImage", "", {8, 436, 24, 24}, pictures::step(Step::Clear)))
        .onClick(step(&TReplace::Button9Click));
    t.add(label("Label15", "", {36, 440, 80, 18}, "Clear List"));
    t.add(HelpImage, picture("HelpImage", "", {130, 436, 24, 24}, pictures::step(Step::Help)))
        .onClick(plain(&TReplace::HelpImageClick));
    t.add(label("Label19", "", {158, 440, 50, 18}, "Help"));
    t.add(HowtoImage,
          picture("HowtoImage", "", {220, 436, 24, 24}, pictures::step(Step::GearOutline)))
        .onClick(plain(&TReplace::BitBtn2Click));
    t.add(label("Label14", "", {248, 440, 70, 18}, "Registry"));
    t.add(ShowMeCheckBox, {.kind = Kind::CheckBox,
                           .name = "ShowMeCheckBox",
                           .at = {340, 440, 18, 18},
                           .flags = ui::kChecked})
        .onClick(plain(&TReplace::ShowMeCheckBoxClick));
    t.add(label("Label20", "", {360, 440, 80, 18}, "Show    me"));
    t.add(CloseImage,
          picture("CloseImage", "", {719, 432, kFull, kFull}, pictures::step(Step::Close)))
        .onClick(plain(&TReplace::CloseImageClick));

    t.add(ProgressBar1,
          {.kind = Kind::ProgressBar, .name = "ProgressBar1", .at = {8, 476, 660, 20}});
    t.add(Panel1, {.kind = Kind::Panel,
                   .name = "Panel1",
                   .at = {676, 474, 76, 24},
                   .caption = "0 %",
                   .colour = ui::colours::kAqua});

    t.add(Button7, hiddenButton("Button7", "Open Text File", 0)).onClick(open);
    t.add(Button1, hiddenButton("Button1", "Remove email name upto and including @", 60, kDisabled))
        .onClick(step(&TReplace::Button1Click));
    t.add(Button8, hiddenButton("Button8", "Edit.. Domain Names", 120, kDisabled))
        .onClick(step(&TReplace::Button8Click));
    t.add(Button5, hiddenButton("Button5", "Del Duplicate Names", 180, kDisabled))
        .onClick(step(&TReplace::Button5Click));
    t.add(Button6, hiddenButton("Button6", "Sort Alphabetically", 240, kDisabled))
        .onClick(step(&TReplace::Button6Click));
    t.add(Button2, hiddenButton("Button2", "Save Changes", 300, kDisabled))
        .onClick(step(&TReplace::Button2Click));
    t.add(Button9, hiddenButton("Button9", "Clear Text File", 360, kDisabled))
        .onClick(step(&TReplace::Button9Click));
    t.add(Button10, hiddenButton("Button10", "Registry", 420)).onClick(registry);
    t.add(Button3, hiddenButton("Button3", "Open Outlook File", 480))
        .onClick(step(&TReplace::Button3Click));
    t.add(Button4,
          hiddenButton("Button4", "Save Outlook File", 540, kDisabled, "Sort and Save this list"))
        .onClick(step(&TReplace::Button4Click));
    t.add(BitBtn2, hiddenButton("BitBtn2", "How to use Registry Editor ", 600))
        .onClick(plain(&TReplace::BitBtn2Click));
}

TReplace::TReplace(Tool& tool) : tool_(tool) {
    ui::FormBuilder table(replaceForm());
    declareControls(table);
    form_ = table.build(tool_.toolkit());
    AnimateBtnTimer = &form_->addTimer("AnimateBtnTimer", ShowMePulse::kIntervalMs);
    Timer1 = &form_->addTimer("Timer1", 500);
    Timer2 = &form_->addTimer("Timer2", 1000);
    Timer3 = &form_->addTimer("Timer3", 500);
    Timer4 = &form_->addTimer("Timer4", 400);
    greeting_ = &form_->addTimer("GreetingTimer", 0);
    pulse_ = std::make_unique<ShowMePulse>(*AnimateBtnTimer,
                                           [this] { return ShowMeCheckBox->checked(); });
    bindTimersAndWindow();
    // The guidance animations run from the start until the user begins.
    Timer2->start();
    Timer3->start();
    Timer4->start();
}

TReplace::~TReplace() = default;

void TReplace::bindTimersAndWindow() {
    auto plain = [this](void (TReplace::*handler)()) { return tool_.operation(this, handler); };
    Timer1->onTimer = plain(&TReplace::Timer1Timer);
    AnimateBtnTimer->onTimer = tool_.operation(pulse_.get(), &ShowMePulse::tick);
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
