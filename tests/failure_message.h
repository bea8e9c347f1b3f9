#pragma once

#include <QString>
#include <functional>

#include "core/errors.h"

// Runs `action` and returns the message of the program's error it fails with, or "no error".
inline QString Failure(const std::function<void()>& action) {
    try {
        action();
    } catch (const ormitan::Exception& error) {
        return QString::fromStdString(error.Message());
    }
    return "no error";
}
