// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/ChartFigure.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <optional>

#include "chart/DecayPalette.h"
#include "chart/HalfLifeColour.h"
#include "image/ChartFiles.h"
#include "image/ImageSurface.h"

namespace nuklorama {
namespace {

// Shipped by Debian's fonts-dejavu-core, with every character the figure writes.
constexpr const char* kFontFamily = "DejaVu Sans";
constexpr Colour kSwatchOutline = 0x808080;

// The grey of each decade from a nanosecond to a billion years, as the scale draws it.
struct Decade {
    const char* label;
    double value;
    const char* unit;
};
constexpr Decade kDecades[] = {
    {"1 ns", 1, "ns"},  {"1 µs", 1, "us"},  {"1 ms", 1, "ms"}, {"1 s", 1, "s"},
    {"1 h", 1, "h"},    {"1 d", 1, "d"},    {"1 y", 1, "y"},   {"1 ky", 1e3, "y"},
    {"1 My", 1e6, "y"}, {"1 Gy", 1e9, "y"},
};

// Every tenth number, or every twentieth, fiftieth... when the labels would crowd.
int LabelStep(int cellSize, double room) {
    static constexpr int kSteps[] = {10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000};
    for (const int step : kSteps)
        if (step * double(cellSize) >= room) return step;
    return kSteps[std::size(kSteps) - 1];
}

// Text for XML: escaped, with the characters XML cannot hold left out.
std::string XmlText(const QString& text) {
    std::string out;
    for (const char c : text.toStdString()) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20) out += c;
        }
    }
    return out;
}

std::string SvgColour(Colour c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", RedOf(c), GreenOf(c), BlueOf(c));
    return text;
}

std::string SvgRect(const QRect& r, Colour c) {
    return "<rect x=\"" + std::to_string(r.x()) + "\" y=\"" + std::to_string(r.y()) +
           "\" width=\"" + std::to_string(r.width()) + "\" height=\"" + std::to_string(r.height()) +
           "\" fill=\"" + SvgColour(c) + "\"/>\n";
}

std::string Number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", v);
    return text;
}

}  // namespace

ChartFigure::ChartFigure(const Viewport& chart, const Overlays& overlays, const QString& title,
                         const Options& options)
    : font_(kFontFamily), titleFont_(kFontFamily) {
    const int chartWidth = chart.width, chartHeight = chart.height;
    const int f = options.fontPixels > 0
                      ? options.fontPixels
                      : std::clamp(std::min(chartWidth, chartHeight) / 45, 11, 40);
    font_.setPixelSize(f);
    titleFont_.setPixelSize(f * 4 / 3);
    titleFont_.setBold(true);
    const QFontMetricsF fm(font_), tm(titleFont_);
    const double line = std::ceil(fm.height() * 1.3);

    const double zLabels = fm.horizontalAdvance(QString::number(chart.Visible().lastZ + 1));
    const double titleHeight = title.isEmpty() ? 0 : std::ceil(tm.height() * 1.5);
    origin_ = QPoint(int(std::ceil(f + fm.horizontalAdvance("Z") + f + zLabels + f / 2.0)),
                     int(std::ceil(f + titleHeight + 2 * line)));
    chart_ = chart.At(origin_.x(), origin_.y());
    AddAxes();
    AddLegend(chartWidth, overlays, options.colouring);

    int legendRight = 0, legendBottom = 0;
    for (const Swatch& s : swatches_)
        legendBottom = std::max(legendBottom, s.box.bottom() + 1);
    for (const Label& l : labels_)
        if (l.baseline.x() > origin_.x() + chartWidth)
            legendRight = std::max(legendRight,
                                   int(std::ceil(l.baseline.x() + fm.horizontalAdvance(l.text))));
    size_ = QSize(std::max(origin_.x() + chartWidth, legendRight) + f,
                  std::max(origin_.y() + chartHeight, legendBottom) + f);
    if (!title.isEmpty()) {
        // Control characters (C0, DEL, C1) have no glyph: dropped alike from raster and SVG.
        QString printable = title;
        printable.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
        const QString shown = tm.elidedText(printable, Qt::ElideRight, size_.width() - 2.0 * f);
        labels_.push_back(
            {QPointF(size_.width() / 2.0, f + tm.ascent()), Anchor::Middle, shown, true});
    }
}

void ChartFigure::AddAxes() {
    const QFontMetricsF fm(font_);
    const double gap = font_.pixelSize() / 2.0, middle = (fm.ascent() - fm.descent()) / 2;
    const Viewport& v = chart_;
    const int c = std::max(v.cellSize, 1), chartWidth = v.width, chartHeight = v.height;
    const CellSpan shown = v.Visible();
    // Every step-th number whose cell's middle lies on the chart.
    const auto numbers = [c](std::int32_t first, std::int32_t last, int step, long long start,
                             const auto& position, const auto& add) {
        for (std::int32_t k = (std::max(first, 0) + step - 1) / step * step; k <= last; k += step)
            if (position(k) + c / 2.0 >= start) add(k);
    };
    const int nStep = LabelStep(c, fm.horizontalAdvance(QString::number(shown.lastN + 1)) + gap);
    const auto left = [&v](std::int32_t n) { return v.Left(n); };
    const auto top = [&v](std::int32_t z) { return v.Top(z); };
    numbers(shown.firstN, shown.lastN, nStep, v.left, left, [&](int n) {
        labels_.push_back({QPointF(double(v.Left(n)) + c / 2.0, v.top - gap), Anchor::Middle,
                           QString::number(n)});
    });
    numbers(shown.firstZ, shown.lastZ, LabelStep(c, fm.height()), v.top, top, [&](int z) {
        labels_.push_back({QPointF(v.left - gap, double(v.Top(z)) + c / 2.0 + middle), Anchor::End,
                           QString::number(z)});
    });
    labels_.push_back(
        {QPointF(origin_.x() + chartWidth / 2.0, origin_.y() - gap - std::ceil(fm.height() * 1.3)),
         Anchor::Middle, "N"});
    labels_.push_back(
        {QPointF(font_.pixelSize(), origin_.y() + chartHeight / 2.0 + middle), Anchor::Start, "Z"});
}

void ChartFigure::AddLegend(int chartWidth, const Overlays& overlays, Colouring colouring) {
    const QFontMetricsF fm(font_);
    const int f = font_.pixelSize(), side = int(std::round(fm.ascent()));
    const double line = std::ceil(fm.height() * 1.3), middle = (fm.ascent() - fm.descent()) / 2;
    const int x = origin_.x() + chartWidth + 2 * f;
    double top = origin_.y();
    const auto row = [&](const QString& text, std::optional<Colour> colour) {
        if (colour) {
            const QRect box(x, int(top + (line - side) / 2), side, side);
            swatches_.push_back({box.adjusted(-1, -1, 1, 1), kSwatchOutline});
            swatches_.push_back({box, *colour});
        }
        labels_.push_back({QPointF(colour ? x + side + f / 2.0 : x, top + line / 2 + middle),
                           Anchor::Start, text});
        top += line;
    };
    if (colouring == Colouring::Decay) {
        row("decay mode", std::nullopt);
        for (int c = 0; c < kDecayClassCount; ++c)
            row(QString::fromStdString(DecayClassName(DecayClass(c))), DecayColour(DecayClass(c)));
        // A cell with a second mode of 5 % or more, drawn as the chart draws it: β⁻ and α.
        const QRect box(x, int(top + (line - side) / 2), side, side);
        row(QString::fromUtf8("second mode ≥ 5 %"), DecayColour(DecayClass::BetaMinus));
        for (int j = 1; j < side; ++j)
            swatches_.push_back(
                {QRect(box.x() + side - j, box.y() + j, j, 1), DecayColour(DecayClass::Alpha)});
    } else {
        row("half-life", std::nullopt);
        for (const Decade& d : kDecades)
            row(QString::fromUtf8(d.label), HalfLifeColour(d.value, d.unit));
        row("stable", kWhite);
        row("unknown", kRed);
    }
    if (overlays.grid || overlays.periods || overlays.magic) {
        top += line / 2;
        row("bands", std::nullopt);
    }
    if (overlays.grid) row(QString::fromUtf8("N, Z = 10, 20, …"), kGreen);
    if (overlays.periods) row("closed periods", kYellow);
    if (overlays.magic) row("magic numbers", kBlue);
}

void ChartFigure::Paint(QPainter& painter, const RecordedSurface& chart) const {
    // Painted a band of rows at a time: what lies wholly outside the band is left out.
    const QRect clip =
        painter.hasClipping() ? painter.clipBoundingRect().toAlignedRect() : QRect(QPoint(), size_);
    const auto paintRect = [&](const QRect& r, Colour colour) {
        if (r.intersects(clip)) painter.fillRect(r, QColor(ToQRgb(colour)));
    };
    painter.fillRect(clip, Qt::white);
    PaintChart(painter, chart, origin_);
    for (const Swatch& s : swatches_)
        paintRect(s.box, s.colour);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    for (const Label& l : labels_) {
        const QFont& font = l.title ? titleFont_ : font_;
        const QFontMetricsF metrics(font);
        if (l.baseline.y() + metrics.descent() < clip.top() ||
            l.baseline.y() - metrics.ascent() > clip.bottom() + 1)
            continue;
        painter.setFont(font);
        const double width = metrics.horizontalAdvance(l.text);
        const double shift = l.anchor == Anchor::Start    ? 0
                             : l.anchor == Anchor::Middle ? width / 2
                                                          : width;
        painter.drawText(QPointF(l.baseline.x() - shift, l.baseline.y()), l.text);
    }
}

std::string ChartFigure::Svg(const RecordedSurface& chart) const {
    std::string svg = SvgRect(QRect(QPoint(), size_), kWhite);
    svg += "<g transform=\"translate(" + std::to_string(origin_.x()) + "," +
           std::to_string(origin_.y()) + ")\">\n" + SvgElements(chart) + "</g>\n";
    for (const Swatch& s : swatches_)
        svg += SvgRect(s.box, s.colour);
    for (const Label& l : labels_) {
        const QFont& font = l.title ? titleFont_ : font_;
        const char* anchor = l.anchor == Anchor::Start    ? "start"
                             : l.anchor == Anchor::Middle ? "middle"
                                                          : "end";
        svg += "<text x=\"" + Number(l.baseline.x()) + "\" y=\"" + Number(l.baseline.y()) +
               "\" font-family=\"" + kFontFamily + ", sans-serif\" font-size=\"" +
               std::to_string(font.pixelSize()) + "\"" + (l.title ? " font-weight=\"bold\"" : "") +
               " text-anchor=\"" + anchor + "\">" + XmlText(l.text) + "</text>\n";
    }
    return svg;
}

}  // namespace nuklorama
