// The two exported entry points. Both run one job on the process-wide state.
#define KWAREL_BUILDING 1
#include "kwarel.h"

#include <new>

#include "driver/job.h"

extern "C" KWAREL_API int TORVEX(const char* parameterFilePath) {
    try {
        return kwarel::runJob(kwarel::processJobState(), parameterFilePath);
    } catch (const std::bad_alloc&) {
        return KWAREL_OUT_OF_MEMORY;  // not even the job's state could be had
    }
}

extern "C" KWAREL_API int KWAREL_STDCALL TORVEXStdcall(const char* parameterFilePath) {
    return TORVEX(parameterFilePath);
}
