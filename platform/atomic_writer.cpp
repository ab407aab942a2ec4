#include "platform/atomic_writer.h"

#include <windows.h>

#include "platform/errors.h"
#include "platform/text_codec.h"

namespace qlmr {

AtomicFileWriter::AtomicFileWriter(std::string path) : path_(std::move(path)), temp_(path_ + ".part") {
    handle_ = CreateFileW(widePath(temp_).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) throw cannotCreate(path_, GetLastError());
}

AtomicFileWriter::~AtomicFileWriter() {
    if (handle_ == INVALID_HANDLE_VALUE) return;
    CloseHandle(handle_);
    DeleteFileW(widePath(temp_).c_str());
}

void AtomicFileWriter::fail(unsigned long code) {
    CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    DeleteFileW(widePath(temp_).c_str());
    throw cannotCreate(path_, code);
}

void AtomicFileWriter::write(std::string_view bytes) {
    DWORD written = 0;
    if (!bytes.empty() && (!WriteFile(handle_, bytes.data(), DWORD(bytes.size()), &written, nullptr) || written != bytes.size()))
        fail(GetLastError());
}

void AtomicFileWriter::rewind() {
    LARGE_INTEGER start{};
    if (!SetFilePointerEx(handle_, start, nullptr, FILE_BEGIN) || !SetEndOfFile(handle_))
        fail(GetLastError());
}

void AtomicFileWriter::commit() {
    if (!FlushFileBuffers(handle_)) fail(GetLastError());
    CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    if (MoveFileExW(widePath(temp_).c_str(), widePath(path_).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return;
    const DWORD code = GetLastError();
    DeleteFileW(widePath(temp_).c_str());
    throw cannotCreate(path_, code);
}

}  // namespace qlmr
