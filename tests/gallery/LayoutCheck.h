#pragma once
// What the gallery holds against every window it shows. Pure: the window
// side measures the windows (Gallery.cpp), this decides.
//
// The rules:
// 1. A control lies wholly in the client area of the window that holds it
//    (the form, or its container), and a group box's controls lie inside its
//    frame, below its caption.
// 2. Two controls held by the same window do not cover each other, not even
//    in part. Containment is no overlap: the controls of a group box or panel
//    are its children, so a label meant to stand on a panel names the panel
//    as its Parent. A control may stand wholly on a sibling that draws only a
//    picture, a frame or a line (a backdrop).
// 3. The text of a label, button, check box, radio button or group box fits
//    into it, check mark and frame included, and the caption of a window
//    into its title bar beside the icon and the buttons: nothing is cut off.
// Controls whose own visible flag is off (stored hidden, tab sheets behind
// the front one) are passed over; the controls inside a hidden container are
// still checked against it. The windows that a standard control makes for
// itself (the edit of a combo box) are its own business and are not checked.
#include <string>
#include <vector>

namespace gallery {

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// One window of a form as measured on the screen.
struct Placed {
  std::string name;     // for the messages
  int parent = -1;      // index of the window that holds it; -1 for the form
  Rect bounds;          // in the client coordinates of the parent
  Rect inner;           // where its own controls may stand, in its client coordinates
  bool shown = true;    // its own visible flag
  bool checked = true;  // a control of the layout (false: a window a control made for itself)
  bool backdrop = false;
  int needWidth = 0;    // what its text needs, frame and check mark included; 0: no text measured
  int needHeight = 0;
  int captionNeed = 0;  // a window's caption: what its text needs, and the room the title bar has
  int captionRoom = 0;
};

// The faults of a form, one sentence each; empty when it is sound.
std::vector<std::string> CheckPlacement(const std::vector<Placed>& windows);

}  // namespace gallery
