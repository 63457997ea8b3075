/* Runs one job through the installed library: prints the status of the job
 * whose parameter file is the first argument. */
#include <stdio.h>

#include <kwarel.h>

int main(int argc, char** argv) {
    if (argc != 2) return 64;
    printf("%d\n", TORVEX(argv[1]));
    return 0;
}
