// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RenderCommand.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <memory>
#include <optional>
#include <string_view>

#include "app/CliCommon.h"
#include "app/ConsoleUserInterface.h"
#include "app/RenderOutput.h"
#include "base/Characters.h"
#include "chart/CellLabel.h"
#include "chart/ChartNotes.h"
#include "chart/DrawCommand.h"
#include "chart/RecordedSurface.h"
#include "chart/Region.h"
#include "chart/Viewport.h"
#include "image/Poster.h"
#include "table/LoadFile.h"

namespace nuklorama::cli {
namespace {

// Large enough for a poster, small enough that a figure's image always fits in memory.
constexpr int kMaxSide = 16384;
// A pixel must stay at least one twip: the cell arithmetic counts whole twips per pixel.
constexpr int kMaxDpi = 1440;

struct Options {
    int width = 1200, height = 800, dpi = 96;
    Overlays overlays;
    bool ignoreRecordFailures = false;
    QString table, output;
    QString format;
    bool legend = false;
    QString title;
    bool labels = false;
    std::optional<Region> region;
    Poster::Page page{QPageSize(QPageSize::A4), std::nullopt};
    Colouring colouring = Colouring::HalfLife;
};

// One side of --size in pixels: plain digits up to the largest side, else 0.
int Side(const QString& text) {
    if (text.isEmpty() || text.size() > 5) return 0;
    for (const QChar c : text)
        if (c < '0' || c > '9') return 0;
    const int pixels = text.toInt();
    return pixels <= kMaxSide ? pixels : 0;
}

std::optional<Options> ParseOptions(const QStringList& arguments, QString& error) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Draws a table's chart of nuclides to a PNG or SVG file, or a PDF page.");
    AddHelpOption(parser);
    parser.addOptions({
        {"size",
         QString("Chart area in pixels, each side 1 to %1 (default 1200x800).").arg(kMaxSide),
         "WxH", "1200x800"},
        {"dpi", "Dots per inch of the chart area (default 96).", "N", "96"},
        {"overlays", "Comma-separated grid, periods, magic, or none (default all).", "LIST",
         "grid,periods,magic"},
        {"on-error", "Answer to a failed record: abort (default) or ignore.", "abort|ignore",
         "abort"},
        {"legend", "Add axis numbers and a legend around the chart."},
        {"title", "Add a title line above the figure (implies --legend).", "TEXT"},
        {"format",
         "png, svg or pdf; needed when OUTPUT is - (standard output), else by its ending.",
         "png|svg|pdf"},
        {"paper", "Paper of a PDF: A4 (default), A3, A2, A1, A0, letter or legal.", "NAME"},
        {"orientation", "Of a PDF's page (default: the one with the larger cells).",
         "landscape|portrait"},
        {"labels", "Write each nuclide's mass number and symbol, and half-life, in its cell."},
        {"region", "Draw only rows ZMIN to ZMAX and columns NMIN to NMAX, fitted to the output.",
         "ZMIN:ZMAX,NMIN:NMAX"},
        {"colour", "Colour the cells by halflife (default) or decay mode.", "halflife|decay",
         "halflife"},
    });
    parser.addPositionalArgument("TABLE", "The nuclide table, e.g. data/nuklorama.csv.");
    parser.addPositionalArgument("OUTPUT",
                                 "The file to write, ending in .png, .svg or .pdf, or -.");
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet("help")) ShowHelp(parser, "nuklorama-cli render");

    Options o;
    const QStringList size = parser.value("size").split('x');
    o.width = size.size() == 2 ? Side(size[0]) : 0;
    o.height = size.size() == 2 ? Side(size[1]) : 0;
    if (o.width < 1 || o.height < 1) {
        error = QString("--size takes WxH, each from 1 to %1 pixels").arg(kMaxSide);
        return std::nullopt;
    }

    bool ok = false;
    o.dpi = parser.value("dpi").toInt(&ok);
    if (!ok || o.dpi < 1 || o.dpi > kMaxDpi) {
        error = QString("--dpi takes a whole number from 1 to %1").arg(kMaxDpi);
        return std::nullopt;
    }

    o.overlays = {false, false, false};
    for (const QString& listed : parser.value("overlays").split(',')) {
        const QString name = listed.trimmed();
        if (name == "grid") {
            o.overlays.grid = true;
        } else if (name == "periods") {
            o.overlays.periods = true;
        } else if (name == "magic") {
            o.overlays.magic = true;
        } else if (name != "none") {
            error = "--overlays takes grid, periods, magic or none, not \"" + name + "\"";
            return std::nullopt;
        }
    }

    const QString onError = parser.value("on-error");
    if (onError != "abort" && onError != "ignore") {
        error = "--on-error takes abort or ignore";
        return std::nullopt;
    }
    o.ignoreRecordFailures = onError == "ignore";

    const QString colour = parser.value("colour");
    if (colour != "halflife" && colour != "decay") {
        error = "--colour takes halflife or decay";
        return std::nullopt;
    }
    o.colouring = colour == "decay" ? Colouring::Decay : Colouring::HalfLife;

    if (parser.positionalArguments().size() != 2) {
        error = "render takes TABLE and OUTPUT; see render --help";
        return std::nullopt;
    }
    o.title = parser.value("title");
    o.legend = parser.isSet("legend") || parser.isSet("title");
    o.table = parser.positionalArguments().at(0);
    o.output = parser.positionalArguments().at(1);
    o.format = parser.value("format");
    for (const char* ending : {"png", "svg", "pdf"})
        if (!parser.isSet("format") &&
            o.output.endsWith(QString(".") + ending, Qt::CaseInsensitive))
            o.format = ending;
    if (o.format != "png" && o.format != "svg" && o.format != "pdf") {
        error = parser.isSet("format") ? "--format takes png, svg or pdf"
                : o.output == kStandardOutput
                    ? "standard output (-) needs --format png, svg or pdf"
                    : "OUTPUT must end in .png, .svg or .pdf, or take --format";
        return std::nullopt;
    }

    const bool pdf = o.format == "pdf";
    if (pdf && parser.isSet("size")) {
        error = "--size sizes a PNG or SVG; a PDF takes --paper";
        return std::nullopt;
    }
    if (!pdf && (parser.isSet("paper") || parser.isSet("orientation"))) {
        error = "--paper and --orientation are for a PDF; a PNG or SVG takes --size";
        return std::nullopt;
    }
    if (parser.isSet("paper")) {
        const auto paper = PaperNamed(parser.value("paper"));
        if (!paper) {
            error = "--paper takes A4, A3, A2, A1, A0, letter or legal";
            return std::nullopt;
        }
        o.page.paper = *paper;
    }
    if (parser.isSet("orientation")) {
        const QString orientation = parser.value("orientation");
        if (orientation != "landscape" && orientation != "portrait") {
            error = "--orientation takes landscape or portrait";
            return std::nullopt;
        }
        o.page.landscape = orientation == "landscape";
    }
    if (parser.isSet("region")) {
        o.region = ParseRegion(parser.value("region").toStdString());
        if (!o.region) {
            error = QString(
                        "--region takes ZMIN:ZMAX,NMIN:NMAX, whole numbers up to %1, each "
                        "first no larger than last")
                        .arg(kMaxRegionNumber);
            return std::nullopt;
        }
    }
    o.labels = parser.isSet("labels");
    return o;
}

// The PNG's or SVG's bytes: the chart alone, or the figure around it when a legend is asked for;
// empty when there is not enough memory for them.
QByteArray Output(const Options& o, const DrawnPicture& drawn) {
    return PictureBytes({o.format == "svg", o.legend, o.labels, o.overlays, o.title, o.colouring},
                        drawn);
}

QString Nuclides(int count) {
    return QString("%1 nuclide%2").arg(count).arg(count == 1 ? "" : "s");
}

// Warnings that change nothing of the picture or the exit status: cells past the edges beyond
// the last row and column, which may run past by design, and unit words drawn black.
void PointOutWhatIsNotShown(const Options& o, const NuclideTable& table, std::int16_t cellSize,
                            const Surface& area) {
    const OutOfView out = CountOutOfView(table, cellSize, area);
    if (const int total = out.cut + out.leftOut; total > 0) {
        QString message = QString(
                              "%1 of the table %2 not fit the %3x%4 picture (%5 cut at its "
                              "edges, %6 left out)")
                              .arg(Nuclides(total), total == 1 ? "does" : "do")
                              .arg(o.width)
                              .arg(o.height)
                              .arg(out.cut)
                              .arg(out.leftOut);
        const auto suggestion = SmallestAreaShowingAll(table.MaxZ, table.MaxN, cellSize,
                                                       area.TwipsPerPixelX(), kMaxSide);
        if (out.negative == total)
            message += total == 1 ? "; its proton or neutron number is negative, which no picture "
                                    "shows"
                                  : "; their proton or neutron numbers are negative, which no "
                                    "picture shows";
        else if (!suggestion)
            message += QString("; no --size up to %1x%1 shows them all at --dpi %2")
                           .arg(kMaxSide)
                           .arg(o.dpi);
        else
            message += QString("; --size %1x%2 at --dpi %3 shows them all")
                           .arg(suggestion->width)
                           .arg(suggestion->height)
                           .arg(o.dpi);
        if (out.negative > 0 && out.negative < total)
            message += QString(" (%1 with negative numbers aside)").arg(out.negative);
        Complain(message);
    }
}

// Unit words drawn black, or in the decay-mode view a table without decay modes.
void PointOutUnshaded(const Options& o, const ChartState& state) {
    if (o.colouring == Colouring::Decay) {
        if (!state.extras.Any())
            Complain(o.table +
                     ": no record has decay modes (field 7): every cell is drawn unknown");
        return;
    }
    for (const UnknownUnit& unit : UnknownUnits(state.table)) {
        // Records follow the header line by line.
        Complain(QString("line %1: the half-life scale has no unit \"%2\", so %3 with it %4 "
                         "black")
                     .arg(unit.firstRecord + 1)
                     .arg(QString::fromStdString(EscapeControls(unit.word)), Nuclides(unit.records),
                          unit.records == 1 ? "is" : "are"));
    }
}

// Labels asked for that no cell has room for.
void PointOutSmallLabels(const Options& o, std::int16_t cellSize) {
    if (o.labels && cellSize < kNameLabelSize)
        Complain(QString("--labels: cells of %1 pixels are too small for labels, which need %2")
                     .arg(cellSize)
                     .arg(kNameLabelSize));
}

QString NothingToDraw(const Options& o) {
    return o.table + ": nothing to draw: no nuclide has a positive proton and neutron number";
}

int Write(const Options& o, const QByteArray& bytes, const QString& what) {
    if (bytes.isEmpty()) {
        Complain("not enough memory for " + what);
        return kFailed;
    }
    return WriteOutput(o.output, bytes);
}

// The chart fitted to the chart area as a press of Draw fits it.
int RenderFit(const Options& o, ConsoleUserInterface& ui) {
    // The chart is kept as its boxes and written from them, whatever the output.
    RecordedSurface chart(o.width, o.height, 1440.0f / float(o.dpi));
    auto state = std::make_unique<ChartState>();
    const DrawResult result =
        PressDraw(o.table.toStdString(), *state, chart, ui, o.overlays, o.colouring);
    ui.SummariseFailures();
    if (result == DrawResult::NothingToDraw) {
        Complain(NothingToDraw(o));
        return kFailed;
    }
    if (result == DrawResult::AreaTooSmall) {
        Complain(QString("%1x%2 pixels are too small for this table: it needs at least about "
                         "one pixel per neutron number across and per proton number down")
                     .arg(o.width)
                     .arg(o.height));
        return kFailed;
    }
    PointOutWhatIsNotShown(o, state->table, state->CellSize, chart);
    PointOutUnshaded(o, *state);
    PointOutSmallLabels(o, state->CellSize);
    const CellColouring colouring = ColouringOf(o.colouring, state->table, state->extras);
    return Write(o,
                 Output(o, DrawnPicture{state->table, chart, colouring,
                                        Viewport::Picture(state->CellSize, o.width, o.height)}),
                 QString("a %1x%2 picture").arg(o.width).arg(o.height));
}

// A region, or the whole chart on paper: each cell as large as the output allows.
int RenderPart(const Options& o, ConsoleUserInterface& ui) {
    auto state = std::make_unique<ChartState>();
    const NuclideTable* table = &state->table;
    LoadFile(o.table.toStdString(), state->table, ui, &state->extras);
    ui.SummariseFailures();
    if (table->MaxZ <= 0 || table->MaxN <= 0) {
        Complain(NothingToDraw(o));
        return kFailed;
    }
    const Region region = o.region.value_or(WholeChart(*table));
    if (!HoldsNuclide(*table, region)) {
        Complain(QString("no nuclide of the table lies in the region of Z %1 to %2 and N %3 to %4")
                     .arg(region.zMin)
                     .arg(region.zMax)
                     .arg(region.nMin)
                     .arg(region.nMax));
        return kFailed;
    }
    PointOutUnshaded(o, *state);
    const CellColouring colouring = ColouringOf(o.colouring, state->table, state->extras);
    if (o.format == "pdf") {
        const Poster poster(o.page, region, o.overlays, {o.legend, o.title, o.colouring});
        if (poster.CellSize() == 0) {
            Complain("the chart does not fit the paper");
            return kFailed;
        }
        if (o.labels && !poster.FitsLabels())
            Complain(QString("--labels: cells of %1 mm are too small for labels, which need 4 mm; "
                             "a larger --paper or a --region makes them larger")
                         .arg(poster.CellMm(), 0, 'f', 1));
        const RecordedSurface chart =
            DrawWindow(*table, Viewport::OfRegion(region, poster.CellSize()), o.overlays,
                       poster.TwipsPerDot(), colouring);
        return Write(o, poster.Pdf(chart, *table, colouring, o.labels), "the PDF");
    }
    const std::int16_t cellSize = RegionCellSize(region, o.width, o.height);
    if (cellSize == 0) {
        Complain(QString("%1x%2 pixels are too small for %3 rows and %4 columns")
                     .arg(o.width)
                     .arg(o.height)
                     .arg(region.Rows())
                     .arg(region.Columns()));
        return kFailed;
    }
    PointOutSmallLabels(o, cellSize);
    const Viewport view = Viewport::OfRegion(region, cellSize);
    const RecordedSurface chart =
        DrawWindow(*table, view, o.overlays, 1440.0f / float(o.dpi), colouring);
    return Write(o, Output(o, DrawnPicture{*table, chart, colouring, view}),
                 QString("a %1x%2 picture").arg(chart.WidthPixels()).arg(chart.HeightPixels()));
}

}  // namespace

bool NeedsFonts(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") return false;
        if (arg == "--legend" || arg == "--title" || arg.starts_with("--title=") ||
            arg == "--labels" || arg == "pdf" || arg == "--format=pdf" ||
            QString::fromLocal8Bit(argv[i]).endsWith(".pdf", Qt::CaseInsensitive))
            return true;
    }
    return false;
}

int RenderCommand(const QStringList& arguments) {
    QString error;
    const std::optional<Options> o = ParseOptions(arguments, error);
    if (!o) {
        Complain(error);
        return kUsage;
    }

    // The window's loader calls anything but a regular file missing; here it can say more.
    if (const QFileInfo table(o->table); table.exists() && !table.isFile()) {
        Complain(o->table + (table.isDir() ? ": is a folder, not a table file"
                                           : ": is not a regular file, so not a table file"));
        return kFailed;
    }

    ConsoleUserInterface ui(o->ignoreRecordFailures);
    const int written = o->region || o->format == "pdf" ? RenderPart(*o, ui) : RenderFit(*o, ui);
    if (written != kSuccess) return written;
    return ui.Failures() > 0 ? kDrawnWithLoadFailures : kSuccess;
}

}  // namespace nuklorama::cli
