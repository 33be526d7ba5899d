// What a user sees of every window: no caption is cut by its control, and the controls of the
// registry window's bottom group do not overlap. Checked after an open of the sample registry,
// when the captions that change (counts, the chosen option, the key path) are filled in. Only
// the control layer is used, so that the same checks hold on every backend.
#include <string>
#include <string_view>
#include <vector>

#include "forms/guidance/HowToUnit.h"
#include "forms/workbench/EditDialogUnit.h"
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

std::string joined(const std::vector<std::string>& parts) {
    std::string out;
    for (const std::string& p : parts) out += (out.empty() ? "" : "; ") + p;
    return out;
}

TEST_F(WindowLayout, NoCaptionIsCutInAnyWindow) {
    openSampleIdentity();
    for (ui::Form* window : tool_->windows())
        EXPECT_EQ(joined(cutCaptions(*window, testToolkit())), "") << window->name();
}

TEST_F(WindowLayout, TheTextsOfTheWorkbenchAndHowToWindowsCanBeRead) {
    openSampleIdentity();
    for (ui::Form* window : {&main_->form(), &tool_->OKBottomDlg().form(), &tool_->HowTo().form()})
        EXPECT_EQ(illegibleTexts(*window), "") << window->name();
}

TEST_F(WindowLayout, TheRegistryWindowsBottomControlsDoNotOverlap) {
    openSampleIdentity();
    const ui::Control& group = reg<ui::GroupBox>("RegistryGroupBox");
    std::vector<const ui::Control*> inGroup;
    for (const ui::Control* c : reg_->form().controls())
        if (c->parent() == &group && shown(*c)) inGroup.push_back(c);
    ASSERT_GE(inGroup.size(), 10u);
    // The caption of the panel stays clear of its gear picture.
    const ui::Control& advanced = reg<ui::Panel>("AdvancedPanel");
    const int captionLeft = advanced.geometry().w - kPanelBevel / 2 -
                            testToolkit().textWidth(advanced.font(), advanced.caption());
    EXPECT_GE(captionLeft, reg<ui::Picture>("ImageAdvanced").geometry().right());
    for (std::size_t i = 0; i < inGroup.size(); ++i)
        for (std::size_t j = i + 1; j < inGroup.size(); ++j) {
            const ui::Rect a = inGroup[i]->geometry();
            EXPECT_FALSE(intersects(a, inGroup[j]->geometry()))
                << a.x << " " << a.y << " " << a.w << " " << a.h << " " << inGroup[i]->name()
                << " and " << inGroup[j]->name();
        }
}

}  // namespace
}  // namespace plevo::test
