#include "errors.h"

namespace ormitan {

EInOutError::EInOutError(int code) : Exception(MessageFor(code)), code_(code) {}

std::string EInOutError::MessageFor(int code) {
    switch (code) {
        case io_code::FileNotFound:
            return "File not found";
        case io_code::PathNotFound:
            return "Invalid filename";
        case io_code::TooManyOpenFiles:
            return "Too many open files";
        case io_code::AccessDenied:
            return "File access denied";
        case io_code::ReadBeyondEnd:
            return "Read beyond end of file";
        case io_code::ShortWrite:
            return "Disk full";
        default:
            return "I/O error " + std::to_string(code);
    }
}

std::string WithFinalPeriod(std::string message) {
    // A UTF-8 multi-byte character ends in a continuation byte (>= 0x80), so one byte test covers
    // both the ASCII order and "every non-ASCII character is above".
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') {
        message.push_back('.');
    }
    return message;
}

}  // namespace ormitan
