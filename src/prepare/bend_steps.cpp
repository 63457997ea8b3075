#include "prepare/bend_steps.h"

#include <cmath>
#include <cstring>

#include "prepare/resolve.h"
#include "store/elementary.h"
#include "store/text.h"

namespace kwarel {

double bendSetbackAndArc(const JobOptions& options, int32_t bendAngle, int32_t bendRadius,
                         int32_t stretchPercent, double& arc) {
    const double radius = bendRadius;
    const double angle = bendAngle;
    const double setback = radius * elementary::tan(angle * 0.017453333333333335 * 0.5);
    arc = radius * 6.2832 * angle * 0.002777777777777778;
    if (options.INCLUDE_BEND_STRETCHING != 0) {
        arc = arc - static_cast<double>(stretchPercent) * 0.01 * arc;
    }
    return setback;
}

int32_t unitDirection(double x1, double y1, double z1, double x2, double y2, double z2, double& ux,
                      double& uy, double& uz) {
    const double distance = pointDistance(x1, y1, z1, x2, y2, z2);
    if (distance == 0.0) {
        // Coincident points have no direction; a zero vector keeps not-a-number
        // out of the plane normals computed from it.
        ux = uy = uz = 0.0;
        return 0;
    }
    ux = (x2 - x1) / distance;
    uy = (y2 - y1) / distance;
    uz = (z2 - z1) / distance;
    return 0;
}

int32_t firstStepOfKey(PrepareState& state, const char* cutId, const char* spoolId) {
    if (state.lastStepKeyValid && state.stepsIndexedCount == state.bendSteps.count &&
        std::strcmp(state.lastStepKeyCutId, cutId) == 0 && std::strcmp(state.lastStepKeySpoolId, spoolId) == 0) {
        return state.lastStepKeyFirst;
    }
    if (state.stepsIndexedCount > state.bendSteps.count) {
        state.firstStepByKey.clear();
        state.stepsIndexedCount = 0;
    }
    for (int32_t i = state.stepsIndexedCount; i < state.bendSteps.count; ++i) {
        const BendStepRecord& step = state.bendSteps.at(i);
        state.firstStepByKey.emplace(cutPieceKey(step.cutId, step.spoolId), i);
    }
    state.stepsIndexedCount = state.bendSteps.count;
    auto it = state.firstStepByKey.find(cutPieceKey(cutId, spoolId));
    const int32_t first = it == state.firstStepByKey.end() ? -1 : it->second;
    copyText(state.lastStepKeyCutId, cutId);
    copyText(state.lastStepKeySpoolId, spoolId);
    state.lastStepKeyFirst = first;
    // Keys longer than the cache's fields are looked up every time.
    state.lastStepKeyValid = std::strlen(cutId) < sizeof state.lastStepKeyCutId &&
                             std::strlen(spoolId) < sizeof state.lastStepKeySpoolId;
    return first;
}

namespace {

void appendStep(PrepareState& state, const CutPieceRecord& piece, int16_t type, double length, int32_t angle,
                int32_t radius, double dx, double dy, double dz) {
    BendStepRecord& step = state.bendSteps.current;
    state.bendSteps.zeroCurrent();
    copyText(step.cutId, piece.cutId);
    copyText(step.spoolId, piece.spoolId);
    step.length = length;
    step.stepType = type;
    step.bendAngle = angle;
    step.bendRadius = radius;
    step.directionX = dx;
    step.directionY = dy;
    step.directionZ = dz;
    if (state.bendSteps.append()) state.bendSteps.store(state.bendSteps.count - 1);
}

}  // namespace

void buildBendSteps(const JobOptions& options, const CutPieceFile& file, PrepareState& prep, int32_t index) {
    if (index < 0 || index >= file.cutPieces.count) return;
    const CutPieceRecord& piece = file.cutPieces.at(index);
    if (piece.failed != kPieceFine) return;
    // Every piece with this key reads the block that begins at the key's
    // first step (the bend count, and so the block's size, is the key's), so
    // a second block would only cost memory: N pieces of one key with N bends
    // would hold 2N^2 steps.
    if (prep.buildStepsOncePerKey && firstStepOfKey(prep, piece.cutId, piece.spoolId) >= 0) return;

    const std::vector<int32_t>& bends = bendsOfCutPiece(prep, file, piece.cutId, piece.spoolId);
    double px = piece.startX, py = piece.startY, pz = piece.startZ;
    double previousSetback = 0.0;
    int32_t k = 0;
    for (int32_t bendIndex : bends) {
        ++k;
        const PipeBendRecord& bend = file.pipeBends.at(bendIndex);
        double arc = 0.0;
        const double setback =
            bendSetbackAndArc(options, bend.bendAngle, bend.bendRadius, piece.stretchPercent, arc);

        double length = pointDistance(px, py, pz, bend.bendX, bend.bendY, bend.bendZ) - setback;
        if (k > 1) length = length - previousSetback;
        double ux, uy, uz;
        unitDirection(px, py, pz, bend.bendX, bend.bendY, bend.bendZ, ux, uy, uz);
        appendStep(prep, piece, kStraight, length, 0, 0, ux, uy, uz);
        appendStep(prep, piece, kBend, arc, bend.bendAngle, bend.bendRadius, 0.0, 0.0, 0.0);

        if (k == piece.bendCount) {
            const double last =
                pointDistance(bend.bendX, bend.bendY, bend.bendZ, piece.finishX, piece.finishY, piece.finishZ) -
                setback;
            unitDirection(bend.bendX, bend.bendY, bend.bendZ, piece.finishX, piece.finishY, piece.finishZ, ux,
                          uy, uz);
            appendStep(prep, piece, kStraight, last, 0, 0, ux, uy, uz);
        }
        px = bend.bendX;
        py = bend.bendY;
        pz = bend.bendZ;
        previousSetback = setback;
    }
}

}  // namespace kwarel
