#pragma once
// Declared layout: a control's bounds at 96 dots per inch and the edges of its parent it keeps
// its distance to, as a form designer's anchors. Pure arithmetic, no windows.
namespace tk {

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
};

struct Size {
    int w = 0, h = 0;
};

enum Anchor : unsigned {
    AnchorLeft = 1,
    AnchorTop = 2,
    AnchorRight = 4,
    AnchorBottom = 8,
};
constexpr unsigned kAnchorTopLeft = AnchorLeft | AnchorTop;
constexpr unsigned kAnchorTopRight = AnchorTop | AnchorRight;
constexpr unsigned kAnchorTopWide = AnchorLeft | AnchorTop | AnchorRight;
constexpr unsigned kAnchorBottomLeft = AnchorLeft | AnchorBottom;
constexpr unsigned kAnchorBottomWide = AnchorLeft | AnchorRight | AnchorBottom;
constexpr unsigned kAnchorRightTall = AnchorTop | AnchorRight | AnchorBottom;
constexpr unsigned kAnchorAll = AnchorLeft | AnchorTop | AnchorRight | AnchorBottom;

constexpr int kDesignDpi = 96;

// A design length at the given dots per inch, rounded to the nearest pixel.
int scaled(int length, int dpi);
Rect scaled(Rect design, int dpi);

// Where a control goes in a parent of the given size: the design bounds' edges and the parent's
// design size are scaled by dpi/96; an anchored edge keeps its scaled distance to the parent's
// edge, a control anchored to neither opposite edge keeps its centre's share of the parent.
Rect placeAnchored(Rect design, unsigned anchors, Size designParent, Size parent, int dpi);

}  // namespace tk
