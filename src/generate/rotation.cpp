#include "generate/rotation.h"

#include "prepare/options.h"
#include "store/vectors.h"

namespace kwarel {
namespace {

struct Vector3 {
    double x, y, z;
};

// Direction of the straight made at `position` by the run's option there.
Vector3 straightDirection(const PrepareState& prep, const int16_t* run, int32_t position) {
    const RunPosition at = runPosition(prep, run, position);
    if (!at) return {0.0, 0.0, 0.0};
    return {at.step->directionX, at.step->directionY, at.step->directionZ};
}

}  // namespace

void setPlaneRotations(PrepareState& prep, int32_t bendCount, const int16_t* run, bool written[]) {
    const int32_t n = bendCount;
    if (written != nullptr) {
        for (int32_t p = 0; p < kMaxPositions; ++p) written[p] = false;
    }
    if (2 * n + 1 < 5) return;

    Vector3 previous = straightDirection(prep, run, 0);
    Vector3 next = straightDirection(prep, run, 2);
    Vector3 previousNormal;
    crossProduct(previous.x, previous.y, previous.z, next.x, next.y, next.z, previousNormal.x, previousNormal.y,
                 previousNormal.z);
    previous = next;

    // Only even positions are straights; the last one (2n) has no plane after it.
    for (int32_t position = 2; position <= 2 * n - 2; position += 2) {
        next = straightDirection(prep, run, position + 2);
        Vector3 normal;
        crossProduct(previous.x, previous.y, previous.z, next.x, next.y, next.z, normal.x, normal.y, normal.z);
        // Exact comparison: a not-a-number component always counts as a change.
        if (normal.x != previousNormal.x || normal.y != previousNormal.y || normal.z != previousNormal.z) {
            const int32_t angle = vectorAngle(normal.x, normal.y, normal.z, previousNormal.x, previousNormal.y,
                                              previousNormal.z);
            previousNormal = normal;
            setRunRotation(prep, run, position, angle);
            if (written != nullptr) written[position] = true;
        }
        previous = next;
    }
}

}  // namespace kwarel
