// The two exported entry points. Both run one job on the process-wide state.
#define KWAREL_BUILDING 1
#include "kwarel.h"

#include "driver/job.h"

extern "C" KWAREL_API int TORVEX(const char* parameterFilePath) {
    return kwarel::runJob(kwarel::processJobState(), parameterFilePath);
}

extern "C" KWAREL_API int KWAREL_STDCALL TORVEXStdcall(const char* parameterFilePath) {
    return TORVEX(parameterFilePath);
}
