// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RenderCommand.h"

#include <QCommandLineParser>
#include <memory>
#include <optional>
#include <string_view>

#include "app/CliCommon.h"
#include "app/ConsoleUserInterface.h"
#include "chart/DrawCommand.h"
#include "chart/RecordedSurface.h"
#include "image/ChartFigure.h"
#include "image/ChartFiles.h"
#include "image/Png.h"

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
    bool svg = false;
    bool legend = false;
    QString title;
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
    parser.setApplicationDescription("Draws a table's chart of nuclides to a PNG or SVG file.");
    parser.addHelpOption();
    parser.addOptions({
        {"size", "Chart area in pixels (default 1200x800).", "WxH", "1200x800"},
        {"dpi", "Dots per inch of the chart area (default 96).", "N", "96"},
        {"overlays", "Comma-separated grid, periods, magic, or none (default all).", "LIST",
         "grid,periods,magic"},
        {"on-error", "Answer to a failed record: abort (default) or ignore.", "abort|ignore",
         "abort"},
        {"legend", "Add axis numbers and a legend around the chart."},
        {"title", "Add a title line above the figure (implies --legend).", "TEXT"},
        {"colour", "Colour the cells by halflife (default) or decay mode.", "halflife|decay",
         "halflife"},
    });
    parser.addPositionalArgument("TABLE", "The nuclide table, e.g. data/nuklorama.csv.");
    parser.addPositionalArgument("OUTPUT", "The image to write, ending in .png or .svg.");
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet("help")) parser.showHelp(kSuccess);

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
    for (const QString& name : parser.value("overlays").split(',')) {
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
    o.svg = o.output.endsWith(".svg", Qt::CaseInsensitive);
    if (!o.svg && !o.output.endsWith(".png", Qt::CaseInsensitive)) {
        error = "OUTPUT must end in .png or .svg";
        return std::nullopt;
    }
    return o;
}

// The file's bytes: the chart alone, or the figure around it when a legend is asked for; empty
// when there is not enough memory for them.
QByteArray Output(const Options& o, const RecordedSurface& chart, std::int16_t cellSize) {
    if (!o.legend) {
        return o.svg ? QByteArray::fromStdString(SvgDocument(o.width, o.height, SvgElements(chart)))
                     : PngBytes(chart);
    }
    const ChartFigure figure(o.width, o.height, cellSize, o.overlays, o.title, o.colouring);
    if (!o.svg)
        return PngBytes(figure.Size(), [&](QPainter& painter) { figure.Paint(painter, chart); });
    return QByteArray::fromStdString(
        SvgDocument(figure.Size().width(), figure.Size().height(), figure.Svg(chart)));
}

}  // namespace

bool NeedsFonts(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") return false;
        if (arg == "--legend" || arg == "--title" || arg.starts_with("--title=")) return true;
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

    // The chart is kept as its boxes and written from them, whatever the output.
    RecordedSurface chart(o->width, o->height, 1440.0f / float(o->dpi));
    ConsoleUserInterface ui(o->ignoreRecordFailures);
    auto state = std::make_unique<ChartState>();
    const DrawResult result =
        PressDraw(o->table.toStdString(), *state, chart, ui, o->overlays, o->colouring);
    if (result == DrawResult::NothingToDraw) {
        Complain(o->table +
                 ": nothing to draw: no nuclide has a positive proton and neutron "
                 "number");
        return kFailed;
    }
    if (result == DrawResult::AreaTooSmall) {
        Complain(QString("%1x%2 pixels are too small for this table: it needs at least about "
                         "one pixel per neutron number across and per proton number down")
                     .arg(o->width)
                     .arg(o->height));
        return kFailed;
    }

    if (o->colouring == Colouring::Decay && !state->extras.Any())
        Complain(o->table + ": no record has decay modes (field 7): every cell is drawn unknown");
    const QByteArray bytes = Output(*o, chart, state->CellSize);
    if (bytes.isEmpty()) {
        Complain(QString("not enough memory for a %1x%2 picture").arg(o->width).arg(o->height));
        return kFailed;
    }
    const QString failure = WriteAtomically(o->output, bytes);
    if (!failure.isEmpty()) {
        Complain(o->output + ": " + failure);
        return kFailed;
    }
    return ui.Failures() > 0 ? kDrawnWithLoadFailures : kSuccess;
}

}  // namespace nuklorama::cli
