// What both backends do alike, tested once: the line breaks of messages, a window's timers and
// the fitting of captions.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

#include "ui/CaptionFit.h"
#include "ui/MessageText.h"
#include "ui/TimerSet.h"

namespace plevo::ui {
namespace {

TEST(MessageText, EachKindOfBreakIsOneBreak) {
    const struct {
        const char* text;
        const char* shown;
    } cases[] = {
        {"a\n\rb", "a|b"},       // the tool's own join
        {"a\n\r\n\rb", "a||b"},  // an empty line between
        {"a\r\nb\nc\rd", "a|b|c|d"},
        {"a\n\nb\r\rc", "a||b||c"},  // two equal breaks are two lines
        {"\n\r", "|"},
        {"end\r", "end|"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(withLineBreaks(c.text, "|"), c.shown) << c.text;
    EXPECT_EQ(withLineBreaks("a\n\rb", "\r\n"), "a\r\nb");
}

TEST(CaptionFit, ShrinksAWholePixelAtATimeToTheFirstSizeThatFitsAndNoFurtherThanTheFloor) {
    // A caption 5 pixels wide for each pixel of its font's height, shown at 16 pixels (80 wide).
    const struct {
        const char* what;
        int room;
        int shownWidth;
        int least;
        int pixels;
        int measured;
    } cases[] = {
        {"fits as is", 80, 80, 8, 0, 0},
        {"shrinks to the first size that fits", 70, 80, 8, 14, 2},
        {"stops at the floor", 20, 80, 8, 8, 7},
        {"a font at the floor stays", 20, 80, 15, 15, 0},
        {"empty text", 10, 0, 8, 0, 0},
        {"no room", 0, 80, 8, 0, 0},
        {"word-wrapped", -1, 80, 8, 0, 0},
    };
    for (const auto& c : cases) {
        int measured = 0;
        const int pixels = fittedCaptionPixels(c.room, c.shownWidth, 16, c.least, [&](int size) {
            ++measured;
            return 5 * size;
        });
        EXPECT_EQ(pixels, c.pixels) << c.what;
        EXPECT_EQ(measured, c.measured) << c.what;
    }
    // 6 points, rounded to the nearest pixel.
    for (const auto& [dpi, pixels] : {std::pair{96, 8}, {120, 10}, {90, 8}, {100, 8}, {144, 12}})
        EXPECT_EQ(captionFloorPixels(dpi), pixels) << dpi;
}

class FakeTimer : public Timer {
public:
    explicit FakeTimer(std::string name) : name_(std::move(name)) {}
    const std::string& name() const override { return name_; }
    int interval() const override { return 0; }
    void setInterval(int) override {}
    bool running() const override { return false; }
    void start() override {}
    void stop() override {}

private:
    std::string name_;
};

TEST(TimerSet, FindsTimersByNameAndRefusesASecondOfTheSameName) {
    TimerSet timers;
    Timer& pulse = timers.add(std::make_unique<FakeTimer>("Pulse"), "Main");
    Timer& blink = timers.add(std::make_unique<FakeTimer>("Blink"), "Main");
    EXPECT_EQ(timers.find("Pulse"), &pulse);
    EXPECT_EQ(timers.find("Blink"), &blink);
    EXPECT_EQ(timers.find("Other"), nullptr);
    EXPECT_THROW(timers.add(std::make_unique<FakeTimer>("Pulse"), "Main"), std::logic_error);
    timers.clear();
    EXPECT_EQ(timers.find("Pulse"), nullptr);
}

}  // namespace
}  // namespace plevo::ui
