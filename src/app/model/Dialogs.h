// The Dialogs seam: message boxes and input boxes. The program shows Qt dialogs; tests
// script the answers and read back what was asked.
#pragma once
#include <optional>
#include <string>

namespace natalis {

enum class MsgButtons { Ok, YesNo, YesNoCancel, OkCancel };
enum class MsgIcon { None, Information, Exclamation, Critical, Question };
enum class MsgAnswer { Ok, Yes, No, Cancel };

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual MsgAnswer MsgBox(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                             const std::string& title) = 0;
    // The typed answer; an empty string when the user cancelled.
    virtual std::string InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultAnswer) = 0;
};

}  // namespace natalis
