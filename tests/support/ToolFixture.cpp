#include "support/ToolFixture.h"

#include <fstream>
#include <stdexcept>

#include "app/RunPlevo.h"
#include "platform/Files.h"
#include "support/RunAsUser.h"
#include "support/TempFolder.h"
#include "support/TestToolkit.h"
#include "support/UserInput.h"
#include "ui/Toolkit.h"

namespace plevo::test {

ToolFixture::ToolFixture(RegistryAccess& registry) : toolRegistry_(registry) {
    root_ = freshTempFolder("plevo-test-");
    start_ = root_ / "start";
    std::filesystem::create_directories(start_);
    std::filesystem::create_directories(root_ / "drive_c");
    previousFolder_ = std::filesystem::current_path();
    std::filesystem::current_path(start_);
    tool_ = std::make_unique<PlevoTool>(toolSetup());
    main_ = &tool_->Replace();
}

ToolSetup ToolFixture::toolSetup() {
    return {.toolkit = testToolkit(),
            .dialogs = dialogs_,
            .registry = toolRegistry_,
            .shell = toolShell_,
            .driveC = root_ / "drive_c",
            .persistRegistry = [this] {
                if (&toolRegistry_ == &registry_ && registry_.flush()) ++registryWrites_;
            }};
}

int ToolFixture::runTool(const std::function<void()>& script) {
    // One tool at a time: the windows of the fixture's own go first.
    main_ = nullptr;
    tool_.reset();
    dialogs_.expectWelcome();
    return runAsUser([this] { return runPlevo(toolSetup()); },
                     [&] {
                         ASSERT_TRUE(user().waitUntil([&] { return dialogs_.done(); }))
                             << "the main window never greeted the user";
                         script();
                     });
}

ui::Form& ToolFixture::window(std::string_view name) {
    ui::Form* form = user().window(name);
    if (!form) throw std::logic_error("no window " + std::string(name) + " in the program");
    return *form;
}

ToolFixture::~ToolFixture() {
    tool_.reset();
    std::filesystem::current_path(previousFolder_);
    std::error_code ec;
    std::filesystem::permissions(root_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(root_, ec);
}

void ToolFixture::showMainWindow() {
    dialogs_.expectWelcome();
    const std::size_t shown = dialogs_.transcript().size();
    tool_->show();
    // The greeting comes from a timer once the window stands on the screen.
    EXPECT_TRUE(user().waitUntil([&] { return dialogs_.transcript().size() > shown; }))
        << "the main window never greeted the user";
}

FileDialogOptions ToolFixture::openListOptions() const {
    return {.defaultExt = "txt",
            .filter = "Text files (*.txt)|*.TXT",
            .fileName = "Blocked Senders List",
            .initialDir = pathText(start_)};
}

std::string ToolFixture::startPath(const std::string& name) const {
    return pathText(start_ / name);
}

std::string ToolFixture::writeFile(const std::string& name, std::string_view bytes) {
    const std::filesystem::path p =
        std::filesystem::path(name).is_absolute() ? std::filesystem::path(name) : start_ / name;
    std::ofstream(p, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return pathText(p);
}

std::string ToolFixture::readBack(const std::string& path) const {
    return readFile(path);
}

}  // namespace plevo::test
