#include "app/ui/QtDialogs.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <map>

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

MsgAnswer QtDialogs::MsgBox(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                            const std::string& title) {
    QMessageBox box(ToQtIcon(icon), QString::fromStdString(title), QString::fromStdString(prompt),
                    QMessageBox::NoButton, parent_);
    std::map<QAbstractButton*, MsgAnswer> answers;
    const std::vector<ButtonSpec> specs = ButtonsFor(buttons);
    QPushButton* first = nullptr;
    for (const ButtonSpec& b : specs) {
        QPushButton* button = box.addButton(QString::fromUtf8(b.text), b.role);
        if (!first) first = button;
        answers[button] = b.answer;
    }
    box.setDefaultButton(first);
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
    QInputDialog dlg(parent_);
    dlg.setWindowTitle(QString::fromStdString(title));
    dlg.setLabelText(QString::fromStdString(prompt));
    dlg.setTextValue(QString::fromStdString(defaultAnswer));
    dlg.setOkButtonText(QStringLiteral("Aceptar"));
    dlg.setCancelButtonText(QStringLiteral("Cancelar"));
    if (dlg.exec() != QDialog::Accepted) return std::string();
    return dlg.textValue().toStdString();
}

}  // namespace natalis
