// Takes the README's screenshots on the platform it is started on (scripts/screenshots.sh runs
// it on a virtual X display): the main window at start, the registry window after an open of
// the sample identity, and the how-to window. Not a CTest entry.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "ScreenCapture.h"
#include "forms/guidance/HowToUnit.h"
#include "support/RegistryFixture.h"
#include "support/TestToolkit.h"
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
        const std::string file = (std::filesystem::path(dir ? dir : "docs") / name).string();
        const ui::Point topLeft = window.toScreen({0, 0});
        const ui::Size size = window.clientSize();
        ASSERT_TRUE(captureScreenArea({topLeft.x, topLeft.y, size.w, size.h}, file)) << file;
    }
};

TEST_F(Screenshots, OfTheWindowsAfterAnOpen) {
    openSampleIdentity();
    save(reg_->form(), "registry-window.png");
    reg_->form().hide();
    save(main_->form(), "main-window.png");
    clickMain("BitBtn2");
    save(tool_->HowTo().form(), "howto-window.png");
}

}  // namespace
}  // namespace plevo::test
