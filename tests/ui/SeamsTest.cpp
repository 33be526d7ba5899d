#include <gtest/gtest.h>

#include <new>

#include "support/ScriptedDialogs.h"
#include "support/TestToolkit.h"
#include "ui/EventPump.h"
#include "ui/Form.h"
#include "ui/HandlerGuard.h"
#include "ui/Toolkit.h"

using plevo::test::ScriptedDialogs;

TEST(HandlerGuard, AnExceptionShowsItsTextAndTheCallerGoesOn) {
    ScriptedDialogs d;
    d.expectError("disk on fire").expectError("Out of memory").expectError("Unknown error");
    EXPECT_FALSE(plevo::runGuarded(d, [] { throw std::runtime_error("disk on fire"); }));
    EXPECT_FALSE(plevo::runGuarded(d, [] { throw std::bad_alloc(); }));
    EXPECT_FALSE(plevo::runGuarded(d, [] { throw 42; }));
    EXPECT_TRUE(plevo::runGuarded(d, [] {}));
    EXPECT_EQ(d.transcript(),
              (std::vector<std::string>{"error: disk on fire", "error: Out of memory",
                                        "error: Unknown error"}));
}

TEST(EventPump, RunsPendingEventsAtMostEveryInterval) {
    plevo::ui::Toolkit& toolkit = plevo::test::testToolkit();
    const auto form = toolkit.createForm({.name = "Pump"}, {});
    plevo::ui::Timer& timer = form->addTimer("Soon", 0);
    int fired = 0;
    timer.onTimer = [&] {
        timer.stop();
        ++fired;
    };
    plevo::EventPump pump(toolkit);
    pump.pumpNow();
    timer.start();
    pump.pump();  // too soon after the last time
    EXPECT_EQ(fired, 0);
    const auto start = toolkit.milliseconds();
    while (toolkit.milliseconds() - start < plevo::EventPump::kIntervalMs + 5) {
    }
    pump.pump();
    EXPECT_EQ(fired, 1);
}

TEST(EventPump, WalksNestAndEnd) {
    plevo::EventPump pump(plevo::test::testToolkit());
    EXPECT_FALSE(pump.walking());
    {
        plevo::EventPump::Walk a(pump);
        {
            plevo::EventPump::Walk b(pump);
            EXPECT_TRUE(pump.walking());
        }
        EXPECT_TRUE(pump.walking());
    }
    EXPECT_FALSE(pump.walking());
}

TEST(ScriptedDialogs, RecordsPromptsAndAnswersInOrder) {
    ScriptedDialogs d;
    d.expectConfirm("q?", plevo::Buttons::YesNoCancel, plevo::Answer::Cancel)
        .expectInput("Title", "prompt", "0", std::string("3"))
        .expectMessage("done");
    EXPECT_EQ(d.confirm("q?", plevo::Buttons::YesNoCancel, std::nullopt), plevo::Answer::Cancel);
    EXPECT_EQ(d.input("Title", "prompt", "0"), std::optional<std::string>("3"));
    d.message("done");
    EXPECT_TRUE(d.done());
}
