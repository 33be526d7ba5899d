// What a user sees of every window: no caption is cut by its control, and no control lies over
// another. Checked after an open of the sample registry, when the captions that change (counts,
// the chosen option, the key path) are filled in, and in Setup's window through an installation.
// Only the control layer is used, so that the same checks hold on every backend, and on Windows
// at every screen's dots per inch (a CTest entry runs them at 120).
#ifdef _WIN32
#include <windows.h>
#endif

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "forms/guidance/HowToUnit.h"
#include "forms/setup/PlevoInstallUnit.h"
#include "forms/workbench/EditDialogUnit.h"
#include "setup/ShellLink.h"
#include "support/Legibility.h"
#include "support/RegistryFixture.h"
#include "support/TestToolkit.h"
#include "ui/Toolkit.h"

namespace plevo::test {
namespace {

// The room a check or radio mark and its gap take before the caption.
constexpr int kMarkWidth = 20;
// A group box's caption starts and ends a little inside its frame; a panel's bevel.
constexpr int kGroupCaptionMargin = 8;
constexpr int kPanelBevel = 4;

class WindowLayout : public RegistryFixture {};

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The lines `caption` takes when it wraps at blanks inside `width`; 0 when a word alone is wider.
int wrappedLines(const ui::Toolkit& toolkit, const ui::Font& font, std::string_view caption,
                 int width) {
    int lines = 0;
    std::string line;
    std::size_t at = 0;
    while (at < caption.size()) {
        const std::size_t end = std::min(caption.find(' ', at), caption.size());
        const std::string_view word = caption.substr(at, end - at);
        at = end + 1;
        if (word.empty()) continue;
        if (toolkit.textWidth(font, word) > width) return 0;
        const std::string longer =
            line.empty() ? std::string(word) : line + " " + std::string(word);
        if (line.empty() || toolkit.textWidth(font, longer) > width) {
            ++lines;
            line = std::string(word);
        } else {
            line = longer;
        }
    }
    return lines;
}

// Shown when it and every container it lies in are shown.
bool shown(const ui::Control& c) {
    for (const ui::Control* p = &c; p; p = p->parent())
        if (!p->visible()) return false;
    return true;
}

// The control's place in the window's client area.
ui::Rect inWindow(const ui::Control& c) {
    ui::Rect r = c.geometry();
    for (const ui::Control* p = c.parent(); p; p = p->parent()) {
        r.x += p->geometry().x;
        r.y += p->geometry().y;
    }
    return r;
}

bool intersects(const ui::Rect& a, const ui::Rect& b) {
    return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

// The captions that do not fit their controls, as "window/control: needed > given". A caption
// wraps when its control is two lines high or more; otherwise it must fit on one line.
std::vector<std::string> cutCaptions(const ui::Form& window, const ui::Toolkit& toolkit) {
    std::vector<std::string> cut;
    const ui::Rect client{0, 0, window.clientSize().w, window.clientSize().h};
    for (const ui::Control* c : window.controls()) {
        if (!shown(*c)) continue;
        // The push buttons below the client area hold the focus; the user never sees them.
        if (!intersects(client, inWindow(*c))) continue;
        const std::string caption = c->caption();
        if (trimmed(caption).empty()) continue;
        const ui::Font font = c->font();
        const ui::Rect at = c->geometry();
        const int lineHeight = toolkit.textHeight(font);
        int room = at.w;  // for the caption itself
        std::string_view text = caption;
        switch (c->kind()) {
            case ui::Kind::Label:
                break;
            case ui::Kind::CheckBox:
            case ui::Kind::RadioButton:
                room -= kMarkWidth;
                break;
            case ui::Kind::GroupBox:
                room -= kGroupCaptionMargin;
                text = trimmed(caption);
                break;
            case ui::Kind::Panel:
            case ui::Kind::Button:
                room -= kPanelBevel;
                break;
            default:
                continue;  // boxes and lists scroll; pictures have no caption
        }
        int neededWidth = toolkit.textWidth(font, text);
        int neededHeight = lineHeight;
        if (c->kind() != ui::Kind::GroupBox && at.h >= 2 * lineHeight && neededWidth > room) {
            const int lines = wrappedLines(toolkit, font, text, room);
            if (lines > 0) {
                neededWidth = room;
                neededHeight = lines * lineHeight;
            }
        }
        if (c->kind() == ui::Kind::GroupBox) neededHeight = 0;  // the frame starts at its middle
        if (neededWidth > room || neededHeight > at.h)
            cut.push_back(window.name() + "/" + c->name() + ": " + std::to_string(neededWidth) +
                          "x" + std::to_string(neededHeight) + " > " + std::to_string(room) + "x" +
                          std::to_string(at.h));
    }
    return cut;
}

bool inside(const ui::Rect& inner, const ui::Rect& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

// Pictures may lie on one another (the frames of an animation) and under a control that lies
// wholly on them (a banner behind its labels).
bool overlapMeant(const ui::Control& a, const ui::Control& b) {
    const bool pictureA = a.kind() == ui::Kind::Picture;
    const bool pictureB = b.kind() == ui::Kind::Picture;
    return (pictureA && pictureB) || (pictureA && inside(b.geometry(), a.geometry())) ||
           (pictureB && inside(a.geometry(), b.geometry()));
}

// The shown controls of one container that lie over one another, as "window/a over b".
std::vector<std::string> overlaps(const ui::Form& window) {
    std::vector<const ui::Control*> shownControls;
    for (const ui::Control* c : window.controls())
        if (shown(*c)) shownControls.push_back(c);
    std::vector<std::string> found;
    for (std::size_t i = 0; i < shownControls.size(); ++i)
        for (std::size_t j = i + 1; j < shownControls.size(); ++j) {
            const ui::Control& a = *shownControls[i];
            const ui::Control& b = *shownControls[j];
            if (a.parent() != b.parent() || !intersects(a.geometry(), b.geometry()) ||
                overlapMeant(a, b))
                continue;
            found.push_back(window.name() + "/" + a.name() + " over " + b.name());
        }
    return found;
}

std::string joined(const std::vector<std::string>& parts) {
    std::string out;
    for (const std::string& p : parts) out += (out.empty() ? "" : "; ") + p;
    return out;
}

// What the user sees of a window: every caption whole, no control over another.
void expectLaidOut(const ui::Form& window, const std::string& state) {
    EXPECT_EQ(joined(cutCaptions(window, testToolkit())), "") << state;
    EXPECT_EQ(joined(overlaps(window)), "") << state;
}

TEST_F(WindowLayout, NoCaptionIsCutAndNoControlsOverlapInAnyWindow) {
    openSampleIdentity();
    for (ui::Form* window : tool_->windows()) expectLaidOut(*window, window->name());

    FormatShortcutWriter links;
    const DriveC driveC(root_ / "drive_c");
    TMainSetUpForm setup(
        testToolkit(),
        {.dialogs = dialogs_, .driveC = driveC, .sourceFolder = start_, .shortcuts = links});
    expectLaidOut(setup.form(), "Setup at start");
    setup.showUninstallButton();
    setup.showProgress(true);
    for (const char* stage : Installer::kStages) {
        setup.setStage(stage);
        expectLaidOut(setup.form(), stage);
    }
}

#ifdef _WIN32
// The run at large fonts checks nothing unless the screen really has them.
TEST_F(WindowLayout, RunsOnAScreenOfTheDotsPerInchItWasStartedFor) {
    const char* expected = std::getenv("PLEVO_EXPECTED_DPI");
    if (!expected) GTEST_SKIP() << "no dots per inch asked for";
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(dpi, std::atoi(expected));
}
#endif

TEST_F(WindowLayout, TheTextsOfTheWorkbenchAndHowToWindowsCanBeRead) {
    openSampleIdentity();
    for (ui::Form* window : {&main_->form(), &tool_->OKBottomDlg().form(), &tool_->HowTo().form()})
        EXPECT_EQ(illegibleTexts(*window), "") << window->name();
}

TEST_F(WindowLayout, TheAdvancedPanelsCaptionStaysClearOfItsGear) {
    openSampleIdentity();
    const ui::Control& advanced = reg<ui::Panel>("AdvancedPanel");
    const int captionLeft = advanced.geometry().w - kPanelBevel / 2 -
                            testToolkit().textWidth(advanced.font(), advanced.caption());
    EXPECT_GE(captionLeft, reg<ui::Picture>("ImageAdvanced").geometry().right());
}

}  // namespace
}  // namespace plevo::test
