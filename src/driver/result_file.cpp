#include "driver/result_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

#if defined(_WIN32)
#include <io.h>
#include <process.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace kwarel {
namespace {

// Names of temporary files: the final name, the process and a counter, so
// that two processes writing the same result never share one.
std::string temporaryName(const std::string& finalPath) {
    static unsigned counter = 0;
    ++counter;
#if defined(_WIN32)
    const long process = static_cast<long>(_getpid());
#else
    const long process = static_cast<long>(::getpid());
#endif
    return finalPath + ".kwarel-" + std::to_string(process) + "-" + std::to_string(counter) + ".tmp";
}

#if defined(_WIN32)

bool fileIdentity(const char* path, BY_HANDLE_FILE_INFORMATION& info) {
    if (path == nullptr || path[0] == '\0') return false;
    // Attributes only, every sharing mode: opening for identity disturbs no
    // other user of the file; the flag lets folders be opened too.
    HANDLE handle = ::CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    const BOOL ok = ::GetFileInformationByHandle(handle, &info);
    ::CloseHandle(handle);
    return ok != 0;
}

enum class Existing { none, regular, special, refused };

// A new file gets the permissions of its folder: nothing is carried over.
using Permissions = int;

// The path is used as given.
std::string resolvedPath(const char* path) { return path; }

// Whether the final path can be written, without changing it: an open for
// reading and writing that neither creates nor truncates.
Existing examineFinal(const std::string& path, Permissions&) {
    HANDLE handle = ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return ::GetLastError() == ERROR_FILE_NOT_FOUND ? Existing::none : Existing::refused;
    }
    const DWORD type = ::GetFileType(handle);
    ::CloseHandle(handle);
    return type == FILE_TYPE_DISK ? Existing::regular : Existing::special;
}

// Creates a file that does not exist yet: its descriptor, or -1 with errno.
int createExclusive(const std::string& path, bool, Permissions) {
    return ::_open(path.c_str(), _O_CREAT | _O_EXCL | _O_RDWR | _O_TEXT, _S_IREAD | _S_IWRITE);
}

std::FILE* streamOver(int fd) { return ::_fdopen(fd, "w+t"); }  // text mode: line ends become CR LF

void discardCreated(int fd, const std::string& path) {
    ::_close(fd);
    ::_unlink(path.c_str());
}

std::FILE* openInPlace(const std::string& path) { return std::fopen(path.c_str(), "w+t"); }

bool syncStream(std::FILE* stream) { return ::_commit(::_fileno(stream)) == 0; }

bool moveIntoPlace(const std::string& from, const std::string& to) {
    return ::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void syncFolderOf(const std::string&) {}  // MOVEFILE_WRITE_THROUGH has done it

void removeFile(const std::string& path) { ::_unlink(path.c_str()); }

#else  // POSIX

enum class Existing { none, regular, special, refused };

// The permission bits of the file a new result replaces.
using Permissions = mode_t;

// The file a path finally names: a symbolic link is followed, so that the
// result replaces the file it points to and the link stays a link.
std::string resolvedPath(const char* path) {
    struct stat info;
    if (::lstat(path, &info) == 0 && S_ISLNK(info.st_mode)) {
        char* real = ::realpath(path, nullptr);
        if (real != nullptr) {
            std::string resolved(real);
            std::free(real);
            return resolved;
        }
    }
    return path;
}

// Whether the final path can be written, without changing it: an open for
// reading and writing that neither creates nor truncates. `mode` receives
// the permission bits of an existing regular file.
Existing examineFinal(const std::string& path, Permissions& mode) {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) return errno == ENOENT ? Existing::none : Existing::refused;
    if (S_ISDIR(info.st_mode)) return Existing::refused;
    if (!S_ISREG(info.st_mode)) return Existing::special;
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return Existing::refused;
    ::close(fd);
    mode = info.st_mode & 07777;
    return Existing::regular;
}

// Creates a file that does not exist yet: its descriptor, or -1 with errno.
int createExclusive(const std::string& path, bool keepMode, Permissions mode) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    // The new file keeps the permissions of the one it replaces.
    if (fd >= 0 && keepMode) (void)::fchmod(fd, mode);
    return fd;
}

std::FILE* streamOver(int fd) { return ::fdopen(fd, "w+"); }

void discardCreated(int fd, const std::string& path) {
    ::close(fd);
    ::unlink(path.c_str());
}

std::FILE* openInPlace(const std::string& path) { return std::fopen(path.c_str(), "w+"); }

bool syncStream(std::FILE* stream) { return ::fsync(::fileno(stream)) == 0; }

bool moveIntoPlace(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }

// Makes the new name durable: the folder entry is written out too.
// Best effort: the file is already in place, so a failure here (even to get
// memory for the folder's name) changes nothing the host sees.
void syncFolderOf(const std::string& path) {
    try {
        const std::size_t slash = path.find_last_of('/');
        const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
        const int fd = ::open(folder.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return;
        (void)::fsync(fd);
        ::close(fd);
    } catch (...) {
    }
}

void removeFile(const std::string& path) { ::unlink(path.c_str()); }

#endif

// A temporary file beside the final path that did not exist before (another
// process's or a leftover is never reused), or null.
std::FILE* createTemporary(const std::string& finalPath, std::string& tempPath, bool keepMode, Permissions mode) {
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        tempPath = temporaryName(finalPath);
        const int fd = createExclusive(tempPath, keepMode, mode);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            break;
        }
        std::FILE* stream = streamOver(fd);
        if (stream != nullptr) return stream;
        discardCreated(fd, tempPath);
        break;
    }
    tempPath.clear();
    return nullptr;
}

}  // namespace

bool sameFile(const char* first, const char* second) {
#if defined(_WIN32)
    BY_HANDLE_FILE_INFORMATION a, b;
    if (!fileIdentity(first, a) || !fileIdentity(second, b)) return false;
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
           a.nFileIndexLow == b.nFileIndexLow;
#else
    if (first == nullptr || second == nullptr || first[0] == '\0' || second[0] == '\0') return false;
    struct stat a, b;
    if (::stat(first, &a) != 0 || ::stat(second, &b) != 0) return false;
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
#endif
}

bool openResultTarget(ResultFileTarget& target, const char* path) {
    target = ResultFileTarget{};
    if (path == nullptr || path[0] == '\0') return false;
    target.finalPath = resolvedPath(path);
    Permissions mode = 0;
    const Existing existing = examineFinal(target.finalPath, mode);
    if (existing == Existing::refused) return false;
    if (existing == Existing::special) {
        target.stream = openInPlace(target.finalPath);
        return target.stream != nullptr;
    }
    target.stream = createTemporary(target.finalPath, target.tempPath, existing == Existing::regular, mode);
    if (target.stream != nullptr) return true;
    // A folder that takes no new file: a writable file there is written in
    // place, as a plain open would; a missing file cannot be made.
    if (existing == Existing::regular) target.stream = openInPlace(target.finalPath);
    return target.stream != nullptr;
}

bool commitResultTarget(ResultFileTarget& target) {
    if (target.stream == nullptr) return false;
    bool ok = std::fflush(target.stream) == 0 && std::ferror(target.stream) == 0;
    if (ok && !target.tempPath.empty() && target.syncBeforeMove) ok = syncStream(target.stream);
    ok = std::fclose(target.stream) == 0 && ok;
    target.stream = nullptr;
    if (target.tempPath.empty()) return ok;
    if (ok) ok = moveIntoPlace(target.tempPath, target.finalPath);
    if (ok) {
        if (target.syncBeforeMove) syncFolderOf(target.finalPath);
    } else {
        removeFile(target.tempPath);
    }
    target.tempPath.clear();
    return ok;
}

void abandonResultTarget(ResultFileTarget& target) {
    if (target.stream != nullptr) std::fclose(target.stream);
    target.stream = nullptr;
    if (!target.tempPath.empty()) removeFile(target.tempPath);
    target.tempPath.clear();
}

}  // namespace kwarel
