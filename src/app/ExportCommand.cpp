// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ExportCommand.h"

#include <QCommandLineParser>
#include <memory>
#include <optional>
#include <vector>

#include "app/CliCommon.h"
#include "app/ConsoleUserInterface.h"
#include "chart/DrawCommand.h"
#include "chart/MassExport.h"
#include "table/LoadFile.h"

namespace nuklorama::cli {
namespace {

// What export is asked to write, and where.
struct ExportOptions {
    QString table, output, format;
    std::vector<MassQuantity> which = AllMassQuantities();
    bool ignoreRecordFailures = false;
};

// One option of export, as render's are: its help, its default, and how its value is read (the
// complaint when it does not read, else empty).
struct Option {
    const char* name;
    QString help;
    const char* valueName;
    const char* byDefault;
    QString (*apply)(const QString& value, ExportOptions& o);
};

QString QuantityNames() {
    QStringList names;
    for (const MassQuantity q : AllMassQuantities())
        names << QString::fromUtf8(InfoOf(q).name);
    return names.join(", ");
}

QString ApplyFormat(const QString& value, ExportOptions& o) {
    o.format = value;
    return {};
}

QString ApplyQuantities(const QString& value, ExportOptions& o) {
    o.which.clear();
    for (const QString& name : value.split(',')) {
        const auto quantity = QuantityNamed(name.trimmed().toStdString());
        if (!quantity)
            return "--quantities takes names of " + QuantityNames() + ", not \"" + name + "\"";
        o.which.push_back(*quantity);
    }
    return {};
}

QString ApplyOnError(const QString& value, ExportOptions& o) {
    o.ignoreRecordFailures = value == "ignore";
    return {};
}

// In the order --help lists them.
const std::vector<Option>& Options() {
    static const std::vector<Option> kOptions{
        {"format", "csv or json; needed when OUT is - (standard output), else by its ending.",
         "csv|json", nullptr, ApplyFormat},
        {"quantities", "Only these, comma-separated, of " + QuantityNames() + " (default all).",
         "LIST", nullptr, ApplyQuantities},
        {"on-error",
         "Answer to a failed record: abort (default: nothing is written) or ignore (the records "
         "that load are written).",
         "abort|ignore", "abort", ApplyOnError},
    };
    return kOptions;
}

std::optional<ExportOptions> ParseExportOptions(const QStringList& arguments, QString& error) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Writes every ground state of a table with its mass excess and what follows from the "
        "masses: binding energy per nucleon, separation energies, Q-values, shell and pairing "
        "gaps, each with its uncertainty and whether it is estimated; the mass excess's "
        "uncertainty, the discovery year and the natural abundance.");
    AddHelpOption(parser);
    AddOptions(parser, Options());
    parser.addPositionalArgument("TABLE", "The nuclide table, e.g. data/nuklorama.csv.");
    parser.addPositionalArgument("OUT", "The file to write, ending in .csv or .json, or -.");
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet("help")) ShowHelp(parser, "nuklorama-cli export");

    ExportOptions o;
    error = ApplyOptions(parser, Options(), o);
    if (!error.isEmpty()) return std::nullopt;
    if (parser.positionalArguments().size() != 2) {
        error = "export takes TABLE and OUT; see export --help";
        return std::nullopt;
    }
    o.table = parser.positionalArguments().at(0);
    o.output = parser.positionalArguments().at(1);
    if (o.format.isEmpty())
        for (const char* ending : {"csv", "json"})
            if (o.output.endsWith(QString(".") + ending, Qt::CaseInsensitive)) o.format = ending;
    if (o.format.isEmpty()) {
        error = o.output == kStandardOutput ? "standard output (-) needs --format csv or json"
                                            : "OUT must end in .csv or .json, or take --format";
        return std::nullopt;
    }
    return o;
}

}  // namespace

int ExportCommand(const QStringList& arguments) {
    QString error;
    const std::optional<ExportOptions> o = ParseExportOptions(arguments, error);
    if (!o) {
        Complain(error);
        return kUsage;
    }
    if (!IsTableFileOrMissing(o->table)) return kFailed;

    ConsoleUserInterface ui(o->ignoreRecordFailures);
    auto state = std::make_unique<ChartState>();
    LoadFile(o->table.toStdString(), state->table, ui, &state->extras);
    ui.SummariseFailures();
    if (ui.Failures() > 0 && !o->ignoreRecordFailures) {
        Complain(o->table + ": the table did not load whole, so nothing is written");
        return kFailed;
    }
    const MassQuantities quantities(state->table, state->extras, o->which);
    const std::string text =
        ExportMasses(state->table, state->extras, quantities, o->which,
                     o->format == "json" ? ExportFormat::Json : ExportFormat::Csv);
    const int written = WriteOutput(o->output, QByteArray::fromStdString(text));
    if (written != kSuccess) return written;
    return ui.Failures() > 0 ? kDrawnWithLoadFailures : kSuccess;
}

}  // namespace nuklorama::cli
