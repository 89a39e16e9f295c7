#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/file.h"

namespace settings {

// A buffered text file: lines end in CR LF, a Ctrl-Z byte ends the readable
// text. Every operation raises IoError on failure.
class TextFile {
public:
    enum class Mode {
        Read,     // the file must exist
        Rewrite,  // created, or emptied when it exists
        Append,   // must exist; a Ctrl-Z among its last 128 bytes cuts it there first
    };

    TextFile(const std::string& path, Mode mode);
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;
    ~TextFile();  // closes without raising: only for paths that already raise

    // The bytes up to the next CR, unchanged; empty at the end of the text.
    std::string read_line();
    // Moves past the next CR and one LF right after it.
    void read_line_end();
    // Skips bytes of 0x20 or less, then converts at most 32 bytes up to the
    // next such byte; 0 at the end of the text; I/O error 106 for no number.
    std::int32_t read_integer();

    void write(std::string_view text);
    void write_line(std::string_view text);
    // Writes out the buffer and flushes the file to the disk.
    void sync();
    void close();

private:
    void flush_buffer();

    platform::File file_;
    Mode mode_;
    std::string text_;     // Read: the readable text, up to the first Ctrl-Z
    std::size_t pos_ = 0;  // Read: the next byte
    std::string buffer_;   // Rewrite, Append: output not yet written
};

}  // namespace settings
