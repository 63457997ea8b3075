#include "support/builders.h"

#include "generate/search.h"
#include "prepare/options.h"

namespace kwarel::testing {

void addMachine(JobState& state, const MachineSetup& setup) {
    appendRecord(state.shop.machines, [&](MachineRecord& m) {
        copyText(m.name, setup.name.c_str());
        copyText(m.benderNames, setup.benderNames.c_str());
        m.priority = setup.priority, m.hand = setup.hand, m.maxPipeLength = setup.maxPipeLength;
        m.maxBendAngle = setup.maxBendAngle, m.machineHeight = setup.machineHeight;
        m.frontWall = m.backWall = m.leftWall = m.rightWall = m.ceilingHeight = 1000000;
    });
}

void addBender(JobState& state, const std::string& name, int32_t priority, int32_t minFirst, int32_t minMiddle,
               int32_t minLast) {
    appendRecord(state.shop.benders, [&](BenderRecord& b) {
        copyText(b.name, name.c_str());
        b.priority = priority, b.minFirstStraight = minFirst, b.minMiddleStraight = minMiddle;
        b.minLastStraight = minLast;
    });
}

void addBendCapability(JobState& state, const std::string& bender, double bore, int32_t radius) {
    appendRecord(state.shop.bendCapabilities, [&](BendCapabilityRecord& c) {
        copyText(c.benderName, bender.c_str());
        c.nominalBore = bore, c.bendRadius = radius, c.radiusUnits = 1;
    });
}

void addMaterialCapability(JobState& state, const std::string& bender, const std::string& material, int32_t minWall,
                           int32_t maxWall, int16_t mandrel) {
    appendRecord(state.shop.materialCapabilities, [&](MaterialCapabilityRecord& c) {
        copyText(c.benderName, bender.c_str());
        copyText(c.materialSpec, material.c_str());
        c.minWallThickness = minWall, c.maxWallThickness = maxWall, c.mandrel = mandrel, c.thicknessUnits = 1;
    });
}

int32_t addPreparedPiece(JobState& state, const PieceSetup& setup, const std::vector<StepSetup>& steps) {
    auto& pieces = state.cutFile.cutPieces;
    appendRecord(pieces, [&](CutPieceRecord& piece) {
        copyText(piece.cutId, setup.cutId.c_str());
        copyText(piece.spoolId, setup.spoolId.c_str());
        copyText(piece.pipingSpec, "A1");
        copyText(piece.itemCode, "P1");
        piece.nominalBore = setup.bore, piece.wallThickness = 40, piece.outsideDiameter = setup.outsideDiameter;
        piece.maxDeliveryLength = setup.maxDeliveryLength, piece.springbackAngle = setup.springbackAngle;
        piece.weldShrinkage = setup.weldShrinkage, piece.bendCount = static_cast<int32_t>(steps.size() / 2);
    });
    const int32_t index = pieces.count - 1;
    for (const StepSetup& s : steps) {
        appendRecord(state.prep.bendSteps, [&](BendStepRecord& step) {
            copyText(step.cutId, setup.cutId.c_str());
            copyText(step.spoolId, setup.spoolId.c_str());
            step.length = s.length, step.stepType = s.bend ? kBend : kStraight;
            step.bendAngle = s.angle, step.bendRadius = s.radius;
            if (!s.bend) step.directionX = s.dx, step.directionY = s.dy, step.directionZ = s.dz;
        });
    }
    pieces.load(index);
    return index;
}

void addOption(JobState& state, const OptionSetup& o) {
    appendRecord(state.prep.bendOptions, [&](BendOptionRecord& r) {
        copyText(r.cutId, state.cutFile.cutPieces.current.cutId);
        copyText(r.spoolId, state.cutFile.cutPieces.current.spoolId);
        r.stepIndex = o.position, r.direction = 1;
        r.machineIndex = o.machine, r.benderIndex = o.bender, r.hand = o.hand;
        r.priorityValue = o.priority, r.extraBefore = o.extraBefore, r.extraAfter = o.extraAfter;
        r.rotation = o.rotation;
    });
    indexOptions(state.prep, state.cutFile.cutPieces.current);
}

int32_t searchRuns(JobState& s, int32_t index) {
    return searchBendingRuns(SearchParts{s.options, s.shop, s.cutFile, s.prep, s.search, s.clash}, index);
}

void addSimpleShop(JobState& state, std::initializer_list<int32_t> radii) {
    addMachine(state, MachineSetup{});
    addBender(state, "B1", 1);
    for (int32_t r : radii) addBendCapability(state, "B1", 2.0, r);
    addMaterialCapability(state, "B1", "A1", 0, 100, 1);
}

}  // namespace kwarel::testing
