// Every control kind built from a table and driven through the control layer only, as the windows
// and their tests use it: geometry, captions, states, colours, the box contents byte for byte,
// sorting, the grid, timers, keys and modal showing.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "support/TestToolkit.h"
#include "ui/Form.h"
#include "ui/Toolkit.h"
#include "ui/win32/NativeControl.h"
#include "ui/win32/Win32.h"

namespace plevo::ui {
namespace {

constexpr Colour kLightRed{0xff, 0xb4, 0xb4};
constexpr Colour kLightGreen{0xb4, 0xff, 0xb4};

Drawing dot() {
    return {"test-dot", 20, 20, [](Surface& s) {
                s.brush(colours::kRed);
                s.ellipse({2, 2, 16, 16});
            }};
}

// One control of every kind; containers with children, start states and looks.
const std::vector<ControlSpec>& everyKind() {
    static const std::vector<ControlSpec> table = {
        {.kind = Kind::Button,
         .name = "Button",
         .at = {8, 8, 75, 25},
         .caption = "&Push",
         .hint = "Pushes"},
        {.kind = Kind::ToggleButton,
         .name = "Toggle",
         .at = {90, 8, 75, 25},
         .caption = "Toggle",
         .flags = kChecked},
        {.kind = Kind::Label,
         .name = "Label",
         .at = {172, 8, 120, 16},
         .caption = "A label",
         .colour = kLightRed,
         .fontColour = colours::kBlue},
        {.kind = Kind::Picture, .name = "Picture", .at = {300, 8, 33, 33}, .drawing = dot()},
        {.kind = Kind::Panel,
         .name = "Panel",
         .at = {8, 48, 200, 92},
         .caption = "Panel",
         .colour = kLightGreen,
         .flags = kSunken},
        {.kind = Kind::CheckBox,
         .name = "Check",
         .parent = "Panel",
         .at = {8, 8, 120, 17},
         .caption = "Check",
         .flags = kChecked},
        {.kind = Kind::RadioButton,
         .name = "RadioA",
         .parent = "Panel",
         .at = {8, 30, 80, 17},
         .caption = "A",
         .flags = kChecked},
        {.kind = Kind::RadioButton,
         .name = "RadioB",
         .parent = "Panel",
         .at = {8, 52, 80, 17},
         .caption = "B"},
        {.kind = Kind::GroupBox, .name = "Group", .at = {216, 48, 200, 92}, .caption = "Group"},
        {.kind = Kind::RadioButton,
         .name = "RadioC",
         .parent = "Group",
         .at = {8, 20, 80, 17},
         .caption = "C",
         .flags = kChecked},
        {.kind = Kind::Edit,
         .name = "Edit",
         .parent = "Group",
         .at = {8, 44, 180, 21},
         .caption = "edit text",
         .font = {.face = "Tahoma", .points = 10, .bold = true}},
        {.kind = Kind::Memo,
         .name = "Memo",
         .at = {8, 148, 200, 100},
         .caption = "one\ntwo",
         .flags = kVScroll | kHScroll},
        {.kind = Kind::ListBox, .name = "List", .at = {216, 148, 100, 100}},
        {.kind = Kind::Grid, .name = "Grid", .at = {324, 148, 200, 100}},
        {.kind = Kind::ProgressBar, .name = "Progress", .at = {8, 256, 200, 16}, .flags = kHidden},
        {.kind = Kind::ScrollBox, .name = "Scroll", .at = {216, 256, 200, 60}, .flags = kNoHScroll},
        {.kind = Kind::Label,
         .name = "Deep",
         .parent = "Scroll",
         .at = {4, 80, 100, 16},
         .caption = "below",
         .flags = kDisabled},
        {.kind = Kind::Button,
         .name = "Ok",
         .at = {440, 290, 75, 25},
         .caption = "OK",
         .flags = kDefault,
         .modalResult = kResultOk},
    };
    return table;
}

class Win32Controls : public testing::Test {
protected:
    void SetUp() override {
        form_ = test::testToolkit().createForm(
            {.name = "Test", .caption = "Controls", .client = {530, 320}}, everyKind());
    }

    Form& form() { return *form_; }
    template <class T>
    T& get(const char* name) {
        return form_->get<T>(name);
    }

    // Lets the loop run for a while.
    static void pumpFor(int ms) {
        Toolkit& toolkit = test::testToolkit();
        const auto until = toolkit.milliseconds() + ms;
        while (toolkit.milliseconds() < until) {
            toolkit.processEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    std::unique_ptr<Form> form_;
};

TEST_F(Win32Controls, EveryControlHasTheGeometryCaptionAndStateOfItsRow) {
    EXPECT_EQ(form().clientSize(), (Size{530, 320}));
    EXPECT_EQ(form().caption(), "Controls");
    for (const ControlSpec& spec : everyKind()) {
        SCOPED_TRACE(spec.name);
        Control& c = form().get<Control>(spec.name);
        EXPECT_EQ(c.kind(), spec.kind);
        EXPECT_EQ(c.geometry(), spec.at);
        EXPECT_EQ(c.visible(), !(spec.flags & kHidden));
        EXPECT_EQ(c.enabled(), !(spec.flags & kDisabled));
        EXPECT_EQ(c.colour(), spec.colour);
        EXPECT_EQ(c.fontColour(), spec.fontColour);
        EXPECT_EQ(c.font(), spec.font);
        EXPECT_EQ(c.hint(), spec.hint);
        if (spec.kind != Kind::Memo && spec.kind != Kind::Picture && spec.kind != Kind::Grid) {
            EXPECT_EQ(c.caption(), spec.caption);
        }
    }
    EXPECT_EQ(get<Memo>("Memo").caption(), "one\r\ntwo");
    EXPECT_TRUE(get<ToggleButton>("Toggle").checked());
    EXPECT_TRUE(get<CheckBox>("Check").checked());
    EXPECT_TRUE(get<RadioButton>("RadioA").checked());
    EXPECT_FALSE(get<RadioButton>("RadioB").checked());
    EXPECT_TRUE(get<RadioButton>("RadioC").checked());
    EXPECT_EQ(get<Picture>("Picture").drawingKey(), "test-dot");
    EXPECT_EQ(form().find("Nothing"), nullptr);
    EXPECT_THROW(form().get<Memo>("Button"), std::logic_error);
}

TEST_F(Win32Controls, ChangesReadBackAsMade) {
    for (Control* c : form().controls()) {
        SCOPED_TRACE(c->name());
        const Rect moved{c->geometry().x + 3, c->geometry().y + 2, 200, 30};
        c->setGeometry(moved);
        EXPECT_EQ(c->geometry(), moved);
        c->setVisible(false);
        EXPECT_FALSE(c->visible());
        c->setVisible(true);
        EXPECT_TRUE(c->visible());
        c->setColour(colours::kYellow);
        c->setFontColour(colours::kMaroon);
        EXPECT_EQ(c->colour(), colours::kYellow);
        EXPECT_EQ(c->fontColour(), colours::kMaroon);
        c->setColour(std::nullopt);
        EXPECT_EQ(c->colour(), std::nullopt);
        c->setHint("a hint");
        EXPECT_EQ(c->hint(), "a hint");
        const Font big{.face = "Arial", .pixels = 20, .italic = true};
        c->setFont(big);
        EXPECT_EQ(c->font(), big);
    }
    for (const char* name : {"Button", "Toggle", "Label", "Panel", "Check", "RadioA", "Group"}) {
        Control& c = form().get<Control>(name);
        c.setCaption("New caption of " + std::string(name));
        EXPECT_EQ(c.caption(), "New caption of " + std::string(name));
    }
    form().setCaption("Another title");
    EXPECT_EQ(form().caption(), "Another title");
}

TEST_F(Win32Controls, AControlInADisabledContainerCannotBeClicked) {
    Control& check = get<Control>("Check");
    get<Panel>("Panel").setEnabled(false);
    EXPECT_TRUE(check.enabled());  // its own state
    int clicks = 0;
    check.onClick = [&] { ++clicks; };
    check.click();
    check.doubleClick();
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(get<CheckBox>("Check").checked());
    get<Panel>("Panel").setEnabled(true);
    check.click();
    EXPECT_EQ(clicks, 1);
}

TEST_F(Win32Controls, AClickRunsTheHandlerOnceAndNothingWhileDisabled) {
    for (Control* c : form().controls()) {
        SCOPED_TRACE(c->name());
        if (!c->enabled()) continue;
        int clicks = 0;
        int doubles = 0;
        c->onClick = [&] { ++clicks; };
        c->onDoubleClick = [&] { ++doubles; };
        c->click();
        EXPECT_EQ(clicks, 1);
        c->doubleClick();
        EXPECT_EQ(doubles, 1);
        c->setEnabled(false);
        c->click();
        c->doubleClick();
        EXPECT_EQ(clicks, 1);
        EXPECT_EQ(doubles, 1);
        c->setEnabled(true);
        c->onClick = nullptr;
        c->onDoubleClick = nullptr;
    }
}

TEST_F(Win32Controls, ClicksTurnCheckBoxesAndTogglesAndRadioButtonsCheckTheirOwnGroup) {
    auto& check = get<CheckBox>("Check");
    bool seen = true;
    check.onClick = [&] { seen = check.checked(); };
    check.click();
    EXPECT_FALSE(check.checked());
    EXPECT_FALSE(seen);  // the handler sees the new state
    check.setChecked(true);
    EXPECT_TRUE(check.checked());
    EXPECT_FALSE(seen);  // setChecked runs no handler

    auto& toggle = get<ToggleButton>("Toggle");
    toggle.click();
    EXPECT_FALSE(toggle.checked());
    toggle.setChecked(true);
    EXPECT_TRUE(toggle.checked());

    auto& a = get<RadioButton>("RadioA");
    auto& b = get<RadioButton>("RadioB");
    auto& c = get<RadioButton>("RadioC");
    int clicks = 0;
    b.onClick = [&] { ++clicks; };
    b.click();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(b.checked());
    EXPECT_FALSE(a.checked());
    EXPECT_TRUE(c.checked());  // another parent, another group
    a.setChecked(true);
    EXPECT_FALSE(b.checked());
    EXPECT_EQ(clicks, 1);
}

TEST_F(Win32Controls, AMemoKeepsEveryByteButLineBreaks) {
    auto& memo = get<Memo>("Memo");
    std::string every;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n') every += static_cast<char>(b);
    memo.setLines({every, "", "last"});
    EXPECT_EQ(memo.lineCount(), 3);
    EXPECT_EQ(memo.lines(), (std::vector<std::string>{every, "", "last"}));
    EXPECT_EQ(memo.line(0), every);
    EXPECT_EQ(memo.text(), every + "\r\n\r\nlast\r\n");

    // 0x00 cannot live in a Windows box: it is shown, and read back, as a blank.
    memo.setText(std::string("a\0b", 3));
    EXPECT_EQ(memo.lines(), (std::vector<std::string>{"a b"}));

    // Any line end splits; only a final break leaves no empty last line.
    memo.setText("a\r\nb\nc\rd\n\re");
    EXPECT_EQ(memo.lines(), (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
    EXPECT_EQ(memo.text(), "a\r\nb\r\nc\r\nd\r\n\r\ne");
    memo.clearLines();
    EXPECT_TRUE(memo.isEmpty());
    EXPECT_EQ(memo.lineCount(), 0);
}

TEST_F(Win32Controls, AMemoEditsItsLinesAndTellsOfEveryChange) {
    auto& memo = get<Memo>("Memo");
    int changes = 0;
    memo.onChange = [&] { ++changes; };
    memo.setLines({"alpha", "beta", "gamma"});
    memo.replaceLine(1, "BETA");
    memo.appendLine("delta");
    EXPECT_EQ(memo.lines(), (std::vector<std::string>{"alpha", "BETA", "gamma", "delta"}));
    EXPECT_EQ(changes, 3);
    memo.setText("no break");
    memo.appendLine("next");
    EXPECT_EQ(memo.text(), "no break\r\nnext\r\n");
    EXPECT_EQ(changes, 5);

    memo.select(1, 1, 3);
    EXPECT_EQ(memo.selectedText(), "ext");
    memo.type("EXT");
    EXPECT_EQ(memo.line(1), "nEXT");
    EXPECT_EQ(changes, 6);
    memo.clearSelection();
    EXPECT_EQ(memo.selectedText(), "");
    memo.pressKey({'Z'});  // a key typed by the user, at the caret
    EXPECT_EQ(memo.lines(), (std::vector<std::string>{"zno break", "nEXT"}));
    EXPECT_EQ(changes, 7);
    memo.setReadOnly(true);
    memo.type("not taken");
    EXPECT_EQ(memo.line(0), "zno break");
    EXPECT_EQ(changes, 7);
}

TEST_F(Win32Controls, AnEditBoxTellsOfChangesAndTypingReplacesTheSelection) {
    auto& edit = get<Edit>("Edit");
    int changes = 0;
    edit.onChange = [&] { ++changes; };
    edit.setCaption("domain.example");
    edit.setCaption("domain.example");  // no change, no handler
    EXPECT_EQ(changes, 1);
    edit.selectAll();
    edit.type("other.example");
    EXPECT_EQ(edit.caption(), "other.example");
    EXPECT_EQ(changes, 2);
    edit.setReadOnly(true);
    edit.type("x");
    EXPECT_EQ(edit.caption(), "other.example");
}

TEST_F(Win32Controls, ASortedListBoxOrdersWithoutRegardToCaseAndKeepsEqualLinesInOrder) {
    auto& list = get<ListBox>("List");
    list.addLines({"pear", "Apple", "fig"});
    EXPECT_EQ(list.lines(), (std::vector<std::string>{"pear", "Apple", "fig"}));
    list.setSorted(true);
    EXPECT_TRUE(list.sorted());
    EXPECT_EQ(list.lines(), (std::vector<std::string>{"Apple", "fig", "pear"}));
    list.addLines({"APPLE", "banana", "apple", "Fig", std::string("z\0z", 3)});
    EXPECT_EQ(list.lines(), (std::vector<std::string>{"Apple", "APPLE", "apple", "banana", "fig",
                                                      "Fig", "pear", std::string("z\0z", 3)}));
    EXPECT_EQ(list.lineCount(), 8);
    list.setCurrentRow(3);
    EXPECT_EQ(list.currentRow(), 3);
    list.clearLines();
    EXPECT_EQ(list.lineCount(), 0);
    EXPECT_EQ(list.currentRow(), -1);
}

TEST_F(Win32Controls, TheGridHoldsItsCellsAndTheUsersTyping) {
    auto& grid = get<Grid>("Grid");
    grid.setRowCount(4);
    EXPECT_EQ(grid.rowCount(), 4);
    grid.setCell(0, 0, "Word");
    grid.setCell(1, 0, "Value");
    grid.setCell(0, 3, "casino");
    EXPECT_EQ(grid.cell(0, 0), "Word");
    EXPECT_EQ(grid.cell(0, 3), "casino");
    EXPECT_EQ(grid.cell(1, 3), "");
    grid.setColumnWidth(0, 120);
    EXPECT_EQ(grid.columnWidth(0), 120);
    grid.setCurrent(1, 2);
    EXPECT_EQ(grid.currentColumn(), 1);
    EXPECT_EQ(grid.currentRow(), 2);
    grid.setCurrent(0, 0);  // the title row is never current
    EXPECT_EQ(grid.currentRow(), 1);

    int changes = 0;
    grid.onChange = [&] { ++changes; };
    grid.setCurrent(1, 3);
    grid.setEditable(false);
    grid.pressKey({'X'});
    grid.pressKey({kKeyReturn});
    EXPECT_EQ(grid.cell(1, 3), "");
    EXPECT_EQ(changes, 0);
    // Typing replaces the cell's text, which the cell takes when the editing ends.
    grid.setEditable(true);
    grid.pressKey({'X', true});
    grid.pressKey({'Y'});
    EXPECT_EQ(grid.cell(1, 3), "");
    grid.pressKey({kKeyReturn});
    EXPECT_EQ(grid.cell(1, 3), "Xy");
    EXPECT_EQ(changes, 1);
    grid.pressKey({'Z'});
    grid.pressKey({kKeyEscape});  // drops what was typed
    EXPECT_EQ(grid.cell(1, 3), "Xy");
    grid.pressKey({'Z'});
    grid.setCurrent(0, 1);  // another cell: the edited one takes the text
    EXPECT_EQ(grid.cell(1, 3), "z");
    EXPECT_EQ(changes, 2);
    grid.setRowCount(2);
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.cell(0, 3), "");
}

TEST_F(Win32Controls, TheProgressBarTakesItsRange) {
    auto& bar = get<ProgressBar>("Progress");
    bar.setRange(0, 250);
    EXPECT_EQ(bar.maximum(), 250);
    bar.setPosition(120);
    EXPECT_EQ(bar.position(), 120);
}

TEST_F(Win32Controls, TheScrollBoxScrollsWithinItsContent) {
    auto& box = get<ScrollBox>("Scroll");
    box.setContentSize({180, 200});
    box.setScrollY(50);
    EXPECT_EQ(box.scrollY(), 50);
    box.setScrollY(1000);
    EXPECT_LT(box.scrollY(), 200);
    EXPECT_GT(box.scrollY(), 50);
    // Children keep their place in the content.
    EXPECT_EQ(get<Label>("Deep").geometry(), (Rect{4, 80, 100, 16}));
    // A page wider than the room shows no bar across where none is wanted.
    box.setContentSize({400, 200});
    EXPECT_EQ(
        GetWindowLongA(dynamic_cast<win32::NativeControl&>(box).hwnd(), GWL_STYLE) & WS_HSCROLL, 0);
}

TEST_F(Win32Controls, ATimerTicksWhileTheLoopRunsAndStopsWhenStopped) {
    Timer& timer = form().addTimer("Tick", 10);
    EXPECT_EQ(&form().timer("Tick"), &timer);
    EXPECT_FALSE(timer.running());
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    pumpFor(60);
    EXPECT_EQ(ticks, 0);
    timer.start();
    EXPECT_TRUE(timer.running());
    for (int i = 0; i < 200 && ticks < 3; ++i) pumpFor(10);
    EXPECT_GE(ticks, 3);
    timer.stop();
    const int stopped = ticks;
    pumpFor(60);
    EXPECT_EQ(ticks, stopped);
    timer.tick();
    EXPECT_EQ(ticks, stopped + 1);
}

TEST_F(Win32Controls, EnterPressesTheFocusedButtonOrTheDefaultOneAndTabMovesOn) {
    form().show();
    int pushes = 0;
    int oks = 0;
    get<Button>("Button").onClick = [&] { ++pushes; };
    get<Button>("Ok").onClick = [&] { ++oks; };
    get<Button>("Button").setFocus();
    form().pressKey({kKeyReturn});
    EXPECT_EQ(pushes, 1);
    EXPECT_EQ(oks, 0);
    form().pressKey({kKeyTab});
    EXPECT_EQ(form().focusedControl(), &get<Control>("Toggle"));
    get<Edit>("Edit").setFocus();
    form().pressKey({kKeyReturn});
    EXPECT_EQ(oks, 1);
    form().hide();
}

TEST_F(Win32Controls, AModalShowingEndsWithTheResultOfItsButtonOrEscOrClosing) {
    Timer& later = form().addTimer("Later", 20);
    std::function<void()> step;
    later.onTimer = [&] {
        later.stop();
        step();
    };
    step = [&] { get<Button>("Ok").click(); };
    later.start();
    EXPECT_EQ(form().showModal(), kResultOk);
    EXPECT_FALSE(form().visible());

    step = [&] { form().pressKey({kKeyEscape}); };
    later.start();
    EXPECT_EQ(form().showModal(), kResultCancel);

    bool closed = false;
    form().onClose = [&] { closed = true; };
    step = [&] { form().close(); };
    later.start();
    EXPECT_EQ(form().showModal(), kResultCancel);
    EXPECT_TRUE(closed);
}

TEST_F(Win32Controls, AButtonEndsTheShowingAfterItsHandlerAndANewShowingStartsWithoutAResult) {
    bool shownDuringHandler = false;
    get<Button>("Ok").onClick = [&] { shownDuringHandler = form().visible(); };
    Timer& later = form().addTimer("Later", 20);
    later.onTimer = [&] {
        later.stop();
        get<Button>("Ok").click();
    };
    later.start();
    EXPECT_EQ(form().showModal(), kResultOk);
    EXPECT_TRUE(shownDuringHandler);
    form().show();
    EXPECT_TRUE(form().visible());
    // Not modal: the button's result hides the window all the same.
    get<Button>("Ok").click();
    EXPECT_FALSE(form().visible());
    EXPECT_THROW(form().addTimer("Later", 5), std::logic_error);
}

TEST_F(Win32Controls, CloseQueryCanKeepTheWindowOpen) {
    form().show();
    bool allow = false;
    int closes = 0;
    form().onCloseQuery = [&] { return allow; };
    form().onClose = [&] { ++closes; };
    form().close();
    EXPECT_TRUE(form().visible());
    EXPECT_EQ(closes, 0);
    allow = true;
    form().close();
    EXPECT_FALSE(form().visible());
    EXPECT_EQ(closes, 1);
}

TEST_F(Win32Controls, AnExceptionOfAHandlerReachesTheCallerOfTheClick) {
    get<Button>("Button").onClick = [] { throw std::runtime_error("from the handler"); };
    EXPECT_THROW(get<Button>("Button").click(), std::runtime_error);
    // The next click works as before.
    int clicks = 0;
    get<Button>("Button").onClick = [&] { ++clicks; };
    get<Button>("Button").click();
    EXPECT_EQ(clicks, 1);
}

TEST(Forms, ATableWithAMissingParentOrATwiceUsedNameIsRefused) {
    const std::vector<ControlSpec> orphan = {
        {.kind = Kind::Label, .name = "Lost", .parent = "Nowhere", .at = {0, 0, 10, 10}}};
    EXPECT_THROW(test::testToolkit().createForm({.name = "Bad", .client = {100, 100}}, orphan),
                 std::logic_error);
    const std::vector<ControlSpec> twice = {
        {.kind = Kind::Label, .name = "Same", .at = {0, 0, 10, 10}},
        {.kind = Kind::Button, .name = "Same", .at = {0, 20, 10, 10}}};
    EXPECT_THROW(test::testToolkit().createForm({.name = "Bad", .client = {100, 100}}, twice),
                 std::logic_error);
}

}  // namespace
}  // namespace plevo::ui
