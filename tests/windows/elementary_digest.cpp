// Runs kwarel's elementary functions on a fixed sequence of arguments and
// prints a digest of the result bits per function. The same program is built
// for Linux and, with the DLL's compiler and flags, for 32-bit Windows; equal
// digests mean equal bits. The arguments are those of the MPFR check
// (tests/store/elementary_arguments.h, same seed), which shows on Linux that
// every one of these results is correctly rounded.
//
//   kwarel_elementary_digest [ARGUMENTS_PER_FUNCTION]     one line a function
//   kwarel_elementary_digest --list NAME [ARGUMENTS]      every argument and result, in hex
//
// A line: NAME COUNT DIGEST, the digest FNV-1a over the 8 bytes of every
// result in order (sincos: sine then cosine of the sin arguments; atanmany
// and sincosmany: the same two at a time), then
// "elementary digest: N functions".
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "store/elementary.h"
#include "store/elementary_arguments.h"

namespace {

namespace el = kwarel::elementary;
namespace args = kwarel::elementary_arguments;
using el::detail::Function;

enum class Which { sin, cos, sinCos, tan, atan, acos, atanMany, sinCosMany };

struct Entry {
    const char* name;
    Which which;
    Function arguments;  // whose arguments it runs on
    int results;         // 1, or 2 for sincos
};

constexpr Entry kEntries[] = {
    {"sin", Which::sin, Function::sin, 1},    {"cos", Which::cos, Function::cos, 1},
    {"sincos", Which::sinCos, Function::sin, 2}, {"tan", Which::tan, Function::tan, 1},
    {"atan", Which::atan, Function::atan, 1}, {"acos", Which::acos, Function::acos, 1},
    {"atanmany", Which::atanMany, Function::atan, 1}, {"sincosmany", Which::sinCosMany, Function::sin, 2},
};

void evaluate(Which which, double x, double (&results)[2]) {
    switch (which) {
        case Which::sin: results[0] = el::sin(x); break;
        case Which::cos: results[0] = el::cos(x); break;
        case Which::sinCos: el::sinCos(x, results[0], results[1]); break;
        case Which::tan: results[0] = el::tan(x); break;
        case Which::atan: results[0] = el::atan(x); break;
        case Which::acos: results[0] = el::acos(x); break;
        // Two at a time, the argument in the first lane beside a fixed one.
        case Which::atanMany: {
            const double pair[2] = {x, 0.75};
            double out[2];
            el::atanMany(pair, out, 2);
            results[0] = out[0];
            break;
        }
        case Which::sinCosMany: {
            const double pair[2] = {x, 0.75};
            double sines[2], cosines[2];
            el::sinCosMany(pair, sines, cosines, 2);
            results[0] = sines[0];
            results[1] = cosines[0];
            break;
        }
    }
}

struct Digest {
    uint64_t value = 0xcbf29ce484222325ULL;
    void add(double d) {
        const uint64_t bits = args::bitsOf(d);
        for (int i = 0; i < 8; ++i) {
            value ^= (bits >> (8 * i)) & 0xff;
            value *= 0x100000001b3ULL;
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    const Entry* listed = nullptr;
    int next = 1;
    if (argc > 2 && std::strcmp(argv[1], "--list") == 0) {
        for (const Entry& entry : kEntries) {
            if (std::strcmp(entry.name, argv[2]) == 0) listed = &entry;
        }
        if (listed == nullptr) {
            std::fprintf(stderr, "unknown function %s\n", argv[2]);
            return 2;
        }
        next = 3;
    }
    const uint64_t count = argc > next ? std::strtoull(argv[next], nullptr, 10) : 200000;
    int functions = 0;
    for (const Entry& entry : kEntries) {
        if (listed != nullptr && listed != &entry) continue;
        args::Random random = args::randomFor(entry.arguments, args::kDefaultSeed);
        Digest digest;
        for (uint64_t i = 0; i < count; ++i) {
            const double x = args::argument(entry.arguments, random, i);
            double results[2] = {0.0, 0.0};
            evaluate(entry.which, x, results);
            for (int k = 0; k < entry.results; ++k) digest.add(results[k]);
            if (listed != nullptr) {
                std::printf("%016" PRIx64 " %016" PRIx64, args::bitsOf(x), args::bitsOf(results[0]));
                if (entry.results == 2) std::printf(" %016" PRIx64, args::bitsOf(results[1]));
                std::printf("\n");
            }
        }
        if (listed == nullptr) std::printf("%s %" PRIu64 " %016" PRIx64 "\n", entry.name, count, digest.value);
        ++functions;
    }
    if (listed == nullptr) std::printf("elementary digest: %d functions\n", functions);
    return 0;
}
