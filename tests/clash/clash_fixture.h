// Machine rooms and pipe pieces for the clash tests.
#pragma once

#include <array>

#include "driver/job_state.h"

namespace kwarel::testing {

// A room: machine top at 1000, body 400 to each side, front radius 300,
// ceiling 3000 above the top, walls at x 10000 / -10000 and y 5000 / -5000.
inline MachineRecord room(const char* name = "M1") {
    MachineRecord m{};
    copyText(m.name, name);
    m.machineHeight = 1000, m.frontRadius = 300, m.bodyHalfWidth = 400, m.ceilingHeight = 3000;
    m.frontWall = m.backWall = 10000, m.leftWall = m.rightWall = 5000;
    return m;
}

inline void addRoom(JobState& state, const MachineRecord& room) {
    state.shop.machines.current = room;
    state.shop.machines.append();
    state.shop.machines.store(state.shop.machines.count - 1);
}

using Point = std::array<double, 3>;

// Appends a straight, or an arc when the angle is not 0.
inline void addPiece(JobState& state, const Point& start, const Point& end, const Point& centre = {},
                     int32_t angle = 0) {
    PipeShapeRecord& p = state.clash.pipeShapes.current;
    p = PipeShapeRecord{};
    p.pieceType = angle == 0 ? 1 : 2;
    p.startX = start[0], p.startY = start[1], p.startZ = start[2];
    p.endX = end[0], p.endY = end[1], p.endZ = end[2];
    p.centreX = centre[0], p.centreY = centre[1], p.centreZ = centre[2];
    p.arcAngle = angle;
    state.clash.pipeShapes.append();
    state.clash.pipeShapes.store(state.clash.pipeShapes.count - 1);
}

}  // namespace kwarel::testing
