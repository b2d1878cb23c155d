#include "chart/ui/DialogKeys.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QWidget>

namespace natalis {

DialogKeys::DialogKeys(QWidget* scope, std::function<void()> ok, std::function<void()> cancel)
    : QObject(scope), scope_(scope), ok_(std::move(ok)), cancel_(std::move(cancel)) {
    setObjectName("DialogKeys");
    Watch(scope);
}

void DialogKeys::Watch(QObject* o) {
    // A window of its own among the children (a message box the frame raised) keeps its
    // own keys.
    if (!o->isWidgetType() || (o != scope_ && static_cast<QWidget*>(o)->isWindow())) return;
    o->installEventFilter(this);
    for (QObject* child : o->children()) Watch(child);
}

bool DialogKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ChildAdded) {
        Watch(static_cast<QChildEvent*>(event)->child());
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    if (static_cast<QWidget*>(watched)->window() != scope_->window()) return false;
    const auto* k = static_cast<QKeyEvent*>(event);
    if (k->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) return false;
    const int key = k->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && ok_) {
        if (qobject_cast<QPlainTextEdit*>(watched) || qobject_cast<QTextEdit*>(watched)) {
            return false;
        }
        if (auto* button = qobject_cast<QPushButton*>(watched)) {
            button->click();
        } else {
            ok_();
        }
        return true;
    }
    if (key == Qt::Key_Escape && cancel_) {
        cancel_();
        return true;
    }
    return false;
}

}  // namespace natalis
