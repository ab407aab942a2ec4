#include "toolkit/anchors.h"

namespace tk {
namespace {

struct Span {
    int start, length;
};

// One axis: near and far tell which parent edges the control keeps its distance to. Edges are
// scaled, not lengths, so that controls which touch at 96 DPI touch at any DPI and never overlap.
Span placeSpan(int start, int length, int designParent, int parent, bool near, bool far, int dpi) {
    const int first = scaled(start, dpi), last = scaled(start + length, dpi);
    const int shift = parent - scaled(designParent, dpi);
    if (near && far) return {first, last + shift - first};
    if (far) return {first + shift, last - first};
    if (near) return {first, last - first};
    return {first + shift / 2, last - first};
}

}  // namespace

int scaled(int length, int dpi) {
    const long long product = static_cast<long long>(length) * dpi;
    const long long half = kDesignDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / kDesignDpi : -((-product + half) / kDesignDpi));
}

Rect scaled(Rect design, int dpi) {
    const int x = scaled(design.x, dpi), y = scaled(design.y, dpi);
    return {x, y, scaled(design.x + design.w, dpi) - x, scaled(design.y + design.h, dpi) - y};
}

Rect placeAnchored(Rect design, unsigned anchors, Size designParent, Size parent, int dpi) {
    const Span x = placeSpan(design.x, design.w, designParent.w, parent.w, anchors & AnchorLeft,
                             anchors & AnchorRight, dpi);
    const Span y = placeSpan(design.y, design.h, designParent.h, parent.h, anchors & AnchorTop,
                             anchors & AnchorBottom, dpi);
    return {x.start, y.start, x.length < 0 ? 0 : x.length, y.length < 0 ? 0 : y.length};
}

}  // namespace tk
