#include "store/vectors.h"

#include <cmath>

#include "store/elementary.h"

namespace kwarel {

int32_t normalizeVector(double x, double y, double z, double& ux, double& uy, double& uz) {
    const double length = std::sqrt(x * x + y * y + z * z);
    ux = x / length;
    uy = y / length;
    uz = z / length;
    return 0;
}

int32_t crossProduct(double a1, double a2, double a3, double b1, double b2, double b3, double& c1,
                     double& c2, double& c3) {
    c1 = a2 * b3 - a3 * b2;
    c2 = a3 * b1 - a1 * b3;
    c3 = a1 * b2 - a2 * b1;
    return 0;
}

int32_t vectorAngle(double a1, double a2, double a3, double b1, double b2, double b3) {
    double ax, ay, az, bx, by, bz;
    normalizeVector(a1, a2, a3, ax, ay, az);
    normalizeVector(b1, b2, b3, bx, by, bz);
    double c = ax * bx + ay * by + az * bz;
    if (c < -1.0 || std::isnan(c)) c = -1.0;
    if (c > 1.0) c = 1.0;
    return static_cast<int32_t>(elementary::acos(c) * 57.2958);
}

}  // namespace kwarel
