// Reader of the cut-piece (bend) file: cut pieces, pipe bends and the header
// values (date, pipeline, PIPING-SPEC, bore and length units).
#pragma once

#include <cstdint>

#include "input/diagnostics.h"
#include "input/input_state.h"

namespace kwarel {

// Sets the counts of the cut piece and pipe bend lists to 0, the units to
// their defaults, and reads the file at `path`. A file that cannot be opened
// gives empty lists. With a diagnostics sink the reader also reports what is
// odd about the file's lines and the line of every cut piece and bend; what it
// reads is the same.
void readCutPieceFile(CutPieceFile& file, const char* path, Diagnostics* diagnostics = nullptr);

// Reads a number that may carry a fraction written as whole.numerator/denominator
// (1.1/2 is 1.5, 3/4 is 0.75, 4 is 4.0).
double parseFractionValue(const char* text);

}  // namespace kwarel
