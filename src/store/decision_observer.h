// An optional observer of a job: told why each decision went the way it did,
// and shown the pipe as the simulation forms it.
//
// The rooms call it only when one is set (the `observer` of their state
// part, which the driver sets for the whole job). The entry points never set
// one, so the result file, the library's exports and its speed are those of a
// job without it; the command-line tool sets one to write a report or to
// explain a failed cut piece. Every method has an empty default; an observer
// sees the job, it does not change it.
#pragma once

#include <cstdint>

#include "store/records.h"

namespace kwarel {

// Why a machine was not taken for a step (or, with position -1, for the whole
// cut piece: the check that no machine can take the pipe at all).
enum class MachineCheck : int32_t {
    Priority,    // its priority value is 0
    PipeLength,  // the developed length exceeds its maxPipeLength
    Hand,        // it does not bend with this hand
    BendAngle,   // the bend angle (with springback when included) exceeds its maxBendAngle
};

// Why a bender of a machine's bender list gave no option for a step.
enum class BenderCheck : int32_t {
    UnknownName,     // the machine lists a name that no bender has; the names after it are not read
    Priority,        // its priority value is 0; the names after it are not read
    Bore,            // no bend capability for the cut piece's bore
    Radius,          // capabilities for the bore, none for the step's radius
    Material,        // no material capability for the PIPING-SPEC
    WallThickness,   // material capabilities for the PIPING-SPEC, none for the wall thickness
    MiddleMaterial,  // the straight before a middle bend is too short and additional material is not allowed
};

// What became of one run the search enumerated.
enum class RunOutcome : int32_t {
    Duplicate,     // tried before for this cut piece: neither simulated nor scored
    NotSimulated,  // clash checking is off: kept without simulation
    Clear,         // simulated without a clash
    Clash,         // simulated, ended in a clash
    RepeatClash,   // agrees with the last clashing run on all it read: the same clash, not simulated again
};

// The motion a frame of the pipe follows.
enum class MotionKind : int32_t { Load, Bend, Feed, Rotation };

class DecisionObserver {
public:
    virtual ~DecisionObserver() = default;

    // Tube data lookup of cut piece `piece`: the index of the tube data
    // record found, or -1.
    virtual void itemLookedUp(int32_t /*piece*/, int32_t /*tubeIndex*/) {}

    // Option listing of the cut piece being planned: its developed length
    // and largest bend angle (springback added when included).
    virtual void lengthsComputed(double /*developed*/, int64_t /*largestAngle*/) {}

    // A machine refused. Position -1: refused for the whole cut piece (the
    // length and angle check before any option is listed).
    virtual void machineRefused(int32_t /*position*/, int16_t /*direction*/, int16_t /*hand*/, int32_t /*machine*/,
                                MachineCheck) {}

    // A bender on a machine's list refused at a step. `bender` is its list
    // index, or -1 when the name names no bender (`name` is the name as the
    // machine lists it). For UnknownName and Priority the position is -1:
    // the list is read once per cut piece.
    virtual void benderRefused(int32_t /*position*/, int16_t /*direction*/, int16_t /*hand*/, int32_t /*machine*/,
                               int32_t /*bender*/, const char* /*name*/, BenderCheck) {}

    // The search comes to a criteria level. `searched` is false when an
    // ALLOW_... option forbids relaxing what the level relaxes.
    virtual void levelReached(int32_t /*level*/, bool /*searched*/) {}

    // One run enumerated at the level last reached: its option ordinals for
    // positions 0 .. length - 1 and the rotations of its straights as the
    // simulation (if any) read them (entry p for straight p, 0 elsewhere).
    virtual void runTried(const int16_t* /*run*/, int32_t /*length*/, const int32_t* /*rotations*/, RunOutcome) {}

    // Whether the observer must still be told of each run one by one, and of
    // each simulation as it happens. While it is, the search neither gives
    // outcomes again from its memo nor accounts for runs in blocks; once it
    // is not, runs may reach it as counts (runsAccountedFor) and clashes the
    // memo gives again reach runTried as RepeatClash without clashFound.
    virtual bool wantsEachRun() const { return true; }

    // A block of runs at the level last reached accounted for at once: each
    // would have been tried one by one with the outcome RepeatClash
    // (`clashed` of them) or Duplicate (`duplicates`).
    virtual void runsAccountedFor(int64_t /*clashed*/, int64_t /*duplicates*/) {}

    // The envelope test found the pipe touching `surface`; `line` is the
    // clash line for it (without its line end), `pieces` the formed pipe as it
    // stood, `machine` the list index of the machine tested against. Called
    // for every clash, also past the tenth line, and while a run is replayed.
    virtual void clashFound(const char* /*surface*/, const char* /*line*/, int32_t /*machine*/,
                            const PipeShapeRecord* /*pieces*/, int32_t /*count*/) {}

    // While a run is replayed for drawing: the pipe after one motion of its
    // program, made on machine `machine`. `pieces` is the formed pipe;
    // `pending` the length of the straight fed past the bend head and not
    // yet formed (0 after a load or a bend), lying on the feed line at
    // height `axisZ` and across position `feedY`.
    virtual void motionDone(MotionKind, int32_t /*position*/, int32_t /*machine*/, double /*pending*/,
                            double /*feedY*/, double /*axisZ*/, const PipeShapeRecord* /*pieces*/,
                            int32_t /*count*/) {}
};

}  // namespace kwarel
