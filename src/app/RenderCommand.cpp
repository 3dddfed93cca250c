// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RenderCommand.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <memory>
#include <optional>
#include <string_view>

#include "app/CliCommon.h"
#include "app/ConsoleUserInterface.h"
#include "chart/DrawCommand.h"
#include "chart/SvgSurface.h"
#include "image/ChartFigure.h"
#include "image/ChartFiles.h"
#include "image/ImageSurface.h"

namespace nuklorama::cli {
namespace {

// Large enough for a poster, small enough that the image always fits in memory.
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
};

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
    });
    parser.addPositionalArgument("TABLE", "The nuclide table, e.g. data/nuklorama.csv.");
    parser.addPositionalArgument("OUTPUT", "The image to write, ending in .png or .svg.");
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet("help")) parser.showHelp(kSuccess);

    Options o;
    const auto size = QRegularExpression("^(\\d{1,5})x(\\d{1,5})$").match(parser.value("size"));
    if (!size.hasMatch() || size.captured(1).toInt() < 1 || size.captured(2).toInt() < 1 ||
        size.captured(1).toInt() > kMaxSide || size.captured(2).toInt() > kMaxSide) {
        error = QString("--size takes WxH, each from 1 to %1 pixels").arg(kMaxSide);
        return std::nullopt;
    }
    o.width = size.captured(1).toInt();
    o.height = size.captured(2).toInt();

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

// The file's bytes: the chart alone, or the figure around it when a legend is asked for.
QByteArray Output(const Options& o, const Surface& surface, std::int16_t cellSize) {
    if (!o.legend) {
        return o.svg ? QByteArray::fromStdString(static_cast<const SvgSurface&>(surface).Document())
                     : PngBytes(static_cast<const ImageSurface&>(surface).AreaImage());
    }
    const ChartFigure figure(o.width, o.height, cellSize, o.overlays, o.title);
    if (!o.svg)
        return PngBytes(figure.Raster(static_cast<const ImageSurface&>(surface).AreaImage()));
    const std::string elements = static_cast<const SvgSurface&>(surface).Elements();
    return QByteArray::fromStdString(
        SvgDocument(figure.Size().width(), figure.Size().height(), figure.Svg(elements)));
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

    const float twipsPerPixel = 1440.0f / float(o->dpi);
    std::unique_ptr<Surface> surface;
    if (o->svg) {
        surface = std::make_unique<SvgSurface>(o->width, o->height, twipsPerPixel);
    } else {
        auto image = std::make_unique<ImageSurface>(o->width, o->height, twipsPerPixel);
        if (image->Image().isNull()) {
            Complain(QString("not enough memory for a %1x%2 image").arg(o->width).arg(o->height));
            return kFailed;
        }
        surface = std::move(image);
    }

    ConsoleUserInterface ui(o->ignoreRecordFailures);
    auto state = std::make_unique<ChartState>();
    const DrawResult result = PressDraw(o->table.toStdString(), *state, *surface, ui, o->overlays);
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

    const QString failure = WriteAtomically(o->output, Output(*o, *surface, state->CellSize));
    if (!failure.isEmpty()) {
        Complain(o->output + ": " + failure);
        return kFailed;
    }
    return ui.Failures() > 0 ? kDrawnWithLoadFailures : kSuccess;
}

}  // namespace nuklorama::cli
