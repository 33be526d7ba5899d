// What only the Win32 backend can be asked: the real windows behind the layer (frames, places,
// pixels, the owner disabled under a modal window) and the system's dialogs, answered from a timer
// while they wait for the user.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/TestToolkit.h"
#include "ui/Backend.h"
#include "ui/win32/GdiSurface.h"
#include "ui/win32/ListBox.h"
#include "ui/win32/NativeControl.h"
#include "ui/win32/Text.h"
#include "ui/win32/Win32.h"

namespace plevo::ui::win32 {
namespace {

constexpr Colour kPanelColour{0x20, 0x40, 0x60};

HWND windowOf(Control& control) {
    return dynamic_cast<NativeControl&>(control).hwnd();
}

HWND windowOf(Form& form) {
    return GetAncestor(windowOf(*form.controls().front()), GA_ROOT);
}

RECT screenRect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r;
}

// Runs `answer` once, from the loop of whatever waits for the user (a message box, a file
// dialog, a modal window), as soon as that loop runs.
class AnswerLater {
public:
    explicit AnswerLater(std::function<void()> answer) : answer_(std::move(answer)) {
        current() = this;
        id_ = SetTimer(nullptr, 0, 50, &AnswerLater::fire);
    }
    ~AnswerLater() {
        KillTimer(nullptr, id_);
        current() = nullptr;
    }
    AnswerLater(const AnswerLater&) = delete;
    AnswerLater& operator=(const AnswerLater&) = delete;

private:
    static AnswerLater*& current() {
        static AnswerLater* answering = nullptr;
        return answering;
    }
    static void CALLBACK fire(HWND, UINT, UINT_PTR id, DWORD) {
        AnswerLater* self = current();
        if (!self || self->done_) return;
        self->done_ = true;
        KillTimer(nullptr, id);
        self->answer_();
    }

    std::function<void()> answer_;
    UINT_PTR id_ = 0;
    bool done_ = false;
};

struct Search {
    const char* className;
    HWND found;
};

BOOL CALLBACK visibleOfClass(HWND window, LPARAM searching) {
    auto* search = reinterpret_cast<Search*>(searching);
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    if (lstrcmpiA(name, search->className) != 0 || !IsWindowVisible(window)) return TRUE;
    search->found = window;
    return FALSE;
}

// The visible top-level window of this thread of the class `className`.
HWND findWindow(const char* className) {
    Search search{className, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), visibleOfClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string textOf(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

// The text of the message box's message (its static control with the id 0xFFFF).
std::string messageOf(HWND box) {
    return textOf(GetDlgItem(box, 0xFFFF));
}

const std::vector<ControlSpec>& table() {
    static const std::vector<ControlSpec> controls = {
        {.kind = Kind::Panel,
         .name = "Panel",
         .at = {10, 10, 120, 80},
         .colour = kPanelColour,
         .flags = kNoBorder},
        {.kind = Kind::Picture,
         .name = "Dot",
         .parent = "Panel",
         .at = {10, 10, 40, 40},
         .drawing = {"native-dot", 20, 20,
                     [](Surface& s) {
                         s.noPen();
                         s.brush(colours::kRed);
                         s.rectangle({5, 5, 10, 10});
                     }}},
        {.kind = Kind::GroupBox, .name = "Group", .at = {140, 10, 150, 80}, .caption = "Group"},
        {.kind = Kind::Label,
         .name = "InGroup",
         .parent = "Group",
         .at = {12, 30, 100, 16},
         .caption = "inside",
         .colour = colours::kYellow},
        {.kind = Kind::Button,
         .name = "Ok",
         .at = {200, 100, 75, 25},
         .caption = "OK",
         .modalResult = kResultOk},
        {.kind = Kind::Edit, .name = "Box", .at = {10, 100, 100, 21}},
        {.kind = Kind::Panel,
         .name = "RightCaption",
         .at = {115, 100, 80, 24},
         .caption = "Right",
         .colour = colours::kWhite,
         .fontColour = colours::kBlack,
         .flags = kRight | kNoBorder},
    };
    return controls;
}

class Native : public testing::Test {
protected:
    void SetUp() override {
        form_ = test::testToolkit().createForm(
            {.name = "Native", .caption = "Native", .client = {300, 140}}, table());
        dialogs_ = createDialogs(test::testToolkit());
    }
    void TearDown() override {
        if (form_) form_->hide();
    }

    std::unique_ptr<Form> form_;
    std::unique_ptr<Dialogs> dialogs_;
};

TEST_F(Native, WindowsHaveTheirFrameAndExactlyTheirClientSize) {
    for (FormStyle style :
         {FormStyle::Window, FormStyle::Dialog, FormStyle::CaptionOnly, FormStyle::Borderless}) {
        auto form = test::testToolkit().createForm(
            {.name = "Framed", .client = {321, 123}, .style = style}, table());
        HWND w = windowOf(*form);
        RECT client;
        GetClientRect(w, &client);
        EXPECT_EQ(client.right, 321);
        EXPECT_EQ(client.bottom, 123);
        const LONG s = GetWindowLongA(w, GWL_STYLE);
        EXPECT_FALSE(s & WS_THICKFRAME);
        EXPECT_FALSE(s & WS_MAXIMIZEBOX);
        EXPECT_EQ((s & WS_MINIMIZEBOX) != 0, style == FormStyle::Window);
        EXPECT_EQ((s & WS_CAPTION) == WS_CAPTION, style != FormStyle::Borderless);
        // Buttons in the caption come with the system menu; a single border is no dialog frame.
        EXPECT_EQ((s & WS_SYSMENU) != 0, style == FormStyle::Window || style == FormStyle::Dialog);
        EXPECT_EQ((GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME) != 0,
                  style == FormStyle::Dialog);
    }
}

TEST_F(Native, AWindowShowsCentredInTheWorkArea) {
    form_->show();
    const Rect area = test::testToolkit().screenArea();
    const RECT r = screenRect(windowOf(*form_));
    EXPECT_NEAR((r.left + r.right) / 2, area.x + area.w / 2, 1);
    EXPECT_NEAR((r.top + r.bottom) / 2, area.y + area.h / 2, 1);
    EXPECT_EQ(form_->position(), (Point{r.left, r.top}));
}

TEST_F(Native, ChildrenOfAGroupBoxLieFromItsCornerAndThePictureShowsThroughItsClearParts) {
    form_->show();
    form_->repaint();
    const RECT group = screenRect(windowOf(form_->get<Control>("Group")));
    const RECT label = screenRect(windowOf(form_->get<Control>("InGroup")));
    EXPECT_EQ(label.left - group.left, 12);
    EXPECT_EQ(label.top - group.top, 30);

    HWND dot = windowOf(form_->get<Control>("Dot"));
    HDC dc = GetDC(dot);
    const COLORREF centre = GetPixel(dc, 20, 20);
    const COLORREF corner = GetPixel(dc, 2, 2);
    ReleaseDC(dot, dc);
    EXPECT_EQ(centre, RGB(0xff, 0, 0));
    EXPECT_EQ(corner, colorRef(kPanelColour));  // the panel behind it

    HWND inside = windowOf(form_->get<Control>("InGroup"));
    dc = GetDC(inside);
    const COLORREF labelBack = GetPixel(dc, 98, 14);
    ReleaseDC(inside, dc);
    EXPECT_EQ(labelBack, colorRef(colours::kYellow));
}

TEST_F(Native, APanelsCaptionToTheRightLeavesItsLeftHalfClear) {
    form_->show();
    form_->repaint();
    HWND panel = windowOf(form_->get<Control>("RightCaption"));
    RECT r;
    GetClientRect(panel, &r);
    HDC dc = GetDC(panel);
    LONG leftmost = r.right;
    for (LONG x = 0; x < r.right && leftmost == r.right; ++x)
        for (LONG y = 0; y < r.bottom; ++y)
            if (GetPixel(dc, x, y) != RGB(0xff, 0xff, 0xff)) leftmost = x;
    ReleaseDC(panel, dc);
    EXPECT_GT(leftmost, r.right / 2);
    EXPECT_LT(leftmost, r.right) << "no caption drawn";
}

TEST(NativePictures, ALineOfTextStaysInsideItsBox) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 20);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all{0, 0, 200, 20};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    {
        GdiSurface surface(dc, 1.0, RGB(0xff, 0, 0xff));
        surface.text({0, 0, 60, 20}, "Type the name of a program", {}, colours::kBlack);
    }
    LONG rightmost = -1;
    for (LONG x = 0; x < 200; ++x)
        for (LONG y = 0; y < 20; ++y)
            if (GetPixel(dc, x, y) != RGB(0xff, 0xff, 0xff)) rightmost = x;
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    EXPECT_GE(rightmost, 30) << "no text drawn";
    EXPECT_LT(rightmost, 60);
}

TEST_F(Native, TheOtherWindowsAreDisabledWhileOneIsModal) {
    auto other = test::testToolkit().createForm({.name = "Other", .client = {200, 100}}, table());
    other->show();
    HWND otherWindow = windowOf(*other);
    bool disabledMeanwhile = false;
    Timer& later = form_->addTimer("Later", 30);
    later.onTimer = [&] {
        later.stop();
        disabledMeanwhile = !IsWindowEnabled(otherWindow);
        form_->get<Button>("Ok").click();
    };
    later.start();
    EXPECT_EQ(form_->showModal(), kResultOk);
    EXPECT_TRUE(disabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(otherWindow));
    other->hide();
}

// Runs the loop until `done` or a second has passed.
template <class Done>
void pumpUntil(Done done) {
    Toolkit& toolkit = test::testToolkit();
    const auto until = toolkit.milliseconds() + 1000;
    while (!done() && toolkit.milliseconds() < until) {
        toolkit.processEvents();
        Sleep(5);
    }
}

TEST_F(Native, TheMouseComingAndGoingRunsEnterAndLeave) {
    form_->show();
    auto& label = form_->get<Label>("InGroup");
    int enters = 0;
    int leaves = 0;
    label.onMouseEnter = [&] { ++enters; };
    label.onMouseLeave = [&] { ++leaves; };
    HWND window = windowOf(label);
    PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(6, 5));
    pumpUntil([&] { return enters > 0; });
    EXPECT_EQ(enters, 1);  // once, however far it moves inside
    // What TrackMouseEvent sends when the cursor has gone.
    PostMessageA(window, WM_MOUSELEAVE, 0, 0);
    pumpUntil([&] { return leaves > 0; });
    EXPECT_EQ(leaves, 1);
    PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    pumpUntil([&] { return enters > 1; });
    EXPECT_EQ(enters, 2);
}

TEST_F(Native, MessageBoxesShowTheTextWithWindowsLineBreaksAndGiveTheAnswer) {
    struct Case {
        Buttons buttons;
        WPARAM pressed;
        Answer answer;
    };
    for (const Case& c :
         {Case{Buttons::YesNo, IDYES, Answer::Yes}, Case{Buttons::YesNo, IDNO, Answer::No},
          Case{Buttons::YesNoCancel, IDCANCEL, Answer::Cancel}}) {
        std::string shown;
        std::string title;
        AnswerLater answer([&] {
            HWND box = findWindow("#32770");
            ASSERT_NE(box, nullptr);
            shown = messageOf(box);
            title = textOf(box);
            PostMessageA(box, WM_COMMAND, c.pressed, 0);
        });
        EXPECT_EQ(
            dialogs_->confirm(messageLines({"Save the list?", "", "It has 3 lines."}), c.buttons),
            c.answer);
        EXPECT_EQ(shown, "Save the list?\r\n\r\nIt has 3 lines.");
        EXPECT_EQ(title, "Plevo");  // the application title the test program gave at start
    }
}

TEST_F(Native, AQuestionCanBeAskedAtAPlaceOfTheScreen) {
    RECT placed{};
    AnswerLater answer([&] {
        HWND box = findWindow("#32770");
        ASSERT_NE(box, nullptr);
        GetWindowRect(box, &placed);
        PostMessageA(box, WM_COMMAND, IDNO, 0);
    });
    EXPECT_EQ(dialogs_->confirm("Here?", Buttons::YesNo, ScreenPoint{40, 60}), Answer::No);
    EXPECT_EQ(placed.left, 40);
    EXPECT_EQ(placed.top, 60);
}

TEST_F(Native, TheInputBoxGivesTheTypedAnswerOrNothingWhenCancelled) {
    std::string prompt;
    AnswerLater answer([&] {
        HWND box = findWindow(kFormClass);
        ASSERT_NE(box, nullptr);
        HWND edit = FindWindowExA(box, nullptr, "Edit", nullptr);
        HWND label = FindWindowExA(box, nullptr, "Static", nullptr);
        ASSERT_NE(edit, nullptr);
        prompt = textOf(label);
        EXPECT_EQ(textOf(edit), "0");
        SetWindowTextA(edit, "2");
        PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);
    });
    EXPECT_EQ(dialogs_->input("Identity's", "3 persons\n\rPlease choose", "0"),
              std::optional<std::string>("2"));
    EXPECT_EQ(prompt, "3 persons\nPlease choose");

    AnswerLater cancel([&] {
        HWND box = findWindow(kFormClass);
        ASSERT_NE(box, nullptr);
        PostMessageA(FindWindowExA(box, nullptr, "Edit", nullptr), WM_KEYDOWN, VK_ESCAPE, 1);
    });
    EXPECT_EQ(dialogs_->input("Search?", "ex: ", ""), std::nullopt);
}

TEST_F(Native, TheFileDialogsGiveTheChosenPathWithTheDefaultExtension) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = temp;
    std::string title;
    const auto choose = [&title](const std::string& name) {
        return [name, &title] {
            HWND dialog = findWindow("#32770");
            ASSERT_NE(dialog, nullptr);
            title = textOf(dialog);
            SetDlgItemTextA(dialog, 0x47c, name.c_str());  // the file name box (cmb13)
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        };
    };
    FileDialogOptions options{.defaultExt = "txt",
                              .filter = "Text files (*.txt)|*.TXT|All files|*.*",
                              .initialDir = folder,
                              .title = "Save the list"};
    {
        AnswerLater answer(choose(folder + "blocked"));
        const auto saved = dialogs_->saveFile(options);
        ASSERT_TRUE(saved);
        EXPECT_EQ(lstrcmpiA(saved->c_str(), (folder + "blocked.txt").c_str()), 0) << *saved;
        EXPECT_EQ(title, "Save the list");
    }
    options.title.clear();  // the system's own title
    {
        AnswerLater answer(choose(folder + "new list.txt"));
        const auto opened = dialogs_->openFile(options);
        ASSERT_TRUE(opened);
        EXPECT_EQ(lstrcmpiA(opened->c_str(), (folder + "new list.txt").c_str()), 0) << *opened;
    }
    {
        AnswerLater answer([] { PostMessageA(findWindow("#32770"), WM_COMMAND, IDCANCEL, 0); });
        EXPECT_EQ(dialogs_->openFile(options), std::nullopt);
    }
}

TEST(NativeText, SortKeysOrderLinesAsTheSystemsComparisonDoes) {
    std::vector<std::string> lines = {"b",
                                      "B",
                                      "a-b",
                                      "ab",
                                      "a'b",
                                      "ab-",
                                      "",
                                      " ",
                                      "a b",
                                      "a.b",
                                      "Zeta",
                                      "zeta",
                                      "ZETA",
                                      "10",
                                      "9",
                                      "1-0",
                                      "@x",
                                      "x@y.example",
                                      "X@Y.EXAMPLE",
                                      "\xe9t\xe9",
                                      "ete",
                                      "\xc9T\xc9",
                                      "stra\xdf"
                                      "e",
                                      "strasse",
                                      "\xff",
                                      "~",
                                      "a\tb",
                                      std::string("a\0b", 3),
                                      "a",
                                      "aa",
                                      "A"};
    std::vector<std::string> expected = lines;
    std::stable_sort(expected.begin(), expected.end(),
                     [](const std::string& a, const std::string& b) {
                         return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(),
                                               static_cast<int>(a.size()), b.data(),
                                               static_cast<int>(b.size())) == CSTR_LESS_THAN;
                     });
    sortLines(lines);
    EXPECT_EQ(lines, expected);
}

TEST(NativeText, FiltersAndMessagesTakeTheFormsWindowsReads) {
    EXPECT_EQ(fileFilter("Text files (*.txt)|*.TXT|All|*.*"),
              std::string("Text files (*.txt)\0*.TXT\0All\0*.*\0\0", 34));
    EXPECT_EQ(fileFilter(""), std::string(2, '\0'));
    EXPECT_EQ(fileFilter("dangling"), std::string(2, '\0'));
    EXPECT_EQ(displayText("a\n\rb\nc\rd\r\ne"), "a\r\nb\r\nc\r\nd\r\ne");
    EXPECT_EQ(displayText(std::string("nul\0here", 8)), "nul here");
}

}  // namespace
}  // namespace plevo::ui::win32
