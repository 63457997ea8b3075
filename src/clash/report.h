// Clash report lines of the current cut piece.
#pragma once

#include <cstdint>

#include "clash/clash_state.h"

namespace kwarel {

// Adds "Machine: <name>  Pipe hitting <surface><suffix>\n" unless 10 lines
// are already held.
void addClashLine(ClashState& state, const char* surface);

// Writes that line into `line` (kClashLineWidth bytes) for a machine, the
// 1-based simulation position and the motion phase.
void formatClashLine(char* line, const MachineRecord& machine, const char* surface, int32_t position,
                     int32_t motionPhase);

}  // namespace kwarel
