/* kwarel: pipe-bending planner.
 *
 * One job per call: the argument is the path of a 24-line parameter file;
 * the result is the job status, 0 when the job ran to the end, 1 to 16 for
 * the job-level errors listed in the README, 17 when memory ran out. The
 * result file named by the parameter file holds everything the job produced;
 * it is written beside its final name and takes that name when the job ends,
 * so the path holds either the previous file or the complete new one.
 *
 * Jobs share process-wide state: call one entry point at a time.
 */
#ifndef KWAREL_H
#define KWAREL_H

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32)
#  if defined(KWAREL_DEF_EXPORTS)
     /* 32-bit kwarel.dll: kwarel.def alone names the exports and their
      * ordinals; a dllexport here would add a third, undecorated name. */
#    define KWAREL_API
#  elif defined(KWAREL_BUILDING)
#    define KWAREL_API __declspec(dllexport)
#  elif defined(KWAREL_STATIC)
#    define KWAREL_API
#  else
#    define KWAREL_API __declspec(dllimport)
#  endif
#else
#  define KWAREL_API __attribute__((visibility("default")))
#endif

#if defined(_WIN32) && !defined(_WIN64)
#  define KWAREL_STDCALL __stdcall
#else
#  define KWAREL_STDCALL
#endif

/* Job statuses: 0 when the job ran to the end, otherwise why it stopped. */
enum KwarelStatus {
    KWAREL_JOB_COMPLETED = 0,
    KWAREL_CUT_PIECE_FILE_NOT_FOUND = 1,
    KWAREL_DATABASE_FILE_NOT_FOUND = 2,
    KWAREL_NO_MACHINES = 3,
    KWAREL_NO_BENDERS = 4,
    KWAREL_NO_BEND_CAPABILITIES = 5,
    KWAREL_NO_MATERIAL_CAPABILITIES = 6,
    KWAREL_NO_ITEM_CODES = 7,
    KWAREL_NO_CUT_PIECES = 8,
    KWAREL_NO_PIPE_BENDS = 9,
    KWAREL_TOO_FEW_PROGRAMS = 10,
    KWAREL_TOO_MANY_PROGRAMS = 11,
    KWAREL_RESULT_FILE_NOT_OPENED = 12, /* cannot be written safely or completely */
    KWAREL_PARAMETER_FILE_NOT_FOUND = 13,
    KWAREL_TRIAL_ORDER_INVALID = 14,
    KWAREL_FORCED_MACHINE_MISSING = 15,
    KWAREL_FORCED_BENDER_MISSING = 16,
    KWAREL_OUT_OF_MEMORY = 17
};
#define KWAREL_STATUS_COUNT 18

/* For each status: the text the result file ends with (null when the job
 * completed or the result file cannot be written), and its meaning. */
struct KwarelStatusText {
    const char* resultText;
    const char* meaning;
};
static const struct KwarelStatusText kwarelStatusTexts[KWAREL_STATUS_COUNT] = {
    {0, "job completed"},
    {"ERROR - Cut piece file not found.", "cut-piece file not found"},
    {"ERROR - Bender database file not found.", "bender database file not found"},
    {"ERROR - No machines defined in bender database file.", "no machines defined in the bender database file"},
    {"ERROR - No benders defined in bender database file.", "no benders defined in the bender database file"},
    {"ERROR - No bend capability records in database file.", "no bend capability records in the database file"},
    {"ERROR - No material capability records in database file.",
     "no material capability records in the database file"},
    {"ERROR - No itemcode records in database file.", "no item code records in the database file"},
    {"ERROR - No cut pieces in VELMOR bend file.", "no cut pieces in the cut-piece file"},
    {"ERROR - No pipe bends found in VELMOR bend file.", "no pipe bends found in the cut-piece file"},
    {"ERROR - You must request AT LEAST one program for creation.", "NUMBER_OF_PROGRAMS must be at least 1"},
    {"ERROR - You have requested more than the maximum number of programs.", "NUMBER_OF_PROGRAMS must be at most 50"},
    {0, "the result file cannot be written"},
    {0, "the parameter file does not exist"},
    {"ERROR - The trial criteria order has not been set correctly.",
     "the trial criteria order has not been set correctly"},
    {"ERROR - The forced machine ID does not exist.", "the forced machine ID does not exist"},
    {"ERROR - The forced bender ID does not exist.", "the forced bender ID does not exist"},
    {"ERROR - Not enough memory to complete the job.", "not enough memory to complete the job"},
};

/* Runs one job; caller-cleans convention. */
KWAREL_API int TORVEX(const char* parameterFilePath);

/* The same job with the callee-cleans convention of 32-bit Windows; exported
 * there as _TORVEXStdcall@4. Elsewhere a plain function. */
KWAREL_API int KWAREL_STDCALL TORVEXStdcall(const char* parameterFilePath);

#ifdef __cplusplus
}
#endif

#endif /* KWAREL_H */
