// The Dialogs seam: message boxes and input boxes. The program shows Qt dialogs; tests
// script the answers and read back what was asked.
#pragma once
#include <optional>
#include <string>

namespace natalis {

enum class MsgButtons { Ok, YesNo, YesNoCancel, OkCancel };
enum class MsgIcon { None, Information, Exclamation, Critical, Question };
enum class MsgAnswer { Ok, Yes, No, Cancel };

// The answer of a box's first button: the one Enter presses unless the box says otherwise.
constexpr MsgAnswer FirstAnswer(MsgButtons buttons) {
    return buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel ? MsgAnswer::Ok
                                                                        : MsgAnswer::Yes;
}

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // A message box whose default button (the one Enter presses) answers defaultAnswer.
    virtual MsgAnswer MsgBox(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                             const std::string& title, MsgAnswer defaultAnswer) = 0;
    // A message box whose first button is the default.
    MsgAnswer MsgBox(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                     const std::string& title) {
        return MsgBox(prompt, buttons, icon, title, FirstAnswer(buttons));
    }
    // The typed answer; an empty string when the user cancelled.
    virtual std::string InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultAnswer) = 0;
};

}  // namespace natalis
