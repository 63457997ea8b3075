// Temporary placeholder until the readers land.
#include "input/cutpiece_reader.h"
#include "input/database_reader.h"
#include "driver/parameters.h"
namespace kwarel {
int32_t readBenderDatabase(JobState&, const char*) { return 1; }
int32_t readCutPieceFile(JobState&, const char*) { return 0; }
double parseFractionValue(const char*) { return 0.0; }
int32_t readParameterFile(JobState&, const char*, char*, char*, char*) { return 0; }
}  // namespace kwarel
