// A window with a few controls of every kind and a picture drawn on a Surface, for looking at the
// Win32 backend (screenshot.sh): it shows the window, writes the file named by its first argument
// once the window is painted, and ends when the file named by its second argument appears (or
// after a minute).
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "ui/Backend.h"

namespace {

using namespace plevo::ui;

constexpr Colour kLightRed{0xff, 0xb4, 0xb4};
constexpr Colour kLightGreen{0xb4, 0xff, 0xb4};

Drawing demoPicture() {
    return {"demo", 66, 66, [](Surface& s) {
                s.pen(colours::kBlack, 2);
                s.brush(colours::kYellow);
                s.ellipse({4, 4, 58, 58});
                s.clearBrush();
                s.noPen();
                s.ellipse({26, 26, 14, 14});
                s.pen(colours::kNavy, 2);
                s.brush(colours::kBlue);
                const PointF triangle[] = {{10, 60}, {33, 30}, {56, 60}};
                s.polygon(triangle);
                s.pen(colours::kRed, 3);
                s.line({4, 4}, {62, 62});
                s.noBrush();
                s.pen(colours::kGreen, 2);
                s.arc({12, 12, 42, 42}, 30, 120);
                s.roundRectangle({2, 2, 62, 62}, 8);
                s.text({0, 0, 66, 20}, "Plevo", Font{.face = "Arial", .pixels = 14, .bold = true},
                       colours::kMaroon, TextAlign::Centre);
            }};
}

std::vector<ControlSpec> table() {
    return {
        {.kind = Kind::Panel,
         .name = "BlockPanel",
         .at = {8, 4, 400, 26},
         .caption = "Block All Emails and Domain names in this list",
         .colour = kLightRed},
        {.kind = Kind::Panel,
         .name = "SafePanel",
         .at = {416, 4, 296, 26},
         .caption = "Do Not block any emails from these Domains",
         .colour = kLightGreen,
         .flags = kSunken},
        {.kind = Kind::Memo,
         .name = "Memo1",
         .at = {8, 36, 400, 150},
         .caption = "How to use this program\n\nOpen a list, remove the names,\n"
                    "sort it and save it.\nA long line that goes on and on past the right edge of "
                    "the box without wrapping at all",
         .flags = kVScroll | kHScroll},
        {.kind = Kind::Panel,
         .name = "BigNumber",
         .parent = "",
         .at = {160, 70, 80, 80},
         .caption = "1",
         .fontColour = colours::kRed,
         .font = Font{.pixels = 64, .bold = true}},
        {.kind = Kind::GroupBox,
         .name = "Group",
         .at = {416, 36, 296, 250},
         .caption = "Safe Domain Names (Not to be blocked)"},
        {.kind = Kind::Label,
         .name = "CountLabel",
         .parent = "Group",
         .at = {8, 20, 200, 16},
         .caption = "Number of Domain names listed ="},
        {.kind = Kind::Label,
         .name = "Count",
         .parent = "Group",
         .at = {210, 20, 70, 16},
         .caption = "0",
         .fontColour = colours::kBlue},
        {.kind = Kind::Label,
         .name = "FileLabel",
         .parent = "Group",
         .at = {8, 44, 76, 16},
         .caption = " Domain File"},
        {.kind = Kind::Edit,
         .name = "Edit1",
         .parent = "Group",
         .at = {86, 42, 200, 21},
         .caption = "Outlook Safe Domains.txt",
         .hint = "Leave this blank to Open or Save a new file"},
        {.kind = Kind::CheckBox,
         .name = "CheckBox1",
         .parent = "Group",
         .at = {8, 70, 270, 17},
         .caption = "Add if Checked",
         .flags = kChecked},
        {.kind = Kind::RadioButton,
         .name = "RadioMail",
         .parent = "Group",
         .at = {8, 92, 130, 17},
         .caption = "Mail list",
         .flags = kChecked},
        {.kind = Kind::RadioButton,
         .name = "RadioNews",
         .parent = "Group",
         .at = {146, 92, 130, 17},
         .caption = "News list"},
        {.kind = Kind::Picture,
         .name = "SmallPicture",
         .parent = "Group",
         .at = {8, 116, 24, 24},
         .drawing = demoPicture()},
        {.kind = Kind::Label,
         .name = "OpenLabel",
         .parent = "Group",
         .at = {36, 120, 250, 16},
         .caption = "Open Outlook Safe Domain list"},
        {.kind = Kind::Label,
         .name = "Wrapped",
         .parent = "Group",
         .at = {8, 146, 280, 44},
         .caption = "A label that wraps its words inside its width, from the top, as long "
                    "help texts do.",
         .flags = kWordWrap},
        {.kind = Kind::ProgressBar,
         .name = "Progress",
         .parent = "Group",
         .at = {8, 196, 280, 16},
         .fontColour = colours::kNavy},
        {.kind = Kind::ToggleButton,
         .name = "Toggle",
         .parent = "Group",
         .at = {8, 218, 90, 24},
         .caption = "Toggle",
         .flags = kChecked},
        {.kind = Kind::ListBox, .name = "ListBox1", .at = {8, 194, 130, 92}, .flags = kSorted},
        {.kind = Kind::Grid, .name = "Words", .at = {146, 194, 262, 92}},
        {.kind = Kind::Picture,
         .name = "BigPicture",
         .at = {8, 294, 66, 66},
         .drawing = demoPicture()},
        {.kind = Kind::Picture,
         .name = "Disabled",
         .at = {80, 294, 33, 33},
         .flags = kDisabled,
         .drawing = demoPicture()},
        {.kind = Kind::Panel,
         .name = "Dark",
         .at = {120, 294, 288, 66},
         .caption = "",
         .colour = colours::kBlack,
         .fontColour = colours::kWhite,
         .flags = kNoBorder},
        {.kind = Kind::Label,
         .name = "OnDark",
         .parent = "Dark",
         .at = {8, 8, 270, 16},
         .caption = "White text on a black panel (transparent)",
         .flags = kTransparent},
        {.kind = Kind::Label,
         .name = "Link",
         .parent = "Dark",
         .at = {8, 32, 270, 16},
         .caption = "Click here to search for a domain",
         .colour = colours::kSilver,
         .fontColour = colours::kBlue},
        {.kind = Kind::ScrollBox, .name = "Scroller", .at = {416, 294, 296, 66}},
        {.kind = Kind::Label,
         .name = "Inside1",
         .parent = "Scroller",
         .at = {4, 4, 260, 16},
         .caption = "First line in the scroll box"},
        {.kind = Kind::Label,
         .name = "Inside2",
         .parent = "Scroller",
         .at = {4, 40, 260, 16},
         .caption = "Second line"},
        {.kind = Kind::Label,
         .name = "Inside3",
         .parent = "Scroller",
         .at = {4, 76, 260, 16},
         .caption = "Third line, below the fold"},
        {.kind = Kind::Button,
         .name = "OKButton",
         .at = {552, 368, 75, 25},
         .caption = "&OK",
         .flags = kDefault,
         .modalResult = kResultOk},
        {.kind = Kind::Button,
         .name = "CancelButton",
         .at = {636, 368, 75, 25},
         .caption = "Cancel",
         .flags = kCancel,
         .modalResult = kResultCancel},
        {.kind = Kind::Button,
         .name = "Disabled button",
         .at = {8, 368, 120, 25},
         .caption = "Disabled button",
         .flags = kDisabled},
    };
}

bool exists(const char* path) {
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

int main(int argc, char** argv) {
    auto toolkit = createToolkit(argc, argv, "Plevo");
    const std::vector<ControlSpec> controls = table();
    auto form = toolkit->createForm(
        {.name = "Demo", .caption = "Plevo - the Win32 backend", .client = {720, 400}}, controls);
    form->get<ListBox>("ListBox1")
        .addLines(
            {"zeta.example", "Alpha.example", "beta.example", "alpha.example", "Gamma.example"});
    auto& grid = form->get<Grid>("Words");
    grid.setRowCount(4);
    grid.setColumnWidth(0, 120);
    grid.setColumnWidth(1, 120);
    grid.setCell(0, 0, "Word");
    grid.setCell(1, 0, "Value");
    grid.setCell(0, 1, "viagra");
    grid.setCell(1, 1, "1");
    grid.setCell(0, 2, "casino");
    grid.setCell(1, 2, "2");
    form->get<ProgressBar>("Progress").setPosition(60);
    form->get<ScrollBox>("Scroller").setContentSize({260, 100});
    form->show();
    const char* ready = argc > 1 ? argv[1] : nullptr;
    const char* done = argc > 2 ? argv[2] : nullptr;
    const std::int64_t start = toolkit->milliseconds();
    bool told = false;
    auto& poll = form->addTimer("Poll", 200);
    poll.onTimer = [&] {
        // A few rounds after showing, so that everything has painted.
        if (!told && toolkit->milliseconds() - start > 1500 && ready) {
            form->repaint();
            if (FILE* f = std::fopen(ready, "w")) std::fclose(f);
            told = true;
        }
        if ((done && exists(done)) || toolkit->milliseconds() - start > 60000) toolkit->quit();
    };
    poll.start();
    form->onClose = [&] { toolkit->quit(); };
    return toolkit->run();
}
