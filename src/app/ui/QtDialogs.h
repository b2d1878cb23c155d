// The Dialogs seam shown with Qt message boxes and input boxes, with Spanish button texts.
#pragma once
#include <QPointer>
#include <QWidget>

#include "app/model/Dialogs.h"

namespace natalis {

class QtDialogs : public Dialogs {
  public:
    // parent: the window the boxes are centred on and modal to (may be null).
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    MsgAnswer MsgBox(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                     const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultAnswer) override;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace natalis
