#include "generate/rotation.h"

#include "prepare/options.h"
#include "store/vectors.h"

namespace kwarel {
namespace {

struct Vector3 {
    double x, y, z;
};

int32_t ordinalAt(const JobState& state, int32_t firstOrdinal, int32_t position) {
    return position == 0 ? firstOrdinal : state.combination[position - 1];
}

// Direction of the straight made at `position` by the run's option there.
Vector3 straightDirection(JobState& state, int32_t firstOrdinal, int32_t position) {
    if (loadOptionAt(state, position, ordinalAt(state, firstOrdinal, position)) < 0 ||
        !state.bendSteps.load(state.bendOptions.current.stepIndex)) {
        return {0.0, 0.0, 0.0};
    }
    const BendStepRecord& step = state.bendSteps.current;
    return {step.directionX, step.directionY, step.directionZ};
}

}  // namespace

int32_t setPlaneRotations(JobState& state, int32_t firstOrdinal) {
    const int32_t n = state.cutPieces.current.bendCount;
    if (2 * n + 1 < 5) return 0;

    Vector3 previous = straightDirection(state, firstOrdinal, 0);
    Vector3 next = straightDirection(state, firstOrdinal, 2);
    Vector3 previousNormal;
    crossProduct(previous.x, previous.y, previous.z, next.x, next.y, next.z, previousNormal.x, previousNormal.y,
                 previousNormal.z);
    previous = next;

    // Only even positions are straights; the last one (2n) has no plane after it.
    for (int32_t position = 2; position <= 2 * n - 2; position += 2) {
        next = straightDirection(state, firstOrdinal, position + 2);
        Vector3 normal;
        crossProduct(previous.x, previous.y, previous.z, next.x, next.y, next.z, normal.x, normal.y, normal.z);
        // Exact comparison: a not-a-number component always counts as a change.
        if (normal.x != previousNormal.x || normal.y != previousNormal.y || normal.z != previousNormal.z) {
            const int32_t angle = vectorAngle(normal.x, normal.y, normal.z, previousNormal.x, previousNormal.y,
                                              previousNormal.z);
            previousNormal = normal;
            const int32_t index = loadOptionAt(state, position, ordinalAt(state, firstOrdinal, position));
            if (index >= 0) {
                state.bendOptions.current.rotation = angle;
                state.bendOptions.store(index);
            }
        }
        previous = next;
    }
    return 0;
}

}  // namespace kwarel
