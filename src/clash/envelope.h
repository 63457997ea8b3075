// Tests of the formed pipe against the machine room, pit and machine.
#pragma once

#include <cstdint>

#include "clash/clash_state.h"

namespace kwarel {

int32_t testPipeShape(ClashState& state, int32_t outsideDiameter);
int32_t arcChordEnds(ClashState& state, int32_t index, double a[3], double b[3]);
int32_t testRoomPoints(ClashState& state, int32_t count, int32_t outsideDiameter);
int32_t testPit(ClashState& state, double x, double y, double z, int32_t r, double cx, double cy, double cz,
                int32_t frontRadius, int32_t pitRadius, int32_t pitDepth);
int32_t testMachineBody(ClashState& state, double x, double y, double z, int32_t r, const double a[3],
                        const double b[3], const double c[3], int32_t height);
int32_t testMachineFront(ClashState& state, double x, double y, double z, int32_t r, double cx, double cy,
                         double cz, int32_t frontRadius, int32_t height);

}  // namespace kwarel
