// Options of one job, read from the parameter file.
#pragma once

#include <cstdint>

namespace kwarel {

// Flags are off when 0.
struct JobOptions {
    int32_t ALLOW_ADDITIONAL_MATERIAL = 0;
    int32_t INCLUDE_BEND_STRETCHING = 0;
    int32_t INCLUDE_WELD_SHRINKAGE = 0;
    int32_t INCLUDE_BEND_SPRINGBACK = 0;
    int32_t USE_MACHINE_PRIORITY = 0;
    int32_t USE_BENDER_PRIORITY = 0;
    int32_t MACHINE_OVER_BENDER_PRIORITY = 0;
    int32_t DO_CLASH_CHECKING = 0;
    int32_t ADD_TEMPLATE_LENGTH = 0;
    int32_t TEMPLATE_LENGTH = 0;  // tenths of a millimetre
    int32_t NUMBER_OF_PROGRAMS = 0;
    int32_t ALLOW_MACHINE_CHANGE = 0;
    int32_t ALLOW_BENDER_CHANGE = 0;
    int32_t ALLOW_HAND_CHANGE = 0;
    int32_t TRIAL_CRITERION[5] = {0, 0, 0, 0, 0};  // ranks of criteria 1 to 5
    int32_t FORCE_MACHINE = 0;
    int32_t FORCE_BENDER = 0;
    char forcedMachineId[12] = {};
    char forcedBenderId[12] = {};
};

}  // namespace kwarel
