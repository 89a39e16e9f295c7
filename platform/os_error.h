#pragma once

#include <optional>

namespace platform {

// Every platform call below reports failure as the operating system's error
// number (0 for success). This turns such a number into the program's I/O
// error code (2 file not found, 3 path not found, 4 too many open files,
// 5 access denied, 32 sharing violation, 112 disk full); nullopt for an error
// that has no such code and is shown by its own number.
std::optional<int> io_code_of(int os_error);

}  // namespace platform
