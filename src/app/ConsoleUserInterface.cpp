// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ConsoleUserInterface.h"

#include <cstdio>
#include <cstdlib>

#include "app/CliCommon.h"

namespace nuklorama::cli {

void ConsoleUserInterface::EndProgram(int status) {
    Complain(QString::fromStdString(lastMessage_));
    std::fflush(nullptr);
    std::exit(status);
}

Answer ConsoleUserInterface::AskAboutLoadFailure(const LoadFailure& failure) {
    ++failures_;
    Complain(QString::fromStdString(failure.description));
    return ignore_ && !IsFileAccessStep(failure.step) ? Answer::Ignore : Answer::Abort;
}

}  // namespace nuklorama::cli
