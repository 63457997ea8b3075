// Clash report lines of the current cut piece.
#pragma once

#include <cstdint>

#include "clash/clash_state.h"

namespace kwarel {

// Adds "Machine: <name>  Pipe hitting <surface><suffix>\n" unless 10 lines
// are already held. Returns 0.
int32_t addClashLine(ClashState& state, const char* surface);

}  // namespace kwarel
