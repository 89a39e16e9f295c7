#include "platform/os_error.h"

#include <cerrno>

namespace platform {

std::optional<int> io_code_of(int os_error) {
    switch (os_error) {
    case ENOENT: return 2;
    case ENOTDIR: return 3;
    case ENAMETOOLONG: return 3;
    case EMFILE: case ENFILE: return 4;
    case EACCES: case EPERM: case EROFS: case EISDIR: return 5;
    case EWOULDBLOCK: return 32;  // held by another instance's lock
    case ENOSPC: case EDQUOT: return 112;
    default: return std::nullopt;
    }
}

}  // namespace platform
