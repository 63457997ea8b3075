// Small numeric helpers shared by the run simulation and the envelope tests.
// Every formula here is written in the order of operations the results depend
// on; do not rearrange them.
#pragma once

#include <cmath>
#include <cstdint>

namespace kwarel::clash {

// Degrees to radians with the simulation's own constant: angle x 6.2832 x
// (1 / 360), multiplied in this order.
inline double toRadians(double degrees) { return degrees * 6.2832 * 0.002777777777777778; }

// Radians to degrees as the direction angles compute it: x 360 x (1 / 6.2832).
inline double toDegrees(double radians) { return radians * 360.0 * 0.15915457091927682; }

// Distance in a plane: pointDistance with the third coordinates equal (their
// zero term adds nothing to the sum).
inline double distance2(double x1, double y1, double x2, double y2) {
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    return std::sqrt(dx * dx + dy * dy);
}

}  // namespace kwarel::clash
