// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "base/UserInterface.h"

namespace nuklorama::cli {

// The renderer's stand-in for dialogs: nothing waits for a person. Load failures go to standard
// error (the first hundred one by one, the rest counted) and are answered by policy; failures of
// the file itself are always answered Abort, so a render always ends.
class ConsoleUserInterface : public UserInterface {
public:
    explicit ConsoleUserInterface(bool ignoreRecordFailures) : ignore_(ignoreRecordFailures) {}

    // Kept, not shown: the render command says in its own words why nothing was drawn.
    Answer MsgBox(const std::string& text, Buttons, Icon) override {
        lastMessage_ = text;
        return Answer::Ok;
    }
    void SetPointer(Pointer) override {}
    // Only a missing table ends the program; its message is the reason.
    [[noreturn]] void EndProgram(int status) override;
    Answer AskAboutLoadFailure(const LoadFailure& failure) override;

    int Failures() const { return failures_; }
    // One line for the failures past those shown one by one, if any.
    void SummariseFailures() const;

private:
    bool ignore_;
    int failures_ = 0;
    std::string lastMessage_;
};

}  // namespace nuklorama::cli
