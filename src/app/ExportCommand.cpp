// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ExportCommand.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <memory>

#include "app/CliCommon.h"
#include "app/ConsoleUserInterface.h"
#include "chart/DrawCommand.h"
#include "chart/MassExport.h"
#include "table/LoadFile.h"

namespace nuklorama::cli {
namespace {

QString QuantityNames() {
    QStringList names;
    for (int q = 0; q < kMassQuantityCount; ++q)
        names << QString::fromUtf8(InfoOf(MassQuantity(q)).name);
    return names.join(", ");
}

}  // namespace

int ExportCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Writes every ground state of a table with its mass excess and what follows from the "
        "masses: binding energy per nucleon, separation energies, Q-values, shell and pairing "
        "gaps, each with its uncertainty and whether it is estimated, and the mass excess's "
        "uncertainty, discovery year and natural abundance.");
    AddHelpOption(parser);
    parser.addOption({"format", "csv or json; by default the output's extension says.", "FORMAT"});
    parser.addOption(
        {"quantities", "Only these, comma-separated, of " + QuantityNames() + ".", "LIST"});
    parser.addPositionalArgument("TABLE", "The table, e.g. data/nuklorama.csv.");
    parser.addPositionalArgument("OUT",
                                 "The .csv or .json file to write, or - for standard output.");
    if (!parser.parse(arguments)) {
        Complain(parser.errorText());
        return kUsage;
    }
    if (parser.isSet("help")) ShowHelp(parser, "nuklorama-cli export");
    if (parser.positionalArguments().size() != 2) {
        Complain("export takes TABLE and OUT; see export --help");
        return kUsage;
    }
    const QString input = parser.positionalArguments().at(0);
    const QString output = parser.positionalArguments().at(1);

    const QString format =
        parser.isSet("format") ? parser.value("format") : QFileInfo(output).suffix().toLower();
    if (format != "csv" && format != "json") {
        Complain(parser.isSet("format")
                     ? "--format: \"" + format + "\" is neither csv nor json"
                     : output + ": name a .csv or .json file, or give --format csv or json");
        return kUsage;
    }
    std::vector<MassQuantity> which;
    const QStringList names =
        parser.isSet("quantities") ? parser.value("quantities").split(',') : QStringList();
    for (const QString& name : names) {
        const auto quantity = QuantityNamed(name.toStdString());
        if (!quantity) {
            Complain("--quantities: no quantity \"" + name + "\"; there are " + QuantityNames());
            return kUsage;
        }
        which.push_back(*quantity);
    }
    if (names.isEmpty()) which = AllMassQuantities();

    if (const QFileInfo table(input); table.exists() && !table.isFile()) {
        Complain(input + ": is not a regular file, so not a table file");
        return kFailed;
    }
    ConsoleUserInterface ui(false);
    auto state = std::make_unique<ChartState>();
    LoadFile(input.toStdString(), state->table, ui, &state->extras);
    ui.SummariseFailures();
    if (ui.Failures() > 0) {
        Complain(input + ": the table did not load whole, so nothing is written");
        return kFailed;
    }
    const MassQuantities quantities(state->table, state->extras, which);
    const std::string text =
        ExportMasses(state->table, state->extras, quantities, which,
                     format == "json" ? ExportFormat::Json : ExportFormat::Csv);
    return WriteOutput(output, QByteArray::fromStdString(text));
}

}  // namespace nuklorama::cli
