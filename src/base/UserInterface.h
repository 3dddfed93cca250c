// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "table/LoadStep.h"

namespace nuklorama {

enum class Buttons { Ok, AbortRetryIgnore };
enum class Icon { None, Exclamation };
// The codes a message box answers with.
enum class Answer { Ok = 1, Abort = 3, Retry = 4, Ignore = 5 };
enum class Pointer { Default = 0, Busy = 11 };

// A load step that failed and waits for the user's decision.
struct LoadFailure {
    LoadStep step;
    std::string description;
};

// Everything the program asks of the person at the desktop: the window implements it with
// dialogs, the CLI with standard error, and tests with a script.
class UserInterface {
public:
    virtual ~UserInterface() = default;

    // Modal; the caption is the application's title.
    virtual Answer MsgBox(const std::string& text, Buttons buttons, Icon icon) = 0;
    virtual void SetPointer(Pointer pointer) = 0;
    // Ends the program at once; never returns to the caller.
    [[noreturn]] virtual void EndProgram(int status) = 0;

    // A failed load step: the description and one line feed, Abort, Retry and Ignore.
    virtual Answer AskAboutLoadFailure(const LoadFailure& failure) {
        return MsgBox(failure.description + "\n", Buttons::AbortRetryIgnore, Icon::Exclamation);
    }
};

}  // namespace nuklorama
