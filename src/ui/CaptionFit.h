#pragma once
// How both backends fit a one-line caption into its control: wider than its room, it is shown in
// a smaller font, a whole pixel at a time (so that the smaller font is one the layer can name),
// down to 6 points. The backends only measure and set the font.

#include <functional>

namespace plevo::ui {

// 6 points in the pixels of a screen of `dpi` dots per inch, rounded to the nearest.
int captionFloorPixels(int dpi);

// The size in whole pixels to show a caption in: 0 when it fits as it is (`shownWidth`, in its
// font of now, no wider than `room`) or has no room to fit into (room 0 or less: a word-wrapped
// caption). Else the largest size below `shownPixels` (the font of now, rounded up) at which
// `widthAt` measures it within the room, and `leastPixels` when none above that fits.
int fittedCaptionPixels(int room, int shownWidth, int shownPixels, int leastPixels,
                        const std::function<int(int pixels)>& widthAt);

}  // namespace plevo::ui
