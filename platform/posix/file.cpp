#include "platform/file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

#include "platform/posix/fd.h"

namespace platform {
namespace {

// ENOENT for a missing file, ENOTDIR when the folder that should hold it is missing.
int missing_file_error(const std::string& path) {
    struct stat st{};
    const std::string parent = posix::directory_of(path);
    return stat(parent.c_str(), &st) == 0 && S_ISDIR(st.st_mode) ? ENOENT : ENOTDIR;
}

}  // namespace

File::File(File&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

File::~File() { close(); }

int File::open(const std::string& path, Mode mode) {
    close();
    int flags = O_CLOEXEC;
    switch (mode) {
    case Mode::Read: flags |= O_RDONLY; break;
    // Not O_TRUNC: the file is emptied only once this instance holds the lock.
    case Mode::Rewrite: flags |= O_WRONLY | O_CREAT; break;
    case Mode::Append: flags |= O_RDWR | O_APPEND; break;  // reads its tail for Ctrl-Z
    }
    const int fd = ::open(path.c_str(), flags, 0666);
    if (fd < 0) return errno == ENOENT ? missing_file_error(path) : errno;
    posix::Fd owned(fd);
    struct stat st{};
    if (fstat(fd, &st) != 0) return errno;
    if (S_ISDIR(st.st_mode)) return EISDIR;
    if (mode != Mode::Read) {
        // A read-only file is not written, whoever runs the program.
        if (!(st.st_mode & S_IWUSR)) return EACCES;
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) return errno;
        if (mode == Mode::Rewrite && ftruncate(fd, 0) != 0) return errno;
    }
    fd_ = owned.release();
    return 0;
}

int File::read(char* buffer, std::size_t size, std::size_t& got) {
    got = 0;
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, size);
        if (n >= 0) {
            got = static_cast<std::size_t>(n);
            return 0;
        }
        if (errno != EINTR) return errno;
    }
}

int File::read_at(std::int64_t offset, char* buffer, std::size_t size, std::size_t& got) {
    got = 0;
    while (got < size) {
        const ssize_t n = ::pread(fd_, buffer + got, size - got, offset + static_cast<std::int64_t>(got));
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        got += static_cast<std::size_t>(n);
    }
    return 0;
}

int File::write(const char* data, std::size_t size) { return posix::write_all(fd_, data, size); }

int File::size(std::int64_t& out) {
    struct stat st{};
    if (fstat(fd_, &st) != 0) return errno;
    out = st.st_size;
    return 0;
}

int File::truncate(std::int64_t length) { return ftruncate(fd_, length) == 0 ? 0 : errno; }

int File::sync() { return fsync(fd_) == 0 ? 0 : errno; }

int File::close() {
    if (fd_ < 0) return 0;
    const int fd = std::exchange(fd_, -1);
    return ::close(fd) == 0 ? 0 : errno;
}

}  // namespace platform
