// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CliCommon.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "base/FileWriter.h"

namespace nuklorama::cli {

void Complain(const QString& message) {
    std::fprintf(stderr, "nuklorama-cli: %s\n", message.toLocal8Bit().constData());
}

void ShowHelp(const QCommandLineParser& parser, const QString& name) {
    QString text = parser.helpText();
    const QString program = QCoreApplication::arguments().value(0);
    if (!program.isEmpty()) text.replace(text.indexOf(program), program.size(), name);
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::exit(std::fflush(stdout) == 0 ? kSuccess : kFailed);
}

void AddHelpOption(QCommandLineParser& parser) {
    parser.addOption({{"h", "help"}, "Displays help on commandline options."});
}

int WriteOutput(const QString& output, const QByteArray& bytes) {
    const std::string_view data(bytes.constData(), std::size_t(bytes.size()));
    if (output == kStandardOutput) {
        if (const WriteFailure failure = WriteToStandardOutput(data)) {
            Complain("standard output: " + QString::fromStdString(failure.reason));
            return kFailed;
        }
        return kSuccess;
    }
    const WriteFailure failure = WriteFileAtomically(QFile::encodeName(output).toStdString(), data);
    if (!failure) return kSuccess;
    QString message = output + ": " + QString::fromLocal8Bit(failure.reason.c_str());
    if (failure.notRegularFile)
        message += "; it was left as it is (name the output - to write to standard output)";
    Complain(message);
    return kFailed;
}

QString NotAChoice(const char* name, const char* valueName, const QString& value) {
    const QStringList choices = QString(valueName).split('|');
    if (choices.size() < 2 || choices.contains(value)) return {};
    return QString("--%1 takes %2 or %3")
        .arg(name, choices.mid(0, choices.size() - 1).join(", "), choices.last());
}

bool IsTableFileOrMissing(const QString& table) {
    const QFileInfo info(table);
    if (!info.exists() || info.isFile()) return true;
    Complain(table + (info.isDir() ? ": is a folder, not a table file"
                                   : ": is not a regular file, so not a table file"));
    return false;
}

}  // namespace nuklorama::cli
