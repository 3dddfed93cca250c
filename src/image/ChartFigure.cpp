// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/ChartFigure.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <optional>

#include "base/Notation.h"
#include "chart/ChartLayout.h"
#include "chart/DecayPalette.h"
#include "chart/HalfLifeColour.h"
#include "chart/MassColours.h"
#include "chart/RecordedSurface.h"

namespace nuklorama {
namespace {

// Shipped by Debian's fonts-dejavu-core, with every character the figure writes.
constexpr QLatin1StringView kFontFamily("DejaVu Sans");
constexpr Colour kSwatchOutline = 0x808080;

// Each decade from a nanosecond to a billion years, in seconds, shown in the scale's grey.
constexpr double kYear = kSecondsPerYear;
constexpr double kDecades[] = {1e-9,  1e-6,  1e-3,        1,           3600,
                               86400, kYear, 1e3 * kYear, 1e6 * kYear, 1e9 * kYear};

// The step between numbers along an axis: the smallest of 1, 2, 5, 10, 20, 50 ... whose numbers
// stand room apart.
int NumberStep(int cellSize, double room) {
    for (int step = 1;; step *= 10)
        for (const int k : {1, 2, 5})
            if (k * step * double(cellSize) >= room || step >= 100000) return k * step;
}

}  // namespace

ChartFigure::ChartFigure(const Frame& frame) : font_(kFontFamily), titleFont_(kFontFamily) {
    const Viewport chart = frame.view.At(0, 0);
    const QString title = QString::fromStdString(frame.figure.title);
    const int chartWidth = chart.width, chartHeight = chart.height;
    const int f = frame.figure.fontPixels > 0
                      ? frame.figure.fontPixels
                      : std::clamp(std::min(chartWidth, chartHeight) / 45, 11, 40);
    font_.setPixelSize(f);
    titleFont_.setPixelSize(f * 4 / 3);
    titleFont_.setBold(true);
    const QFontMetricsF fm(font_), tm(titleFont_);
    const double line = std::ceil(fm.height() * 1.3);

    const double zLabels = fm.horizontalAdvance(QString::number(chart.Visible().lastZ + 1));
    const double titleHeight = title.isEmpty() ? 0 : std::ceil(tm.height() * 1.5);
    chart_ =
        chart.At(int(std::ceil(f + fm.horizontalAdvance(QLatin1Char('Z')) + f + zLabels + f / 2.0)),
                 int(std::ceil(f + titleHeight + 2 * line)));
    AddAxes();
    AddLegend(frame);

    int legendRight = 0, legendBottom = 0;
    for (const Swatch& s : swatches_)
        legendBottom = std::max(legendBottom, s.box.bottom() + 1);
    for (const Text& l : texts_)
        if (l.baseline.x() > chart_.left + chartWidth)
            legendRight = std::max(legendRight,
                                   int(std::ceil(l.baseline.x() + fm.horizontalAdvance(l.text))));
    size_ = QSize(std::max(chart_.left + chartWidth, legendRight) + f,
                  std::max(chart_.top + chartHeight, legendBottom) + f);
    if (!title.isEmpty()) {
        // Control characters (C0, DEL, C1) have no glyph: dropped alike from raster and SVG.
        QString printable = title;
        printable.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
        const QString shown = tm.elidedText(printable, Qt::ElideRight, size_.width() - 2.0 * f);
        texts_.push_back(
            {QPointF(size_.width() / 2.0, f + tm.ascent()), TextAnchor::Middle, shown, true});
    }
}

void ChartFigure::AddAxes() {
    const QFontMetricsF fm(font_);
    const double gap = font_.pixelSize() / 2.0, middle = (fm.ascent() - fm.descent()) / 2;
    const Viewport& v = chart_;
    const int c = std::max(v.cellSize, 1);
    const CellSpan shown = v.Visible();
    // Every step-th number whose cell's middle lies on the chart.
    const auto numbers = [c](std::int32_t first, std::int32_t last, int step, const auto& at,
                             long long start, long long end, const auto& add) {
        for (std::int32_t k = (std::max(first, 0) + step - 1) / step * step; k <= last; k += step)
            if (const double middle = double(at(k)) + c / 2.0; middle >= start && middle <= end)
                add(k, middle);
    };
    const int nStep = NumberStep(c, fm.horizontalAdvance(QString::number(shown.lastN)) + 2 * gap);
    numbers(
        shown.firstN, shown.lastN, nStep, [&v](std::int32_t n) { return v.Left(n); }, v.left,
        v.left + v.width,
        [&](int n, double x) {
            texts_.push_back({QPointF(x, v.top - gap), TextAnchor::Middle, QString::number(n)});
        });
    numbers(
        shown.firstZ, shown.lastZ, NumberStep(c, fm.height()),
        [&v](std::int32_t z) { return v.Top(z); }, v.top, v.top + v.height,
        [&](int z, double y) {
            texts_.push_back(
                {QPointF(v.left - gap, y + middle), TextAnchor::End, QString::number(z)});
        });
    texts_.push_back({QPointF(v.left + v.width / 2.0, v.top - gap - std::ceil(fm.height() * 1.3)),
                      TextAnchor::Middle, QStringLiteral("N")});
    texts_.push_back({QPointF(font_.pixelSize(), v.top + v.height / 2.0 + middle),
                      TextAnchor::Start, QStringLiteral("Z")});
}

void ChartFigure::AddLegend(const Frame& frame) {
    const Overlays& overlays = frame.overlays;
    const QFontMetricsF fm(font_);
    const int f = font_.pixelSize(), side = int(std::round(fm.ascent()));
    const double line = std::ceil(fm.height() * 1.3), middle = (fm.ascent() - fm.descent()) / 2;
    const int x = chart_.left + chart_.width + 2 * f;
    double top = chart_.top;
    const auto row = [&](const QString& text, std::optional<Colour> colour) {
        if (colour) {
            const QRect box(x, int(top + (line - side) / 2), side, side);
            swatches_.push_back({box.adjusted(-1, -1, 1, 1), kSwatchOutline});
            swatches_.push_back({box, *colour});
        }
        texts_.push_back({QPointF(colour ? x + side + f / 2.0 : x, top + line / 2 + middle),
                          TextAnchor::Start, text});
        top += line;
    };
    const auto quantity = QuantityShown(frame.colours);
    if (quantity && frame.quantities) {
        // The estimated mark's row follows the heading and the map's nine.
        AddMassLegend(*quantity, *frame.quantities, row, QPointF(x, top + line * 10));
    } else if (frame.colours == Colouring::Decay) {
        row(QCoreApplication::translate("ChartFigure", "衰变方式"), std::nullopt);
        for (int c = 0; c < kDecayClassCount; ++c)
            row(QString::fromStdString(DecayClassName(DecayClass(c))), DecayColour(DecayClass(c)));
        // A cell with a second mode of 5 % or more, drawn as the chart draws it: β⁻ and α.
        const QRect box(x, int(top + (line - side) / 2), side, side);
        row(QCoreApplication::translate("ChartFigure", "次要方式 ≥ 5 %"),
            DecayColour(DecayClass::BetaMinus));
        RecordedSurface corner(side, side, 15);
        DrawCellCorner(corner, std::int16_t(side), 0, 0, DecayColour(DecayClass::Alpha));
        for (const auto& [r, colour] : corner.Boxes())
            swatches_.push_back(
                {QRect(box.x() + r.left, box.y() + r.top, r.Width(), r.Height()), colour});
    } else {
        row(QCoreApplication::translate("ChartFigure", "半衰期"), std::nullopt);
        for (const double seconds : kDecades)
            row(QString::fromStdString(Duration(seconds, 1)), HalfLifeColour(seconds, "s"));
        row(QString::fromStdString(Say(Word::Stable)), kWhite);
        row(QString::fromStdString(Say(Word::Unknown)), kRed);
    }
    if (overlays.grid || overlays.periods || overlays.magic || overlays.drip) {
        top += line / 2;
        row(QCoreApplication::translate("ChartFigure", "色带"), std::nullopt);
    }
    if (overlays.grid) row(QStringLiteral("N, Z = 10, 20, …"), kGreen);
    if (overlays.periods) row(QCoreApplication::translate("ChartFigure", "闭合周期"), kYellow);
    if (overlays.magic) row(QCoreApplication::translate("ChartFigure", "幻数"), kBlue);
    if (overlays.drip)
        row(QCoreApplication::translate("ChartFigure", "滴线（虚线：估计）"), kBlack);
}

void ChartFigure::AddMassLegend(
    MassQuantity quantity, const MassQuantities& quantities,
    const std::function<void(const QString&, std::optional<Colour>)>& row, QPointF marked) {
    const Scale scale = InfoOf(quantity).scale;
    const ValueRange range = quantities.RangeOf(quantity);
    const ColourMap& map = scale == Scale::Diverging ? kDivergingMap : kSequentialMap;
    row(QCoreApplication::translate("ChartFigure", QuantityHeading(quantity).c_str()),
        std::nullopt);
    // The map's nine colours from high to low, each with its value; arrows where values lie
    // beyond the ends and take the end colour.
    for (int i = int(map.size()) - 1; i >= 0; --i) {
        const double t = double(i) / double(map.size() - 1);
        double value = range.low + t * (range.high - range.low);
        if (scale == Scale::Logarithmic) value = std::pow(10.0, value);
        QString text = QString::fromStdString(QuantityNumber(quantity, value));
        if (i == int(map.size()) - 1 && range.above) text = QString::fromUtf8("▲ ") + text;
        if (i == 0 && range.below) text = QString::fromUtf8("▼ ") + text;
        row(text, map[std::size_t(i)]);
    }
    // The estimated mark on the map's middle, as the chart draws it.
    const int side = int(std::round(QFontMetricsF(font_).ascent()));
    const double line = std::ceil(QFontMetricsF(font_).height() * 1.3);
    const QRect box(int(marked.x()), int(marked.y() + (line - side) / 2), side, side);
    row(QCoreApplication::translate("ChartFigure", "估计值"), map[map.size() / 2]);
    RecordedSurface mark(side, side, 15);
    DrawEstimateMark(mark, std::int16_t(side), 0, 0, map[map.size() / 2]);
    for (const auto& [r, colour] : mark.Boxes())
        swatches_.push_back(
            {QRect(box.x() + r.left, box.y() + r.top, r.Width(), r.Height()), colour});
    row(QCoreApplication::translate("ChartFigure", "无数据"), DecayColour(DecayClass::Unknown));
}

}  // namespace nuklorama
