#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// An open file. Writing and appending hold an exclusive advisory lock, so a
// second instance of the program cannot write the same file at once.
class File {
public:
    enum class Mode {
        Read,     // must exist
        Rewrite,  // created, or emptied once the lock is held
        Append,   // must exist; writes go to its end
    };

    File() = default;
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    ~File();  // closes, ignoring errors

    // Each returns 0 or the operating system's error number.
    int open(const std::string& path, Mode mode);
    int read(char* buffer, std::size_t size, std::size_t& got);
    int write(const char* data, std::size_t size);
    int size(std::int64_t& out);
    int read_at(std::int64_t offset, char* buffer, std::size_t size, std::size_t& got);
    int truncate(std::int64_t length);
    int sync();
    int close();

private:
    int fd_ = -1;
};

}  // namespace platform
