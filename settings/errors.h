#pragma once

#include <stdexcept>
#include <string>

namespace settings {

// The failures the program reports. None is retried; each is shown to the
// user with its message (see the error box) and stops the running handler.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A failed operation on a text file, with its I/O code.
class IoError : public Error {
public:
    explicit IoError(int code);
    // From the operating system's error number of the failed call.
    static IoError from_os(int os_error);

    int code() const { return code_; }

private:
    IoError(int code, const std::string& message) : Error(message), code_(code) {}
    int code_;
};

// A text that is not an integer or not a date, or a formatted text too long.
class ConvertError : public Error {
public:
    using Error::Error;
};

class DivisionError : public Error {
public:
    DivisionError() : Error("0 による除算") {}
};

class CreateDirectoryError : public Error {
public:
    CreateDirectoryError() : Error("ﾃﾞｨﾚｸﾄﾘを作成することができません") {}
};

// The message of an I/O code.
std::string io_error_message(int code);

constexpr int kIoReadPastEnd = 100;
constexpr int kIoDiskFull = 101;
constexpr int kIoInvalidNumber = 106;

}  // namespace settings
