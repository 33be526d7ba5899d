#include "lists/Progress.h"

#include <cfenv>
#include <cmath>

namespace plevo {

int progressPercent(int position, int lines) {
    if (lines <= 0) return 0;
    // nearbyint rounds halves to even in the default rounding mode; the division is done in
    // floating point, as the displayed figure always was.
    return static_cast<int>(std::nearbyint(position / (lines / 100.0)));
}

}  // namespace plevo
