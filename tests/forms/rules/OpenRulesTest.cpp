// The rules window before and after "&Open Rules": its controls, the warning, the rows, the
// failures, and closing.
#include "RulesFixture.h"
#include "rules/RegistryProceduresUnit.h"

namespace plevo::test {
namespace {

class OpenRules : public RulesFixture {};

const ui::Colour kSilver = ui::colours::kSilver;

TEST_F(OpenRules, ControlsBeforeOpening) {
    show();
    ui::Form& f = adv_->form();
    EXPECT_EQ(f.caption(), "Advanced Options - Manage your email filters");
    EXPECT_EQ(f.clientSize(), (ui::Size{723, 595}));
    EXPECT_EQ(adv<ui::Label>("StaticText3").caption(),
              "[3] Delete emails where the SUBJECT line contain the words");
    for (int k = 1; k <= 4; ++k) {
        ui::Grid& g = list(k);
        EXPECT_EQ(g.cell(0, 0), "Rule #");
        EXPECT_EQ(g.cell(1, 0), "Value");
        EXPECT_EQ(g.columnWidth(0), 108);
        EXPECT_EQ(g.columnWidth(1), 206);
        EXPECT_FALSE(g.enabled());
        EXPECT_EQ(g.colour(), kSilver);
        EXPECT_EQ(adv<ui::ToggleButton>("SpeedButton" + std::to_string(k)).caption(),
                  std::to_string(k));
    }
    for (const char* off : {"Panel6", "Panel7", "SaveRulesBtn", "NewBtn", "Edit1"})
        EXPECT_FALSE(adv<ui::Control>(off).enabled()) << off;
    for (const char* hidden : {"TopLeft", "TopRight", "BottomLeft", "BottomRight", "MemoRules"})
        EXPECT_FALSE(adv<ui::Control>(hidden).visible()) << hidden;
    EXPECT_TRUE(adv<ui::ToggleButton>("SpeedButton9").checked());
    EXPECT_EQ(adv<ui::Label>("LabelAndOr").caption(), "OR");
    EXPECT_EQ(adv<ui::Label>("Label3").caption(), "any of the words in any of these other lists");
    EXPECT_EQ(adv<ui::Edit>("Edit1").caption(), "Add-Del-Search: words");

    clickAdv("Image1");
    EXPECT_TRUE(adv<ui::Memo>("MemoRules").visible());
    EXPECT_FALSE(adv<ui::Panel>("Panel2").visible());
    EXPECT_FALSE(adv<ui::Label>("Label3").visible());
    EXPECT_EQ(adv<ui::Memo>("MemoRules").line(0),
              " [ *Press the Help button again to close this help window ]");
    clickAdv("Label1");
    EXPECT_FALSE(adv<ui::Memo>("MemoRules").visible());
    EXPECT_TRUE(adv<ui::Panel>("Panel2").visible());
}

TEST_F(OpenRules, RowsLogicMarksAndTheSimplifiedRegistry) {
    load("000 001",
         rule("000", "New Mail Rule #1",
              {criterion(12, {"cheap", "Free", "free"}, 2), criterion(8, {"win"})}) +
             rule("001", "Attachments", {criterion(3, {"gift"})}) +
             "[HKEY_CURRENT_USER\\Id\\Rules\\Mail\\001\\Actions\\001]\n\"Type\"=dword:00000002\n");
    show();
    openRules();

    EXPECT_EQ(rows(1), (RuleRows{{"New Mail Rule #1", "cheap"},
                                 {"New Mail Rule #1", "free"},
                                 {"Attachments", "gift"}}));
    EXPECT_TRUE(rows(2).empty());
    EXPECT_EQ(rows(3), (RuleRows{{"New Mail Rule #1", "win"}}));
    EXPECT_EQ(adv<ui::Label>("LabelAndOr").caption(), "AND");
    EXPECT_EQ(adv<ui::Label>("Label3").caption(),
              "has at least one word from each of these other lists");
    EXPECT_TRUE(adv<ui::ToggleButton>("SpeedButton10").checked());
    EXPECT_FALSE(adv<ui::ToggleButton>("SpeedButton9").checked());
    EXPECT_EQ(adv_->RulesLogic, 2u);
    EXPECT_TRUE(adv<ui::Picture>("TopLeft").visible());
    EXPECT_FALSE(adv<ui::Picture>("TopRight").visible());
    EXPECT_TRUE(adv<ui::Picture>("BottomLeft").visible());
    EXPECT_FALSE(adv<ui::Picture>("BottomRight").visible());
    for (int k = 1; k <= 4; ++k) {
        EXPECT_FALSE(list(k).enabled());
        EXPECT_EQ(list(k).colour(), kSilver);
        EXPECT_TRUE(adv<ui::ToggleButton>("SpeedButton" + std::to_string(k)).enabled());
    }
    for (const char* on : {"Panel6", "Panel7", "SaveRulesBtn", "NewBtn", "Edit1", "SpeedButton8"})
        EXPECT_TRUE(adv<ui::Control>(on).enabled()) << on;
    EXPECT_EQ(subkeys("001\\Actions"), std::vector<std::string>{"000"});
    EXPECT_EQ(dword("001\\Criteria\\000", "Type"), 12u);
    EXPECT_EQ(dword("000\\Criteria\\000", "Logic"), 1u);
    EXPECT_EQ(adv_->RuleKeys, (std::vector<std::string>{"000", "001"}));
}

TEST_F(OpenRules, TheWarningIsAskedOnceARun) {
    load("000", rule("000", "R", {criterion(9, {"x"})}));
    show();
    dialogs_.expectConfirm(kWarning, Buttons::YesNoCancel, Answer::No)
        .expectMessage("User cancelled, or you have not set up any rules in Outlook");
    clickAdv("OpenRulesBtn");
    dialogs_.verify();
    EXPECT_FALSE(adv_->form().visible());
    EXPECT_TRUE(rows(4).empty());
    EXPECT_FALSE(adv<ui::Button>("SaveRulesBtn").enabled());
    // The actions were left alone.
    EXPECT_EQ(GetValueKind(registry_, std::string(kRules) + "\\000\\Actions\\000", "Flags"),
              RegValueKind::Unknown);

    show();
    openRules(false);
    EXPECT_EQ(rows(4), (RuleRows{{"R", "x"}}));
    EXPECT_EQ(adv_->RuleChangeWarningShown, 2);
}

TEST_F(OpenRules, NoRulesYetIsSaidAndTheRulesOpenAnyway) {
    load("", rule("000", "R", {criterion(10, {"me"})}));
    show();
    dialogs_.expectMessage(messageLines({"You have not yet set up any Rules in Outlook Express.",
                                         "Select the [New] button to create your first Rule.",
                                         "If you are not sure what to do, read the Help pages."}));
    openRules();
    EXPECT_EQ(rows(2), (RuleRows{{"R", "me"}}));
}

// Off Windows the error names the value it missed; on Windows it is the system's own text for
// "the key could not be read", which differs from one system to the next.
#ifdef _WIN32
const char* const kNoOrder = "";
const char* const kNoType = "";
#else
const char* const kNoOrder = "\"Order\"";
const char* const kNoType = "\"Type\"";
#endif

TEST_F(OpenRules, FailuresStopWhereTheyStand) {
    // No rules key: nothing happens but the error.
    reg_->RulesKeyPath.clear();
    show();
    dialogs_.expectError(kNoOrder);
    clickAdv("OpenRulesBtn");
    dialogs_.verify();
    EXPECT_FALSE(adv<ui::Control>("Panel6").enabled());
    EXPECT_EQ(adv_->RuleChangeWarningShown, 0);

    // A criterion without "Type" in the second rule stops the open before any row is loaded.
    reg_->RulesKeyPath = kRules;
    load("000 001", rule("000", "A", {criterion(12, {"a"})}) +
                        "[HKEY_CURRENT_USER\\Id\\Rules\\Mail\\001\\Criteria\\000]\n"
                        "\"Value\"=hex:62,00\n");
    // A rule without criteria is reported and gives no rows.
    registry_.import("REGEDIT4\n[HKEY_CURRENT_USER\\Id\\Rules\\Mail\\002]\n\"Name\"=\"Empty\"\n");
    dialogs_.expectConfirm(kWarning, Buttons::YesNoCancel, Answer::Yes).expectError(kNoType);
    clickAdv("OpenRulesBtn");
    dialogs_.verify();
    EXPECT_TRUE(rows(1).empty());
    EXPECT_FALSE(adv<ui::Button>("SaveRulesBtn").enabled());

    registry_.import(
        "REGEDIT4\n[HKEY_CURRENT_USER\\Id\\Rules\\Mail\\001\\Criteria\\000]\n"
        "\"Type\"=dword:00000009\n\"Logic\"=dword:00000000\n");
    dialogs_.expectMessage(
        "ERROR: No Actions for Mail have been Found\n\rDelete all Rules in Outlook, then create a "
        "new Rule");
    openRules(false);
    EXPECT_EQ(rows(1), (RuleRows{{"A", "a"}}));
    EXPECT_EQ(rows(4), (RuleRows{{"", "b"}}));
}

TEST_F(OpenRules, AFailedOpenLeavesNothingToSaveOrAddToUntilAnOpenSucceeds) {
    load("000", rule("000", "A", {criterion(12, {"a"})}));
    show();
    openRules();
    select(1);  // changed
    const std::string badKey = "[HKEY_CURRENT_USER\\Id\\Rules\\Mail\\000\\Criteria\\001]\n";
    registry_.import("REGEDIT4\n" + badKey + "\"Value\"=hex:62,00\n");
    dialogs_.expectError(kNoType);
    clickAdv("OpenRulesBtn");
    dialogs_.verify();
    for (const char* off : {"SaveRulesBtn", "NewBtn"})
        EXPECT_FALSE(adv<ui::Control>(off).enabled()) << off;
    // Closing does not offer to save the half-loaded lists.
    clickAdv("CloseImage");
    EXPECT_FALSE(adv_->form().visible());
    EXPECT_EQ(subkeys("000\\Criteria"), (std::vector<std::string>{"000", "001"}));

    registry_.import("REGEDIT4\n" + badKey + "\"Type\"=dword:00000009\n");
    show();
    openRules(false);
    for (const char* on : {"SaveRulesBtn", "NewBtn"})
        EXPECT_TRUE(adv<ui::Control>(on).enabled()) << on;
    EXPECT_EQ(rows(4), (RuleRows{{"A", "b"}}));
}

TEST_F(OpenRules, ClosingEmptiesTheListsAndKeepsTheLogic) {
    load("000", rule("000", "R", {criterion(12, {"x"}, 2), criterion(9, {"y"})}));
    show();
    openRules();
    adv_->form().close();
    for (int k = 1; k <= 4; ++k) EXPECT_TRUE(rows(k).empty());
    for (const char* off : {"Panel6", "Panel7", "SaveRulesBtn", "NewBtn"})
        EXPECT_FALSE(adv<ui::Control>(off).enabled()) << off;
    EXPECT_FALSE(adv<ui::Picture>("TopLeft").visible());
    EXPECT_TRUE(adv_->RuleNames.empty());
    EXPECT_TRUE(adv_->RuleKeys.empty());
    show();
    EXPECT_EQ(adv<ui::Label>("LabelAndOr").caption(), "AND");
}

}  // namespace
}  // namespace plevo::test
