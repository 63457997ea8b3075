// Runs one whole job from a fuzzed input.
//
// The input holds three parts separated by the byte 0x1E: the option lines
// of the parameter file (its lines 4 to 24), the bender database file and the
// cut-piece file. The parameter file gets fixed first three lines naming the
// two files and a result file in the scratch folder; option lines the input
// does not give are those of a plain valid job.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kwarel::fuzz {

constexpr char kPartSeparator = '\x1e';

// Runs the job in a fresh state and checks its status and the end of its
// result file. With forceClashChecking, DO_CLASH_CHECKING (line 11) is on
// whatever the input says. Returns false, without running the job, when the
// trial search could be too large to finish quickly (see job_input.cpp).
bool runFuzzedJob(const uint8_t* data, std::size_t size, bool forceClashChecking);

}  // namespace kwarel::fuzz
