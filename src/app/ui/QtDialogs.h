// The Dialogs seam shown with Qt message boxes and input boxes, with Spanish button texts.
#pragma once
#include <QPointer>
#include <QWidget>

#include "app/model/Dialogs.h"

namespace natalis {

class QtDialogs : public Dialogs {
  public:
    // parent: the window the boxes belong to when no window of the program is active (may
    // be null); otherwise a box belongs to the active window, which raised it.
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    using Dialogs::MsgBox;
    MsgAnswer MsgBox(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                     const std::string& title, MsgAnswer defaultAnswer) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultAnswer) override;

  private:
    QWidget* Owner() const;

    QPointer<QWidget> parent_;
};

}  // namespace natalis
