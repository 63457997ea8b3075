// Bend step geometry: straights between tangent points and bend arcs.
#pragma once

#include <cmath>
#include <cstdint>

#include "input/input_state.h"
#include "prepare/prepare_state.h"
#include "store/job_options.h"

namespace kwarel {

// Appends the 2n + 1 steps of cut piece `index` when its `failed` is 0.
void buildBendSteps(const JobOptions& options, const CutPieceFile& file, PrepareState& prep, int32_t index);

// Returns the setback of a bend and writes its arc length (stretched when
// INCLUDE_BEND_STRETCHING is on).
double bendSetbackAndArc(const JobOptions& options, int32_t bendAngle, int32_t bendRadius,
                         int32_t stretchPercent, double& arc);

// Distance between two points. Inline: the room tests measure with it for
// every sample point.
inline double pointDistance(double x1, double y1, double z1, double x2, double y2, double z2) {
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double dz = z2 - z1;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

int32_t unitDirection(double x1, double y1, double z1, double x2, double y2, double z2, double& ux,
                      double& uy, double& uz);

// List index of the first bend step whose keys equal the given ones, or -1.
int32_t firstStepOfKey(PrepareState& prep, const char* cutId, const char* spoolId);

}  // namespace kwarel
