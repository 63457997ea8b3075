/* A host of the kwarel library, as a host program would use it.
 *
 *   dll_host LIBRARY [EXPORT FOLDER PARAMETER_FILE]...
 *
 * On 32-bit Windows it loads kwarel.dll with LoadLibrary and checks its
 * exports: TORVEX and _TORVEXStdcall@4 found by name and by ordinals 1 and 2
 * (the same addresses), and no undecorated TORVEXStdcall. Elsewhere it loads
 * libkwarel.so with dlopen and finds TORVEX and TORVEXStdcall.
 *
 * Then it runs each job in turn in this one process: changes to FOLDER
 * (relative paths in a job are taken from the current folder) and calls the
 * export named by EXPORT ("cdecl" for TORVEX, "stdcall" for the stdcall one)
 * with PARAMETER_FILE. On 32-bit Windows it checks around each call that the
 * stack pointer, once the caller has done its part of the convention (cdecl:
 * the caller removes the argument; stdcall: the callee does), is where it
 * was before the call.
 *
 * Prints one line for the export checks, one per job ("job N EXPORT status
 * S"), and ends with "host: N jobs run, F failures". Exits 0 only without
 * failures. With LIBRARY alone it checks the exports and runs no job.
 */
#include <stdio.h>
#include <string.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>
#endif

typedef int (*entry_point)(const char*);

static int failures = 0;

static void fail(const char* what, const char* detail) {
    printf("FAIL %s %s\n", what, detail);
    ++failures;
}

#ifdef _WIN32
/* Calls fn(arg) from a 16-byte aligned stack and returns the status; *moved
 * receives how far the stack pointer moved during the call: 0 when the
 * callee removed its argument (stdcall), 4 when it left it (cdecl). */
static int call_measured(void* fn, const char* arg, int* moved) {
    int status, offset, saved;
    __asm__ volatile(
        "movl %%esp, %%esi\n\t"
        "andl $-16, %%esp\n\t"
        "subl $12, %%esp\n\t"
        "movl %%esp, %%edi\n\t"
        "pushl %[arg]\n\t"
        "call *%[fn]\n\t"
        "subl %%esp, %%edi\n\t"
        "movl %%esi, %%esp\n\t"
        : "=a"(status), "=&D"(offset), "=&S"(saved)
        : [arg] "b"(arg), [fn] "a"(fn)
        : "ecx", "edx", "memory", "cc");
    (void)saved;
    *moved = offset;
    return status;
}
#endif

int main(int argc, char** argv) {
    if (argc < 2 || (argc - 2) % 3 != 0) {
        printf("usage: dll_host DLL [EXPORT FOLDER PARAMETER_FILE]...\n");
        return 2;
    }
#ifdef _WIN32
    HMODULE dll = LoadLibraryA(argv[1]);
    if (!dll) {
        printf("FAIL load %s (error %lu)\n", argv[1], (unsigned long)GetLastError());
        printf("host: 0 jobs run, 1 failures\n");
        return 1;
    }
    FARPROC cdecl_by_name = GetProcAddress(dll, "TORVEX");
    FARPROC stdcall_by_name = GetProcAddress(dll, "_TORVEXStdcall@4");
    FARPROC cdecl_by_ordinal = GetProcAddress(dll, MAKEINTRESOURCEA(1));
    FARPROC stdcall_by_ordinal = GetProcAddress(dll, MAKEINTRESOURCEA(2));
    if (!cdecl_by_name) fail("export", "TORVEX not found by name");
    if (!stdcall_by_name) fail("export", "_TORVEXStdcall@4 not found by name");
    if (cdecl_by_ordinal != cdecl_by_name) fail("export", "ordinal 1 is not TORVEX");
    if (stdcall_by_ordinal != stdcall_by_name) fail("export", "ordinal 2 is not _TORVEXStdcall@4");
    if (cdecl_by_name == stdcall_by_name) fail("export", "both names give the same address");
    if (GetProcAddress(dll, "TORVEXStdcall")) fail("export", "undecorated TORVEXStdcall is exported");
    if (GetProcAddress(dll, "TORVEXStdcall@4")) fail("export", "TORVEXStdcall@4 without underscore is exported");
    if (GetProcAddress(dll, MAKEINTRESOURCEA(3))) fail("export", "an ordinal 3 exists");
    if (failures == 0) printf("exports: TORVEX @1, _TORVEXStdcall@4 @2, no undecorated name\n");
    void* cdecl_entry = (void*)cdecl_by_name;
    void* stdcall_entry = (void*)stdcall_by_name;

#else
    void* dll = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (!dll) {
        printf("FAIL load %s (%s)\n", argv[1], dlerror());
        printf("host: 0 jobs run, 1 failures\n");
        return 1;
    }
    void* cdecl_entry = dlsym(dll, "TORVEX");
    void* stdcall_entry = dlsym(dll, "TORVEXStdcall");
    if (!cdecl_entry) fail("export", "TORVEX not found");
    if (!stdcall_entry) fail("export", "TORVEXStdcall not found");
    if (failures == 0) printf("exports: TORVEX, TORVEXStdcall\n");
#endif

    int jobs = 0;
    for (int i = 2; failures == 0 && i + 2 < argc; i += 3) {
        const char* export_name = argv[i];
        const char* folder = argv[i + 1];
        const char* parameters = argv[i + 2];
        int stdcall = strcmp(export_name, "stdcall") == 0;
        if (!stdcall && strcmp(export_name, "cdecl") != 0) {
            fail("usage", export_name);
            break;
        }
#ifdef _WIN32
        if (!SetCurrentDirectoryA(folder)) {
            fail("folder", folder);
            break;
        }
        int moved = -1;
        int status = call_measured(stdcall ? stdcall_entry : cdecl_entry, parameters, &moved);
        ++jobs;
        if (moved != (stdcall ? 0 : 4)) {
            char detail[96];
            snprintf(detail, sizeof detail, "job %d %s: the call moved the stack pointer by %d bytes", jobs,
                     export_name, moved);
            fail("stack", detail);
        }
#else
        if (chdir(folder) != 0) {
            fail("folder", folder);
            break;
        }
        entry_point entry;
        void* address = stdcall ? stdcall_entry : cdecl_entry;
        memcpy(&entry, &address, sizeof entry);
        int status = entry(parameters);
        ++jobs;
#endif
        printf("job %d %s status %d\n", jobs, export_name, status);
        fflush(stdout);
    }
#ifdef _WIN32
    FreeLibrary(dll);
#else
    dlclose(dll);
#endif
    printf("host: %d jobs run, %d failures\n", jobs, failures);
    return failures == 0 ? 0 : 1;
}
