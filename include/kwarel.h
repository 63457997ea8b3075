/* kwarel: pipe-bending planner.
 *
 * One job per call: the argument is the path of a 24-line parameter file;
 * the result is the job status, 0 when the job ran to the end, 1 to 16 for
 * the job-level errors listed in the README. The result file named by the
 * parameter file holds everything the job produced.
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

/* Runs one job; caller-cleans convention. */
KWAREL_API int TORVEX(const char* parameterFilePath);

/* The same job with the callee-cleans convention of 32-bit Windows; exported
 * there as _TORVEXStdcall@4. Elsewhere a plain function. */
KWAREL_API int KWAREL_STDCALL TORVEXStdcall(const char* parameterFilePath);

#ifdef __cplusplus
}
#endif

#endif /* KWAREL_H */
