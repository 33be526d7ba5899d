#include "forms/guidance/HowToUnit.h"

#include "forms/tool/Tool.h"
#include "resources/Pictures.h"
#include "ui/FormBuilder.h"

namespace plevo {
namespace {

using ui::Kind;

constexpr const char* kStep1 =
    "1. Open Regedit from the Start button - selct Run and type in Regedit  ";
constexpr const char* kStep2 =
    "2. From Regedit select File\\Export, and check the All option at the bottom. Save the "
    "Registry. (Use Import to return the registry)";
// The second step's group is 617 wide; the page keeps that width beside the scroll bar.
constexpr int kPageWidth = 617;
constexpr int kGroup2Top = 144;

}  // namespace

THowTo::THowTo(Tool& tool) : tool_(tool) {
    const ui::Handler toSecondStep = tool_.operation(this, &THowTo::GroupBox1Click);
    ui::FormBuilder t({.name = "HowTo",
                       .caption = "How to use Regedit.exe",
                       .client = {kClientWidth, kClientHeight},
                       .style = ui::FormStyle::Window,
                       .place = ui::FormPlace::AsPlaced});
    // Without a frame the page keeps its 617 pixels beside the scroll bar; where the system's bar
    // is wider (17 pixels, say) the page's last pixel lies under it, and no bar across is shown
    // for that.
    t.add(Scroller, {.kind = Kind::ScrollBox,
                     .name = "Scroller",
                     .at = {0, 0, kClientWidth, kClientHeight},
                     .colour = ui::colours::kButtonFace,
                     .flags = ui::kNoBorder | ui::kVScroll | ui::kNoHScroll});
    // The two group captions are longer than the groups drawn for them: their font shrinks
    // until they fit.
    t.add(GroupBox1, {.kind = Kind::GroupBox,
                      .name = "GroupBox1",
                      .parent = "Scroller",
                      .at = {4, 4, 353, 113},
                      .caption = kStep1,
                      .colour = ui::colours::kWhite})
        .onClick(toSecondStep);
    t.add(Image1, {.kind = Kind::Picture,
                   .name = "Image1",
                   .parent = "GroupBox1",
                   .at = {8, 14, 175, 98},  // below the caption
                   .drawing = pictures::runBox(175, 98)})
        .onClick(toSecondStep);
    t.add({.kind = Kind::Label,
           .name = "Label2",
           .parent = "Scroller",
           .at = {372, 40, 220, 24},
           .caption = "You can use the Esc key to exit.",
           .colour = ui::colours::kYellow,
           .flags = ui::kCentre});
    t.add(GroupBox2, {.kind = Kind::GroupBox,
                      .name = "GroupBox2",
                      .parent = "Scroller",
                      .at = {0, kGroup2Top, kPageWidth, 305},
                      .caption = kStep2,
                      .colour = ui::colours::kWhite});
    t.add({.kind = Kind::Picture,
           .name = "Image2",
           .parent = "GroupBox2",
           .at = {2, 16, 613, 288},
           .drawing = pictures::exportDialog(613, 288)});
    form_ = t.build(tool_.toolkit());
    // Room below the second step, so that it can be scrolled to the top.
    Scroller->setContentSize({kPageWidth, kGroup2Top + kClientHeight});

    form_->onActivate = tool_.operation(this, &THowTo::FormActivate);
    form_->onKey = [this](const ui::KeyPress& key) {
        bool taken = false;
        tool_.handle([&] { taken = FormKeyDown(key); });
        return taken;
    };
}

void THowTo::showWindow() {
    if (!form_->visible()) form_->centreOver(tool_.mainWindow().form());
    form_->show();
    form_->activate();
    FormActivate();
}

void THowTo::FormActivate() {
    Scroller->setScrollY(0);
}

void THowTo::GroupBox1Click() {
    Scroller->setScrollY(GroupBox2->geometry().y);
}

bool THowTo::FormKeyDown(const ui::KeyPress& key) {
    if (key.key != ui::kKeyEscape) return false;
    form_->hide();
    return true;
}

}  // namespace plevo
