// A Dialogs seam for tests: answers come from a queue, and every box asked for is recorded
// with its prompt, buttons, icon and title.
#pragma once
#include <deque>
#include <string>
#include <vector>

#include "app/model/Dialogs.h"

namespace natalis {

struct AskedBox {
    bool input = false;  // an input box rather than a message box
    std::string prompt;
    std::string title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    std::string defaultAnswer;                // input boxes only
    MsgAnswer defaultButton = MsgAnswer::Ok;  // message boxes only: what Enter answers
};

class ScriptedDialogs : public Dialogs {
  public:
    // Queue the answer of the next message box / input box. Unscripted message boxes answer
    // their first button (Ok or Yes); unscripted input boxes answer "" (cancelled).
    void QueueAnswer(MsgAnswer a) { answers_.push_back(a); }
    void QueueInput(const std::string& text) { inputs_.push_back(text); }

    using Dialogs::MsgBox;
    MsgAnswer MsgBox(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                     const std::string& title, MsgAnswer defaultButton) override {
        asked.push_back({false, prompt, title, buttons, icon, {}, defaultButton});
        if (!answers_.empty()) {
            const MsgAnswer a = answers_.front();
            answers_.pop_front();
            return a;
        }
        return (buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel) ? MsgAnswer::Yes
                                                                                    : MsgAnswer::Ok;
    }

    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultAnswer) override {
        asked.push_back({true, prompt, title, MsgButtons::OkCancel, MsgIcon::None, defaultAnswer,
                         MsgAnswer::Ok});
        if (inputs_.empty()) return std::string();
        const std::string s = inputs_.front();
        inputs_.pop_front();
        return s;
    }

    std::vector<AskedBox> asked;

  private:
    std::deque<MsgAnswer> answers_;
    std::deque<std::string> inputs_;
};

}  // namespace natalis
