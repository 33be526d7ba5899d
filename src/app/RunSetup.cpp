#include "app/RunSetup.h"

#include "forms/setup/PlevoInstallUnit.h"
#include "ui/Toolkit.h"

namespace plevo {

int runSetup(ui::Toolkit& toolkit, const InstallerSetup& setup) {
    TMainSetUpForm window(toolkit, setup);
    window.form().show();
    return toolkit.run();
}

}  // namespace plevo
