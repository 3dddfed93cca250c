// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ChainCommand.h"

#include <QCommandLineParser>
#include <QFile>
#include <cmath>
#include <memory>

#include "app/ChainOutput.h"
#include "app/CliCommon.h"
#include "app/ConsoleUserInterface.h"
#include "base/Notation.h"
#include "chart/CellIndex.h"
#include "chart/FindNuclide.h"
#include "image/Language.h"
#include "table/LoadFile.h"

namespace nuklorama::cli {
namespace {

// A span of time as a number and a unit word of the table's, "1e6 y" or "10 d"; the blank
// between them may be left out.
std::optional<double> ReadTime(const QString& text) {
    QString trimmed = text.trimmed();
    qsizetype unit = trimmed.size();
    while (unit > 0 && trimmed[unit - 1].isLetter())
        --unit;
    const QString number = trimmed.left(unit).trimmed();
    const auto seconds = DurationSeconds((number + " " + trimmed.mid(unit)).toStdString());
    if (number.isEmpty() || !seconds) return std::nullopt;
    return seconds;
}

}  // namespace

int ChainCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Writes every decay path from a nuclide to its ends, with the probability of reaching "
        "each member and, at a time, the activities of a pure sample of the start. Records that "
        "fail to load are said and left out.");
    AddHelpOption(parser);
    parser.addPositionalArgument("NUCLIDE", "As find takes it: U-238, 238U, Tc-99m, Hf-178m2 …");
    parser.addPositionalArgument("TABLE", "The table, e.g. data/nuklorama.csv.");
    parser.addOption({"format", "text (default), csv or json.", "text|csv|json", "text"});
    parser.addOption({"min-branch",
                      "Leave out paths whose probability falls below P, a fraction (default "
                      "1e-12).",
                      "P", "1e-12"});
    parser.addOption({"time",
                      "Give each member's activity at T, e.g. 1e6 y or 10 d, as a ratio to the "
                      "start's at 0.",
                      "T"});
    if (!parser.parse(arguments)) {
        Complain(parser.errorText());
        return kUsage;
    }
    if (parser.isSet("help")) ShowHelp(parser, "nuklorama-cli chain");
    if (parser.positionalArguments().size() != 2) {
        Complain("chain takes NUCLIDE and TABLE; see chain --help");
        return kUsage;
    }
    const QString format = parser.value("format");
    if (format != "text" && format != "csv" && format != "json") {
        Complain("--format takes text, csv or json");
        return kUsage;
    }
    bool read = false;
    const double minBranch = parser.value("min-branch").toDouble(&read);
    if (!read || !(minBranch >= 0 && minBranch < 1)) {
        Complain("--min-branch takes a fraction from 0 to below 1, such as 1e-12");
        return kUsage;
    }
    std::optional<double> seconds;
    if (parser.isSet("time") && !(seconds = ReadTime(parser.value("time")))) {
        Complain("--time takes a number and a unit such as 1e6 y, 10 d or 30 s");
        return kUsage;
    }

    const QString name = parser.positionalArguments().at(0);
    const QString tableFile = parser.positionalArguments().at(1);
    if (!IsTableFileOrMissing(tableFile)) return kFailed;
    auto table = std::make_unique<NuclideTable>();
    ExtraFieldTable extras;
    ConsoleUserInterface ui(true);
    LoadFile(QFile::encodeName(tableFile).toStdString(), *table, ui, &extras);
    ui.SummariseFailures();
    const CellIndex cells(*table);
    const FoundNuclide found =
        InEnglish([&] { return FindNuclide(name.toStdString(), *table, cells, &extras); });
    if (!found.Z) {
        Complain(name + ": " + QString::fromStdString(found.reason));
        return kFailed;
    }
    const DecayChain chain =
        BuildDecayChain({*found.Z, *found.N, found.state}, *table, cells, extras, minBranch);
    const ChainMember& start = chain.members.at(std::size_t(chain.start));
    if (start.lifetime == Lifetime::Stable) {
        Complain(QString::fromStdString(StateName(start.Z, start.N, start.state)) +
                 " is stable: there is no chain to follow");
        return kFailed;
    }
    ChainReport report{chain, minBranch, seconds, parser.value("time").toUtf8(), {}};
    if (seconds) report.activities = ChainActivities(chain, *seconds);
    // The table has no room for them: said beside it.
    if (format == "csv" && !LeftOut(report).empty())
        Complain(QString::fromStdString(LeftOut(report)).trimmed().replace("\n", "; "));
    const QByteArray bytes = format == "csv"    ? ChainCsv(report)
                             : format == "json" ? ChainJson(report)
                                                : ChainText(report);
    return WriteOutput(kStandardOutput, bytes);
}

}  // namespace nuklorama::cli
