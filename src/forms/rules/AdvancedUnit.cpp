// The rules window's controls, layout, states and small handlers. Opening the rules is in
// AdvancedOpen.cpp, editing and saving in AdvancedEdit.cpp.
#include "forms/rules/AdvancedUnit.h"

#include <iterator>
#include <string>
#include <vector>

#include "forms/tool/Tool.h"
#include "platform/Dialogs.h"
#include "registry/KeyNames.h"
#include "resources/Pictures.h"
#include "ui/FormBuilder.h"

namespace plevo {
namespace {

using ui::Kind;
namespace colours = ui::colours;

constexpr ui::Colour kOrange{255, 128, 64};
constexpr ui::Colour kSpring{0, 255, 64};
constexpr ui::Colour kLightBlue{128, 128, 255};
constexpr ui::Colour kLightGreen{216, 237, 150};
constexpr std::array<ui::Colour, 4> kHeaderColours = {kOrange, colours::kYellow, kSpring,
                                                      kLightBlue};
constexpr const char* kHeaders[4] = {"[1] Delete emails where the FROM line contain people names",
                                     "[2] Delete emails where the TO line contain people names",
                                     "[3] Delete emails where the SUBJECT line contain the words",
                                     "[4] Delete emails where the MESSAGE contain the words"};
// The word box's text until the user types a word.
constexpr const char* kWordBoxText = "Add-Del-Search: words";
constexpr const char* kMarkNames[4] = {"TopLeft", "TopRight", "BottomLeft", "BottomRight"};

constexpr const char* kOrText = "any of the words in any of these other lists";
constexpr const char* kAndText = "has at least one word from each of these other lists";

constexpr int kPanelW = 355;
constexpr int kPanelH = 224;
constexpr int kHeaderH = 20;
// The strip between the two rows of panels, where the logic is shown.
constexpr int kStripY = 4 + kPanelH;
constexpr int kStripH = 44;
constexpr int kToolsY = kStripY + kStripH + kPanelH + 8;

std::string name(const char* base, std::size_t k) {
    return base + std::to_string(k + 1);
}

ui::FormSpec formSpec() {
    return {.name = "AdvancedForm",
            .caption = "Advanced Options - Manage your email filters",
            .client = {TAdvancedForm::kClientWidth, TAdvancedForm::kClientHeight},
            .style = ui::FormStyle::Dialog,
            .place = ui::FormPlace::OwnerCentre,
            .colour = colours::kBlack};
}

}  // namespace

TAdvancedForm::TAdvancedForm(Tool& tool) : tool_(tool) {
    ui::FormBuilder table(formSpec());
    declareControls(table);
    form_ = table.build(tool_.toolkit());
    for (ui::Grid* g : ValueListEditor) {
        g->setCell(0, 0, "Rule #");
        g->setCell(1, 0, "Value");
        g->setColumnWidth(0, 108);
        g->setColumnWidth(1, 206);
        // Keys are rule names: only the words can be typed over.
        g->setColumnReadOnly(0, true);
    }
    MemoRules->setLines(std::vector<std::string>(std::begin(kHelpLines), std::end(kHelpLines)));
    form_->onShow = tool_.operation(this, &TAdvancedForm::FormShow);
    form_->onActivate = tool_.operation(this, &TAdvancedForm::FormActivate);
    form_->onClose = tool_.operation(this, &TAdvancedForm::FormClose);
}

void TAdvancedForm::declareControls(ui::FormBuilder& t) {
    auto plain = [this](void (TAdvancedForm::*handler)()) -> ui::Handler {
        return tool_.operation(this, handler);
    };
    // The handlers of the four lists and their buttons are told which list they belong to.
    auto ofList = [this](void (TAdvancedForm::*handler)(std::size_t),
                         std::size_t k) -> ui::Handler {
        return [this, handler, k] { tool_.handle([this, handler, k] { (this->*handler)(k); }); };
    };
    const ui::Handler help = plain(&TAdvancedForm::Image1Click);
    const int stripMid = kClientWidth / 2;
    for (std::size_t k = 0; k < 4; ++k) {
        const int x = k % 2 == 0 ? 4 : kClientWidth - 4 - kPanelW;
        const int y = k < 2 ? 4 : kStripY + kStripH;
        const char* panel = t.name(name("Panel", k));
        t.add(Panel[k], {.kind = Kind::Panel, .name = panel, .at = {x, y, kPanelW, kPanelH}});
        t.add({.kind = Kind::Label,
               .name = t.name(name("StaticText", k)),
               .parent = panel,
               .at = {0, 0, kPanelW, kHeaderH},
               .caption = kHeaders[k],
               .colour = kHeaderColours[k],
               .font = {.bold = true}});
        auto list = t.add(ValueListEditor[k], {.kind = Kind::Grid,
                                               .name = t.name(name("ValueListEditor", k)),
                                               .parent = panel,
                                               .at = {0, kHeaderH, kPanelW, kPanelH - kHeaderH},
                                               .colour = colours::kSilver,
                                               .flags = ui::kDisabled | ui::kReadOnly});
        list.onClick(plain(&TAdvancedForm::ValueListEditor1Click))
            .onDoubleClick(ofList(&TAdvancedForm::ValueListEditor1DblClick, k))
            .onKey([this, k](const ui::KeyPress& key) {
                bool took = false;
                tool_.handle([&] { took = ValueListEditor1KeyDown(k, key); });
                return took;
            })
            .onChange(plain(&TAdvancedForm::UpdateListMarks));
        if (k > 0) list.onExit(plain(&TAdvancedForm::Edit1Click));
    }
    t.add({.kind = Kind::Label,
           .name = "Label2",
           .at = {8, kStripY + 14, 300, 16},
           .caption = "Delete any email that contain any of these words",
           .fontColour = colours::kWhite,
           .flags = ui::kRight});
    t.add(LabelAndOr, {.kind = Kind::Label,
                       .name = "LabelAndOr",
                       .at = {stripMid - 24, kStripY + 13, 48, 18},
                       .fontColour = colours::kWhite,
                       .font = {.points = 10, .bold = true},
                       .flags = ui::kCentre});
    t.add(Label3, {.kind = Kind::Label,
                   .name = "Label3",
                   .at = {stripMid + 44, kStripY + 14, 310, 16},
                   .fontColour = colours::kWhite});
    for (std::size_t k = 0; k < 4; ++k) {
        const int x = k % 2 == 0 ? stripMid - 40 : stripMid + 28;
        const int y = k < 2 ? kStripY + 4 : kStripY + 28;
        t.add(Mark[k], {.kind = Kind::Picture,
                        .name = kMarkNames[k],
                        .at = {x, y, 12, 12},
                        .flags = ui::kHidden,
                        .drawing = pictures::listMark(kHeaderColours[k])});
    }

    // The number buttons and the word tools. Like every speed button of the window they take
    // no focus: a press leaves it in the list it is in, so leaving list 2, 3 or 4 does not empty
    // the word box the press is about to read.
    t.add(Panel6, {.kind = Kind::Panel,
                   .name = "Panel6",
                   .at = {4, kToolsY, 128, 34},
                   .flags = ui::kDisabled});
    for (std::size_t k = 0; k < 4; ++k) {
        t.add(NumberButton[k], {.kind = Kind::ToggleButton,
                                .name = t.name(name("SpeedButton", k)),
                                .parent = "Panel6",
                                .at = {4 + static_cast<int>(k) * 30, 3, 28, 28},
                                .caption = std::to_string(k + 1),
                                .colour = kHeaderColours[k],
                                .flags = ui::kDisabled | ui::kNoFocus})
            .onClick(ofList(&TAdvancedForm::NumberButtonClick, k));
    }
    t.add(Panel7, {.kind = Kind::Panel,
                   .name = "Panel7",
                   .at = {136, kToolsY, 420, 34},
                   .flags = ui::kDisabled});
    t.add(Edit1, {.kind = Kind::Edit,
                  .name = "Edit1",
                  .parent = "Panel7",
                  .at = {4, 6, 160, 22},
                  .caption = kWordBoxText,
                  .colour = colours::kWhite,
                  .flags = ui::kDisabled})
        .onClick(plain(&TAdvancedForm::Edit1Click));
    // Add, Del, Search and Import.
    const struct {
        ui::Button*& member;
        const char* caption;
        void (TAdvancedForm::*handler)();
    } tools[4] = {{SpeedButton5, "Add", &TAdvancedForm::SpeedButton5Click},
                  {SpeedButton6, "Del", &TAdvancedForm::SpeedButton6Click},
                  {SpeedButton7, "Search", &TAdvancedForm::SpeedButton7Click},
                  {SpeedButton8, "Import", &TAdvancedForm::SpeedButton8Click}};
    for (int i = 0; i < 4; ++i) {
        t.add(tools[i].member, {.kind = Kind::Button,
                                .name = t.name("SpeedButton" + std::to_string(5 + i)),
                                .parent = "Panel7",
                                .at = {168 + i * 62, 4, 60, 26},
                                .caption = tools[i].caption,
                                .flags = ui::kDisabled | ui::kNoFocus})
            .onClick(plain(tools[i].handler));
    }
    t.add(SpeedButton9, {.kind = Kind::ToggleButton,
                         .name = "SpeedButton9",
                         .at = {564, kToolsY + 3, 40, 28},
                         .caption = "OR",
                         .flags = ui::kChecked | ui::kNoFocus})
        .onClick(plain(&TAdvancedForm::SpeedButton9Click));
    t.add(SpeedButton10, {.kind = Kind::ToggleButton,
                          .name = "SpeedButton10",
                          .at = {606, kToolsY + 3, 40, 28},
                          .caption = "AND",
                          .flags = ui::kNoFocus})
        .onClick(plain(&TAdvancedForm::SpeedButton10Click));
    t.add(Image1, {.kind = Kind::Picture,
                   .name = "Image1",
                   .at = {656, kToolsY + 2, 24, 24},
                   .drawing = pictures::step(pictures::Step::Help)})
        .onClick(help);
    t.add(Label1, {.kind = Kind::Label,
                   .name = "Label1",
                   .at = {654, kToolsY + 28, 30, 16},
                   .caption = "Help",
                   .fontColour = colours::kWhite,
                   .flags = ui::kCentre})
        .onClick(help);
    t.add(CloseImage, {.kind = Kind::Picture,
                       .name = "CloseImage",
                       .at = {690, kToolsY + 2, 28, 28},
                       .drawing = pictures::step(pictures::Step::Close)})
        .onClick(plain(&TAdvancedForm::CloseImageClick));

    const int buttonsY = kToolsY + 46;
    t.add(OpenRulesBtn, {.kind = Kind::Button,
                         .name = "OpenRulesBtn",
                         .at = {4, buttonsY, 110, 28},
                         .caption = "&Open Rules"})
        .onClick(plain(&TAdvancedForm::OpenRulesBtnClick));
    t.add(SaveRulesBtn, {.kind = Kind::Button,
                         .name = "SaveRulesBtn",
                         .at = {120, buttonsY, 110, 28},
                         .caption = "&Save Rules",
                         .flags = ui::kDisabled})
        .onClick(plain(&TAdvancedForm::SaveRulesBtnClick));
    t.add(NewBtn, {.kind = Kind::Button,
                   .name = "NewBtn",
                   .at = {236, buttonsY, 110, 28},
                   .caption = "&New Rule",
                   .flags = ui::kDisabled})
        .onClick(plain(&TAdvancedForm::NewBtnClick));

    // The help covers the left part of the window.
    t.add(MemoRules, {.kind = Kind::Memo,
                      .name = "MemoRules",
                      .at = {0, 0, 440, kToolsY - 4},
                      .colour = kLightGreen,
                      .flags = ui::kHidden | ui::kReadOnly | ui::kVScroll});
}

void TAdvancedForm::showModally() {
    tool_.dialogs().runModal(*form_);
}

std::string TAdvancedForm::rulesKeyPath() const {
    return tool_.registryWindow().rulesKeyPath();
}

// ---- Rows of the lists ----------------------------------------------------------------------

int TAdvancedForm::wordRows(std::size_t k) const {
    return ValueListEditor[k]->rowCount() - 1;
}

RuleRows TAdvancedForm::rows(std::size_t k) const {
    const ui::Grid& g = *ValueListEditor[k];
    RuleRows out;
    for (int r = 1; r < g.rowCount(); ++r) out.push_back({g.cell(0, r), g.cell(1, r)});
    return out;
}

RuleLists TAdvancedForm::lists() const {
    RuleLists out;
    for (std::size_t k = 0; k < 4; ++k) out[k] = rows(k);
    return out;
}

void TAdvancedForm::setRows(std::size_t k, const RuleRows& rows) {
    ui::Grid& g = *ValueListEditor[k];
    g.setRowCount(static_cast<int>(rows.size()) + 1);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        g.setCell(0, r, rows[i].rule);
        g.setCell(1, r, rows[i].word);
    }
    UpdateListMarks();
}

void TAdvancedForm::setLists(const RuleLists& lists) {
    for (std::size_t k = 0; k < 4; ++k) setRows(k, lists[k]);
}

void TAdvancedForm::appendRow(std::size_t k, const std::string& rule, const std::string& word) {
    ui::Grid& g = *ValueListEditor[k];
    const int r = g.rowCount();
    g.setRowCount(r + 1);
    g.setCell(0, r, rule);
    g.setCell(1, r, word);
    UpdateListMarks();
}

void TAdvancedForm::deleteRow(std::size_t k, int row) {
    RuleRows all = rows(k);
    if (row < 1 || row > static_cast<int>(all.size())) return;
    const int current = ValueListEditor[k]->currentRow();
    all.erase(all.begin() + (row - 1));
    setRows(k, all);
    const int last = static_cast<int>(all.size());
    if (last > 0) ValueListEditor[k]->setCurrent(1, std::min(std::max(current, 1), last));
}

std::string TAdvancedForm::currentKey(std::size_t k) const {
    const ui::Grid& g = *ValueListEditor[k];
    const int r = g.currentRow();
    return r >= 1 && r < g.rowCount() ? g.cell(0, r) : std::string();
}

// ---- States ---------------------------------------------------------------------------------

void TAdvancedForm::unlockList(std::size_t k) {
    ui::Grid& g = *ValueListEditor[k];
    g.setEnabled(true);
    g.setColour(colours::kWhite);
    g.setEditable(true);
}

void TAdvancedForm::lockList(std::size_t k) {
    ui::Grid& g = *ValueListEditor[k];
    g.setEnabled(false);
    g.setColour(colours::kSilver);
    g.setEditable(false);
}

void TAdvancedForm::UpdateListMarks() {
    for (std::size_t k = 0; k < 4; ++k) {
        if (wordRows(k) > 0) {
            Mark[k]->setVisible(true);
            continue;
        }
        lockList(k);
        NumberButton[k]->setChecked(false);
        Mark[k]->setVisible(false);
    }
}

void TAdvancedForm::UnlockControls() {
    for (std::size_t k = 0; k < 4; ++k) {
        ValueListEditor[k]->setEnabled(true);
        ValueListEditor[k]->setEditable(true);
        NumberButton[k]->setEnabled(true);
        NumberButton[k]->setChecked(false);
    }
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             SpeedButton5, SpeedButton6, SpeedButton7, SpeedButton8, Edit1, NewBtn, Panel6, Panel7})
        c->setEnabled(true);
}

void TAdvancedForm::LockLists() {
    for (std::size_t k = 0; k < 4; ++k) {
        lockList(k);
        NumberButton[k]->setChecked(false);
    }
}

int TAdvancedForm::CollectRuleNames() {
    RuleNames = plevo::CollectRuleNames(lists());
    RuleKeys.clear();
    for (std::size_t i = 0; i < RuleNames.size(); ++i) RuleKeys.push_back(keyName(i));
    return static_cast<int>(RuleNames.size());
}

void TAdvancedForm::showLogic(std::uint32_t logic) {
    const bool isOr = logic != kLogicAnd;
    SpeedButton9->setChecked(isOr);
    SpeedButton10->setChecked(!isOr);
    LabelAndOr->setCaption(isOr ? "OR" : "AND");
    Label3->setCaption(isOr ? kOrText : kAndText);
}

// ---- The window's own handlers --------------------------------------------------------------

void TAdvancedForm::FormShow() {
    showLogic(SpeedButton9->checked() ? kLogicOr : kLogicAnd);
}

void TAdvancedForm::FormActivate() {
    UpdateListMarks();
}

void TAdvancedForm::FormClose() {
    for (std::size_t k = 0; k < 4; ++k) {
        ValueListEditor[k]->setRowCount(1);
        ValueListEditor[k]->setColour(colours::kSilver);
    }
    for (ui::Control* c : std::initializer_list<ui::Control*>{Panel6, Panel7, SaveRulesBtn, NewBtn})
        c->setEnabled(false);
    LockLists();
    UpdateListMarks();
    // Unusable until the next open, the word box says what it is for, not the last word.
    Edit1->setCaption(kWordBoxText);
    RuleKeys.clear();
    RuleNames.clear();
    storedRuleKeys_.clear();
    openedThisShowing_ = false;
}

void TAdvancedForm::closeWindow() {
    form_->close();
}

void TAdvancedForm::Image1Click() {
    const bool showHelp = !MemoRules->visible();
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{Panel[0], Panel[1], Panel[2], Panel[3], Label3})
        c->setVisible(!showHelp);
    MemoRules->setVisible(showHelp);
}

}  // namespace plevo
