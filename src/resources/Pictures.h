#pragma once
// The tool's pictures, drawn at start-up: step pictures, marks and the small icons.

#include <QPixmap>

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

QPixmap step(Step kind, int frame = 0);
// The registry window's banner: letters flying into a blocked mailbox.
QPixmap banner(int width, int height);
// The how-to window's pictures: the system's Run box with "regedit" typed in, and the registry
// editor's export dialog with the range "All" chosen.
QPixmap runBox(int width, int height);
QPixmap exportDialog(int width, int height);
QPixmap markNotDone();  // a red cross
QPixmap markDone();     // a green tick

}  // namespace plevo::pictures
