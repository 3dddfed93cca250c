// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ConsoleUserInterface.h"

#include <cstdio>
#include <cstdlib>

#include "app/CliCommon.h"
#include "base/Characters.h"

namespace nuklorama::cli {
namespace {

// Enough to find the first faults of a table; a table of garbage is not worth a screenful more.
constexpr int kFailuresShown = 100;

}  // namespace

void ConsoleUserInterface::EndProgram(int status) {
    Complain(QString::fromStdString(lastMessage_));
    std::fflush(nullptr);
    std::exit(status);
}

Answer ConsoleUserInterface::AskAboutLoadFailure(const LoadFailure& failure) {
    ++failures_;
    if (failures_ <= kFailuresShown)
        Complain(QString::fromStdString(EscapeControls(failure.description)));
    return ignore_ && !IsFileAccessStep(failure.step) ? Answer::Ignore : Answer::Abort;
}

void ConsoleUserInterface::SummariseFailures() const {
    if (failures_ > kFailuresShown)
        Complain(QString("... and %1 more load failures").arg(failures_ - kFailuresShown));
}

}  // namespace nuklorama::cli
