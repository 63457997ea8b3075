// The page data of the chosen runs, kept from the moment a cut piece's runs
// are drawn until the page is written.
#include <algorithm>
#include <climits>
#include <cstdio>
#include <mutex>

#if defined(__linux__)
#include <unistd.h>
#endif

#include "report_model.h"

namespace kwarel::cli {

RunsData::RunsData() : RunsData(std::tmpfile()) {}

RunsData::RunsData(std::FILE* file) : file_(file) {
    // Unbuffered: every write reaches the file at once, so a failed one is
    // known while its text is still at hand.
    if (file_ != nullptr && std::setvbuf(file_, nullptr, _IONBF, 0) != 0) {
        std::fclose(file_);
        file_ = nullptr;
    }
}

RunsData::~RunsData() {
    if (file_ != nullptr) std::fclose(file_);
}

void RunsData::put(int32_t piece, std::string_view json, Kept kept) {
    if (piece < 0) return;
    const std::lock_guard<std::mutex> lock(mutex_);
    const std::size_t at = static_cast<std::size_t>(piece);
    if (at >= entries_.size()) entries_.resize(at + 1);
    Entry& entry = entries_[at];
    entry.size = json.size();
    entry.offset = -1;
    entry.kept = kept;
    // Offsets go through fseek's long, which may have 32 bits.
    if (end_ + static_cast<int64_t>(json.size()) > static_cast<int64_t>(LONG_MAX)) writable_ = false;
    if (file_ != nullptr && writable_ && !json.empty()) {
        if (std::fseek(file_, static_cast<long>(end_), SEEK_SET) == 0 &&
            std::fwrite(json.data(), 1, json.size(), file_) == json.size()) {
            entry.offset = end_;
            end_ += static_cast<int64_t>(json.size());
            entry.held.clear();
            return;
        }
        // The file took it only in part, if at all: this piece and every
        // later one stay in memory (the earlier ones are read back as written).
        writable_ = false;
    }
    entry.held.assign(json);
}

RunsData::Kept RunsData::kept(int32_t piece) const {
    const std::lock_guard<std::mutex> lock(mutex_);
    const std::size_t at = static_cast<std::size_t>(piece);
    return piece >= 0 && at < entries_.size() ? entries_[at].kept : Kept::None;
}

bool RunsData::copySegment(int64_t offset, std::size_t size, std::FILE* out) const {
    if (size == 0) return true;
    if (file_ == nullptr) return false;
    std::size_t left = size;
#if defined(__linux__)
    // Copied by the kernel from file to file, without passing through here;
    // what it does not copy is read and written below.
    if (std::fflush(out) == 0) {
        loff_t from = offset;
        while (left > 0) {
            const ssize_t copied = ::copy_file_range(::fileno(file_), &from, ::fileno(out), nullptr, left, 0);
            if (copied <= 0) break;
            left -= static_cast<std::size_t>(copied);
        }
        if (left == 0) return true;
    }
#endif
    const int64_t from = offset + static_cast<int64_t>(size - left);
    if (std::fseek(file_, static_cast<long>(from), SEEK_SET) != 0) return false;
    chunk_.resize(1 << 16);
    while (left > 0) {
        const std::size_t part = left < chunk_.size() ? left : chunk_.size();
        if (std::fread(chunk_.data(), 1, part, file_) != part) return false;
        if (std::fwrite(chunk_.data(), 1, part, out) != part) return false;
        left -= part;
    }
    return true;
}

bool RunsData::copyTo(int32_t first, int32_t last, std::FILE* out) const {
    const std::lock_guard<std::mutex> lock(mutex_);
    // Pieces written one after another in the file are copied in one go.
    int64_t begin = 0;
    std::size_t size = 0;
    for (int32_t piece = std::max(first, 0); piece < last && static_cast<std::size_t>(piece) < entries_.size();
         ++piece) {
        const Entry& entry = entries_[static_cast<std::size_t>(piece)];
        if (entry.kept == Kept::None) continue;
        if (entry.offset >= 0 && size > 0 && begin + static_cast<int64_t>(size) == entry.offset) {
            size += entry.size;
            continue;
        }
        if (!copySegment(begin, size, out)) return false;
        begin = entry.offset;
        size = entry.offset >= 0 ? entry.size : 0;
        if (entry.offset < 0 && std::fwrite(entry.held.data(), 1, entry.held.size(), out) != entry.held.size()) {
            return false;
        }
    }
    return copySegment(begin, size, out);
}

}  // namespace kwarel::cli
