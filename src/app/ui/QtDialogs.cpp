#include "app/ui/QtDialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <map>

#include "chart/ui/DialogKeys.h"

namespace natalis {

namespace {

QMessageBox::Icon ToQtIcon(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Information:
            return QMessageBox::Information;
        case MsgIcon::Exclamation:
            return QMessageBox::Warning;
        case MsgIcon::Critical:
            return QMessageBox::Critical;
        case MsgIcon::Question:
            return QMessageBox::Question;
        case MsgIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonSpec {
    const char* text;
    MsgAnswer answer;
    QMessageBox::ButtonRole role;
};

std::vector<ButtonSpec> ButtonsFor(MsgButtons buttons) {
    const ButtonSpec ok{"Aceptar", MsgAnswer::Ok, QMessageBox::AcceptRole};
    const ButtonSpec yes{"Sí", MsgAnswer::Yes, QMessageBox::YesRole};
    const ButtonSpec no{"No", MsgAnswer::No, QMessageBox::NoRole};
    const ButtonSpec cancel{"Cancelar", MsgAnswer::Cancel, QMessageBox::RejectRole};
    switch (buttons) {
        case MsgButtons::YesNo:
            return {yes, no};
        case MsgButtons::YesNoCancel:
            return {yes, no, cancel};
        case MsgButtons::OkCancel:
            return {ok, cancel};
        case MsgButtons::Ok:
            break;
    }
    return {ok};
}

}  // namespace

QWidget* QtDialogs::Owner() const {
    // The box belongs to the window that raised it: the active one, so that closing the box
    // gives the focus back there. A window that closes as soon as it loses the focus (the
    // natal listing) hands its boxes to the window it belongs to.
    QWidget* active = QApplication::activeWindow();
    while (active && active->property(kClosesOnFocusLoss).toBool()) {
        active = active->parentWidget() ? active->parentWidget()->window() : nullptr;
    }
    return active ? active : parent_.data();
}

MsgAnswer QtDialogs::MsgBox(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                            const std::string& title, MsgAnswer defaultAnswer) {
    QMessageBox box(ToQtIcon(icon), QString::fromStdString(title), QString::fromStdString(prompt),
                    QMessageBox::NoButton, Owner());
    box.setObjectName("MsgBox");
    std::map<QAbstractButton*, MsgAnswer> answers;
    const std::vector<ButtonSpec> specs = ButtonsFor(buttons);
    QPushButton* preferred = nullptr;
    for (const ButtonSpec& b : specs) {
        QPushButton* button = box.addButton(QString::fromUtf8(b.text), b.role);
        // The first button unless another answers defaultAnswer.
        if (!preferred || b.answer == defaultAnswer) preferred = button;
        answers[button] = b.answer;
    }
    box.setDefaultButton(preferred);
    box.exec();
    const auto it = answers.find(box.clickedButton());
    if (it != answers.end()) return it->second;
    // Closed with Escape or the title bar: the box's own way out.
    return buttons == MsgButtons::YesNo ? MsgAnswer::No
           : buttons == MsgButtons::Ok  ? MsgAnswer::Ok
                                        : MsgAnswer::Cancel;
}

std::string QtDialogs::InputBox(const std::string& prompt, const std::string& title,
                                const std::string& defaultAnswer) {
    QInputDialog dlg(Owner());
    dlg.setObjectName("InputBox");
    dlg.setWindowTitle(QString::fromStdString(title));
    dlg.setLabelText(QString::fromStdString(prompt));
    dlg.setTextValue(QString::fromStdString(defaultAnswer));
    dlg.setOkButtonText(QStringLiteral("Aceptar"));
    dlg.setCancelButtonText(QStringLiteral("Cancelar"));
    if (dlg.exec() != QDialog::Accepted) return std::string();
    return dlg.textValue().toStdString();
}

}  // namespace natalis
