#include "ui/CaptionFit.h"

#include <algorithm>

namespace plevo::ui {

int captionFloorPixels(int dpi) {
    return (6 * dpi + 36) / 72;
}

int fittedCaptionPixels(int room, int shownWidth, int shownPixels, int leastPixels,
                        const std::function<int(int pixels)>& widthAt) {
    if (room <= 0 || shownWidth <= room) return 0;
    int pixels = shownPixels - 1;
    for (; pixels > leastPixels; --pixels)
        if (widthAt(pixels) <= room) break;
    return std::max(pixels, leastPixels);
}

}  // namespace plevo::ui
