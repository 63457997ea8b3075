// Reader of the bender database file: machines, benders, bend and material
// capabilities and tube data.
#pragma once

#include <cstdint>

#include "input/diagnostics.h"
#include "input/input_state.h"

namespace kwarel {

// Sets the counts of the five database lists to 0 and reads the file at
// `path` into them. A file that cannot be opened gives empty lists. With a
// diagnostics sink the reader also reports what is odd about the file's lines
// and the line of every record; the records read are the same.
void readBenderDatabase(Shop& shop, const char* path, Diagnostics* diagnostics = nullptr);

}  // namespace kwarel
