#include "generate/rotation.h"

#include <algorithm>

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

// The planes from the straight at `from` on, `previous` being that
// straight's direction and `previousNormal` the plane normal it is compared
// with; with `last`, what each straight found is noted there.
void planesFrom(PrepareState& prep, int32_t n, const int16_t* run, int32_t from, Vector3 previous,
                Vector3 previousNormal, bool written[], PlaneRotations* last) {
    // Only even positions are straights; the last one (2n) has no plane after it.
    for (int32_t position = from; position <= 2 * n - 2; position += 2) {
        if (last != nullptr) {
            last->normalBefore[position][0] = previousNormal.x;
            last->normalBefore[position][1] = previousNormal.y;
            last->normalBefore[position][2] = previousNormal.z;
            last->written[position] = false;
        }
        const Vector3 next = straightDirection(prep, run, position + 2);
        Vector3 normal;
        crossProduct(previous.x, previous.y, previous.z, next.x, next.y, next.z, normal.x, normal.y, normal.z);
        // Exact comparison: a not-a-number component always counts as a change.
        if (normal.x != previousNormal.x || normal.y != previousNormal.y || normal.z != previousNormal.z) {
            const int32_t angle = vectorAngle(normal.x, normal.y, normal.z, previousNormal.x, previousNormal.y,
                                              previousNormal.z);
            previousNormal = normal;
            setRunRotation(prep, run, position, angle);
            if (written != nullptr) written[position] = true;
            if (last != nullptr) {
                last->written[position] = true;
                last->angle[position] = angle;
            }
        }
        previous = next;
    }
}

// The plane normal of the first two straights, and the planes after it.
void allPlanes(PrepareState& prep, int32_t n, const int16_t* run, bool written[], PlaneRotations* last) {
    const Vector3 first = straightDirection(prep, run, 0);
    const Vector3 second = straightDirection(prep, run, 2);
    Vector3 normal;
    crossProduct(first.x, first.y, first.z, second.x, second.y, second.z, normal.x, normal.y, normal.z);
    planesFrom(prep, n, run, 2, second, normal, written, last);
}

}  // namespace

void setPlaneRotations(PrepareState& prep, int32_t bendCount, const int16_t* run, bool written[]) {
    if (written != nullptr) {
        for (int32_t p = 0; p < kMaxPositions; ++p) written[p] = false;
    }
    if (2 * bendCount + 1 < 5) return;
    allPlanes(prep, bendCount, run, written, nullptr);
}

void setPlaneRotations(PrepareState& prep, int32_t bendCount, const int16_t* run, bool written[],
                       PlaneRotations& last) {
    const int32_t n = bendCount;
    if (2 * n + 1 < 5 || n > kMaxBends) {
        last.valid = false;
        setPlaneRotations(prep, n, run, written);
        return;
    }
    for (int32_t p = 0; p < kMaxPositions; ++p) written[p] = false;
    // A plane at straight p reads the directions of the straights at p and
    // p + 2: the planes before the straight ahead of the first changed one
    // are those of the last run.
    int32_t from = 2;
    if (last.valid && last.bendCount == n) {
        int32_t changed = 0;
        while (changed <= 2 * n && run[changed] == last.run[changed]) changed += 2;
        from = std::max(2, changed - 2);
    }
    if (from == 2) {
        allPlanes(prep, n, run, written, &last);
    } else {
        for (int32_t p = 2; p < from; p += 2) {
            if (!last.written[p]) continue;
            setRunRotation(prep, run, p, last.angle[p]);
            written[p] = true;
        }
        if (from <= 2 * n - 2) {
            const double* before = last.normalBefore[from];
            planesFrom(prep, n, run, from, straightDirection(prep, run, from), {before[0], before[1], before[2]},
                       written, &last);
        }
    }
    for (int32_t p = 0; p <= 2 * n; ++p) last.run[p] = run[p];
    last.bendCount = n;
    last.valid = true;
}

}  // namespace kwarel
