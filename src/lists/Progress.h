#pragma once

namespace plevo {

// The percentage shown beside the progress bar: the bar's position divided by (lines / 100),
// rounded to the nearest integer with halves going to the even neighbour. A walk over an empty
// list shows 0.
int progressPercent(int position, int lines);

}  // namespace plevo
