// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCommandLineParser>
#include <QString>

namespace nuklorama::cli {

enum ExitStatus { kSuccess = 0, kFailed = 1, kUsage = 2, kDrawnWithLoadFailures = 3 };

// The output name that means standard output.
inline constexpr const char* kStandardOutput = "-";

// One line on standard error, behind the program's name.
void Complain(const QString& message);

// The parser's help under the name the person typed, not the program's full path; ends the
// program.
[[noreturn]] void ShowHelp(const QCommandLineParser& parser, const QString& name);
// The only help option: Qt's own adds a --help-all that has nothing more to show here.
void AddHelpOption(QCommandLineParser& parser);

// Whether a table's name, when it names anything, names a regular file; says what it names
// instead when not. The window's loader calls anything else missing; here we can say more.
bool IsTableFileOrMissing(const QString& table);

// Writes bytes to the file named output, or to standard output for "-": kSuccess, or kFailed
// after saying why.
int WriteOutput(const QString& output, const QByteArray& bytes);

}  // namespace nuklorama::cli
