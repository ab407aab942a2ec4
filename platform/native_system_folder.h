#pragma once
// A 32-bit program on 64-bit Windows sees the system folder (System32) redirected to its 32-bit
// twin (SysWOW64). While this lives, the calling thread sees a path inside the system folder as
// it really is, so that such a folder is found and shown as what a 64-bit process runs from.
// Elsewhere, on 32-bit Windows and on Windows without the redirection calls, it does nothing.
#include <string>

namespace qlmr {

class NativeSystemFolder {
public:
    explicit NativeSystemFolder(const std::string& path);
    ~NativeSystemFolder();
    NativeSystemFolder(const NativeSystemFolder&) = delete;
    NativeSystemFolder& operator=(const NativeSystemFolder&) = delete;
    bool active() const { return active_; }

private:
    void* previous_ = nullptr;
    bool active_ = false;
};

// Whether the path lies in the system folder (letter case ignored).
bool inSystemFolder(const std::string& path);

}  // namespace qlmr
