// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCommandLineParser>
#include <QString>
#include <vector>

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

// A command's options as a table of rows, each with a name, its help, a value name (the choices
// as a|b|c; none for a switch), a default read when the option is not given, and how a value is
// applied to the command's options.
template <typename Row>
void AddOptions(QCommandLineParser& parser, const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        QCommandLineOption added(row.name, row.help);
        if (row.valueName) added.setValueName(row.valueName);
        if (row.byDefault) added.setDefaultValue(row.byDefault);
        parser.addOption(added);
    }
}

// "--name takes a, b or c" when the value name lists choices and the value is none of them.
QString NotAChoice(const char* name, const char* valueName, const QString& value);

// Once parsed: every option given, or with a default, applied in the table's order; the first
// complaint, or nothing.
template <typename Row, typename Options>
QString ApplyOptions(const QCommandLineParser& parser, const std::vector<Row>& rows, Options& o) {
    for (const Row& row : rows) {
        if (!parser.isSet(row.name) && !row.byDefault) continue;
        const QString value = parser.value(row.name);
        QString error = NotAChoice(row.name, row.valueName, value);
        if (error.isEmpty()) error = row.apply(value, o);
        if (!error.isEmpty()) return error;
    }
    return {};
}

// Whether a table's name, when it names anything, names a regular file; says what it names
// instead when not. The window's loader calls anything else missing; here we can say more.
bool IsTableFileOrMissing(const QString& table);

// Writes bytes to the file named output, or to standard output for "-": kSuccess, or kFailed
// after saying why.
int WriteOutput(const QString& output, const QByteArray& bytes);

}  // namespace nuklorama::cli
