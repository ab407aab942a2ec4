#pragma once
// JPEG pictures decoded into 24-bit top-down DIB sections (rows 4-byte aligned, blue first).
#include <string>

namespace qlmr {

// A bitmap handle (HBITMAP) the caller owns, or null when the data is not a sound JPEG: a
// broken picture shows nothing and the program goes on.
void* decodeJpeg(const std::string& bytes);
// The same from a file; null also when the file cannot be read.
void* loadJpegFile(const std::string& path);

// A new DIB section with the left part of a picture decodeJpeg made, at most width pixels wide; null
// when there is no picture. The caller owns it.
void* leftPartOf(void* picture, int width);
void deletePicture(void* picture);

}  // namespace qlmr
