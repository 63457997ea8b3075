// Reader of the bender database file: machines, benders, bend and material
// capabilities and tube data.
#pragma once

#include <cstdint>

#include "input/input_state.h"

namespace kwarel {

// Sets the counts of the five database lists to 0 and reads the file at
// `path` into them. A file that cannot be opened gives empty lists.
void readBenderDatabase(Shop& shop, const char* path);

}  // namespace kwarel
