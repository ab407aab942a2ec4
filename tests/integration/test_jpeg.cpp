// JPEG pictures decoded into DIB sections; broken ones give no picture.
#include <doctest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

extern "C" {
#include <jpeglib.h>
}

#include "platform/files.h"
#include "platform/jpeg.h"

using namespace qlmr;

namespace {

// A picture of one colour per half (top red, bottom blue), encoded in memory.
std::string encodeTwoColours(int width, int height) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(size_t(width) * 3);
    while (info.next_scanline < info.image_height) {
        const bool top = int(info.next_scanline) < height / 2;
        for (int x = 0; x < width; ++x) {
            row[size_t(x) * 3 + 0] = top ? 255 : 0;
            row[size_t(x) * 3 + 1] = 0;
            row[size_t(x) * 3 + 2] = top ? 0 : 255;
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    std::string bytes(reinterpret_cast<char*>(out), size);
    jpeg_destroy_compress(&info);
    std::free(out);
    return bytes;
}

DIBSECTION dibOf(void* bitmap) {
    DIBSECTION dib{};
    GetObjectA(static_cast<HBITMAP>(bitmap), sizeof dib, &dib);
    return dib;
}

bool closeTo(int value, int expected) { return std::abs(value - expected) <= 12; }

}  // namespace

TEST_CASE("a JPEG becomes a 24-bit top-down DIB with blue-green-red pixels and aligned rows") {
    const int width = 37, height = 32;   // 111 bytes a row, padded to 112
    void* bitmap = decodeJpeg(encodeTwoColours(width, height));
    REQUIRE(bitmap != nullptr);
    DIBSECTION dib = dibOf(bitmap);
    CHECK(dib.dsBmih.biWidth == width);
    CHECK(std::abs(dib.dsBmih.biHeight) == height);   // the order of the rows is checked below
    CHECK(dib.dsBmih.biBitCount == 24);
    CHECK(dib.dsBm.bmWidthBytes == 112);
    auto* bits = static_cast<const unsigned char*>(dib.dsBm.bmBits);
    REQUIRE(bits != nullptr);
    auto pixel = [&](int x, int y) { return bits + size_t(y) * 112 + size_t(x) * 3; };
    // Top rows red first in memory, bottom rows blue; blue stored first; the last column sits at
    // its row's end.
    for (int x : {0, width / 2, width - 1}) {
        const unsigned char* top = pixel(x, 2);
        const unsigned char* bottom = pixel(x, height - 3);
        CHECK(closeTo(top[0], 0));
        CHECK(closeTo(top[2], 255));
        CHECK(closeTo(bottom[0], 255));
        CHECK(closeTo(bottom[2], 0));
    }
    DeleteObject(static_cast<HBITMAP>(bitmap));
}

TEST_CASE("the shipped pictures decode at their sizes") {
    struct Picture {
        const char* name;
        int width, height;
    };
    for (Picture p : {Picture{"about.jpg", 315, 234}, Picture{"top.jpg", 1600, 65}}) {
        void* bitmap = loadJpegFile(programFolder() + p.name);
        REQUIRE(bitmap != nullptr);
        DIBSECTION dib = dibOf(bitmap);
        CHECK(dib.dsBmih.biWidth == p.width);
        CHECK(std::abs(dib.dsBmih.biHeight) == p.height);
        DeleteObject(static_cast<HBITMAP>(bitmap));
    }
}

TEST_CASE("broken, truncated, empty and missing pictures give no bitmap") {
    const std::string good = encodeTwoColours(64, 48);
    CHECK(decodeJpeg("") == nullptr);
    CHECK(decodeJpeg("GIF89a this is no JPEG at all") == nullptr);
    CHECK(decodeJpeg(good.substr(0, good.size() / 2)) == nullptr);
    CHECK(decodeJpeg(good.substr(0, 2)) == nullptr);
    std::string damaged = good;
    for (size_t i = damaged.size() / 3; i < damaged.size() / 3 + 40; ++i) damaged[i] = char(0xFF);
    void* d = decodeJpeg(damaged);   // may decode with repairs or fail; it must not stop the program
    if (d) DeleteObject(static_cast<HBITMAP>(d));
    CHECK(loadJpegFile(programFolder() + "no such picture.jpg") == nullptr);
    writeFileAtomically(programFolder() + "broken.jpg", "\xFF\xD8\xFF\xE0 broken");
    CHECK(loadJpegFile(programFolder() + "broken.jpg") == nullptr);
    DeleteFileA((programFolder() + "broken.jpg").c_str());
}

TEST_CASE("the left part of a picture keeps its rows and is cut at the given width") {
    void* whole = decodeJpeg(encodeTwoColours(37, 32));
    REQUIRE(whole != nullptr);
    void* part = leftPartOf(whole, 10);
    REQUIRE(part != nullptr);
    DIBSECTION a = dibOf(whole), b = dibOf(part);
    CHECK(b.dsBmih.biWidth == 10);
    CHECK(b.dsBm.bmWidthBytes == 32);
    auto* from = static_cast<const unsigned char*>(a.dsBm.bmBits);
    auto* to = static_cast<const unsigned char*>(b.dsBm.bmBits);
    for (int y : {0, 15, 31}) CHECK(std::equal(to + y * 32, to + y * 32 + 30, from + y * 112));
    void* wider = leftPartOf(whole, 500);
    CHECK(dibOf(wider).dsBmih.biWidth == 37);
    CHECK(leftPartOf(nullptr, 10) == nullptr);
    CHECK(leftPartOf(whole, 0) == nullptr);
    for (void* pic : {whole, part, wider}) deletePicture(pic);
}
