#include "app/model/WindowPlacement.h"

#include <algorithm>
#include <cmath>

namespace natalis {

namespace {

// The client rectangle moved by the least amount that puts its frame inside area; when the
// frame is larger than area its top-left corner is kept on the screen.
WinRect Clamp(WinRect client, const WinRect& area, const WinMargins& frame) {
    const int frameW = client.width + frame.left + frame.right;
    const int frameH = client.height + frame.top + frame.bottom;
    int left = client.x - frame.left;
    int top = client.y - frame.top;
    left = std::max(area.x, std::min(left, area.Right() - frameW));
    top = std::max(area.y, std::min(top, area.Bottom() - frameH));
    client.x = left + frame.left;
    client.y = top + frame.top;
    return client;
}

}  // namespace

WinRect LogicalArea(const WinRect& devicePixels, double dpr) {
    const double r = dpr > 0 ? dpr : 1.0;
    const auto scaled = [r](int v) { return static_cast<int>(std::lround(v / r)); };
    return {scaled(devicePixels.x), scaled(devicePixels.y), scaled(devicePixels.width),
            scaled(devicePixels.height)};
}

WinRect FitMainWindow(const WinRect& area, int viewW, int viewH, int extraH,
                      const WinMargins& frame, int minViewW, int minViewH) {
    const int roomW = area.width - frame.left - frame.right;
    const int roomH = area.height - frame.top - frame.bottom - extraH;
    // The view as large as the room allows, in its own proportions, never above its design.
    int w = viewW, h = viewH;
    if (viewW > 0 && viewH > 0) {
        if (static_cast<long long>(roomW) * viewH >= static_cast<long long>(roomH) * viewW) {
            h = std::min(viewH, roomH);  // the height limits
            w = static_cast<int>(static_cast<long long>(h) * viewW / viewH);
        } else {
            w = std::min(viewW, roomW);
            h = static_cast<int>(static_cast<long long>(w) * viewH / viewW);
        }
    }
    w = std::max(minViewW, w);
    h = std::max(minViewH, h);
    WinRect client{0, 0, w, h + extraH};
    const int frameW = client.width + frame.left + frame.right;
    const int frameH = client.height + frame.top + frame.bottom;
    client.x = area.x + (area.width - frameW) / 2 + frame.left;
    client.y = area.y + (area.height - frameH) / 2 + frame.top;
    return Clamp(client, area, frame);
}

WinRect KeepInside(const WinRect& client, const WinRect& area, const WinMargins& frame, int minW,
                   int minH) {
    WinRect r = client;
    r.width = std::max(minW, std::min(r.width, area.width - frame.left - frame.right));
    r.height = std::max(minH, std::min(r.height, area.height - frame.top - frame.bottom));
    return Clamp(r, area, frame);
}

WinRect PlaceOver(const WinRect& owner, int w, int h, const WinRect& area,
                  const WinMargins& frame) {
    const int frameW = w + frame.left + frame.right;
    const int frameH = h + frame.top + frame.bottom;
    WinRect client{owner.x + (owner.width - frameW) / 2 + frame.left,
                   owner.y + (owner.height - frameH) / 2 + frame.top, w, h};
    return Clamp(client, area, frame);
}

WinRect PlaceBeside(const WinRect& owner, int w, int h, int minLeft, const WinRect& area,
                    const WinMargins& frame) {
    const int left = std::max(owner.Right(), minLeft);
    WinRect client{left + frame.left, owner.y + frame.top, w, h};
    return Clamp(client, area, frame);
}

}  // namespace natalis
