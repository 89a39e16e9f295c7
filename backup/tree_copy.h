#pragma once

#include <string>

namespace backup {

// Creates `path` with its missing ancestors. An empty path raises
// CreateDirectoryError; a path that has no parent part left to create (a
// relative one whose first folder is missing) raises it too, unless it is
// shorter than three characters. Returns false when a creation failed.
bool force_directories(std::string path);

// Copies every file below `src` to the same relative path below `dst`,
// raising `file_count` for every file handed to the copy. Directories whose
// names begin with "." are skipped with all below them; files of any name are
// copied. A destination folder is made only when a file is copied into it.
// A file that cannot be copied is counted and passed over; its target keeps
// its earlier content.
void copy_sub(const std::string& src, const std::string& dst, int& file_count);

}  // namespace backup
