#pragma once

#include <exception>
#include <string>

namespace ormitan {

// Every error of the program is an Exception; the application's error handler shows its message.
class Exception : public std::exception {
  public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& Message() const noexcept { return message_; }

  private:
    std::string message_;
};

// The silent error: it ends a handler and shows nothing.
class EAbort : public Exception {
  public:
    EAbort() : Exception("Operation aborted") {}
};

// A failed file operation. The message is chosen by the code.
class EInOutError : public Exception {
  public:
    explicit EInOutError(int code);
    int ErrorCode() const noexcept { return code_; }

    static std::string MessageFor(int code);

  private:
    int code_;
};

// The file layer's own codes and the platform error numbers the program names.
namespace io_code {
inline constexpr int FileNotFound = 2;
inline constexpr int PathNotFound = 3;
inline constexpr int TooManyOpenFiles = 4;
inline constexpr int AccessDenied = 5;
inline constexpr int DiskFull = 112;
inline constexpr int ReadBeyondEnd = 100;
inline constexpr int ShortWrite = 101;
}  // namespace io_code

// The error box adds a final period when the message's last character stands above "." in the
// code-page order; every non-ASCII character counts as above.
std::string WithFinalPeriod(std::string message);

}  // namespace ormitan
