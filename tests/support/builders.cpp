#include "support/builders.h"

#include "generate/search.h"
#include "prepare/options.h"

namespace kwarel::testing {

void addMachine(JobState& state, const MachineSetup& setup) {
    auto& list = state.shop.machines;
    list.zeroCurrent();
    copyText(list.current.name, setup.name.c_str());
    list.current.priority = setup.priority;
    copyText(list.current.benderNames, setup.benderNames.c_str());
    list.current.hand = setup.hand;
    list.current.maxPipeLength = setup.maxPipeLength;
    list.current.maxBendAngle = setup.maxBendAngle;
    list.current.machineHeight = setup.machineHeight;
    list.current.frontWall = list.current.backWall = 1000000;
    list.current.leftWall = list.current.rightWall = 1000000;
    list.current.ceilingHeight = 1000000;
    list.append();
    list.store(list.count - 1);
}

void addBender(JobState& state, const std::string& name, int32_t priority, int32_t minFirst, int32_t minMiddle,
               int32_t minLast) {
    auto& list = state.shop.benders;
    list.zeroCurrent();
    copyText(list.current.name, name.c_str());
    list.current.priority = priority;
    list.current.minFirstStraight = minFirst;
    list.current.minMiddleStraight = minMiddle;
    list.current.minLastStraight = minLast;
    list.append();
    list.store(list.count - 1);
}

void addBendCapability(JobState& state, const std::string& bender, double bore, int32_t radius) {
    auto& list = state.shop.bendCapabilities;
    list.zeroCurrent();
    copyText(list.current.benderName, bender.c_str());
    list.current.nominalBore = bore;
    list.current.bendRadius = radius;
    list.current.radiusUnits = 1;
    list.append();
    list.store(list.count - 1);
}

void addMaterialCapability(JobState& state, const std::string& bender, const std::string& material, int32_t minWall,
                           int32_t maxWall, int16_t mandrel) {
    auto& list = state.shop.materialCapabilities;
    list.zeroCurrent();
    copyText(list.current.benderName, bender.c_str());
    copyText(list.current.materialSpec, material.c_str());
    list.current.minWallThickness = minWall;
    list.current.maxWallThickness = maxWall;
    list.current.mandrel = mandrel;
    list.current.thicknessUnits = 1;
    list.append();
    list.store(list.count - 1);
}

int32_t addPreparedPiece(JobState& state, const PieceSetup& setup, const std::vector<StepSetup>& steps) {
    auto& pieces = state.cutFile.cutPieces;
    pieces.zeroCurrent();
    CutPieceRecord& piece = pieces.current;
    copyText(piece.cutId, setup.cutId.c_str());
    copyText(piece.spoolId, setup.spoolId.c_str());
    copyText(piece.pipingSpec, "A1");
    copyText(piece.itemCode, "P1");
    piece.nominalBore = setup.bore;
    piece.wallThickness = 40;
    piece.outsideDiameter = setup.outsideDiameter;
    piece.maxDeliveryLength = setup.maxDeliveryLength;
    piece.springbackAngle = setup.springbackAngle;
    piece.weldShrinkage = setup.weldShrinkage;
    piece.bendCount = static_cast<int32_t>(steps.size() / 2);
    pieces.append();
    const int32_t index = pieces.count - 1;
    pieces.store(index);

    for (const StepSetup& s : steps) {
        auto& list = state.prep.bendSteps;
        list.zeroCurrent();
        copyText(list.current.cutId, setup.cutId.c_str());
        copyText(list.current.spoolId, setup.spoolId.c_str());
        list.current.length = s.length;
        list.current.stepType = s.bend ? kBend : kStraight;
        list.current.bendAngle = s.angle;
        list.current.bendRadius = s.radius;
        if (!s.bend) {
            list.current.directionX = s.dx;
            list.current.directionY = s.dy;
            list.current.directionZ = s.dz;
        }
        list.append();
        list.store(list.count - 1);
    }
    pieces.load(index);
    return index;
}

void addOption(JobState& state, const OptionSetup& o) {
    auto& list = state.prep.bendOptions;
    list.zeroCurrent();
    BendOptionRecord& r = list.current;
    copyText(r.cutId, state.cutFile.cutPieces.current.cutId);
    copyText(r.spoolId, state.cutFile.cutPieces.current.spoolId);
    r.stepIndex = o.position, r.direction = 1;
    r.machineIndex = o.machine, r.benderIndex = o.bender, r.hand = o.hand;
    r.priorityValue = o.priority, r.extraBefore = o.extraBefore, r.extraAfter = o.extraAfter;
    r.rotation = o.rotation;
    list.append();
    list.store(list.count - 1);
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
