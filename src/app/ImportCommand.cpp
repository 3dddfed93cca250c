// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ImportCommand.h"

#include <QCommandLineParser>
#include <QFile>

#include "app/CliCommon.h"
#include "table/NubaseImport.h"

namespace nuklorama::cli {

int ImportCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Makes a nuklorama table from a NUBASE evaluation in its fixed-width ASCII form.");
    AddHelpOption(parser);
    parser.addPositionalArgument("NUBASE_FILE", "The NUBASE file, e.g. nubase_4.mas20.txt.");
    parser.addPositionalArgument("OUT.csv", "The table to write, or - for standard output.");
    if (!parser.parse(arguments)) {
        Complain(parser.errorText());
        return kUsage;
    }
    if (parser.isSet("help")) ShowHelp(parser, "nuklorama-cli import-nubase");
    if (parser.positionalArguments().size() != 2) {
        Complain("import-nubase takes NUBASE_FILE and OUT.csv; see import-nubase --help");
        return kUsage;
    }
    const QString input = parser.positionalArguments().at(0);
    const QString output = parser.positionalArguments().at(1);

    QFile file(input);
    if (!file.open(QIODevice::ReadOnly)) {
        Complain(input + ": " + file.errorString());
        return kFailed;
    }
    const QByteArray nubase = file.readAll();
    NubaseTable table;
    try {
        table = ImportNubase(std::string_view(nubase.constData(), std::size_t(nubase.size())));
    } catch (const NubaseError& error) {
        Complain(input + ": " + QString::fromLocal8Bit(error.what()));
        return kFailed;
    }
    const int status = WriteOutput(output, QByteArray::fromStdString(table.csv));
    if (status == kSuccess)
        Complain(QString("%1 ground states and %2 excited states; %3 excited states left out "
                         "that the evaluation says do not exist")
                     .arg(table.groundStates)
                     .arg(table.excitedStates)
                     .arg(table.nonExistentStates));
    return status;
}

}  // namespace nuklorama::cli
