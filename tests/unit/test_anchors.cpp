#include <doctest.h>

#include <initializer_list>

#include "toolkit/anchors.h"

using namespace tk;

namespace {

struct Case {
    const char* what;
    Rect design;
    unsigned anchors;
    Size parent;
    int dpi;
    Rect expected;
};

bool same(Rect a, Rect b) { return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h; }

}  // namespace

// A parent designed at 600 x 400; each case places one control in a parent of another size.
TEST_CASE("anchors: each edge keeps its scaled distance to the parent") {
    const Size design{600, 400};
    const Case cases[] = {
        {"top-left stays, design size", {10, 20, 100, 30}, kAnchorTopLeft, {600, 400}, 96, {10, 20, 100, 30}},
        {"top-left stays in a wider parent", {10, 20, 100, 30}, kAnchorTopLeft, {900, 700}, 96, {10, 20, 100, 30}},
        {"right column follows the right edge", {480, 8, 112, 28}, kAnchorTopRight, {900, 400}, 96, {780, 8, 112, 28}},
        {"left and right stretch", {8, 8, 464, 24}, kAnchorTopWide, {900, 400}, 96, {8, 8, 764, 24}},
        {"all four stretch both ways", {8, 40, 464, 352}, kAnchorAll, {700, 500}, 96, {8, 40, 564, 452}},
        {"bottom row follows the bottom", {8, 360, 150, 28}, kAnchorBottomLeft, {600, 500}, 96, {8, 460, 150, 28}},
        {"no anchor keeps its centre's share", {250, 100, 100, 20}, 0, {800, 400}, 96, {350, 100, 100, 20}},
        {"144 dpi scales position and size", {10, 20, 100, 30}, kAnchorTopLeft, {900, 600}, 144, {15, 30, 150, 45}},
        {"144 dpi right anchor keeps the scaled gap", {480, 8, 112, 28}, kAnchorTopRight, {1000, 600}, 144,
         {820, 12, 168, 42}},
        {"120 dpi rounds each edge to the nearest pixel", {9, 9, 101, 23}, kAnchorTopLeft, {750, 500}, 120,
         {11, 11, 127, 29}},
        {"a parent narrower than the margins gives no width", {8, 8, 464, 24}, kAnchorTopWide, {10, 400}, 96,
         {8, 8, 0, 24}},
    };
    for (const Case& c : cases) {
        CAPTURE(c.what);
        const Rect got = placeAnchored(c.design, c.anchors, design, c.parent, c.dpi);
        CAPTURE(got.x);
        CAPTURE(got.y);
        CAPTURE(got.w);
        CAPTURE(got.h);
        CHECK(same(got, c.expected));
    }
}

// Labels stacked edge to edge at 96 DPI (46 + 18 = 64) stay apart when each is rounded at 120 DPI.
TEST_CASE("anchors: controls that touch at 96 DPI never overlap when scaled") {
    for (int dpi : {96, 120, 144, 168})
        for (int y = 0; y < 200; ++y) {
            const Rect upper = placeAnchored({4, y, 312, 18}, kAnchorTopLeft, {320, 400}, {640, 800}, dpi);
            const Rect lower = placeAnchored({4, y + 18, 312, 20}, kAnchorTopLeft, {320, 400}, {640, 800}, dpi);
            CAPTURE(dpi);
            CAPTURE(y);
            CHECK(upper.y + upper.h == lower.y);
        }
}

// The backup list stretches to the right, its column is anchored right: neither covers the other.
TEST_CASE("anchors: a stretching list never reaches a right-anchored column") {
    const Size sheet{992, 602};
    const Rect list{8, 8, 652, 586}, column{668, 8, 316, 172};
    for (int dpi : {96, 120, 144})
        for (Size parent : {Size{792, 480}, Size{1016, 676}, Size{1912, 980}}) {
            const Size actual{scaled(parent.w, dpi), scaled(parent.h, dpi)};
            const Rect l = placeAnchored(list, kAnchorAll, sheet, actual, dpi);
            const Rect c = placeAnchored(column, kAnchorTopRight, sheet, actual, dpi);
            CAPTURE(dpi);
            CAPTURE(parent.w);
            CHECK(l.x + l.w < c.x);
            CHECK(c.x + c.w <= actual.w);
        }
}
