// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScriptedUserInterface.h"

using namespace nuklorama;

Answer ScriptedUserInterface::MsgBox(const std::string& text, Buttons buttons, Icon icon) {
    // Huge scripted loads would otherwise keep every prompt text.
    if (boxes.size() < 10000) boxes.push_back({text, buttons, icon});
    if (buttons == Buttons::Ok) return Answer::Ok;
    if (++prompts > maxPrompts) return Answer::Abort;
    if (answers.empty()) return otherwise;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

Answer ScriptedUserInterface::AskAboutLoadFailure(const LoadFailure& failure) {
    if (failedSteps.size() < 10000) failedSteps.push_back(failure.step);
    return UserInterface::AskAboutLoadFailure(failure);
}
