// Takes the README's screenshots on the platform it is started on (scripts/screenshots.sh runs
// it on a virtual X display): the main window at start, the registry window after an open of
// the sample identity, and the how-to window. Not a CTest entry.
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include "guidance/HowToUnit.h"
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
    const auto file = root_ / "HKEY_CURRENT_USER.reg";
    std::filesystem::remove(file);
    registry_.load(file);  // a first start: the sample
    showRegistryWindow();
    const std::string blocks =
        "Identities\\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\\Software\\Microsoft\\Outlook "
        "Express\\5.0\\Block Senders";
    dialogs_.expectMessage("You can use the Advanced Rules button")
        .expectMessage(infoMessage(blocks + "\\Mail"))
        .expectMessage(infoMessage(blocks + "\\News"))
        .expectMessage(backupMessage("Mail"))
        .expectMessage(backupMessage("News"));
    reg_->Button1->click();
    ASSERT_EQ(reg_->ListBox1->lineCount(), 30);
    save(reg_, "registry-window.png");
    reg_->hide();
    save(main_, "main-window.png");
    main_->BitBtn2->click();
    save(&tool_->HowTo(), "howto-window.png");
}

}  // namespace
}  // namespace plevo::test
