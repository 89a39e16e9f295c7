#pragma once

#include <string>
#include <vector>

namespace platform {

struct DirEntry {
    std::string name;
    bool is_directory;
};

// Every entry of a directory but "." and "..", in the order the system
// returns them. The directory is read whole and closed before returning, so
// a deep tree never holds more than one directory open. Links to directories
// are left out: they are never followed. Returns an empty list when the
// directory cannot be read.
std::vector<DirEntry> list_directory(const std::string& path);

bool directory_exists(const std::string& path);
// An entry of that name exists and is not a directory.
bool file_exists(const std::string& path);
// A file without the owner's write permission: the program never replaces it.
bool is_read_only_file(const std::string& path);

// Each returns 0 or the operating system's error number.
int create_directory(const std::string& path);
int rename_file(const std::string& from, const std::string& to);
int remove_file(const std::string& path);
// Creates a new empty file, readable by all as the umask allows, with a
// unique name starting with prefix in dir.
int create_temp_file(const std::string& dir, const std::string& prefix, std::string& path);

// Copies a regular file (or the file a link points to) over `to`. The data go
// to a temporary file beside the target, which takes the source's permission
// bits and times and is then renamed over it; on any failure the temporary
// file is removed and the target keeps its earlier content. A target without
// the owner's write permission is not replaced. FIFOs, sockets and devices are
// never opened and fail with EINVAL.
int copy_file(const std::string& from, const std::string& to);

// The running program's own full file name.
std::string program_file();

}  // namespace platform
