// The result file as the host finds it: either the previous file, or the
// complete file of a job, never a file cut short.
//
// The final path is checked before the job writes anything. The job then
// writes into a temporary file in the same folder, which replaces the final
// path when the job ends. Where the folder takes no new file but the final
// file itself is writable, and for paths that are not regular files (a
// device, a pipe), the file is written in place, as a plain open would.
#pragma once

#include <cstdio>
#include <string>

namespace kwarel {

struct ResultFileTarget {
    std::string finalPath;  // the file the host reads
    std::string tempPath;   // empty when the file is written in place
    std::FILE* stream = nullptr;
    // Whether the new file is forced to the disk before it replaces the old
    // one, so that a power cut cannot leave an empty or partial file under
    // the final name.
    bool syncBeforeMove = true;
};

// True when both paths name one existing file: the same device and inode, or
// on Windows the same volume and file index. Links and relative paths are
// seen through.
bool sameFile(const char* first, const char* second);

// Checks that `path` can take the result and opens the stream the job
// writes to (the caller sets syncBeforeMove afterwards). False when it
// cannot (empty path, a folder, a read-only file, a missing or read-only
// folder); nothing is created or changed then.
bool openResultTarget(ResultFileTarget& target, const char* path);

// Flushes and closes the stream and moves the temporary file into place.
// False when any write, the close or the move failed; the final path then
// keeps what it held before (unless the file was written in place) and no
// temporary file is left.
bool commitResultTarget(ResultFileTarget& target);

// Closes the stream and removes the temporary file, leaving the final path
// as it was.
void abandonResultTarget(ResultFileTarget& target);

}  // namespace kwarel
