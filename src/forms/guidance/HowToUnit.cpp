#include "forms/guidance/HowToUnit.h"

#include <vector>

#include "app/PlevoTool.h"
#include "forms/workbench/ReplaceCharsUnit.h"
#include "resources/Pictures.h"
#include "ui/Toolkit.h"

namespace plevo {
namespace {

using ui::ControlSpec;
using ui::Kind;

constexpr const char* kStep1 =
    "1. Open Regedit from the Start button - selct Run and type in Regedit  ";
constexpr const char* kStep2 =
    "2. From Regedit select File\\Export, and check the All option at the bottom. Save the "
    "Registry. (Use Import to return the registry)";
// The second step's group is 617 wide; the page keeps that width beside the scroll bar.
constexpr int kPageWidth = 617;
constexpr int kGroup2Top = 144;

std::vector<ControlSpec> controlTable() {
    return {
        // Without a frame the page keeps its 617 pixels beside the scroll bar; where the system's
        // bar is wider (17 pixels, say) the page's last pixel lies under it, and no bar across is
        // shown for that.
        {.kind = Kind::ScrollBox,
         .name = "Scroller",
         .at = {0, 0, THowTo::kClientWidth, THowTo::kClientHeight},
         .colour = ui::colours::kButtonFace,
         .flags = ui::kNoBorder | ui::kVScroll | ui::kNoHScroll},
        // The two group captions are longer than the groups drawn for them: their font shrinks
        // until they fit.
        {.kind = Kind::GroupBox,
         .name = "GroupBox1",
         .parent = "Scroller",
         .at = {4, 4, 353, 113},
         .caption = kStep1,
         .colour = ui::colours::kWhite},
        {.kind = Kind::Picture,
         .name = "Image1",
         .parent = "GroupBox1",
         .at = {8, 14, 175, 98},  // below the caption
         .drawing = pictures::runBox(175, 98)},
        {.kind = Kind::Label,
         .name = "Label2",
         .parent = "Scroller",
         .at = {372, 40, 220, 24},
         .caption = "You can use the Esc key to exit.",
         .colour = ui::colours::kYellow,
         .flags = ui::kCentre},
        {.kind = Kind::GroupBox,
         .name = "GroupBox2",
         .parent = "Scroller",
         .at = {0, kGroup2Top, kPageWidth, 305},
         .caption = kStep2,
         .colour = ui::colours::kWhite},
        {.kind = Kind::Picture,
         .name = "Image2",
         .parent = "GroupBox2",
         .at = {2, 16, 613, 288},
         .drawing = pictures::exportDialog(613, 288)},
    };
}

}  // namespace

THowTo::THowTo(PlevoTool& tool) : tool_(tool) {
    const std::vector<ControlSpec> controls = controlTable();
    form_ = tool_.toolkit().createForm({.name = "HowTo",
                                        .caption = "How to use Regedit.exe",
                                        .client = {kClientWidth, kClientHeight},
                                        .style = ui::FormStyle::Window,
                                        .place = ui::FormPlace::AsPlaced},
                                       controls);
    ui::Form& f = *form_;
    Scroller = &f.get<ui::ScrollBox>("Scroller");
    GroupBox1 = &f.get<ui::GroupBox>("GroupBox1");
    Image1 = &f.get<ui::Picture>("Image1");
    Label2 = &f.get<ui::Label>("Label2");
    GroupBox2 = &f.get<ui::GroupBox>("GroupBox2");
    Image2 = &f.get<ui::Picture>("Image2");
    // Room below the second step, so that it can be scrolled to the top.
    Scroller->setContentSize({kPageWidth, kGroup2Top + kClientHeight});

    f.onActivate = tool_.operation(this, &THowTo::FormActivate);
    f.onKey = [this](const ui::KeyPress& key) {
        bool taken = false;
        tool_.handle([&] { taken = FormKeyDown(key); });
        return taken;
    };
    GroupBox1->onClick = tool_.operation(this, &THowTo::GroupBox1Click);
    Image1->onClick = tool_.operation(this, &THowTo::GroupBox1Click);
}

void THowTo::showWindow() {
    if (!form_->visible()) form_->centreOver(tool_.Replace().form());
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
