// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "base/UserInterface.h"

// Stands in for the person at the desktop: records every box and answers from a script.
class ScriptedUserInterface : public nuklorama::UserInterface {
public:
    struct Box {
        std::string text;
        nuklorama::Buttons buttons;
        nuklorama::Icon icon;
    };
    // Thrown instead of ending the test process.
    struct ProgramEnded {
        int status;
    };

    std::deque<nuklorama::Answer> answers;
    // Given when the script has run out, and always after maxPrompts prompts.
    nuklorama::Answer otherwise = nuklorama::Answer::Abort;
    long long maxPrompts = 1000;

    std::vector<Box> boxes;
    std::vector<nuklorama::LoadStep> failedSteps;
    std::vector<nuklorama::Pointer> pointers;
    long long prompts = 0;

    nuklorama::Answer MsgBox(const std::string& text, nuklorama::Buttons buttons,
                             nuklorama::Icon icon) override {
        // Huge scripted loads would otherwise keep every prompt text.
        if (boxes.size() < 10000) boxes.push_back({text, buttons, icon});
        if (buttons == nuklorama::Buttons::Ok) return nuklorama::Answer::Ok;
        if (++prompts > maxPrompts) return nuklorama::Answer::Abort;
        if (answers.empty()) return otherwise;
        const nuklorama::Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void SetPointer(nuklorama::Pointer pointer) override { pointers.push_back(pointer); }
    [[noreturn]] void EndProgram(int status) override { throw ProgramEnded{status}; }
    nuklorama::Answer AskAboutLoadFailure(const nuklorama::LoadFailure& failure) override {
        if (failedSteps.size() < 10000) failedSteps.push_back(failure.step);
        return UserInterface::AskAboutLoadFailure(failure);
    }
};
