// Show-me guidance: the pulse, the three animations, the switch on both windows, the help panel
// and the how-to window.
#include <algorithm>

#include "forms/guidance/HowToUnit.h"
#include "forms/registry/RegistryUnit.h"
#include "support/Legibility.h"
#include "support/ToolFixture.h"

namespace plevo::test {
namespace {

class Guidance : public ToolFixture {
protected:
    Guidance() {
        // The ticks are run by hand in these tests.
        for (const char* t : {"Timer2", "Timer3", "Timer4"}) timer(t).stop();
    }
    std::vector<std::string> shownOpenFrames() const {
        std::vector<std::string> out;
        for (const char* name :
             {"OpenImage", "OpenImage1", "OpenImage2", "OpenImage3", "OpenImage4", "OpenImage5"})
            if (visible(name)) out.push_back(name);
        return out;
    }
    ui::Form& registryWindow() const { return tool_->RegistryForm().form(); }
    int width(const char* picture) const { return control<ui::Picture>(picture).geometry().w; }
};

TEST_F(Guidance, StepOneFramesTurnThePagesInOrder) {
    EXPECT_EQ(shownOpenFrames().size(), 6u);  // all six at start
    const std::vector<std::string> expected = {"OpenImage1", "OpenImage2", "OpenImage4",
                                               "OpenImage5", "OpenImage",  "OpenImage1"};
    for (const std::string& frame : expected) {
        timer("Timer4").tick();
        EXPECT_EQ(shownOpenFrames(), std::vector<std::string>{frame});
    }
}

TEST_F(Guidance, StepEightAlternatesItsTwoFrames) {
    timer("Timer3").tick();
    EXPECT_FALSE(visible("AssistImage1"));
    EXPECT_TRUE(visible("AssistImage2"));
    timer("Timer3").tick();
    EXPECT_TRUE(visible("AssistImage1"));
    EXPECT_FALSE(visible("AssistImage2"));
}

TEST_F(Guidance, StepSevenBlinksFasterThenSlowerAgain) {
    ui::Timer& blink = timer("Timer2");
    std::vector<int> intervals;
    for (int i = 0; i < 8; ++i) {
        intervals.push_back(blink.interval());
        blink.tick();
    }
    EXPECT_EQ(intervals, (std::vector<int>{1000, 950, 900, 850, 800, 750, 700, 690}));
    // Eight ticks: the first frame again; one more shows the shaded gears.
    EXPECT_TRUE(visible("RegistryImage1"));
    EXPECT_TRUE(visible("RegistryImage3"));
    blink.tick();
    EXPECT_TRUE(visible("RegistryImage2"));
    EXPECT_TRUE(visible("RegistryImage4"));

    // From the start the interval reaches 25 ms after 261 ticks.
    blink.setInterval(1000);
    main_->RegistryBlinkSlowing = false;
    int ticks = 0;
    while (blink.interval() > 25 && ticks < 1000) {
        blink.tick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 261);
    blink.tick();
    EXPECT_EQ(blink.interval(), 26);
    EXPECT_TRUE(main_->RegistryBlinkSlowing);
}

TEST_F(Guidance, TheSwitchOnEitherWindowStopsAndRestartsTheAnimations) {
    showMainWindow();
    registryWindow().show();
    for (const char* t : {"Timer2", "Timer3", "Timer4"}) timer(t).start();
    timer("Timer2").setInterval(640);
    timer("Timer2").tick();  // the step-7 pictures on their second frame
    ui::CheckBox& regSwitch = registryWindow().get<ui::CheckBox>("ShowMeRegBox");
    user().click(regSwitch);
    EXPECT_FALSE(control<ui::CheckBox>("ShowMeCheckBox").checked());
    for (const char* t : {"Timer2", "Timer3", "Timer4"}) EXPECT_FALSE(timer(t).running()) << t;
    EXPECT_TRUE(visible("RegistryImage1"));
    EXPECT_FALSE(visible("RegistryImage2"));

    const int interval = timer("Timer2").interval();
    main_->form().activate();  // on top of the registry window again
    userClick("ShowMeCheckBox");
    EXPECT_TRUE(regSwitch.checked());
    for (const char* t : {"Timer2", "Timer3", "Timer4"}) EXPECT_TRUE(timer(t).running()) << t;
    EXPECT_EQ(timer("Timer2").interval(), interval);
}

TEST_F(Guidance, WithTheSwitchOffThePulseWaits) {
    main_->PointNextStep(&control<ui::Button>("Button7"), &control<ui::Picture>("SortImage"));
    timer("AnimateBtnTimer").tick();
    timer("AnimateBtnTimer").tick();
    EXPECT_EQ(width("SortImage"), 31);
    main_->setShowMe(false);
    timer("AnimateBtnTimer").tick();
    EXPECT_EQ(width("SortImage"), 31);  // frozen, still small
    EXPECT_TRUE(timer("AnimateBtnTimer").running());
    main_->ResetStepImages();
    EXPECT_EQ(width("SortImage"), 33);
}

TEST_F(Guidance, ThereIsOnePulseAndAimingInTheRegistryWindowTakesItOffTheMainWindow) {
    ui::Picture& open = registryWindow().get<ui::Picture>("OpenRegImage");
    main_->PointNextStep(&control<ui::Button>("Button7"), &control<ui::Picture>("SortImage"));
    for (int i = 0; i < 3; ++i) timer("AnimateBtnTimer").tick();
    EXPECT_EQ(width("SortImage"), 30);

    tool_->RegistryForm().pointAtOpen();
    EXPECT_EQ(&tool_->pulse(), &main_->pulse());
    EXPECT_EQ(tool_->pulse().target(), &open);
    for (int i = 0; i < 2; ++i) timer("AnimateBtnTimer").tick();
    EXPECT_EQ(open.geometry().w, 31);
    EXPECT_EQ(width("SortImage"), 30);  // left where it stood, no longer pulsing
    // The step pictures of both windows go back to full size together, and the pulse stops.
    main_->ResetStepImages();
    EXPECT_EQ(width("SortImage"), 33);
    EXPECT_EQ(open.geometry().w, 33);
    EXPECT_FALSE(timer("AnimateBtnTimer").running());
}

TEST_F(Guidance, HelpPanelText) {
    const std::string text = memo("MemoMainHelp").text();
    std::vector<std::string> lines;
    for (std::size_t from = 0;;) {
        const std::size_t end = text.find("\r\n", from);
        lines.push_back(text.substr(from, end == std::string::npos ? end : end - from));
        if (end == std::string::npos) break;
        from = end + 2;
    }
    ASSERT_EQ(lines.size(), 55u);
    EXPECT_EQ(lines[0], "Info: The domain name is the address after the @ sign.");
    EXPECT_EQ(lines[12], "               The default is checked.");
    // The worked example: a domain of four parts, shortened to its last three or two.
    const std::string afterAt = lines[19].substr(lines[19].find('@') + 1);
    const std::string example = afterAt.substr(0, afterAt.find(' '));
    EXPECT_EQ(std::count(example.begin(), example.end(), '.'), 3) << example;
    EXPECT_NE(lines[19].find(" " + example.substr(example.find('.') + 1) + ","), std::string::npos)
        << lines[19];
    EXPECT_EQ(lines[23],
              "     List (safe domain list) you can do this by selecting No when prompted to");
    EXPECT_EQ(lines[47],
              "8.  The Assist me button will automate most of the actions necessary to open");
    EXPECT_EQ(lines[52], "     ");
    EXPECT_NE(lines[53].find('@'), std::string::npos);
    EXPECT_EQ(lines[54], "");
}

// The tool started as its main starts it: the how-to window from its picture, scrolled by a
// click on the first step, closed with Esc, shown again at its top.
TEST_F(Guidance, HowToWindowScrollsAndClosesWithEsc) {
    runTool([] {
        ui::Form& how = window("HowTo");
        EXPECT_EQ(how.clientSize(), (ui::Size{633, 489}));
        EXPECT_EQ(how.get<ui::GroupBox>("GroupBox1").caption(),
                  "1. Open Regedit from the Start button - selct Run and type in Regedit  ");
        EXPECT_EQ(how.get<ui::Label>("Label2").caption(), "You can use the Esc key to exit.");
        EXPECT_EQ(
            how.get<ui::GroupBox>("GroupBox2").caption(),
            "2. From Regedit select File\\Export, and check the All option at the bottom. Save the "
            "Registry. (Use Import to return the registry)");
        ui::Control& howtoImage = window("Replace").get<ui::Picture>("HowtoImage");
        user().click(howtoImage);
        EXPECT_TRUE(how.visible());
        EXPECT_EQ(illegibleTexts(how), "");
        // The second step's group is 617 wide and the page shows all of it.
        const ui::Rect group2 = how.get<ui::GroupBox>("GroupBox2").geometry();
        EXPECT_EQ(group2.w, 617);
        EXPECT_EQ(group2.h, 305);
        ui::ScrollBox& scroller = how.get<ui::ScrollBox>("Scroller");
        EXPECT_GE(scroller.geometry().w, group2.right());
        EXPECT_EQ(scroller.scrollY(), 0);
        user().click(how.get<ui::GroupBox>("GroupBox1"));
        EXPECT_EQ(scroller.scrollY(), 144);
        user().press({.key = ui::kKeyEscape});
        EXPECT_FALSE(how.visible());
        user().click(howtoImage);  // shown again: back at the top
        EXPECT_EQ(scroller.scrollY(), 0);
        user().press({.key = ui::kKeyEscape});
        user().click(window("Replace").get<ui::Picture>("CloseImage"));
    });
}

}  // namespace
}  // namespace plevo::test
