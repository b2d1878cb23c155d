#include "app/ui/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace natalis {

namespace {

// The size window will show at: its own once set or shown, else what its layout asks for.
QSize ShownSize(const QWidget* window) {
    if (window->isVisible() || window->testAttribute(Qt::WA_Resized)) return window->size();
    return window->sizeHint().expandedTo(window->minimumSize());
}

}  // namespace

WinRect ToWinRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

QRect ToQRect(const WinRect& r) { return QRect(r.x, r.y, r.width, r.height); }

WinRect AvailableArea(const QWidget* w) {
    const QScreen* s = w ? w->screen() : nullptr;
    if (!s) s = QGuiApplication::primaryScreen();
    return s ? ToWinRect(s->availableGeometry()) : WinRect{0, 0, 1024, 768};
}

WinMargins FrameMargins(const QWidget* w) {
    const QRect frame = w->frameGeometry();
    const QRect client = w->geometry();
    if (!w->isVisible() || frame == client) return kFrameAllowance;
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

void MoveOver(QWidget* window, const QWidget* owner) {
    const QSize size = ShownSize(window);
    const WinRect r = PlaceOver(ToWinRect(owner->frameGeometry()), size.width(), size.height(),
                                AvailableArea(owner), FrameMargins(window));
    window->move(r.x - FrameMargins(window).left, r.y - FrameMargins(window).top);
}

void MoveBeside(QWidget* window, const QWidget* owner, int minLeft) {
    const QSize size = ShownSize(window);
    const WinRect area = AvailableArea(owner);
    const WinMargins m = FrameMargins(window);
    const WinRect r = PlaceBeside(ToWinRect(owner->frameGeometry()), size.width(), size.height(),
                                  area.x + minLeft, area, m);
    window->move(r.x - m.left, r.y - m.top);
}

}  // namespace natalis
