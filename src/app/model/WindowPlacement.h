// Where the windows go on the screen, without widgets: the main window fitted to the
// screen's available area at any scale factor, a remembered place brought back onto the
// screen, and the other windows placed over or beside the main window.
#pragma once

namespace natalis {

// A rectangle in logical (device-independent) pixels; x, y is its top-left corner.
struct WinRect {
    int x = 0, y = 0, width = 0, height = 0;
    int Right() const { return x + width; }    // one past the last column
    int Bottom() const { return y + height; }  // one past the last row
    bool Contains(const WinRect& r) const {
        return r.x >= x && r.y >= y && r.Right() <= Right() && r.Bottom() <= Bottom();
    }
    bool operator==(const WinRect& o) const {
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
};

// The window manager's frame round a window's client area.
struct WinMargins {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// What is allowed for the frame while it is not known yet (before the window is shown, or
// with a platform that draws none): a title bar and thin borders.
constexpr WinMargins kFrameAllowance{4, 32, 4, 4};

// A screen's available area given in device pixels, in logical pixels at the device pixel
// ratio dpr (the scale factor, 1 or more; 0 or less counts as 1), rounded to whole pixels
// as the platform rounds them.
WinRect LogicalArea(const WinRect& devicePixels, double dpr);

// The client geometry of the main window: a view of viewW x viewH (its drawing keeps these
// proportions) under extraH pixels of menu bar. The designed size when the window and its
// frame fit inside area; otherwise the view shrinks, keeping its proportions, until they do,
// but not below minViewW x minViewH. The window is centred in area and its frame kept inside
// it (its top-left corner wins when even the smallest window is too large).
WinRect FitMainWindow(const WinRect& area, int viewW, int viewH, int extraH,
                      const WinMargins& frame, int minViewW, int minViewH);

// A client geometry remembered from an earlier run, brought inside area with its frame: the
// size shrunk to what fits (not below minW x minH), then the window moved by the least amount
// that puts it inside.
WinRect KeepInside(const WinRect& client, const WinRect& area, const WinMargins& frame, int minW,
                   int minH);

// A window of client size w x h centred over the frame rectangle owner, kept inside area.
WinRect PlaceOver(const WinRect& owner, int w, int h, const WinRect& area, const WinMargins& frame);

// A window of client size w x h beside the frame rectangle owner: its frame's left edge at
// the owner's right edge, or at minLeft when that is further right, its top level with the
// owner's; kept inside area (so it overlaps the owner rather than leave the screen).
WinRect PlaceBeside(const WinRect& owner, int w, int h, int minLeft, const WinRect& area,
                    const WinMargins& frame);

}  // namespace natalis
