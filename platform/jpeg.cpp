#include "platform/jpeg.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <exception>

#include <windows.h>

// jpeglib.h expects FILE and size_t to be declared before it.
extern "C" {
#include <jpeglib.h>
}

#include "platform/files.h"

namespace qlmr {
namespace {

struct ErrorTrap {
    jpeg_error_mgr manager;
    std::jmp_buf escape;
};

[[noreturn]] void escapeOnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorTrap*>(info->err)->escape, 1);
}

// Warnings mean corrupt data (a truncated file decodes as grey): treated as broken, and
// nothing is written to the console.
void escapeOnWarning(j_common_ptr info, int level) {
    if (level < 0) escapeOnError(info);
}

void* createDib(int width, int height, unsigned char** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;   // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    *bits = static_cast<unsigned char*>(pixels);
    return bitmap;
}

// Kept free of objects with destructors: longjmp leaves it from inside libjpeg.
void* decode(const unsigned char* data, unsigned long size) {
    jpeg_decompress_struct info{};
    ErrorTrap trap{};
    info.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = escapeOnError;
    trap.manager.emit_message = escapeOnWarning;
    void* volatile bitmap = nullptr;
    if (setjmp(trap.escape)) {
        jpeg_destroy_decompress(&info);
        if (bitmap) DeleteObject(static_cast<HBITMAP>(bitmap));
        return nullptr;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&info);
    unsigned char* bits = nullptr;
    bitmap = createDib(int(info.output_width), int(info.output_height), &bits);
    if (!bitmap) {
        jpeg_destroy_decompress(&info);
        return nullptr;
    }
    const size_t stride = (size_t(info.output_width) * 3 + 3) & ~size_t(3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = bits + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return bitmap;
}

}  // namespace

void* decodeJpeg(const std::string& bytes) {
    if (bytes.empty()) return nullptr;
    return decode(reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
}

void* loadJpegFile(const std::string& path) {
    std::string bytes;
    try {
        bytes = readFileBytes(path);
    } catch (const std::exception&) {
        return nullptr;
    }
    return decodeJpeg(bytes);
}

void* leftPartOf(void* picture, int width) {
    DIBSECTION source{};
    if (!picture || GetObjectA(static_cast<HBITMAP>(picture), sizeof source, &source) != sizeof source) return nullptr;
    if (source.dsBm.bmBitsPixel != 24 || !source.dsBm.bmBits || width <= 0) return nullptr;
    const int height = source.dsBm.bmHeight;
    const int kept = std::min(width, int(source.dsBm.bmWidth));
    unsigned char* bits = nullptr;
    void* part = createDib(kept, height, &bits);
    if (!part) return nullptr;
    GdiFlush();
    const size_t stride = (size_t(kept) * 3 + 3) & ~size_t(3);
    const auto* from = static_cast<const unsigned char*>(source.dsBm.bmBits);
    // Both are top-down, so the rows run in the same order.
    for (int y = 0; y < height; ++y)
        std::memcpy(bits + stride * size_t(y), from + size_t(source.dsBm.bmWidthBytes) * size_t(y), size_t(kept) * 3);
    return part;
}

void deletePicture(void* picture) {
    if (picture) DeleteObject(static_cast<HBITMAP>(picture));
}

}  // namespace qlmr
