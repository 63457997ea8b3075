// Machine rooms and pipe pieces for the clash tests.
#pragma once

#include <string>

#include "store/job_state.h"

namespace kwarel::testing {

struct RoomSetup {
    std::string name = "M1";
    int32_t machineHeight = 1000, frontRadius = 300, bodyHalfWidth = 400;
    int32_t frontWall = 10000, backWall = 10000, leftWall = 5000, rightWall = 5000, ceilingHeight = 3000;
    int16_t hasPit = 0;
    int32_t pitDepth = 0, pitRadius = 0;
};

inline MachineRecord roomMachine(const RoomSetup& r) {
    MachineRecord m{};
    copyText(m.name, r.name.c_str());
    m.priority = 1, m.hand = 3, m.maxPipeLength = 1000000, m.maxBendAngle = 180;
    m.machineHeight = r.machineHeight, m.frontRadius = r.frontRadius, m.bodyHalfWidth = r.bodyHalfWidth;
    m.frontWall = r.frontWall, m.backWall = r.backWall, m.leftWall = r.leftWall, m.rightWall = r.rightWall;
    m.ceilingHeight = r.ceilingHeight, m.hasPit = r.hasPit, m.pitDepth = r.pitDepth, m.pitRadius = r.pitRadius;
    return m;
}

inline void addRoom(JobState& state, const RoomSetup& setup) {
    state.machines.current = roomMachine(setup);
    state.machines.append();
    state.machines.store(state.machines.count - 1);
}

// Appends a straight (no centre) or an arc piece.
inline void addPiece(JobState& state, const double start[3], const double end[3], const double* centre = nullptr,
                     int32_t angle = 0) {
    PipeShapeRecord p{};
    p.pieceType = centre == nullptr ? 1 : 2;
    p.startX = start[0], p.startY = start[1], p.startZ = start[2];
    p.endX = end[0], p.endY = end[1], p.endZ = end[2];
    if (centre != nullptr) p.centreX = centre[0], p.centreY = centre[1], p.centreZ = centre[2];
    p.arcAngle = angle;
    state.pipeShapes.current = p;
    state.pipeShapes.append();
    state.pipeShapes.store(state.pipeShapes.count - 1);
}

inline void addStraightPiece(JobState& state, double sx, double sy, double sz, double ex, double ey, double ez) {
    const double start[3] = {sx, sy, sz}, end[3] = {ex, ey, ez};
    addPiece(state, start, end);
}

inline std::string clashLine(const JobState& state, int i) { return state.clashLines[i]; }

}  // namespace kwarel::testing
