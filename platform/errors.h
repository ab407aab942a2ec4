#pragma once
// Errors raised by platform calls, carrying the messages the user sees.
#include <stdexcept>
#include <string>

namespace qlmr {

// "System Error.  Code: %d." + line break + the system's text; code 0: "A call to an OS function failed".
class OsError : public std::runtime_error {
public:
    explicit OsError(unsigned long code);
    unsigned long code() const { return code_; }
private:
    unsigned long code_;
};

// Raises OsError for the calling thread's last error.
[[noreturn]] void raiseLastOsError();
std::string systemMessage(unsigned long code);

class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// `Cannot open file "%s". %s` / `Cannot create file "%s". %s` with the system's reason.
FileError cannotOpen(const std::string& path, unsigned long code);
FileError cannotCreate(const std::string& path, unsigned long code);

}  // namespace qlmr
