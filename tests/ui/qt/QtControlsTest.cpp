// What only a real mouse and keyboard show on the Qt backend: which control a click reaches, a
// key seen once however far it travels, the colours of a check box on a dark window, and the
// pixels of a drawing.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>

#include "support/TestToolkit.h"
#include "ui/Form.h"
#include "ui/Toolkit.h"

namespace plevo::ui {
namespace {

using test::testToolkit;

Drawing ring() {
    return {.key = "test/ring", .width = 20, .height = 20, .paint = [](Surface& s) {
                s.noPen();
                s.brush(colours::kRed);
                s.rectangle({0, 0, 20, 20});
                s.clearBrush();
                s.ellipse({5, 5, 10, 10});
            }};
}

class QtControls : public testing::Test {
protected:
    QtControls()
        : form_(testToolkit().createForm(
              {.name = "Test",
               .caption = "Qt controls",
               .client = {300, 200},
               .colour = colours::kBlack},
              std::vector<ControlSpec>{
                  {.kind = Kind::Panel, .name = "Panel", .at = {0, 0, 200, 100}},
                  {.kind = Kind::Label,
                   .name = "Label",
                   .parent = "Panel",
                   .at = {10, 10, 80, 20},
                   .caption = "Label"},
                  {.kind = Kind::Picture,
                   .name = "Picture",
                   .parent = "Panel",
                   .at = {100, 10, 40, 40},
                   .drawing = ring()},
                  {.kind = Kind::CheckBox,
                   .name = "Check",
                   .at = {10, 110, 120, 20},
                   .caption = "On black"},
                  {.kind = Kind::Edit, .name = "Edit", .at = {10, 140, 120, 22}},
              })) {}

    template <class W>
    W* widget(const char* name) {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->windowTitle() == QStringLiteral("Qt controls"))
                if (auto* w = top->findChild<W*>(QString::fromLatin1(name))) return w;
        return nullptr;
    }

    std::unique_ptr<Form> form_;
};

TEST_F(QtControls, AClickOnALabelInsideAPanelRunsOnlyTheLabelsHandler) {
    std::vector<std::string> clicked;
    for (const char* name : {"Panel", "Label", "Picture"})
        form_->find(name)->onClick = [&clicked, name] { clicked.push_back(name); };
    form_->show();
    QTest::mouseClick(widget<QLabel>("Label"), Qt::LeftButton);
    QTest::mouseClick(widget<QLabel>("Picture"), Qt::LeftButton);
    QTest::mouseClick(widget<QLabel>("Panel"), Qt::LeftButton, {}, QPoint(180, 80));
    EXPECT_EQ(clicked, (std::vector<std::string>{"Label", "Picture", "Panel"}));
    form_->hide();
}

TEST_F(QtControls, AKeyReachesTheWindowOnceWhereverItIsSentAndFOneToo) {
    std::vector<int> keys;
    form_->onKey = [&](const KeyPress& k) {
        keys.push_back(k.key);
        return false;
    };
    // A label passes keys on to its panel and the window: the window still sees each once. The
    // keyboard sends Ctrl down before the A, and the window sees that too.
    QTest::keyClick(widget<QLabel>("Label"), Qt::Key_F1);
    QTest::keyClick(widget<QLineEdit>("Edit"), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(keys, (std::vector<int>{kKeyF1, 0x11, 'A'}));
}

TEST_F(QtControls, ACheckBoxOnADarkWindowShowsAWhiteCaptionAndAWhiteBox) {
    const QPalette p = widget<QCheckBox>("Check")->palette();
    EXPECT_EQ(p.color(QPalette::Active, QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(p.color(QPalette::Active, QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(p.color(QPalette::Active, QPalette::Text), QColor(Qt::black));
    form_->setColour(colours::kWhite);
    EXPECT_EQ(widget<QCheckBox>("Check")->palette().color(QPalette::Active, QPalette::WindowText),
              QApplication::palette().color(QPalette::Active, QPalette::WindowText));
}

TEST_F(QtControls, ACaptionWithoutButtonsAndASeeThroughColourCutOutWhereverItIsDrawn) {
    const auto keyed = testToolkit().createForm(
        {.name = "Keyed",
         .client = {120, 80},
         .style = FormStyle::CaptionOnly,
         .colour = colours::kWhite,
         .seeThrough = colours::kWhite},
        std::vector<ControlSpec>{
            {.kind = Kind::Label, .name = "Red", .at = {10, 10, 40, 20}, .colour = colours::kRed}});
    keyed->show();
    const QWidget* window = QApplication::activeWindow();
    ASSERT_NE(window, nullptr);
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_FALSE(flags & (Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window->mask().contains(QPoint(20, 20)));
    EXPECT_FALSE(window->mask().contains(QPoint(100, 60)));
    // Drawn white later, the label goes too.
    keyed->get<Label>("Red").setColour(colours::kWhite);
    testToolkit().processEvents();
    EXPECT_FALSE(window->mask().contains(QPoint(20, 20)));
    keyed->hide();
}

TEST_F(QtControls, ADrawingIsRenderedAtItsOwnSizeWithItsClearedHole) {
    const QImage picture = widget<QLabel>("Picture")->pixmap().toImage();
    ASSERT_EQ(picture.size(), QSize(20, 20));
    EXPECT_EQ(picture.pixelColor(2, 2), QColor(Qt::red));
    EXPECT_EQ(picture.pixelColor(10, 10).alpha(), 0);
}

}  // namespace
}  // namespace plevo::ui
