// Run simulation: the pipe is loaded, fed, bent and rotated step by step.
#pragma once

#include <cstdint>

#include "store/job_state.h"

namespace kwarel {

// 1 when the run (firstOrdinal, combination) stays clear, 0 on a clash.
int32_t simulateRun(JobState& state, int32_t firstOrdinal);

double totalPipeLength(JobState& state, int32_t firstOrdinal);
int32_t feedPipeStep(JobState& state, int32_t distance, int32_t outsideDiameter);
int32_t bendPipeStep(JobState& state, int32_t fromAngle, int32_t toAngle, int32_t outsideDiameter,
                     int32_t bendRadius);
int32_t rotatePipeStep(JobState& state, int32_t angle, int32_t outsideDiameter, int32_t bendRadius);
int32_t shiftPipeSideways(JobState& state, int32_t delta);
double planarAngle(double cx, double cy, double x, double y);
double axialAngle(double cy, double cz, double y, double z);
int32_t placeAtAxialAngle(double cy, double cz, double angle, double& y, double& z);

}  // namespace kwarel
