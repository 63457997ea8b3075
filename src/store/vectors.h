// Small operations on 3-vectors of doubles.
#pragma once

#include <cstdint>

namespace kwarel {

// Writes (x, y, z) divided by its length; a zero vector gives not-a-number.
int32_t normalizeVector(double x, double y, double z, double& ux, double& uy, double& uz);

// Writes a x b.
int32_t crossProduct(double a1, double a2, double a3, double b1, double b2, double b3, double& c1,
                     double& c2, double& c3);

// Angle between a and b in whole degrees, 0 to 180 (arccosine times 57.2958,
// truncated). A zero vector on either side gives 180.
int32_t vectorAngle(double a1, double a2, double a3, double b1, double b2, double b3);

}  // namespace kwarel
