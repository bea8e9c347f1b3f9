#pragma once

#include "file_layer.h"

namespace ormitan {

// Closes a handle when an error leaves before the regular close.
class OpenFile {
  public:
    OpenFile(FileLayer& files, FileLayer::Handle handle) : files_(files), handle_(handle) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() {
        if (open_) {
            try {
                files_.Close(handle_);
            } catch (...) {
                // Already failing: the first error is the one the user sees.
            }
        }
    }
    FileLayer::Handle Get() const { return handle_; }
    void Close() {
        open_ = false;
        files_.Close(handle_);
    }

  private:
    FileLayer& files_;
    FileLayer::Handle handle_;
    bool open_ = true;
};

}  // namespace ormitan
