#include "toolkit/anchors.h"

namespace tk {
namespace {

struct Span {
    int start, length;
};

// One axis: near and far tell which parent edges the control keeps its distance to.
Span placeSpan(int start, int length, int designParent, int parent, bool near, bool far, int dpi) {
    const int before = scaled(start, dpi);
    const int after = scaled(designParent - start - length, dpi);
    const int own = scaled(length, dpi);
    if (near && far) return {before, parent - before - after};
    if (far) return {parent - after - own, own};
    if (near) return {before, own};
    const int spare = parent - scaled(designParent, dpi);
    return {before + spare / 2, own};
}

}  // namespace

int scaled(int length, int dpi) {
    const long long product = static_cast<long long>(length) * dpi;
    const long long half = kDesignDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / kDesignDpi : -((-product + half) / kDesignDpi));
}

Rect scaled(Rect design, int dpi) {
    return {scaled(design.x, dpi), scaled(design.y, dpi), scaled(design.w, dpi), scaled(design.h, dpi)};
}

Rect placeAnchored(Rect design, unsigned anchors, Size designParent, Size parent, int dpi) {
    const Span x = placeSpan(design.x, design.w, designParent.w, parent.w, anchors & AnchorLeft,
                             anchors & AnchorRight, dpi);
    const Span y = placeSpan(design.y, design.h, designParent.h, parent.h, anchors & AnchorTop,
                             anchors & AnchorBottom, dpi);
    return {x.start, y.start, x.length < 0 ? 0 : x.length, y.length < 0 ? 0 : y.length};
}

}  // namespace tk
