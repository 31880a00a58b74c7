// The room the windings have on this bobbin, from the drawing's numbers (as
// the template takes them), so that the check and the drawing agree.
#pragma once

#include "calc/drawingnumbers.h"

#include <optional>

namespace vintorp::windings {

struct Space {
    double thickness = 0;  // the sheet's, T
    double length = 0;  // between the cheeks' inner faces: Edit7 − 2·T
    double depth = 0;  // from the tube's outer face to the cheek's edge: (Edit4 − Edit5) / 2
    double tubeWidth = 0;  // the tube's outside, a × b: Edit5 × Edit2
    double tubeHeight = 0;
    // The cheek's window is smaller than the cheek both ways
    // (calc::windowInsideCheek); otherwise the drawing makes no cheek.
    bool windowInsideCheek = true;
};

// Nothing when a field the space needs holds no positive number.
std::optional<Space> spaceFromDrawing(const calc::DrawingNumbers& numbers);

// Whether a winding has anywhere to lie: a positive length and depth between
// cheeks that the drawing makes. The length and the depth are differences of
// two sizes read from the drawing, and a difference of doubles has the sign
// of the exact one, so it needs no tolerance.
bool hasRoom(const Space& space);

}  // namespace vintorp::windings
