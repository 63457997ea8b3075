// Builders that put machines, benders, capabilities, tube data, cut pieces
// and their steps straight into a JobState, so that tests of the preparation
// and generation rooms control every value they depend on.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "driver/job_state.h"

namespace kwarel::testing {

// Appends a zeroed record that `fill` sets, as the readers do: zeroed slot,
// append, store.
template <typename List, typename Fill>
void appendRecord(List& list, Fill fill) {
    list.zeroCurrent();
    fill(list.current);
    list.append();
    list.store(list.count - 1);
}

struct MachineSetup {
    std::string name = "M1";
    int32_t priority = 1;
    std::string benderNames = "B1";
    int16_t hand = 3;
    int32_t maxPipeLength = 1000000;
    int32_t maxBendAngle = 180;
    int32_t machineHeight = 9000;
};
void addMachine(JobState& state, const MachineSetup& setup);

void addBender(JobState& state, const std::string& name, int32_t priority, int32_t minFirst = 0,
               int32_t minMiddle = 0, int32_t minLast = 0);
void addBendCapability(JobState& state, const std::string& bender, double bore, int32_t radius);
void addMaterialCapability(JobState& state, const std::string& bender, const std::string& material,
                           int32_t minWall, int32_t maxWall, int16_t mandrel);

// One step of a cut piece: a straight of `length` along (dx, dy, dz), or a
// bend of `angle` degrees and `radius` whose arc is `length`.
struct StepSetup {
    bool bend;
    double length;
    int32_t angle = 0;
    int32_t radius = 0;
    double dx = 1.0, dy = 0.0, dz = 0.0;
};
inline StepSetup straight(double length, double dx = 1.0, double dy = 0.0, double dz = 0.0) {
    return StepSetup{false, length, 0, 0, dx, dy, dz};
}
inline StepSetup bend(double arc, int32_t angle, int32_t radius) { return StepSetup{true, arc, angle, radius}; }

// Appends a cut piece ready for option listing (resolved: bore 2, material
// A1, wall 40, OD 600, delivery 1000000) with its steps, loads it into the
// current slot and returns its index.
struct PieceSetup {
    std::string cutId = "C1";
    std::string spoolId = "S1";
    double bore = 2.0;
    int32_t maxDeliveryLength = 1000000;
    int32_t springbackAngle = 0;
    int32_t weldShrinkage = 0;
    int32_t outsideDiameter = 600;
};
int32_t addPreparedPiece(JobState& state, const PieceSetup& setup, const std::vector<StepSetup>& steps);

// Appends a direction-1 option of the current cut piece at `position` (its
// steps start at list index 0) and groups the options by position, as the
// listing does.
struct OptionSetup {
    int32_t position;
    int32_t machine = 0;
    int32_t bender = 0;
    int16_t hand = 1;
    int32_t priority = 0;
    int32_t extraBefore = 0;
    int32_t extraAfter = 0;
    int32_t rotation = 0;
};
void addOption(JobState& state, const OptionSetup& setup);

// The search of cut piece `index`, as the job runs it; returns the runs found.
int32_t searchRuns(JobState& state, int32_t index);

// A shop with one machine M1 (hand 3) and one bender B1 that can bend bore 2
// at every radius used by `radii` in material A1.
void addSimpleShop(JobState& state, std::initializer_list<int32_t> radii);

}  // namespace kwarel::testing
