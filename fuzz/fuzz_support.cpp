#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace kwarel::fuzz {

namespace {

std::string makeScratchDir() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base != nullptr && base[0] != '\0' ? base : "/tmp") +
                          "/kwarel-fuzz-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("kwarel fuzz: mkdtemp");
        std::abort();
    }
    return pattern;
}

}  // namespace

const std::string& scratchDir() {
    // Kept on the heap and never destroyed, so the exit handler that removes
    // the folder can still read its name.
    static const std::string* const dir = [] {
        const std::string* made = new std::string(makeScratchDir());
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(scratchDir(), ignored);
        });
        return made;
    }();
    return *dir;
}

std::string scratchFile(const char* name) { return scratchDir() + "/" + name; }

void writeFile(const std::string& path, const void* data, std::size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) fail("cannot write a scratch file");
    if (size > 0 && std::fwrite(data, 1, size, file) != size) fail("short write of a scratch file");
    std::fclose(file);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void fail(const char* what) {
    std::fprintf(stderr, "kwarel fuzz: %s\n", what);
    std::abort();
}

}  // namespace kwarel::fuzz
