// What both backends do alike, tested once: the line breaks of messages and a window's timers.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

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
