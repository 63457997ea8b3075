// The page data of the chosen runs, kept from the moment a cut piece's runs
// are drawn until the page is written.
#include <cstdio>
#include <mutex>

#include "report_model.h"

namespace kwarel::cli {

RunsData::RunsData() {
    file_ = std::tmpfile();
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

void RunsData::put(int32_t piece, std::string_view json) {
    if (piece < 0) return;
    const std::lock_guard<std::mutex> lock(mutex_);
    const std::size_t at = static_cast<std::size_t>(piece);
    if (at >= entries_.size()) entries_.resize(at + 1);
    Entry& entry = entries_[at];
    entry.size = json.size();
    entry.offset = -1;
    if (file_ != nullptr && !json.empty()) {
        if (std::fseek(file_, static_cast<long>(end_), SEEK_SET) == 0 &&
            std::fwrite(json.data(), 1, json.size(), file_) == json.size()) {
            entry.offset = end_;
            end_ += static_cast<int64_t>(json.size());
            entry.held.clear();
            return;
        }
        // The file took it only in part, if at all: this piece and every
        // later one stay in memory.
        std::fclose(file_);
        file_ = nullptr;
    }
    entry.held.assign(json);
}

bool RunsData::get(int32_t piece, std::string& into) const {
    into.clear();
    const std::lock_guard<std::mutex> lock(mutex_);
    const std::size_t at = static_cast<std::size_t>(piece);
    if (piece < 0 || at >= entries_.size()) return true;
    const Entry& entry = entries_[at];
    if (entry.offset < 0) {
        into = entry.held;
        return true;
    }
    if (file_ == nullptr) return false;
    into.resize(entry.size);
    return std::fseek(file_, static_cast<long>(entry.offset), SEEK_SET) == 0 &&
           std::fread(into.data(), 1, entry.size, file_) == entry.size;
}

}  // namespace kwarel::cli
