#pragma once
// Whether the text of a window can be read: the colour a control draws its text in against the
// colour it draws behind it, as the backend draws them, by the luminance contrast ratio (1 to 21;
// 4.5 is the least for text of this size).

#include <optional>
#include <string>

#include "ui/Form.h"

namespace plevo::test {

struct DrawnColours {
    ui::Colour text;
    ui::Colour background;
};

// The colours the backend paints the control's text and background with now (its enabled state,
// its window's activation and its container's colours counted); nullopt for a control that draws
// no text of its own. Made by the backend the test links.
std::optional<DrawnColours> drawnColours(const ui::Control& control);
// The same for the title row of a grid.
std::optional<DrawnColours> drawnTitleColours(const ui::Grid& grid);

double contrastRatio(ui::Colour a, ui::Colour b);

// The controls of `window` that are shown now and show the user's data or a message (labels,
// panels, group boxes, boxes, lists, grids) with a contrast below 4.5, each as
// "Window/Control: ratio (text on background)" ("Window/Control titles: ..." for a grid's
// title row), joined by "; " ("" when all can be read). The
// greyed captions of steps and labels and the one-line boxes that are not available now are meant
// to be faint and are left out, as are buttons.
std::string illegibleTexts(const ui::Form& window);

}  // namespace plevo::test
