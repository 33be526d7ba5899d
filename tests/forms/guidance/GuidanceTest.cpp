// Show-me guidance: the pulse, the three animations, the switch on both windows, the help panel
// and the how-to window.
#include <QScrollBar>
#include <QTest>

#include "forms/guidance/HowToUnit.h"
#include "forms/registry/RegistryUnit.h"
#include "support/ToolFixture.h"

namespace plevo::test {
namespace {

class Guidance : public ToolFixture {
protected:
    Guidance() {
        // The ticks are run by hand in these tests.
        for (QTimer* t : {main_->Timer2, main_->Timer3, main_->Timer4}) t->stop();
    }
    std::vector<std::string> shownOpenFrames() const {
        std::vector<std::string> out;
        for (TImage* i : {main_->OpenImage, main_->OpenImage1, main_->OpenImage2, main_->OpenImage3,
                          main_->OpenImage4, main_->OpenImage5})
            if (!i->isHidden()) out.push_back(i->objectName().toStdString());
        return out;
    }
};

TEST_F(Guidance, StepOneFramesTurnThePagesInOrder) {
    EXPECT_EQ(shownOpenFrames().size(), 6u);  // all six at start
    const std::vector<std::string> expected = {"OpenImage1", "OpenImage2", "OpenImage4",
                                               "OpenImage5", "OpenImage",  "OpenImage1"};
    for (const std::string& frame : expected) {
        main_->Timer4Timer();
        EXPECT_EQ(shownOpenFrames(), std::vector<std::string>{frame});
    }
}

TEST_F(Guidance, StepEightAlternatesItsTwoFrames) {
    main_->Timer3Timer();
    EXPECT_TRUE(main_->AssistImage1->isHidden());
    EXPECT_FALSE(main_->AssistImage2->isHidden());
    main_->Timer3Timer();
    EXPECT_FALSE(main_->AssistImage1->isHidden());
    EXPECT_TRUE(main_->AssistImage2->isHidden());
}

TEST_F(Guidance, StepSevenBlinksFasterThenSlowerAgain) {
    std::vector<int> intervals;
    for (int i = 0; i < 8; ++i) {
        intervals.push_back(main_->Timer2->interval());
        main_->Timer2Timer();
    }
    EXPECT_EQ(intervals, (std::vector<int>{1000, 950, 900, 850, 800, 750, 700, 690}));
    // Eight ticks: the first frame again; one more shows the shaded gears.
    EXPECT_FALSE(main_->RegistryImage1->isHidden());
    EXPECT_FALSE(main_->RegistryImage3->isHidden());
    main_->Timer2Timer();
    EXPECT_FALSE(main_->RegistryImage2->isHidden());
    EXPECT_FALSE(main_->RegistryImage4->isHidden());

    // From the start the interval reaches 25 ms after 261 ticks.
    main_->Timer2->setInterval(1000);
    main_->RegistryBlinkSlowing = false;
    int ticks = 0;
    while (main_->Timer2->interval() > 25 && ticks < 1000) {
        main_->Timer2Timer();
        ++ticks;
    }
    EXPECT_EQ(ticks, 261);
    main_->Timer2Timer();
    EXPECT_EQ(main_->Timer2->interval(), 26);
    EXPECT_TRUE(main_->RegistryBlinkSlowing);
}

TEST_F(Guidance, TheSwitchOnEitherWindowStopsAndRestartsTheAnimations) {
    for (QTimer* t : {main_->Timer2, main_->Timer3, main_->Timer4}) t->start();
    main_->Timer2->setInterval(640);
    main_->Timer2Timer();  // the step-7 pictures on their second frame
    TRegistryForm& reg = tool_->RegistryForm();
    reg.ShowMeRegBox->click();
    EXPECT_FALSE(main_->ShowMeCheckBox->isChecked());
    for (QTimer* t : {main_->Timer2, main_->Timer3, main_->Timer4}) EXPECT_FALSE(t->isActive());
    EXPECT_FALSE(main_->RegistryImage1->isHidden());
    EXPECT_TRUE(main_->RegistryImage2->isHidden());

    const int interval = main_->Timer2->interval();
    QTest::mouseClick(main_->ShowMeCheckBox, Qt::LeftButton);
    EXPECT_TRUE(reg.ShowMeRegBox->isChecked());
    for (QTimer* t : {main_->Timer2, main_->Timer3, main_->Timer4}) EXPECT_TRUE(t->isActive());
    EXPECT_EQ(main_->Timer2->interval(), interval);
}

TEST_F(Guidance, WithTheSwitchOffThePulseWaits) {
    main_->PointNextStep(main_->Button7, main_->SortImage);
    main_->AnimateBtnTimerTimer();
    main_->AnimateBtnTimerTimer();
    EXPECT_EQ(main_->SortImage->width(), 31);
    main_->ShowMeCheckBox->setChecked(false);
    main_->AnimateBtnTimerTimer();
    EXPECT_EQ(main_->SortImage->width(), 31);  // frozen, still small
    EXPECT_TRUE(main_->AnimateBtnTimer->isActive());
    main_->ResetStepImages();
    EXPECT_EQ(main_->SortImage->width(), 33);
}

TEST_F(Guidance, HelpPanelText) {
    const QStringList lines = main_->MemoMainHelp->toPlainText().split(u'\n');
    ASSERT_EQ(lines.size(), 55);
    EXPECT_EQ(lines[0], "Info: The domain name is the address after the @ sign.");
    EXPECT_EQ(lines[12], "               The default is checked.");
    // The worked example: a domain of four parts, shortened to its last three or two.
    const QString example = lines[19].section(u'@', 1).section(u' ', 0, 0);
    EXPECT_EQ(example.count(u'.'), 3) << example.toStdString();
    EXPECT_TRUE(lines[19].contains(u' ' + example.section(u'.', 1) + u','))
        << lines[19].toStdString();
    EXPECT_EQ(lines[23],
              "     List (safe domain list) you can do this by selecting No when prompted to");
    EXPECT_EQ(lines[47],
              "8.  The Assist me button will automate most of the actions necessary to open");
    EXPECT_EQ(lines[52], "     ");
    EXPECT_TRUE(lines[53].contains(u'@'));
    EXPECT_EQ(lines[54], "");
}

TEST_F(Guidance, HowToWindowScrollsAndClosesWithEsc) {
    showMainWindow();
    THowTo& how = tool_->HowTo();
    EXPECT_EQ(how.size(), QSize(633, 489));
    EXPECT_EQ(how.GroupBox1->title(),
              "1. Open Regedit from the Start button - selct Run and type in Regedit  ");
    EXPECT_EQ(how.Label2->text(), "You can use the Esc key to exit.");
    EXPECT_EQ(
        how.GroupBox2->title(),
        "2. From Regedit select File\\Export, and check the All option at the bottom. Save the "
        "Registry. (Use Import to return the registry)");
    main_->HowtoImage->click();
    EXPECT_TRUE(how.isVisible());
    // The second step's group is 617 wide and the page shows all of it beside the scroll bar.
    EXPECT_EQ(how.GroupBox2->size(), QSize(617, 305));
    EXPECT_GE(how.Scroller->viewport()->width(), how.GroupBox2->geometry().right() + 1);
    EXPECT_EQ(how.Scroller->verticalScrollBar()->value(), 0);
    QTest::mouseClick(how.GroupBox1, Qt::LeftButton, {}, QPoint(300, 100));
    EXPECT_EQ(how.Scroller->verticalScrollBar()->value(), 144);
    QTest::keyClick(&how, Qt::Key_Escape);
    EXPECT_FALSE(how.isVisible());
    main_->BitBtn2->click();  // shown again: back at the top
    EXPECT_EQ(how.Scroller->verticalScrollBar()->value(), 0);
}

}  // namespace
}  // namespace plevo::test
