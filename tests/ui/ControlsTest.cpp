// Every kind of control, built from one table and driven through the control layer only: the same
// source runs on each backend.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/TestToolkit.h"
#include "ui/Form.h"
#include "ui/InputBox.h"
#include "ui/Toolkit.h"

namespace plevo::ui {
namespace {

using test::testToolkit;

Drawing square(const char* key) {
    return {.key = key, .width = 16, .height = 16, .paint = [](Surface& s) {
                s.brush(colours::kRed);
                s.rectangle({2, 2, 12, 12});
            }};
}

const std::vector<ControlSpec>& table() {
    static const std::vector<ControlSpec> rows = {
        {.kind = Kind::Panel,
         .name = "Panel",
         .at = {8, 8, 200, 90},
         .caption = "Panel",
         .colour = colours::kAqua},
        {.kind = Kind::Label,
         .name = "Label",
         .parent = "Panel",
         .at = {4, 4, 100, 16},
         .caption = "Label",
         .hint = "a hint",
         .fontColour = colours::kBlue},
        {.kind = Kind::Picture,
         .name = "Picture",
         .parent = "Panel",
         .at = {4, 30, 33, 33},
         .drawing = square("test/square")},
        {.kind = Kind::GroupBox, .name = "Group", .at = {216, 8, 200, 90}, .caption = "Group"},
        {.kind = Kind::CheckBox,
         .name = "Check",
         .parent = "Group",
         .at = {8, 16, 150, 20},
         .caption = "Check",
         .flags = kChecked},
        {.kind = Kind::RadioButton,
         .name = "Radio1",
         .parent = "Group",
         .at = {8, 40, 150, 20},
         .caption = "One",
         .flags = kChecked},
        {.kind = Kind::RadioButton,
         .name = "Radio2",
         .parent = "Group",
         .at = {8, 62, 150, 20},
         .caption = "Two"},
        {.kind = Kind::ToggleButton, .name = "Toggle", .at = {8, 104, 80, 24}, .caption = "Toggle"},
        {.kind = Kind::Edit, .name = "Edit", .at = {96, 104, 120, 22}, .caption = "start"},
        {.kind = Kind::Memo,
         .name = "Memo",
         .at = {8, 136, 200, 100},
         .caption = "a\nb",
         .flags = kVScroll | kHScroll},
        {.kind = Kind::ListBox, .name = "List", .at = {216, 136, 200, 100}, .flags = kSorted},
        {.kind = Kind::Grid, .name = "Grid", .at = {8, 244, 200, 100}},
        {.kind = Kind::ProgressBar, .name = "Progress", .at = {216, 244, 200, 20}},
        {.kind = Kind::ScrollBox, .name = "Scroll", .at = {216, 270, 200, 74}, .flags = kVScroll},
        {.kind = Kind::Label,
         .name = "Inside",
         .parent = "Scroll",
         .at = {0, 200, 80, 16},
         .caption = "far down"},
        {.kind = Kind::Label,
         .name = "Hidden",
         .at = {424, 8, 80, 16},
         .caption = "Hidden",
         .flags = kHidden},
        {.kind = Kind::Button,
         .name = "Off",
         .at = {424, 30, 80, 24},
         .caption = "Off",
         .flags = kDisabled},
        {.kind = Kind::Button,
         .name = "Ok",
         .at = {424, 320, 80, 24},
         .caption = "&OK",
         .flags = kDefault,
         .modalResult = kResultOk},
        {.kind = Kind::Button,
         .name = "Cancel",
         .at = {510, 320, 80, 24},
         .caption = "Cancel",
         .flags = kCancel,
         .modalResult = kResultCancel},
    };
    return rows;
}

class Controls : public testing::Test {
protected:
    Controls()
        : form_(testToolkit().createForm(
              {.name = "Test", .caption = "Controls", .client = {600, 352}}, table())) {}

    template <class T>
    T& get(const char* name) {
        return form_->get<T>(name);
    }
    // Lets timers and posted events run until `done` or two seconds have passed.
    template <class Done>
    bool waitFor(Done done) {
        const auto until = testToolkit().milliseconds() + 2000;
        while (!done() && testToolkit().milliseconds() < until) testToolkit().processEvents();
        return done();
    }

    std::unique_ptr<Form> form_;
};

TEST_F(Controls, EveryRowOfTheTableBecomesItsControl) {
    EXPECT_EQ(form_->caption(), "Controls");
    EXPECT_EQ(form_->clientSize(), (Size{600, 352}));
    ASSERT_EQ(form_->controls().size(), table().size());
    for (const ControlSpec& row : table()) {
        SCOPED_TRACE(row.name);
        Control* c = form_->find(row.name);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->kind(), row.kind);
        EXPECT_EQ(&c->form(), form_.get());
        EXPECT_EQ(c->geometry(), row.at);
        EXPECT_EQ(c->visible(), !(row.flags & kHidden));
        EXPECT_EQ(c->enabled(), !(row.flags & kDisabled));
        EXPECT_EQ(c->colour(), row.colour);
        EXPECT_EQ(c->fontColour(), row.fontColour);
        EXPECT_EQ(c->hint(), row.hint);
        if (row.kind != Kind::Memo && row.kind != Kind::ListBox) {
            EXPECT_EQ(c->caption(), row.caption);
        }
    }
    EXPECT_EQ(get<Picture>("Picture").drawingKey(), "test/square");
    EXPECT_EQ(form_->find("Nothing"), nullptr);
    EXPECT_THROW(form_->get<Button>("Label"), std::logic_error);
}

TEST_F(Controls, AWindowHasTheFrameAndTheSeeThroughColourItsSpecAskedFor) {
    EXPECT_EQ(form_->style(), FormStyle::Window);
    EXPECT_EQ(form_->seeThrough(), std::nullopt);
    for (FormStyle style : {FormStyle::Dialog, FormStyle::CaptionOnly, FormStyle::Borderless}) {
        const auto keyed = testToolkit().createForm(
            {.name = "Keyed", .client = {120, 80}, .style = style, .seeThrough = colours::kWhite},
            {});
        EXPECT_EQ(keyed->style(), style);
        EXPECT_EQ(keyed->seeThrough(), colours::kWhite);
    }
}

TEST_F(Controls, StateChangesReadBack) {
    Label& label = get<Label>("Label");
    label.setGeometry({10, 12, 90, 18});
    label.setCaption("caf\xe9 \x01\xff");
    label.setColour(colours::kYellow);
    label.setFontColour(std::nullopt);
    label.setVisible(false);
    label.setEnabled(false);
    label.setHint("other");
    EXPECT_EQ(label.geometry(), (Rect{10, 12, 90, 18}));
    EXPECT_EQ(label.caption(), "caf\xe9 \x01\xff");
    EXPECT_EQ(label.colour(), colours::kYellow);
    EXPECT_EQ(label.fontColour(), std::nullopt);
    EXPECT_FALSE(label.visible());
    EXPECT_FALSE(label.enabled());
    EXPECT_EQ(label.hint(), "other");
    const Font bold{.bold = true};
    get<Edit>("Edit").setFont(bold);
    EXPECT_EQ(get<Edit>("Edit").font(), bold);
    form_->setCaption("Renamed");
    EXPECT_EQ(form_->caption(), "Renamed");
    form_->setColour(colours::kBlack);
    EXPECT_EQ(form_->colour(), colours::kBlack);
}

TEST_F(Controls, ACaptionTooWideForItsControlShrinksItsFontUntilItFits) {
    const std::string caption = "Number of Domain names listed =";
    const int needed = testToolkit().textWidth(Font{}, caption);
    struct Case {
        const char* name;
        int margin;  // what the control keeps beside its caption
    };
    for (const Case& c : {Case{"Label", 0}, Case{"Group", 8}, Case{"Panel", 4}, Case{"Off", 4},
                          Case{"Check", 20}, Case{"Radio1", 20}}) {
        SCOPED_TRACE(c.name);
        Control& control = *form_->find(c.name);
        const int room = needed - 12;
        control.setGeometry({0, 0, room + c.margin, 40});
        control.setCaption(caption);
        EXPECT_LE(testToolkit().textWidth(control.font(), caption), room);
        EXPECT_GT(control.font().pixels, 0);
        EXPECT_EQ(control.caption(), caption);
        // With room enough, the font is the one the table asked for again.
        control.setGeometry({0, 0, needed + c.margin + 16, 40});
        EXPECT_EQ(control.font(), Font{});
    }
}

TEST_F(Controls, UsersClickToggleChecksAndThenRunsTheHandler) {
    CheckBox& check = get<CheckBox>("Check");
    RadioButton& one = get<RadioButton>("Radio1");
    RadioButton& two = get<RadioButton>("Radio2");
    ToggleButton& toggle = get<ToggleButton>("Toggle");
    std::vector<std::string> seen;
    check.onClick = [&] { seen.push_back(check.checked() ? "check on" : "check off"); };
    two.onClick = [&] { seen.push_back(one.checked() ? "two, one still on" : "two"); };
    toggle.onClick = [&] { seen.push_back(toggle.checked() ? "toggle on" : "toggle off"); };
    check.click();
    check.click();
    two.click();
    toggle.click();
    EXPECT_EQ(seen, (std::vector<std::string>{"check off", "check on", "two", "toggle on"}));
    EXPECT_FALSE(one.checked());
    EXPECT_TRUE(two.checked());
    // Set by the window: no handler runs, and every radio button can be cleared.
    seen.clear();
    check.setChecked(false);
    two.setChecked(false);
    toggle.setChecked(false);
    EXPECT_FALSE(check.checked());
    EXPECT_FALSE(one.checked() || two.checked());
    EXPECT_FALSE(toggle.checked());
    EXPECT_TRUE(seen.empty());
}

TEST_F(Controls, ADisabledControlRunsNoHandlerOfAClickOrADoubleClick) {
    std::vector<std::string> ran;
    for (Control* c : form_->controls()) {
        c->onClick = [&ran, c] { ran.push_back(c->name() + " click"); };
        c->onDoubleClick = [&ran, c] { ran.push_back(c->name() + " double-click"); };
    }
    const auto use = [](Control& c) {
        c.click();
        c.doubleClick();
    };
    for (const char* name : {"Off", "Label", "Picture", "Panel", "Check", "Radio2", "Toggle",
                             "Grid", "List", "Edit", "Memo"}) {
        Control& c = *form_->find(name);
        c.setEnabled(false);
        use(c);
    }
    // Inside a disabled container, an enabled control cannot be used either.
    get<Label>("Label").setEnabled(true);
    use(get<Label>("Label"));
    EXPECT_EQ(ran, std::vector<std::string>{});
    EXPECT_TRUE(get<CheckBox>("Check").checked());
    EXPECT_FALSE(get<RadioButton>("Radio2").checked());
    EXPECT_FALSE(get<ToggleButton>("Toggle").checked());
    get<Panel>("Panel").setEnabled(true);
    use(get<Label>("Label"));
    EXPECT_EQ(ran, (std::vector<std::string>{"Label click", "Label double-click"}));
}

TEST_F(Controls, EveryByteButCrAndLfSurvivesAMemo) {
    Memo& memo = get<Memo>("Memo");
    EXPECT_EQ(memo.lines(), (std::vector<std::string>{"a", "b"}));
    std::vector<std::string> lines;
    for (int start = 1; start < 256; start += 16) {
        std::string line;
        for (int b = start; b < start + 16 && b < 256; ++b)
            if (b != '\r' && b != '\n') line += static_cast<char>(b);
        lines.push_back(line);
    }
    lines.push_back("");  // an empty entry keeps its place
    lines.push_back(" trailing  ");
    memo.setLines(lines);
    EXPECT_EQ(memo.lines(), lines);
    EXPECT_EQ(memo.lineCount(), static_cast<int>(lines.size()));
    EXPECT_EQ(memo.line(1), lines[1]);
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    EXPECT_EQ(memo.text(), text);

    struct Case {
        std::string in;
        std::vector<std::string> lines;
        std::string text;
    };
    for (const Case& c : {Case{"a\r\nb\nc\rd", {"a", "b", "c", "d"}, "a\r\nb\r\nc\r\nd"},
                          Case{"a\n\rb", {"a", "", "b"}, "a\r\n\r\nb"},
                          Case{"x\r\n", {"x"}, "x\r\n"}, Case{"", {}, ""}}) {
        SCOPED_TRACE(c.in);
        memo.setText(c.in);
        EXPECT_EQ(memo.lines(), c.lines);
        EXPECT_EQ(memo.text(), c.text);
        EXPECT_EQ(memo.isEmpty(), c.in.empty());
    }
}

TEST_F(Controls, MemoLinesChangeOneAtATimeAndTheSelectionReadsBack) {
    Memo& memo = get<Memo>("Memo");
    int changes = 0;
    memo.onChange = [&] { ++changes; };
    memo.setLines({"one", "two"});
    memo.appendLine("three");
    memo.replaceLine(0, "ONE");
    EXPECT_EQ(memo.lines(), (std::vector<std::string>{"ONE", "two", "three"}));
    EXPECT_GE(changes, 3);
    memo.select(1, 1, 2);
    EXPECT_EQ(memo.selectedText(), "wo");
    memo.type("ee");
    EXPECT_EQ(memo.line(1), "tee");
    memo.clearSelection();
    EXPECT_EQ(memo.selectedText(), "");
    // Shift+Enter ends the line, as Enter does: a list has no soft breaks.
    memo.select(2, 5, 0);
    memo.setFocus();
    memo.pressKey({.key = kKeyReturn, .shift = true});
    memo.type("four");
    EXPECT_EQ(memo.lines(), (std::vector<std::string>{"ONE", "tee", "three", "four"}));
    memo.pressKey({.key = 'A', .ctrl = true});
    EXPECT_EQ(memo.selectedText(), "ONE\r\ntee\r\nthree\r\nfour\r\n");
    memo.clearLines();
    EXPECT_TRUE(memo.isEmpty());
    EXPECT_EQ(memo.lineCount(), 0);
}

TEST_F(Controls, ASortedListIgnoresCaseAndKeepsEqualLinesInTheirOrder) {
    ListBox& list = get<ListBox>("List");
    EXPECT_TRUE(list.sorted());
    list.addLines({"b", "A", "a", "B", "c", "a\xe9"});
    list.addLines({"a"});
    EXPECT_EQ(list.lines(), (std::vector<std::string>{"A", "a", "a", "a\xe9", "b", "B", "c"}));
    list.clearLines();
    list.setSorted(false);
    list.addLines({"z", "y"});
    EXPECT_EQ(list.lines(), (std::vector<std::string>{"z", "y"}));
    list.setSorted(true);
    EXPECT_EQ(list.lines(), (std::vector<std::string>{"y", "z"}));
    list.setCurrentRow(1);
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_EQ(list.lineCount(), 2);
}

TEST_F(Controls, GridCellsTitlesAndTheCurrentCell) {
    Grid& grid = get<Grid>("Grid");
    EXPECT_EQ(grid.rowCount(), 1);
    grid.setRowCount(4);
    grid.setCell(0, 0, "Word");
    grid.setCell(1, 0, "Action");
    for (int r = 1; r < 4; ++r) {
        grid.setCell(0, r, "w" + std::to_string(r));
        grid.setCell(1, r, "a\xe9" + std::to_string(r));
    }
    EXPECT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(grid.cell(0, 0), "Word");
    EXPECT_EQ(grid.cell(1, 0), "Action");
    EXPECT_EQ(grid.cell(0, 3), "w3");
    EXPECT_EQ(grid.cell(1, 2),
              "a\xe9"
              "2");
    EXPECT_EQ(grid.cell(1, 9), "");
    grid.setCurrent(1, 2);
    EXPECT_EQ(grid.currentRow(), 2);
    EXPECT_EQ(grid.currentColumn(), 1);
    grid.setColumnWidth(0, 64);
    EXPECT_EQ(grid.columnWidth(0), 64);
    grid.setRowCount(2);
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.cell(0, 1), "w1");
}

TEST_F(Controls, AProgressBarKeepsItsPositionInItsRange) {
    ProgressBar& bar = get<ProgressBar>("Progress");
    bar.setRange(0, 50);
    EXPECT_EQ(bar.maximum(), 50);
    for (const auto& [set, read] : std::vector<std::pair<int, int>>{{20, 20}, {70, 50}, {-5, 0}}) {
        bar.setPosition(set);
        EXPECT_EQ(bar.position(), read) << set;
    }
}

TEST_F(Controls, ATimerTicksOnlyWhileRunning) {
    Timer& timer = form_->addTimer("Timer1", 5);
    EXPECT_EQ(&form_->timer("Timer1"), &timer);
    EXPECT_FALSE(timer.running());
    EXPECT_EQ(timer.interval(), 5);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    timer.tick();
    EXPECT_EQ(ticks, 1);
    timer.start();
    EXPECT_TRUE(timer.running());
    EXPECT_TRUE(waitFor([&] { return ticks >= 3; }));
    timer.stop();
    const int stopped = ticks;
    waitFor([] { return false; });  // two seconds without a tick
    EXPECT_EQ(ticks, stopped);
    EXPECT_THROW(form_->timer("Timer2"), std::logic_error);
}

// A program's loop runs until quit(); a loop started again runs until the next quit().
TEST_F(Controls, TheLoopRunsUntilQuitAndAgainWhenStartedAgain) {
    Timer& timer = form_->addTimer("Quit", 10);
    int ticks = 0;
    timer.onTimer = [&] {
        ++ticks;
        timer.stop();
        testToolkit().quit();
    };
    for (int run = 1; run <= 2; ++run) {
        timer.start();
        testToolkit().run();
        EXPECT_EQ(ticks, run);
    }
}

TEST_F(Controls, EnterPressesTheDefaultButtonEscTheCancelButtonAndAFocusedButtonItself) {
    std::vector<std::string> pressed;
    for (const char* name : {"Ok", "Cancel", "Toggle"})
        form_->find(name)->onClick = [&pressed, name] { pressed.push_back(name); };
    get<Edit>("Edit").pressKey({.key = kKeyReturn});
    get<Edit>("Edit").pressKey({.key = kKeyEscape});
    get<Button>("Cancel").pressKey({.key = kKeyReturn});
    // A memo takes Enter as a line break.
    get<Memo>("Memo").setText("");
    get<Memo>("Memo").pressKey({.key = kKeyReturn});
    EXPECT_EQ(get<Memo>("Memo").text(), "\r\n");
    EXPECT_EQ(pressed, (std::vector<std::string>{"Ok", "Cancel", "Cancel"}));
}

TEST_F(Controls, AModalShowingEndsWithTheResultOfTheButtonOrTheCloseBox) {
    struct Case {
        const char* what;
        std::function<void(Form&)> act;
        int result;
    };
    std::vector<std::string> seen;
    form_->onShow = [&] { seen.push_back("show"); };
    form_->onClose = [&] { seen.push_back("close"); };
    get<Button>("Ok").onClick = [&] { seen.push_back("ok"); };
    const Case cases[] = {
        {"OK", [](Form& f) { f.get<Button>("Ok").click(); }, kResultOk},
        {"Enter", [](Form& f) { f.get<Edit>("Edit").pressKey({.key = kKeyReturn}); }, kResultOk},
        {"Esc", [](Form& f) { f.pressKey({.key = kKeyEscape}); }, kResultCancel},
        {"endModal", [](Form& f) { f.endModal(kResultIgnore); }, kResultIgnore},
        {"close box", [](Form& f) { f.close(); }, kResultCancel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        seen.clear();
        Timer& act = form_->findTimer("act") ? form_->timer("act") : form_->addTimer("act", 0);
        act.onTimer = [&] {
            act.stop();
            c.act(*form_);
        };
        act.start();
        EXPECT_EQ(form_->showModal(), c.result);
        EXPECT_EQ(form_->modalResult(), c.result);
        EXPECT_FALSE(form_->visible());
        EXPECT_EQ(seen.front(), "show");
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"show", "close"}));
}

TEST_F(Controls, EachShowingRunsOnShowAndActivationOnActivate) {
    int shows = 0;
    int activations = 0;
    form_->onShow = [&] { ++shows; };
    form_->onActivate = [&] { ++activations; };
    for (int round = 1; round <= 2; ++round) {
        form_->show();
        form_->show();  // already shown: not a new showing
        EXPECT_EQ(shows, round);
        EXPECT_TRUE(waitFor([&] { return activations >= round; }));
        EXPECT_EQ(activations, round);
        EXPECT_TRUE(form_->active());
        form_->hide();
        testToolkit().processEvents();
    }
}

TEST_F(Controls, CloseAsksFirstAndAHiddenControlStaysHiddenWhenItsWindowShows) {
    bool mayClose = false;
    int closes = 0;
    form_->onCloseQuery = [&] { return mayClose; };
    form_->onClose = [&] { ++closes; };
    form_->show();
    EXPECT_TRUE(form_->visible());
    EXPECT_FALSE(form_->find("Hidden")->visible());
    EXPECT_TRUE(form_->find("Label")->visible());
    form_->close();
    EXPECT_TRUE(form_->visible());
    EXPECT_EQ(closes, 0);
    mayClose = true;
    form_->close();
    EXPECT_FALSE(form_->visible());
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(form_->modalResult(), kResultCancel);
}

TEST_F(Controls, AScrollBoxScrollsItsPage) {
    ScrollBox& box = get<ScrollBox>("Scroll");
    box.setContentSize({180, 400});
    form_->show();
    testToolkit().processEvents();
    box.setScrollY(150);
    EXPECT_EQ(box.scrollY(), 150);
    EXPECT_EQ(get<Label>("Inside").geometry(), (Rect{0, 200, 80, 16}));
    form_->hide();
}

TEST_F(Controls, TheInputBoxStaysOnTheScreenAndATallPromptScrollsInIt) {
    // The identity question with 80 identities is taller than any screen. The box is centred over
    // the main window, here pushed into the screen's bottom right corner.
    std::string tall =
        "80 persons are using Outlook Express\n\rPlease choose an identity?\n\r\n\rThe default "
        "user is Main Identity,\n\r";
    for (int k = 0; k < 80; ++k)
        tall += std::to_string(k) + ". Identity " + std::to_string(k) + "\n\r";
    const Rect screen = testToolkit().screenArea();
    form_->show();
    form_->move({screen.right() - 50, screen.bottom() - 50});
    const auto onScreen = [&](Point p) {
        return p.x >= screen.x && p.y >= screen.y && p.x <= screen.right() &&
               p.y <= screen.bottom();
    };
    for (const std::string& prompt : {std::string("3 persons\n\rPlease choose"), tall}) {
        const auto box = makeInputBox(testToolkit(), "Identity's", prompt, "0");
        box->show();
        testToolkit().processEvents();
        EXPECT_TRUE(onScreen(box->position()));
        EXPECT_TRUE(onScreen(box->toScreen({box->clientSize().w, box->clientSize().h})));
        for (const char* name : {"Value", "OK", "Cancel"}) {
            const Rect at = box->get<Control>(name).geometry();
            EXPECT_TRUE(onScreen(box->toScreen({at.right(), at.bottom()}))) << name;
        }
        box->hide();
    }
    // Every line of the tall prompt is there to scroll to.
    const auto box = makeInputBox(testToolkit(), "Identity's", tall, "0");
    const Memo& lines = box->get<Memo>("Prompt");
    EXPECT_EQ(lines.lineCount(), 84);
    EXPECT_EQ(lines.line(83), "79. Identity 79");
    EXPECT_LT(lines.geometry().h, screen.h);
    form_->hide();
}

}  // namespace
}  // namespace plevo::ui
