#pragma once
// JPEG pictures decoded into 24-bit top-down DIB sections (rows 4-byte aligned, blue first).
#include <string>

namespace qlmr {

// A bitmap handle (HBITMAP) the caller owns, or null when the data is not a sound JPEG: a
// broken picture shows nothing and the program goes on.
void* decodeJpeg(const std::string& bytes);
// The same from a file; null also when the file cannot be read.
void* loadJpegFile(const std::string& path);

}  // namespace qlmr
