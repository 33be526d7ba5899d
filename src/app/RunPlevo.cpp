#include "app/RunPlevo.h"

#include "ui/Toolkit.h"

namespace plevo {

int runPlevo(const ToolSetup& setup) {
    PlevoTool tool(setup);
    tool.show();
    return setup.toolkit.run();
}

}  // namespace plevo
