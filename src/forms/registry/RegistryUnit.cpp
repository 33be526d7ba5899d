// The registry window's controls, layout and small handlers. Open, Sort and Save are in
// RegistrySteps.cpp.
#include "forms/registry/RegistryUnit.h"

#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "forms/tool/ShowMePulse.h"
#include "forms/tool/Tool.h"
#include "resources/Pictures.h"
#include "ui/FormBuilder.h"

namespace plevo {
namespace {

using ui::Kind;
namespace colours = ui::colours;

constexpr int kStep = ShowMePulse::kFullSize;
// The buttons lie below the client area: they hold the focus and answer Enter, the user clicks
// the pictures.
constexpr int kHiddenRow = TRegistryForm::kClientHeight + 20;
// Captions on the black window are white; labels let what lies under them show.
constexpr unsigned kOnDark = ui::kTransparent;

ui::FormSpec formSpec() {
    return {.name = "RegistryForm",
            .caption = "Registry (The registry contains the Outlook Express Blocked Senders List)",
            .client = {TRegistryForm::kClientWidth, TRegistryForm::kClientHeight},
            .style = ui::FormStyle::Dialog,
            .place = ui::FormPlace::AsPlaced,
            .colour = colours::kBlack};
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

TRegistryForm::TRegistryForm(Tool& tool) : tool_(tool) {
    ui::FormBuilder table(formSpec());
    declareControls(table);
    form_ = table.build(tool_.toolkit());
    ListBox1->addLines({"", " Select the Help [?] button for help with this form"});
    MemoRegHelp->setLines(std::vector<std::string>(std::begin(kHelpLines), std::end(kHelpLines)));
    form_->onShow = tool_.operation(this, &TRegistryForm::FormShow);
}

void TRegistryForm::declareControls(ui::FormBuilder& t) {
    using pictures::Step;
    auto plain = [this](void (TRegistryForm::*handler)()) -> ui::Handler {
        return tool_.operation(this, handler);
    };
    auto step = [this](void (TRegistryForm::*handler)()) -> ui::Handler {
        return tool_.step(this, handler);
    };
    // A step runs from its picture and its hidden button alike.
    const ui::Handler open = step(&TRegistryForm::Button1Click);
    const ui::Handler sort = step(&TRegistryForm::Button2Click);
    const ui::Handler save = step(&TRegistryForm::Button3Click);
    const ui::Handler option = plain(&TRegistryForm::OptionClick);
    const ui::Handler close = plain(&TRegistryForm::CloseImageClick);
    const ui::Handler advanced = plain(&TRegistryForm::AdvancedPanelClick);
    const int w = kClientWidth;
    const ui::Font big{.points = 12, .bold = true};

    // The banner with the identity and the key path over it.
    t.add(Panel1, {.kind = Kind::Panel, .name = "Panel1", .at = {0, 0, w, 105}});
    t.add({.kind = Kind::Picture,
           .name = "Image1",
           .parent = "Panel1",
           .at = {1, 1, w - 2, 103},
           .drawing = pictures::banner(w, 105)});
    t.add(IdentityLabel, {.kind = Kind::Label,
                          .name = "IdentityLabel",
                          .parent = "Panel1",
                          .at = {16, 14, 640, 22},
                          .fontColour = colours::kWhite,
                          .font = big,
                          .flags = kOnDark});
    // A key path longer than the panel continues on a second line.
    t.add(RegKeyLabel, {.kind = Kind::Label,
                        .name = "RegKeyLabel",
                        .parent = "Panel1",
                        .at = {16, 60, 640, 40},
                        .fontColour = colours::kWhite,
                        .flags = kOnDark | ui::kWordWrap});

    // The two lists; only the frame shows whether a list was read.
    t.add(MailGroupBox, {.kind = Kind::GroupBox,
                         .name = "MailGroupBox",
                         .at = {8, 110, 324, 246},
                         .caption = "Blocked Senders Mail Registry Entries",
                         .colour = colours::kRed});
    t.add(ListBox1, {.kind = Kind::ListBox,
                     .name = "ListBox1",
                     .parent = "MailGroupBox",
                     .at = {8, 22, 308, 216},
                     .colour = colours::kWhite})
        .onClick(plain(&TRegistryForm::refreshCounts));
    t.add(NewsGroupBox, {.kind = Kind::GroupBox,
                         .name = "NewsGroupBox",
                         .at = {340, 110, 324, 246},
                         .caption = "Blocked Senders News Registry Entries",
                         .colour = colours::kRed});
    t.add(ListBox2, {.kind = Kind::ListBox,
                     .name = "ListBox2",
                     .parent = "NewsGroupBox",
                     .at = {8, 22, 308, 216},
                     .colour = colours::kWhite});
    t.add(MemoRegHelp, {.kind = Kind::Memo,
                        .name = "MemoRegHelp",
                        .at = {0, 0, w, 356},
                        .flags = ui::kHidden | ui::kReadOnly | ui::kVScroll | ui::kHScroll});

    // The steps, the options and the switches.
    t.add(RegistryGroupBox, {.kind = Kind::GroupBox,
                             .name = "RegistryGroupBox",
                             .at = {8, 360, 656, 110},
                             .caption = "For use with Outlook Express",
                             .fontColour = colours::kWhite});
    t.add(OpenRegImage, {.kind = Kind::Picture,
                         .name = "OpenRegImage",
                         .parent = "RegistryGroupBox",
                         .at = {24, 26, kStep, kStep},
                         .drawing = pictures::step(Step::OpenBook)})
        .onClick(open);
    t.add({.kind = Kind::Label,
           .name = "Label1",
           .parent = "RegistryGroupBox",
           .at = {4, 64, 82, 18},
           .caption = "Open Outlook",
           .fontColour = colours::kWhite,
           .flags = kOnDark});
    t.add(SortRegImage, {.kind = Kind::Picture,
                         .name = "SortRegImage",
                         .parent = "RegistryGroupBox",
                         .at = {120, 26, kStep, kStep},
                         .drawing = pictures::step(Step::Sort)})
        .onClick(sort);
    // The chosen option's caption, on two lines under the picture.
    t.add(SortRegLabel, {.kind = Kind::Label,
                         .name = "SortRegLabel",
                         .parent = "RegistryGroupBox",
                         .at = {88, 62, 100, 44},
                         .fontColour = colours::kWhite,
                         .flags = kOnDark | ui::kWordWrap | ui::kCentre | ui::kDisabled});
    t.add(SaveRegImage, {.kind = Kind::Picture,
                         .name = "SaveRegImage",
                         .parent = "RegistryGroupBox",
                         .at = {216, 26, kStep, kStep},
                         .flags = ui::kDisabled,
                         .drawing = pictures::step(Step::Save)})
        .onClick(save);
    t.add(SaveRegLabel, {.kind = Kind::Label,
                         .name = "SaveRegLabel",
                         .parent = "RegistryGroupBox",
                         .at = {196, 64, 84, 18},
                         .caption = "Save Registry",
                         .fontColour = colours::kWhite,
                         .flags = kOnDark | ui::kDisabled});
    t.add({.kind = Kind::GroupBox,
           .name = "OptionsGroupBox",
           .parent = "RegistryGroupBox",
           .at = {284, 10, 234, 94},
           .caption = "Registry Options",
           .fontColour = colours::kWhite});
    t.add(RadioBtnMail, {.kind = Kind::RadioButton,
                         .name = "RadioBtnMail",
                         .parent = "OptionsGroupBox",
                         .at = {6, 20, 226, 20},
                         .caption = "Sort blocked Mail Entries",
                         .fontColour = colours::kWhite})
        .onClick(option);
    t.add(RadioBtnNews, {.kind = Kind::RadioButton,
                         .name = "RadioBtnNews",
                         .parent = "OptionsGroupBox",
                         .at = {6, 42, 226, 20},
                         .caption = "Sort Blocked News Entries",
                         .fontColour = colours::kWhite})
        .onClick(option);
    t.add(RadioBtnBoth, {.kind = Kind::RadioButton,
                         .name = "RadioBtnBoth",
                         .parent = "OptionsGroupBox",
                         .at = {6, 64, 226, 20},
                         .caption = "Sort blocked Mail and copy to News",
                         .fontColour = colours::kWhite,
                         .flags = ui::kChecked})
        .onClick(option);
    // Greyed and unusable until an open has found the identity (there are no rules to show
    // before); the caption keeps clear of the gear.
    t.add(AdvancedPanel, {.kind = Kind::Panel,
                          .name = "AdvancedPanel",
                          .parent = "RegistryGroupBox",
                          .at = {524, 12, 128, 40},
                          .caption = "Advanced Rules  ",
                          .colour = colours::kSilver,
                          .fontColour = colours::kGray,
                          .flags = ui::kRight | ui::kDisabled})
        .onClick(advanced);
    t.add(ImageAdvanced, {.kind = Kind::Picture,
                          .name = "ImageAdvanced",
                          .parent = "AdvancedPanel",
                          .at = {2, 8, 24, 24},
                          .drawing = pictures::step(Step::GearShaded)})
        .onClick(advanced);
    t.add(Image2, {.kind = Kind::Picture,
                   .name = "Image2",
                   .parent = "RegistryGroupBox",
                   .at = {546, 70, 24, 24},
                   .drawing = pictures::step(Step::Help)})
        .onClick(plain(&TRegistryForm::Image2Click));
    t.add(ShowMeRegBox, {.kind = Kind::CheckBox,
                         .name = "ShowMeRegBox",
                         .parent = "RegistryGroupBox",
                         .at = {576, 58, 76, 20},
                         .caption = "Show Me",
                         .fontColour = colours::kWhite,
                         .flags = ui::kChecked})
        .onClick(plain(&TRegistryForm::ShowMeRegBoxClick));
    t.add(CloseImage, {.kind = Kind::Picture,
                       .name = "CloseImage",
                       .parent = "RegistryGroupBox",
                       .at = {620, 80, 24, 24},
                       .drawing = pictures::step(Step::Close)})
        .onClick(close);

    t.add(Button1, {.kind = Kind::Button,
                    .name = "Button1",
                    .at = {0, kHiddenRow, 80, 24},
                    .caption = "Open Registry"})
        .onClick(open);
    t.add(Button2, {.kind = Kind::Button,
                    .name = "Button2",
                    .at = {80, kHiddenRow, 80, 24},
                    .caption = "Sort "})
        .onClick(sort);
    t.add(Button3, {.kind = Kind::Button,
                    .name = "Button3",
                    .at = {160, kHiddenRow, 80, 24},
                    .caption = "Save changes to registry?",
                    .flags = ui::kDisabled})
        .onClick(save);
    t.add(CloseRegBtn, {.kind = Kind::Button,
                        .name = "CloseRegBtn",
                        .at = {240, kHiddenRow, 80, 24},
                        .caption = "Close"})
        .onClick(close);
}

void TRegistryForm::FormShow() {
    showOptionCaption();
    const ui::Rect help = MemoRegHelp->geometry();
    MemoRegHelp->setGeometry({help.x, help.y, (form_->clientSize().w / 10) * 6, help.h});
}

void TRegistryForm::showAtOpen() {
    showWindow();
    pointAtOpen();
}

void TRegistryForm::showWindow() {
    if (!form_->visible()) form_->centreOver(tool_.mainWindow().form());
    form_->show();
    form_->activate();
}

void TRegistryForm::resetStepImages() {
    for (ui::Picture* i : {OpenRegImage, SortRegImage, SaveRegImage}) {
        const ui::Rect r = i->geometry();
        i->setGeometry({r.x, r.y, kStep, kStep});
    }
}

ui::RadioButton* TRegistryForm::optionButton(ListOption option) const {
    switch (option) {
        case ListOption::Mail:
            return RadioBtnMail;
        case ListOption::News:
            return RadioBtnNews;
        case ListOption::Both:
            break;
    }
    return RadioBtnBoth;
}

TRegistryForm::ListOption TRegistryForm::checkedOption() const {
    if (RadioBtnMail->checked()) return ListOption::Mail;
    if (RadioBtnNews->checked()) return ListOption::News;
    return ListOption::Both;
}

std::string TRegistryForm::optionCaption(ListOption option) const {
    return optionButton(option)->caption();
}

int TRegistryForm::mailCount() const {
    return ListBox1->lineCount();
}

int TRegistryForm::newsCount() const {
    return ListBox2->lineCount();
}

void TRegistryForm::forgetOpenedLists() {
    OpenedListPaths = {};
}

void TRegistryForm::pointAtOpen() {
    Button1->setFocus();
    tool_.pulse().aim(*OpenRegImage);
}

void TRegistryForm::pointAtSave() {
    if (Button3->enabled()) Button3->setFocus();
    tool_.pulse().aim(*SaveRegImage);
}

void TRegistryForm::setShowMe(bool on) {
    ShowMeRegBox->setChecked(on);
}

void TRegistryForm::showOptionCaption() {
    const std::string caption = optionCaption(checkedOption());
    Button2->setCaption(caption);
    SortRegLabel->setCaption(caption);
}

void TRegistryForm::markOpened(ui::GroupBox* group, bool opened) {
    group->setColour(opened ? colours::kLime : colours::kRed);
}

void TRegistryForm::refreshCounts() {
    RegistryGroupBox->setCaption(std::to_string(ListBox1->lineCount()) + " Registry entries" +
                                 std::string(66, ' ') + std::to_string(ListBox2->lineCount()) +
                                 " Registry entries");
}

void TRegistryForm::OptionClick() {
    tool_.mainWindow().ResetStepImages();
    tool_.pulse().aim(*OpenRegImage);
    showOptionCaption();
    Button1->setFocus();
}

void TRegistryForm::Image2Click() {
    const bool showHelp = !MemoRegHelp->visible();
    for (ui::Control* c : std::initializer_list<ui::Control*>{MailGroupBox, NewsGroupBox, Panel1})
        c->setVisible(!showHelp);
    MemoRegHelp->setVisible(showHelp);
}

void TRegistryForm::ShowMeRegBoxClick() {
    MainWindowIntents& main = tool_.mainWindow();
    if (main.showMeOn() != ShowMeRegBox->checked()) main.setShowMe(ShowMeRegBox->checked());
}

void TRegistryForm::AdvancedPanelClick() {
    tool_.rulesWindow().showModally();
}

void TRegistryForm::CloseImageClick() {
    form_->hide();
}

}  // namespace plevo
