// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RenderOptions.h"

#include <QCommandLineParser>
#include <vector>

#include "app/CliCommon.h"

namespace nuklorama::cli {
namespace {

// A pixel must stay at least one twip: the cell arithmetic counts whole twips per pixel.
constexpr int kMaxDpi = 1440;

// The outputs an option is meant for.
enum class Output { Any, Picture, Pdf };

// One option of render: what --help says of it, its default, which outputs it is for, whether it
// asks for fonts, and how its value is read into the options (the complaint when it does not
// read, else empty). A value named as choices, a|b|c, must be one of them.
struct Option {
    const char* name;
    QString help;
    const char* valueName = nullptr;  // none for a switch
    const char* byDefault = nullptr;  // read when the option is not given
    QString (*apply)(const QString& value, RenderOptions& o);
    Output output = Output::Any;
    bool needsFonts = false;
};

// One side of --size in pixels: plain digits up to the largest side, else 0.
int Side(const QString& text) {
    if (text.isEmpty() || text.size() > 5) return 0;
    for (const QChar c : text)
        if (c < '0' || c > '9') return 0;
    const int pixels = text.toInt();
    return pixels <= kMaxSide ? pixels : 0;
}

QString ApplySize(const QString& value, RenderOptions& o) {
    const QStringList size = value.split('x');
    o.width = size.size() == 2 ? Side(size[0]) : 0;
    o.height = size.size() == 2 ? Side(size[1]) : 0;
    if (o.width < 1 || o.height < 1)
        return QString("--size takes WxH, each from 1 to %1 pixels").arg(kMaxSide);
    return {};
}

QString ApplyDpi(const QString& value, RenderOptions& o) {
    bool ok = false;
    o.dpi = value.toInt(&ok);
    if (!ok || o.dpi < 1 || o.dpi > kMaxDpi)
        return QString("--dpi takes a whole number from 1 to %1").arg(kMaxDpi);
    return {};
}

QString ApplyOverlays(const QString& value, RenderOptions& o) {
    o.overlays = {false, false, false};
    for (const QString& listed : value.split(',')) {
        const QString name = listed.trimmed();
        if (name == "grid") {
            o.overlays.grid = true;
        } else if (name == "periods") {
            o.overlays.periods = true;
        } else if (name == "magic") {
            o.overlays.magic = true;
        } else if (name == "drip") {
            o.overlays.drip = true;
        } else if (name != "none") {
            return "--overlays takes grid, periods, magic, drip or none, not \"" + name + "\"";
        }
    }
    return {};
}

QString ApplyOnError(const QString& value, RenderOptions& o) {
    o.ignoreRecordFailures = value == "ignore";
    return {};
}

QString ApplyLegend(const QString&, RenderOptions& o) {
    o.legend = true;
    return {};
}

QString ApplyTitle(const QString& title, RenderOptions& o) {
    o.title = title;
    o.legend = true;
    return {};
}

QString ApplyLabels(const QString&, RenderOptions& o) {
    o.labels = true;
    return {};
}

QString ApplyFormat(const QString& value, RenderOptions& o) {
    o.format = value;
    return {};
}

QString ApplyPaper(const QString& value, RenderOptions& o) {
    const auto paper = PaperNamed(value);
    if (!paper) return "--paper takes A4, A3, A2, A1, A0, letter or legal";
    o.page.paper = *paper;
    return {};
}

QString ApplyOrientation(const QString& value, RenderOptions& o) {
    o.page.landscape = value == "landscape";
    return {};
}

QString ApplyRegion(const QString& value, RenderOptions& o) {
    o.region = ParseRegion(value.toStdString());
    if (!o.region)
        return QString(
                   "--region takes ZMIN:ZMAX,NMIN:NMAX, whole numbers up to %1, each first no "
                   "larger than last")
            .arg(kMaxRegionNumber);
    return {};
}

QString ApplyColour(const QString& value, RenderOptions& o) {
    o.colouring = ColouringNamed(value.toStdString()).value_or(Colouring::HalfLife);
    return {};
}

// halflife|decay|binding-energy|…, every view --colour names.
const char* ColourNames() {
    static const std::string names = [] {
        std::string all = "halflife|decay";
        for (const MassQuantity q : AllMassQuantities())
            all += "|" + std::string(InfoOf(q).name);
        return all;
    }();
    return names.c_str();
}

QString ApplyChain(const QString& value, RenderOptions& o) {
    o.chain = value;
    return value.trimmed().isEmpty() ? "--chain takes a nuclide, such as U-238 or Tc-99m" : "";
}

// In the order --help lists them.
const std::vector<Option>& Options() {
    static const std::vector<Option> kOptions{
        {"size",
         QString("Chart area in pixels, each side 1 to %1 (default 1200x800).").arg(kMaxSide),
         "WxH", "1200x800", ApplySize, Output::Picture},
        {"dpi", "Dots per inch of the chart area (default 96).", "N", "96", ApplyDpi},
        {"overlays",
         "Comma-separated grid, periods, magic, drip (the drip lines), or none (default "
         "grid,periods,magic).",
         "LIST", "grid,periods,magic", ApplyOverlays},
        {"on-error", "Answer to a failed record: abort (default) or ignore.", "abort|ignore",
         "abort", ApplyOnError},
        {"legend", "Add axis numbers and a legend around the chart.", nullptr, nullptr, ApplyLegend,
         Output::Any, true},
        {"title", "Add a title line above the figure (implies --legend).", "TEXT", nullptr,
         ApplyTitle, Output::Any, true},
        {"format",
         "png, svg or pdf; needed when OUTPUT is - (standard output), else by its ending.",
         "png|svg|pdf", nullptr, ApplyFormat},
        {"paper", "Paper of a PDF: A4 (default), A3, A2, A1, A0, letter or legal.", "NAME", nullptr,
         ApplyPaper, Output::Pdf},
        {"orientation", "Of a PDF's page (default: the one with the larger cells).",
         "landscape|portrait", nullptr, ApplyOrientation, Output::Pdf},
        {"labels", "Write each nuclide's mass number and symbol, and half-life, in its cell.",
         nullptr, nullptr, ApplyLabels, Output::Any, true},
        {"region", "Draw only rows ZMIN to ZMAX and columns NMIN to NMAX, fitted to the output.",
         "ZMIN:ZMAX,NMIN:NMAX", nullptr, ApplyRegion},
        {"colour",
         "Colour the cells by halflife (default), decay mode or a quantity of the masses; "
         "estimated values are marked with a dot.",
         ColourNames(), "halflife", ApplyColour},
        {"chain",
         "Draw the decay chain of NUCLIDE over the chart: its members outlined, arrows to their "
         "daughters, estimated branches dashed, probabilities in the labels.",
         "NUCLIDE", nullptr, ApplyChain},
    };
    return kOptions;
}

// The format named by --format, else by OUTPUT's ending.
QString ApplyOutputFormat(RenderOptions& o) {
    if (!o.format.isEmpty()) return {};
    for (const char* ending : {"png", "svg", "pdf"})
        if (o.output.endsWith(QString(".") + ending, Qt::CaseInsensitive)) o.format = ending;
    if (!o.format.isEmpty()) return {};
    return o.output == kStandardOutput ? "standard output (-) needs --format png, svg or pdf"
                                       : "OUTPUT must end in .png, .svg or .pdf, or take --format";
}

}  // namespace

std::optional<RenderOptions> ParseRenderOptions(const QStringList& arguments, QString& error) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Draws a table's chart of nuclides to a PNG or SVG file, or a PDF page.");
    AddHelpOption(parser);
    AddOptions(parser, Options());
    parser.addPositionalArgument("TABLE", "The nuclide table, e.g. data/nuklorama.csv.");
    parser.addPositionalArgument("OUTPUT",
                                 "The file to write, ending in .png, .svg or .pdf, or -.");
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet("help")) ShowHelp(parser, "nuklorama-cli render");

    RenderOptions o;
    error = ApplyOptions(parser, Options(), o);
    if (!error.isEmpty()) return std::nullopt;
    if (parser.positionalArguments().size() != 2) {
        error = "render takes TABLE and OUTPUT; see render --help";
        return std::nullopt;
    }
    o.table = parser.positionalArguments().at(0);
    o.output = parser.positionalArguments().at(1);
    error = ApplyOutputFormat(o);
    if (!error.isEmpty()) return std::nullopt;

    const bool pdf = o.format == "pdf";
    for (const Option& option : Options()) {
        if (!parser.isSet(option.name)) continue;
        if (option.output == Output::Picture && pdf)
            error = "--size sizes a PNG or SVG; a PDF takes --paper";
        else if (option.output == Output::Pdf && !pdf)
            error = "--paper and --orientation are for a PDF; a PNG or SVG takes --size";
        if (!error.isEmpty()) return std::nullopt;
    }
    return o;
}

bool NeedsFonts(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == "--") return false;
        if (arg == "pdf" || arg == "--format=pdf" || arg.endsWith(".pdf", Qt::CaseInsensitive))
            return true;
        for (const Option& option : Options()) {
            const QString name = QString("--") + option.name;
            if (option.needsFonts && (arg == name || arg.startsWith(name + "="))) return true;
        }
    }
    return false;
}

}  // namespace nuklorama::cli
