// Takes the README's screenshots on the platform it is started on (scripts/screenshots.sh runs
// it on a virtual X display): the main window at start, the registry window after an open of
// the sample identity, and the how-to window. Not a CTest entry.
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include "forms/guidance/HowToUnit.h"
#include "support/RegistryFixture.h"

namespace plevo::test {
namespace {

class Screenshots : public RegistryFixture {
protected:
    void save(QWidget* window, const char* name) {
        window->raise();
        window->activateWindow();
        QTest::qWait(400);  // the window system paints it
        const QString dir = qEnvironmentVariable("PLEVO_SCREENSHOTS", QStringLiteral("docs"));
        const QPixmap shot = window->screen()->grabWindow(window->winId());
        const QString file = QDir(dir).filePath(QString::fromLatin1(name));
        ASSERT_FALSE(shot.isNull()) << name;
        ASSERT_TRUE(shot.save(file)) << file.toStdString();
    }
};

TEST_F(Screenshots, OfTheWindowsAfterAnOpen) {
    openSampleIdentity();
    save(reg_, "registry-window.png");
    reg_->hide();
    save(main_, "main-window.png");
    main_->BitBtn2->click();
    save(&tool_->HowTo(), "howto-window.png");
}

}  // namespace
}  // namespace plevo::test
