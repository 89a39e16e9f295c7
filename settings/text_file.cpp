#include "settings/text_file.h"

#include "settings/convert.h"
#include "settings/errors.h"

namespace settings {
namespace {

constexpr char kCtrlZ = 0x1A;
constexpr std::size_t kBufferSize = 128;

void check(int os_error) {
    if (os_error != 0) throw IoError::from_os(os_error);
}

}  // namespace

TextFile::TextFile(const std::string& path, Mode mode) : mode_(mode) {
    using platform::File;
    const File::Mode file_mode = mode == Mode::Read      ? File::Mode::Read
                                 : mode == Mode::Rewrite ? File::Mode::Rewrite
                                                         : File::Mode::Append;
    check(file_.open(path, file_mode));
    if (mode == Mode::Read) {
        char chunk[4096];
        for (std::size_t got = 0;;) {
            check(file_.read(chunk, sizeof chunk, got));
            if (got == 0) break;
            text_.append(chunk, got);
        }
        if (const auto end = text_.find(kCtrlZ); end != std::string::npos) text_.resize(end);
    } else if (mode == Mode::Append) {
        std::int64_t size = 0;
        check(file_.size(size));
        const std::int64_t tail_start = size > 128 ? size - 128 : 0;
        char tail[kBufferSize];
        std::size_t got = 0;
        check(file_.read_at(tail_start, tail, static_cast<std::size_t>(size - tail_start), got));
        const std::string_view tail_text(tail, got);
        if (const auto cut = tail_text.find(kCtrlZ); cut != std::string_view::npos)
            check(file_.truncate(tail_start + static_cast<std::int64_t>(cut)));
    }
}

TextFile::~TextFile() = default;

std::string TextFile::read_line() {
    const auto cr = text_.find('\r', pos_);
    const std::size_t end = cr == std::string::npos ? text_.size() : cr;
    std::string line = text_.substr(pos_, end - pos_);
    pos_ = end;
    return line;
}

void TextFile::read_line_end() {
    const auto cr = text_.find('\r', pos_);
    if (cr == std::string::npos) {
        pos_ = text_.size();
        return;
    }
    pos_ = cr + 1;
    if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
}

std::int32_t TextFile::read_integer() {
    while (pos_ < text_.size() && static_cast<unsigned char>(text_[pos_]) <= 0x20) ++pos_;
    if (pos_ == text_.size()) return 0;
    std::size_t end = pos_;
    while (end < text_.size() && end - pos_ < 32 && static_cast<unsigned char>(text_[end]) > 0x20) ++end;
    const auto value = parse_int(std::string_view(text_).substr(pos_, end - pos_));
    pos_ = end;
    if (!value) throw IoError(kIoInvalidNumber);
    return *value;
}

void TextFile::write(std::string_view text) {
    buffer_ += text;
    while (buffer_.size() >= kBufferSize) {
        check(file_.write(buffer_.data(), kBufferSize));
        buffer_.erase(0, kBufferSize);
    }
}

void TextFile::write_line(std::string_view text) {
    write(text);
    write("\r\n");
}

void TextFile::flush_buffer() {
    if (buffer_.empty()) return;
    const std::string pending = std::move(buffer_);
    buffer_.clear();
    check(file_.write(pending.data(), pending.size()));
}

void TextFile::sync() {
    flush_buffer();
    check(file_.sync());
}

void TextFile::close() {
    if (mode_ != Mode::Read) flush_buffer();
    check(file_.close());
}

}  // namespace settings
