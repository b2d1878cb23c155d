// Enter means OK and Escape means cancel in a frame or window that is not a QDialog: a key
// press in any of its controls, or in the frame itself, runs ok or cancel. Enter on a focused
// push button presses that button instead, and a multi-line text box keeps its Enter for new
// lines. Controls added to the frame later are covered too; windows of their own that the
// frame raises (message boxes) are not.
#pragma once
#include <QObject>
#include <functional>

class QWidget;

namespace natalis {

// The property of a window that closes as soon as it loses the focus (the natal listing):
// message boxes raised while it is active belong to the window it belongs to.
constexpr const char* kClosesOnFocusLoss = "natalisClosesOnFocusLoss";

class DialogKeys : public QObject {
    Q_OBJECT
  public:
    // Becomes a child of scope. ok or cancel may be empty: that key then passes through.
    DialogKeys(QWidget* scope, std::function<void()> ok, std::function<void()> cancel);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Watch(QObject* o);

    QWidget* scope_;
    std::function<void()> ok_;
    std::function<void()> cancel_;
};

}  // namespace natalis
