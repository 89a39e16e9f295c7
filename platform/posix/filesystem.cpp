#include "platform/filesystem.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

#include "platform/posix/fd.h"

namespace platform {
namespace {

using posix::directory_of;
using posix::Fd;
using posix::write_all;

constexpr char kTempPrefix[] = ".tarvo-part-";

int copy_with_read_write(int in, int out) {
    static thread_local char buffer[1 << 17];
    for (;;) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n == 0) return 0;
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (const int error = write_all(out, buffer, static_cast<std::size_t>(n))) return error;
    }
}

// In-kernel copy of the `size` bytes the source had when opened; falls back
// to read/write where the file systems refuse it.
int copy_data(int in, int out, off_t size) {
    off_t copied = 0;
    while (copied < size) {
        const ssize_t n = copy_file_range(in, nullptr, out, nullptr, static_cast<std::size_t>(size - copied), 0);
        if (n == 0) return 0;  // shrank while being copied
        if (n > 0) {
            copied += n;
            continue;
        }
        if (errno == EINTR) continue;
        const bool unsupported = errno == EXDEV || errno == ENOSYS || errno == EOPNOTSUPP ||
                                 errno == EINVAL || errno == EPERM;
        if (copied > 0 || !unsupported) return errno;
        return copy_with_read_write(in, out);
    }
    return 0;
}

// Writes the open source into a new temporary file beside `to` and renames it
// over `to`. Returns the first error; the temporary file never outlives a failure.
int copy_into_place(int in, const struct stat& source, const std::string& to) {
    std::string temp = directory_of(to) + "/" + kTempPrefix + "XXXXXX";
    Fd out(mkostemp(temp.data(), O_CLOEXEC));
    if (out.get() < 0) return errno;

    int error = copy_data(in, out.get(), source.st_size);
    if (!error && fchmod(out.get(), source.st_mode & 0777) != 0) error = errno;
    if (!error) {
        const timespec times[2] = {source.st_atim, source.st_mtim};
        if (futimens(out.get(), times) != 0) error = errno;
    }
    if (!error && ::close(out.release()) != 0) error = errno;
    if (!error && ::rename(temp.c_str(), to.c_str()) != 0) error = errno;
    if (error) ::unlink(temp.c_str());
    return error;
}

}  // namespace

std::vector<DirEntry> list_directory(const std::string& path) {
    std::vector<DirEntry> entries;
    DIR* dir = opendir(path.c_str());
    if (dir == nullptr) return entries;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN || type == DT_LNK) {
            struct stat st{};
            const std::string full = path + "/" + name;
            if (lstat(full.c_str(), &st) != 0) {
                type = DT_REG;  // vanished or unreadable: left to the copy to fail
            } else if (S_ISLNK(st.st_mode)) {
                // Never follow a link to a directory: it could loop or leave the tree.
                if (stat(full.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) continue;
                type = DT_LNK;
            } else {
                type = S_ISDIR(st.st_mode) ? DT_DIR : DT_REG;
            }
        }
        entries.push_back({name, type == DT_DIR});
    }
    closedir(dir);
    return entries;
}

bool directory_exists(const std::string& path) {
    struct stat st{};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool file_exists(const std::string& path) {
    struct stat st{};
    return stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool is_read_only_file(const std::string& path) {
    struct stat st{};
    return stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode) && !(st.st_mode & S_IWUSR);
}

int create_directory(const std::string& path) { return mkdir(path.c_str(), 0777) == 0 ? 0 : errno; }

int rename_file(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int remove_file(const std::string& path) { return ::unlink(path.c_str()) == 0 ? 0 : errno; }

int create_temp_file(const std::string& dir, const std::string& prefix, std::string& path) {
    path = dir + prefix + "XXXXXX";
    const int fd = mkostemp(path.data(), O_CLOEXEC);
    if (fd < 0) return errno;
    const mode_t mask = umask(0);
    umask(mask);
    const int error = fchmod(fd, 0666 & ~mask) == 0 ? 0 : errno;
    ::close(fd);
    if (error) ::unlink(path.c_str());
    return error;
}

int copy_file(const std::string& from, const std::string& to) {
    // Special files are never opened: a FIFO would wait for a writer, a device could act.
    struct stat source{};
    if (stat(from.c_str(), &source) != 0) return errno;
    if (!S_ISREG(source.st_mode)) return EINVAL;
    // O_NONBLOCK and the second check: one swapped in since the stat must not hang the run.
    Fd in(::open(from.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (in.get() < 0) return errno;
    if (fstat(in.get(), &source) != 0) return errno;
    if (!S_ISREG(source.st_mode)) return EINVAL;

    struct stat target{};
    if (lstat(to.c_str(), &target) == 0) {
        if (S_ISDIR(target.st_mode)) return EISDIR;
        // Like a read-only file: kept, never replaced.
        if (!(target.st_mode & S_IWUSR)) return EACCES;
    }
    return copy_into_place(in.get(), source, to);
}

std::string program_file() {
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string("./tarvo");
}

}  // namespace platform
