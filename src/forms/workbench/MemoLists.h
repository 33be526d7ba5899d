#pragma once
// A list box of the main window read and filled as a text list: the form a file had (a final line
// break or none) survives an open and a save.

#include "lists/TextList.h"
#include "ui/Controls.h"

namespace plevo {

TextList memoList(const ui::Memo& box);
// Replaces the box's text by the list, in one refill.
void setMemoList(ui::Memo& box, const TextList& list);

}  // namespace plevo
