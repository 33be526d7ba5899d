// Takes the README's screenshots on the platform it is started on (scripts/screenshots.sh runs
// it on a virtual X display, the Windows build under Wine): the main window at start, the
// registry window after an open of the sample identity, the how-to window, and Setup's window
// once its terms are accepted. PLEVO_SCREENSHOTS names the folder, PLEVO_SCREENSHOTS_SUFFIX what
// follows each window's name ("-wine", say). Not a CTest entry.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "ScreenCapture.h"
#include "forms/guidance/HowToUnit.h"
#include "forms/setup/PlevoInstallUnit.h"
#include "setup/SetupTexts.h"
#include "setup/ShellLink.h"
#include "support/RegistryFixture.h"
#include "support/TestToolkit.h"
#include "support/UserInput.h"
#include "ui/Toolkit.h"

namespace plevo::test {
namespace {

class Screenshots : public RegistryFixture {
protected:
    void save(ui::Form& window, const char* name) {
        window.activate();
        // The window system paints it.
        ui::Toolkit& toolkit = testToolkit();
        const std::int64_t until = toolkit.milliseconds() + 400;
        while (toolkit.milliseconds() < until) toolkit.processEvents();
        const char* dir = std::getenv("PLEVO_SCREENSHOTS");
        const char* suffix = std::getenv("PLEVO_SCREENSHOTS_SUFFIX");
        const std::string file = (std::filesystem::path(dir ? dir : "docs") /
                                  (std::string(name) + (suffix ? suffix : "") + ".png"))
                                     .string();
        const ui::Point topLeft = window.toScreen({0, 0});
        const ui::Size size = window.clientSize();
        ASSERT_TRUE(captureScreenArea({topLeft.x, topLeft.y, size.w, size.h}, file)) << file;
    }
};

TEST_F(Screenshots, OfTheWindowsAfterAnOpen) {
    openSampleIdentity();
    save(reg_->form(), "registry-window");
    reg_->form().hide();
    save(main_->form(), "main-window");
    clickMain("HowtoImage");
    save(tool_->HowTo().form(), "howto-window");
}

TEST_F(Screenshots, OfSetupsWindow) {
    FormatShortcutWriter links;
    const DriveC driveC(root_ / "drive_c");
    TMainSetUpForm setup(
        testToolkit(),
        {.dialogs = dialogs_, .driveC = driveC, .sourceFolder = start_, .shortcuts = links});
    dialogs_.expectConfirm(kSetupTerms, Buttons::YesNo, Answer::Yes);
    setup.form().show();
    ASSERT_TRUE(user().waitUntil([&] { return dialogs_.done(); }));
    save(setup.form(), "setup-window");
}

}  // namespace
}  // namespace plevo::test
