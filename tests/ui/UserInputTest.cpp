// The user's mouse and keyboard reach the controls the way the toolkit routes them: the focus
// moves with a click (and exit handlers run), a control that takes no focus leaves it where it
// was, a disabled or covered control gets nothing, double clicks reach rows and cells, keys go to
// the focused control after the window, a dialog shown from a modal window takes the clicks; and
// the colours text is drawn in can be read back.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "support/Legibility.h"
#include "support/TestToolkit.h"
#include "support/UserInput.h"
#include "ui/Form.h"
#include "ui/Toolkit.h"

namespace plevo::ui {
namespace {

using test::user;

const std::vector<ControlSpec>& table() {
    static const std::vector<ControlSpec> rows = {
        {.kind = Kind::Edit, .name = "Box", .at = {8, 8, 160, 22}},
        {.kind = Kind::Button, .name = "Push", .at = {176, 8, 80, 24}, .caption = "Push"},
        {.kind = Kind::Button,
         .name = "Tool",
         .at = {264, 8, 80, 24},
         .caption = "Tool",
         .flags = kNoFocus},
        {.kind = Kind::Label,
         .name = "Off",
         .at = {8, 40, 100, 18},
         .caption = "Off",
         .flags = kDisabled},
        {.kind = Kind::Label, .name = "Under", .at = {176, 40, 100, 18}, .caption = "Under"},
        // Later rows lie over earlier ones.
        {.kind = Kind::Panel, .name = "Cover", .at = {160, 36, 140, 28}, .caption = "Cover"},
        {.kind = Kind::ListBox, .name = "List", .at = {8, 72, 160, 100}, .caption = "one\ntwo"},
        {.kind = Kind::Grid, .name = "Grid", .at = {176, 72, 200, 100}},
        {.kind = Kind::Button, .name = "Below", .at = {8, 220, 80, 24}, .caption = "Below"},
    };
    return rows;
}

class Input : public testing::Test {
protected:
    Input()
        : form_(test::testToolkit().createForm(
              {.name = "Input", .caption = "Input", .client = {400, 190}}, table())) {
        for (Control* c : form_->controls()) {
            c->onClick = [this, c] { log_.push_back("click " + c->name()); };
            c->onDoubleClick = [this, c] { log_.push_back("double " + c->name()); };
            c->onExit = [this, c] { log_.push_back("exit " + c->name()); };
        }
        Grid& grid = form_->get<Grid>("Grid");
        grid.setRowCount(3);
        grid.setCell(0, 1, "a");
        grid.setCell(1, 2, "b");
        form_->show();
        user().waitUntil([&] { return form_->active(); }, 2000);
    }
    ~Input() override { form_->hide(); }

    Control& get(const char* name) { return form_->get<Control>(name); }
    std::string focus() const {
        const Control* c = form_->focusedControl();
        return c ? c->name() : "";
    }

    std::unique_ptr<Form> form_;
    std::vector<std::string> log_;
};

TEST_F(Input, AClickMovesTheFocusButAToolButtonLeavesItWhereItWas) {
    user().click(get("Box"));
    EXPECT_EQ(focus(), "Box");
    user().click(get("Tool"));
    EXPECT_EQ(focus(), "Box");
    user().click(get("Push"));
    EXPECT_EQ(focus(), "Push");
    // The box's exit handler runs once: when the push button took the focus, not before.
    EXPECT_EQ(log_,
              (std::vector<std::string>{"click Box", "click Tool", "exit Box", "click Push"}));
}

TEST_F(Input, ADisabledOrCoveredControlGetsNothing) {
    user().click(get("Off"));
    user().click(get("Under"));
    EXPECT_EQ(log_, std::vector<std::string>{"click Cover"});
    // A control no user can reach fails the test that tries.
    EXPECT_NONFATAL_FAILURE(user().click(get("Below")), "no user can click it");
    get("Push").setVisible(false);
    EXPECT_NONFATAL_FAILURE(user().click(get("Push")), "is hidden");
}

TEST_F(Input, DoubleClicksReachTheRowAndTheCellUnderThePointer) {
    auto& list = form_->get<ListBox>("List");
    auto& grid = form_->get<Grid>("Grid");
    user().doubleClickAt(list, user().rowCentre(list, 1));
    EXPECT_EQ(list.currentRow(), 1);
    user().doubleClickAt(grid, user().cellCentre(grid, 1, 2));
    EXPECT_EQ(grid.currentRow(), 2);
    EXPECT_EQ(grid.currentColumn(), 1);
    EXPECT_EQ(std::count(log_.begin(), log_.end(), "double List"), 1);
    EXPECT_EQ(std::count(log_.begin(), log_.end(), "double Grid"), 1);
}

TEST_F(Input, KeysGoToTheWindowFirstThenToTheFocusedControlThenIntoTheBox) {
    std::vector<std::string> seen;
    // Letters and F1: the keyboards of the backends differ in what else they report.
    const auto noted = [&](const char* who, const KeyPress& k) {
        if ((k.key >= 'A' && k.key <= 'Z') || k.key == kKeyF1)
            seen.push_back(who + std::to_string(k.key));
        return false;
    };
    form_->onKey = [&](const KeyPress& k) { return noted("window ", k) || k.key == kKeyF1; };
    get("Box").onKey = [&](const KeyPress& k) { return noted("box ", k); };
    user().click(get("Box"));
    user().type("Mx@1 \xe9");
    EXPECT_EQ(get("Box").caption(), "Mx@1 \xe9");
    user().press({.key = kKeyF1});  // the window takes it
    user().press({.key = 'A', .ctrl = true});
    user().type("z");
    EXPECT_EQ(get("Box").caption(), "z");
    EXPECT_EQ(seen,
              (std::vector<std::string>{"window 77", "box 77", "window 88", "box 88", "window 112",
                                        "window 65", "box 65", "window 90", "box 90"}));
}

TEST_F(Input, WhenAModalWindowEndsTheKeysGoToTheWindowThatWasActiveAgain) {
    const std::vector<ControlSpec> none;
    const auto dialog = test::testToolkit().createForm(
        {.name = "Dialog", .client = {100, 60}, .style = FormStyle::Dialog}, none);
    Timer& act = dialog->addTimer("act", 0);
    act.onTimer = [&] {
        act.stop();
        user().press({.key = kKeyEscape});
    };
    user().click(get("Box"));
    act.start();
    EXPECT_EQ(dialog->showModal(), kResultCancel);
    user().type("x");
    EXPECT_EQ(get("Box").caption(), "x");
}

TEST_F(Input, ADialogShownFromAModalWindowTakesTheClicks) {
    // Both made hidden before either shows, as a program makes its windows at the start.
    const std::vector<ControlSpec> ok = {
        {.kind = Kind::Button, .name = "Ok", .at = {10, 10, 80, 24}, .modalResult = kResultOk}};
    const auto outer = test::testToolkit().createForm(
        {.name = "Outer", .client = {200, 100}, .style = FormStyle::Dialog}, ok);
    const auto inner = test::testToolkit().createForm(
        {.name = "Inner", .client = {120, 60}, .style = FormStyle::Dialog}, ok);
    int innerResult = kResultNone;
    Timer& actInner = inner->addTimer("act", 0);
    actInner.onTimer = [&] {
        actInner.stop();
        user().click(inner->get<Button>("Ok"));
        if (inner->visible()) inner->endModal(kResultIgnore);
    };
    Timer& actOuter = outer->addTimer("act", 0);
    actOuter.onTimer = [&] {
        actOuter.stop();
        actInner.start();
        innerResult = inner->showModal();
        user().click(outer->get<Button>("Ok"));
        if (outer->visible()) outer->endModal(kResultIgnore);
    };
    actOuter.start();
    EXPECT_EQ(outer->showModal(), kResultOk);
    EXPECT_EQ(innerResult, kResultOk);
}

TEST_F(Input, TheColoursOfTextAreReadAsDrawn) {
    auto& label = form_->get<Label>("Under");
    label.setColour(colours::kSilver);
    label.setFontColour(colours::kGray);
    const auto drawn = test::drawnColours(label);
    ASSERT_TRUE(drawn);
    EXPECT_EQ(drawn->text, colours::kGray);
    EXPECT_EQ(drawn->background, colours::kSilver);
    EXPECT_NEAR(test::contrastRatio(colours::kBlack, colours::kWhite), 21.0, 0.01);
    EXPECT_NEAR(test::contrastRatio(colours::kGray, colours::kSilver), 2.17, 0.01);
    // Grey on silver is named, the window's other texts are legible; the disabled label is left
    // out.
    label.setVisible(true);
    form_->get<Panel>("Cover").setVisible(false);
    const std::string found = test::illegibleTexts(*form_);
    EXPECT_EQ(found.rfind("Input/Under: 2.17", 0), 0u) << found;
    EXPECT_EQ(found.find(';'), std::string::npos) << found;
}

}  // namespace
}  // namespace plevo::ui
