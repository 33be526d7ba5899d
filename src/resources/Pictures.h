#pragma once
// The tool's pictures as drawings on the control layer's Surface: step pictures, marks, the
// registry window's banner and the how-to window's pictures of the system's dialogs.

#include "ui/Surface.h"

namespace plevo::pictures {

enum class Step {
    OpenBook,     // step 1, an open book; frames 1..4 turn its pages
    Remove,       // step 2, scissors over an "@"
    Edit,         // step 3, a pencil
    Delete,       // step 4, two sheets, one crossed out
    Sort,         // step 5, lines in order with an arrow
    Save,         // step 6, a disk
    GearOutline,  // step 7, a gear drawn in outline
    GearShaded,   // step 7, a shaded gear wheel
    HandUp,       // step 8, a hand over a button
    HandDown,     // step 8, the hand pressing it
    OpenFolder,   // open a list file
    Help,         // a question mark
    Close,        // a door with an arrow
    Clear,        // an eraser
};

// 33 x 33 pixels.
ui::Drawing step(Step kind, int frame = 0);
// The registry window's banner: letters flying into a blocked mailbox.
ui::Drawing banner(int width, int height);
// The how-to window's pictures: the system's Run box with "regedit" typed in, and the registry
// editor's export dialog with the range "All" chosen.
ui::Drawing runBox(int width, int height);
ui::Drawing exportDialog(int width, int height);
// 16 x 16 pixels.
ui::Drawing markNotDone();  // a red cross
ui::Drawing markDone();     // a green tick
// 12 x 12 pixels: a dot in the colour of a word list's header, edged in white.
ui::Drawing listMark(ui::Colour colour);

}  // namespace plevo::pictures
