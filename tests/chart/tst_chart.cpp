// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPainter>
#include <QTest>
#include <cmath>
#include <optional>

#include "chart/CellLabel.h"
#include "chart/ChartLayout.h"
#include "chart/ChartNotes.h"
#include "chart/DecayModes.h"
#include "chart/DecayPalette.h"
#include "chart/DrawCommand.h"
#include "chart/DrawnChart.h"
#include "chart/DripLines.h"
#include "chart/FindNuclide.h"
#include "chart/HalfLifeColour.h"
#include "chart/LabelPlan.h"
#include "chart/MassColours.h"
#include "chart/NuclideFacts.h"
#include "chart/RecordedSurface.h"
#include "chart/Region.h"
#include "chart/Viewport.h"
#include "image/FrameRenderer.h"
#include "image/ImageSurface.h"
#include "image/Png.h"
#include "support/PixelCheck.h"
#include "support/TestFiles.h"

using namespace nuklorama;

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(nuklorama::DecayClass)
Q_DECLARE_METATYPE(std::optional<nuklorama::DecayClass>)
Q_DECLARE_METATYPE(nuklorama::Viewport)
Q_DECLARE_METATYPE(nuklorama::CellSpan)

namespace {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

Vector Times(const Matrix& m, const Vector& v) {
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2],
            m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

// CIELAB (D65) of a colour as an eye with the given matrix sees it, in linear RGB.
Vector Lab(Colour c, const Matrix& vision) {
    Vector rgb{RedOf(c) / 255.0, GreenOf(c) / 255.0, BlueOf(c) / 255.0};
    for (double& x : rgb)
        x = x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    Vector seen = Times(vision, rgb);
    for (double& x : seen)
        x = std::clamp(x, 0.0, 1.0);
    Vector f = Times({{{0.4124564 / 0.95047, 0.3575761 / 0.95047, 0.1804375 / 0.95047},
                       {0.2126729, 0.7151522, 0.0721750},
                       {0.0193339 / 1.08883, 0.1191920 / 1.08883, 0.9503041 / 1.08883}}},
                     seen);
    for (double& t : f)
        t = t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

// CIEDE2000 as Sharma, Wu and Dalal give it, angles in degrees.
double Ciede2000(const Vector& x, const Vector& y) {
    const double deg = std::acos(-1.0) / 180;
    const auto r7 = [](double c) {
        return std::sqrt(std::pow(c, 7) / (std::pow(c, 7) + 6103515625.0));
    };
    const double g = 0.5 * (1 - r7((std::hypot(x[1], x[2]) + std::hypot(y[1], y[2])) / 2));
    const double c1 = std::hypot((1 + g) * x[1], x[2]), c2 = std::hypot((1 + g) * y[1], y[2]);
    const auto hue = [&](const Vector& v) {
        return c1 * c2 == 0 ? 0 : std::fmod(std::atan2(v[2], (1 + g) * v[1]) / deg + 360, 360);
    };
    const double h1 = hue(x), h2 = hue(y), c = (c1 + c2) / 2, l = (x[0] + y[0]) / 2 - 50;
    const double dh = h2 - h1 + (h2 - h1 > 180 ? -360 : h2 - h1 < -180 ? 360 : 0);
    const double h = (h1 + h2 + (std::abs(h1 - h2) > 180 ? (h1 + h2 < 360 ? 360 : -360) : 0)) / 2;
    const double t = 1 - 0.17 * std::cos((h - 30) * deg) + 0.24 * std::cos(2 * h * deg) +
                     0.32 * std::cos((3 * h + 6) * deg) - 0.20 * std::cos((4 * h - 63) * deg);
    const double dL = (y[0] - x[0]) / (1 + 0.015 * l * l / std::sqrt(20 + l * l));
    const double dC = (c2 - c1) / (1 + 0.045 * c);
    const double dH = 2 * std::sqrt(c1 * c2) * std::sin(dh / 2 * deg) / (1 + 0.015 * c * t);
    const double rt = -2 * r7(c) * std::sin(60 * std::exp(-std::pow((h - 275) / 25, 2)) * deg);
    return std::sqrt(dL * dL + dC * dC + dH * dH + rt * dC * dH);
}

// Normal vision, then protanopia, deuteranopia and tritanopia as Machado, Oliveira and Fernandes
// (2009) simulate them at severity 1.
const Matrix visions[] = {{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}},
                          {{{0.152286, 1.052583, -0.204868},
                            {0.114503, 0.786281, 0.099216},
                            {-0.003882, -0.048116, 1.051998}}},
                          {{{0.367322, 0.860646, -0.227968},
                            {0.280085, 0.672501, 0.047413},
                            {-0.011820, 0.042940, 0.968881}}},
                          {{{1.255528, -0.076749, -0.178779},
                            {-0.078411, 0.930809, 0.147602},
                            {0.004733, 0.691367, 0.303900}}}};

}  // namespace

class TestChart : public QObject {
    Q_OBJECT
    static constexpr Colour Grey(int g) { return g * 65793; }

private slots:
    void init() {
        s_.emplace();
        state_ = ChartState();
        area_ = ImageSurface(200, 120, 15);
    }

    void cleanup() { s_.reset(); }

    void decayPaletteStaysApartForEveryEye() {
        // Two pairs of Sharma, Wu and Dalal's test data keep the formula honest.
        QCOMPARE(std::round(Ciede2000({50, 2.6772, -79.7751}, {50, 0, -82.7485}) * 1e4), 20425.0);
        QCOMPARE(std::round(Ciede2000({50, 2.5, 0}, {73, 25, -18}) * 1e4), 271492.0);
        std::vector<Colour> colours(kDecayPalette.begin(), kDecayPalette.end());
        colours.push_back(kBackground);
        for (const Matrix& m : visions)
            for (std::size_t i = 0; i < colours.size(); ++i)
                for (std::size_t j = 0; j < i; ++j)
                    QVERIFY2(Ciede2000(Lab(colours[i], m), Lab(colours[j], m)) >= 10,
                             qPrintable(QString("colours %1 and %2").arg(i).arg(j)));
        // The selection's frame stands apart from every colour a chart can show.
        colours.insert(colours.end(), {kWhite, kRed, kGreen, kYellow, kBlue});
        for (int g = 0; g < 256; ++g)
            colours.push_back(Grey(g));
        for (const Matrix& m : visions)
            for (const Colour c : colours)
                for (const Colour ring : {kSelectionColour, kSelectionInnerColour})
                    QVERIFY2(Ciede2000(Lab(ring, m), Lab(c, m)) >= 10,
                             qPrintable(QString::number(c, 16)));
    }

    void colourMapsKeepTheirOrderForEveryEye() {
        for (const ColourMap* map : {&kSequentialMap, &kDivergingMap}) {
            const bool diverging = map == &kDivergingMap;
            // Lighter from low to high, or from either end towards the centre, in fine steps.
            for (int i = 1; i <= 64; ++i) {
                const bool falling = diverging && i > 32;
                const double before = Lab(MapColour(*map, (i - 1) / 64.0), visions[0])[0];
                const double after = Lab(MapColour(*map, i / 64.0), visions[0])[0];
                QVERIFY2(falling ? after < before : after > before, qPrintable(QString::number(i)));
            }
            for (const Matrix& m : visions)
                for (int i = 1; i <= 8; ++i)
                    QVERIFY(Ciede2000(Lab(MapColour(*map, (i - 1) / 8.0), m),
                                      Lab(MapColour(*map, i / 8.0), m)) >= 3);
        }
    }

    void massQuantities_data() {
        QTest::addColumn<int>("z");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<double>("value");  // NaN where not available
        QTest::addColumn<double>("tolerance");
        QTest::addColumn<double>("uncertainty");  // NaN where not checked
        QTest::addColumn<bool>("estimated");
        const double none = std::nan("");
        // Worked by hand from NUBASE2020's mass excesses.
        QTest::newRow("Sn 2H") << 1 << 1 << "sn" << 2224.566 << 5e-4 << none << false;
        QTest::newRow("Qb- 3H") << 1 << 2 << "q-beta-minus" << 18.592 << 5e-4 << none << false;
        QTest::newRow("QEC 7Be") << 4 << 3 << "q-ec" << 861.9 << 0.05 << none << false;
        QTest::newRow("Qa 8Be") << 4 << 4 << "q-alpha" << 91.8 << 0.05 << none << false;
        QTest::newRow("B/A 4He") << 2 << 2 << "binding-energy" << 7073.9 << 0.05 << none << false;
        QTest::newRow("Sn 208Pb") << 82 << 126 << "sn" << 7368.0 << 0.5 << 1.556 << false;
        QTest::newRow("shell gap 208Pb")
            << 82 << 126 << "shell-gap-n" << 4983.1 << 1e-6 << 2.830 << false;
        QTest::newRow("pairing N even")
            << 50 << 70 << "pairing-n" << 1466.9 << 1e-6 << 1.087 << false;
        QTest::newRow("pairing N odd")
            << 50 << 69 << "pairing-n" << 1310.25 << 1e-6 << 0.869 << false;
        QTest::newRow("from 3Li's estimate")
            << 3 << 1 << "sn" << 11421.3181 << 1e-6 << 2010.995 << true;
        QTest::newRow("no 1H with N -1") << 1 << 0 << "sn" << none << 0.0 << none << false;
        QTest::newRow("12C exact") << 6 << 6 << "mass-uncertainty" << 0.0 << 0.0 << none << false;
        QTest::newRow("180mTa's") << 73 << 107 << "abundance" << 0.01201 << 0.0 << none << false;
        QTest::newRow("found") << 82 << 126 << "discovery-year" << 1927.0 << 0.0 << none << false;
    }

    void massQuantities() {
        QFETCH(int, z);
        QFETCH(int, n);
        QFETCH(QString, quantity);
        QFETCH(double, value);
        QFETCH(double, tolerance);
        QFETCH(double, uncertainty);
        QFETCH(bool, estimated);
        LoadFile(NUKLORAMA_SOURCE_DIR "/data/nuklorama.csv", state_.table, s_->ui, &state_.extras);
        const MassQuantities all(state_.table, state_.extras);
        const MassQuantity q = QuantityNamed(quantity.toStdString()).value();
        int record = 1, largest = 1;
        for (int r = 1; r <= state_.table.NuclideCount; ++r) {
            if (state_.table.ProtonNumber[r] == z && state_.table.NeutronNumber[r] == n) record = r;
            if (all.Of(r, q) && all.Of(r, q)->value > all.Of(largest, q).value_or(Measured{}).value)
                largest = r;
        }
        const std::optional<Measured>& got = all.Of(record, q);
        QCOMPARE(got.has_value(), !std::isnan(value));
        if (!got) {
            QCOMPARE(MassColour(all, record, q), DecayColour(DecayClass::Unknown));
            return;
        }
        QVERIFY2(std::abs(got->value - value) <= tolerance,
                 qPrintable(QString::number(got->value)));
        if (!std::isnan(uncertainty))
            QCOMPARE(std::round(got->uncertainty * 1e3), uncertainty * 1e3);
        QCOMPARE(got->estimated, estimated);
        if (q == MassQuantity::BindingEnergy) {
            // ⁶²Ni binds its nucleons best, far beyond the map's range.
            QCOMPARE(
                state_.table.ProtonNumber[largest] * 1000 + state_.table.NeutronNumber[largest],
                28034);
            QCOMPARE(MassColour(all, largest, q), kSequentialMap.back());
        }
        if (q == MassQuantity::MassUncertainty)
            QCOMPARE(MassColour(all, record, q), kSequentialMap.front());
        const ValueRange range = all.RangeOf(q);
        if (InfoOf(q).scale == Scale::Diverging) QCOMPARE(range.low, -range.high);
    }

    // A press in a mass view: the cell in its map's colour, the estimated mark in its lower-right
    // corner, n/a in the decay view's grey, and the tool tip saying the value first.
    void massViews_data() {
        QTest::addColumn<QString>("view");
        QTest::addColumn<int>("z");
        QTest::addColumn<int>("n");
        QTest::addColumn<Colour>("fill");  // -1: the map's colour for the value
        QTest::addColumn<bool>("marked");
        QTest::addColumn<QString>("fact");
        const Colour grey = DecayColour(DecayClass::Unknown);
        QTest::newRow("208Pb") << "sn" << 82 << 126 << -1 << false << "S_n = 7.368 ± 0.002 MeV";
        QTest::newRow("from 3Li's estimate")
            << "sn" << 3 << 1 << -1 << true << "S_n = 11.421 ± 2.011 MeV（估计）";
        QTest::newRow("no 1H with N -1") << "sn" << 1 << 0 << grey << false << "S_n 无数据";
        QTest::newRow("62Ni beyond the range")
            << "binding-energy" << 28 << 34 << kSequentialMap.back() << false
            << "B/A = 8.795 ± 0.000 MeV";
        QTest::newRow("not in nature")
            << "abundance" << 82 << 127 << grey << false << "天然丰度 无数据";
    }

    void massViews() {
        QFETCH(QString, view);
        QFETCH(int, z);
        QFETCH(int, n);
        QFETCH(Colour, fill);
        QFETCH(bool, marked);
        QFETCH(QString, fact);
        const Colouring colouring = ColouringNamed(view.toStdString()).value();
        area_ = ImageSurface(2600, 1800, 15);
        PressDraw(NUKLORAMA_SOURCE_DIR "/data/nuklorama.csv", state_, area_, s_->ui, {}, colouring);
        const int c = state_.CellSize, record = CellIndex(state_.table).At(z, n);
        if (fill == -1) fill = MassColour(*state_.quantities, record, *QuantityShown(colouring));
        const QImage image = area_.AreaImage();
        QCOMPARE(image.pixel(n * c + 1, z * c + 1), ToQRgb(fill));
        const int mark = c - 1 - c / 10;
        QCOMPARE(image.pixel(n * c + mark, z * c + mark) != ToQRgb(fill), marked);
        DrawnChart drawn;
        drawn.table = std::make_shared<const NuclideTable>(state_.table);
        drawn.cellSize = state_.CellSize;
        drawn.widthPixels = area_.WidthPixels();
        drawn.heightPixels = area_.HeightPixels();
        drawn.extras = std::make_shared<const ExtraFieldTable>(state_.extras);
        drawn.colouring = colouring;
        drawn.quantities = state_.quantities;
        QCOMPARE(
            QString::fromStdString(DescribeCell(drawn, n * c + 1, z * c + 1)).section('\n', 0, 0),
            fact);
    }

    // From the shipped table's masses: oxygen's neutrons drip after ²⁴O, the eighth neutron's
    // protons after ¹⁸Ne; drawn over the cells along the edge after them.
    void dripLines_data() {
        QTest::addColumn<bool>("neutronSide");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("after");
        QTest::addColumn<bool>("estimated");
        QTest::newRow("oxygen") << true << 8 << 16 << false;
        QTest::newRow("helium, before 5He") << true << 2 << 2 << false;
        QTest::newRow("N = 8, before 19Na") << false << 8 << 10 << false;
    }

    void dripLines() {
        QFETCH(bool, neutronSide);
        QFETCH(int, row);
        QFETCH(int, after);
        QFETCH(bool, estimated);
        area_ = ImageSurface(2600, 1800, 15);
        PressDraw(NUKLORAMA_SOURCE_DIR "/data/nuklorama.csv", state_, area_, s_->ui,
                  {false, false, false, true});
        const DripLines& lines = *state_.overlays.dripLines;
        const auto& steps = neutronSide ? lines.neutron : lines.proton;
        const auto step = std::find_if(steps.begin(), steps.end(),
                                       [row](const DripStep& s) { return s.row == row; });
        QVERIFY(step != steps.end());
        QCOMPARE(step->after, after);
        QCOMPARE(step->estimated, estimated);
        const int c = state_.CellSize, edge = (after + 1) * c, middle = row * c + c / 2;
        const QImage image = area_.AreaImage();
        QCOMPARE(neutronSide ? image.pixel(edge, middle) : image.pixel(middle, edge),
                 ToQRgb(kBlack));
    }

    void decayView() {
        using enum DecayClass;
        struct Case {
            const char *unit, *fields;
            DecayClass fill, corner;
        };
        const Case cases[] = {{"m", ",B-=64.06;A=35.94;B-A~0.014,1-,", BetaMinus, Alpha},
                              {"y", ",IS=99.2742;A=100;SF=5.44e-5", Alpha, Alpha},
                              {"y", ",IS=0.0117;B-=89.28;B+=10.72", BetaMinus, BetaPlus},
                              {"s", ",B+=?;A=?;A=x;IT=inf;SF=nan;B-=-5", BetaPlus, BetaPlus},
                              {"s", ",A<50;p>40;SF=30;IT=4.9", Proton, Fission},
                              {"s", ",B-=50;A=50;n~50", BetaMinus, Alpha},
                              {"s", ",B+~90#;EC=10;24Ne+26Ne=6", BetaPlus, Cluster},
                              {"s", ",3H=60;2n=40;3n=45", Neutron, Neutron},
                              {"s", ",IS=100,,", Unknown, Unknown},
                              {"s", "", Unknown, Unknown},
                              {"STABLE", ",IS=0.187;2B-=100", Stable, Stable}};
        std::string plain = "h\r\n", extended = plain;
        for (int i = 0; i < 11; ++i) {
            plain += Record(i, i + 1, "1", cases[i].unit) + "\r\n";
            extended += Record(i, i + 1, "1", cases[i].unit) + cases[i].fields + "\r\n";
        }
        // Cells of 6 pixels and more show the second class in their lower-right half.
        for (const int cell : {10, 6, 5}) {
            area_ = ImageSurface(20 * cell, 12 * cell, 15);
            // The half-life picture does not change with the extra fields.
            Press(plain + Record(12, 20, "1", "s"));
            const QImage halfLife = area_.AreaImage();
            Press(extended + Record(12, 20, "1", "s"));
            QCOMPARE(area_.AreaImage(), halfLife);
            PressDraw(kTableFileName, state_, area_, s_->ui, {}, Colouring::Decay);
            const QImage image = area_.AreaImage();
            for (int k = 0; k < 11; ++k)
                for (int j = 0; j < cell; ++j)
                    for (int i = 0; i < cell; ++i)
                        QCOMPARE(image.pixel((k + 1) * cell + i, k * cell + j),
                                 ToQRgb(DecayColour(cell >= 6 && i + j >= cell ? cases[k].corner
                                                                               : cases[k].fill)));
        }
    }

    void dominantMode_data() {
        QTest::addColumn<std::string>("list");  // as NUBASE2020 gives it, uncertainties left out
        QTest::addColumn<bool>("stable");
        QTest::addColumn<DecayClass>("fill");
        QTest::addColumn<std::optional<DecayClass>>("corner");
        QTest::addColumn<double>("share");  // the dominant class's, where it matters
        const auto row = [](const char* name, const char* list, DecayClass fill,
                            std::optional<DecayClass> corner = {}, double share = -1) {
            QTest::newRow(name) << std::string(list) << false << fill << corner << share;
        };
        using enum DecayClass;
        row("171Os: a measured side branch", "B+?;A=1.80", BetaPlus);
        row("67Kr", "2p=37;B+?", BetaPlus, Proton, 63);
        row("28O: a share of 0", "2n?;B-=0", Neutron);
        row("212Bi", "B-=64.06;A=35.94;B-A~0.014", BetaMinus, Alpha);
        row("230Np: limits", "B+<97;A>3", BetaPlus);
        row("22Na: EC and e+ within B+", "B+=100;e+=90.57;EC=9.43", BetaPlus, {}, 100);
        row("164Ho: EC beside B+", "EC=61;B+=39", BetaPlus, {}, 100);
        row("153Yb: a sub-branch bounds from below", "B+=?;A?;B+p=0.008", BetaPlus, {}, 50);
        row("104Sb: a sub-branch's limit bounds nothing", "B+=?;B+p<7;p<7;A?", BetaPlus);
        row("126Pd p: B names no mode", "B=72;IT=28", IsomericTransition);
        row("17B: sub-branches not added", "B-=100;B-n=63;B-2n=12;B-3n=3.5;B-4n=0.4", BetaMinus, {},
            100);
        row("credits tie, no corner", "n?;B-?", Neutron, {}, 50);
        row("all shares 0", "B-=0;A=0;IS=5", Unknown);
        QTest::newRow("stable wins") << std::string("IS=96.941;2B+?") << true << Stable
                                     << std::optional<DecayClass>() << -1.0;
    }

    void dominantMode() {
        QFETCH(std::string, list);
        QFETCH(bool, stable);
        QFETCH(DecayClass, fill);
        QFETCH(std::optional<DecayClass>, corner);
        QFETCH(double, share);
        const CellDecay cell = ClassifyDecay(list, stable);
        QCOMPARE(cell.dominant, fill);
        QCOMPARE(cell.secondary, corner);
        if (share >= 0) QCOMPARE(ShareOut(list).share[std::size_t(fill)], share);
    }

    void describesWhatTheTableGives_data() {
        QTest::addColumn<QByteArray>("line");  // of the shipped table, or of an older or odd one
        QTest::addColumn<QString>("text");     // the half-life as given, then the facts
        const QByteArray shipped = Contents(NUKLORAMA_SOURCE_DIR "/data/nuklorama.csv");
        const auto row = [&shipped](const char* line, const char* text) {
            const qsizetype at = shipped.indexOf("\n" + QByteArray(line) + ",") + 1;
            QTest::newRow(line) << (at > 0 ? shipped.mid(at, shipped.indexOf('\r', at) - at)
                                           : QByteArray(line))
                                << QString::fromUtf8(text);
        };
        row("40Ca",
            "稳定 (> 9.9 Zy)\n衰变方式 2β⁺ ?\n天然丰度 96.941 %\n自旋宇称 0+\n质量过剩 -34846.402 "
            "± 0.020 keV\n发现于 1922 年");
        row("22Na",
            "半衰期 2.6019 y\n衰变方式 β⁺/EC 100 %, β⁺ 90.57 %, EC 9.43 %\n自旋宇称 "
            "3+（直接测量）\n质量过剩 -5181.39 ± 0.13 keV\n发现于 1935 年\n同核异能态 ²²ᵐNa 583.0 "
            "keV, 243 ns, 1+, IT");
        row("31F",
            "半衰期 2.00 ms（估计） (> 260 ns)\n衰变方式 β⁻ ?, β⁻n ?, β⁻2n ?\n自旋宇称 "
            "5/2+（估计）\n质量过剩 56840 ± 540 keV（估计）\n发现于 1999 年");
        row("170Re",
            "半衰期 > 1 s（估计）\n衰变方式 β⁺/EC 100 %\n自旋宇称 (8-,9-)（估计）\n能级次序与 "
            "ENSDF 相反\n质量过剩 -38904 ± 11 keV\n发现于 1974 年\n同核异能态 ¹⁷⁰ᵐRe 73.0 keV, "
            "9.20 s, (5+), β⁺/EC, 能级次序与 ENSDF 相反\n同核异能态 ¹⁷⁰ⁿRe 210.1 keV, 130 ns, "
            "(6,7,8,9), IT");
        // A shortened line: one excited state of four.
        row("180Ta,73,107,180,Ta,8.154,h,EC=85;B-=15,1+,m:75.3:stable (>45 "
            "Py):IS=0.01201;B-?:9-::1940,8.154 h,,-48933.6,2.1,1938",
            "半衰期 8.154 h\n衰变方式 EC 85 %, β⁻ 15 %\n自旋宇称 1+\n质量过剩 -48933.6 ± 2.1 "
            "keV\n发现于 1938 年\n同核异能态 ¹⁸⁰ᵐTa 75.3 keV, 稳定 (> 45 Py), 9-");
        // An earlier import's fields, and fields that make no sense.
        row("99Tc,43,56,99,Tc,211100,y,B-=100,9/2+*,m:142.6836:6.0066 h:IT~100;B-=0.0037",
            "\n衰变方式 β⁻ 100 %\n自旋宇称 9/2+（直接测量）\n同核异能态 ⁹⁹ᵐTc 142.7 keV, 6.0066 h, "
            "IT");
        row("99Tc,43,56,99,Tc,1,s,;=5;A=x;IS=?,,garbage|mm:1:1 s:|x:75.3:stable:IS=1;B-?|q:100#::|"
            "n:5:>1.2# us:,junk (,x,abc,1,19x",
            "\n同核异能态 ⁹⁹ˣTc 75.3 keV, 稳定\n同核异能态 ⁹⁹qTc 100.0 keV（估计）, 半衰期未知\n"
            "同核异能态 ⁹⁹ⁿTc 5.0 keV, > 1.2 µs（估计）");
    }

    void describesWhatTheTableGives() {
        QFETCH(QByteArray, line);
        QFETCH(QString, text);
        const QList<QByteArray> fields = line.split(',');
        ExtraFieldTable table;
        table.Keep(1, line.mid(fields.mid(0, 7).join(',').size()).toStdString());
        const ExtraFields f = table.Of(1);
        QCOMPARE(QString::fromStdString(
                     HalfLifeFact(f.halfLife) +
                     DescribeExtraFields(f, fields[3].toInt(), fields[4].toStdString())),
                 text);
    }

    void colour_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<std::string>("unit");
        QTest::addColumn<int>("expected");
        const auto row = [](const char* name, double value, const char* unit, Colour expected) {
            QTest::newRow(name) << value << std::string(unit) << expected;
        };
        row("10 s lands below its step", 10, "s", Grey(65));
        row("1e-11 s", 1e-11, "s", kBlack);
        row("last grey", 3.0e32, "s", Grey(254));
        row("STABLE", 5, "STABLE", kWhite);
        row("stable with a blank", 0, "stable ", kBlack);
        row("UN", 3, "UN", kRed);
        row("sec", 1, "sec", kBlack);
        row("negative", -5, "h", kBlack);
        row("overflows into seconds", 1e307, "y", kWhite);
    }

    void colour() {
        QFETCH(double, value);
        QFETCH(std::string, unit);
        QFETCH(int, expected);
        QCOMPARE(HalfLifeColour(value, unit), expected);
    }

    void cellSize_data() {
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<float>("twipsPerPixel");
        QTest::addColumn<QSize>("extent");  // MaxN across, MaxZ down
        QTest::addColumn<int>("expected");
        const QSize nubase(177, 118);
        // 9000 × 6000 twips at 15 twips per pixel.
        QTest::newRow("example") << QSize(600, 400) << 15.0f << nubase << 3;
        QTest::newRow("narrower than MaxN pixels") << QSize(170, 400) << 15.0f << nubase << 0;
        QTest::newRow("rounding still gives one") << QSize(172, 400) << 15.0f << nubase << 1;
        QTest::newRow("lower than MaxZ pixels") << QSize(600, 110) << 15.0f << nubase << 0;
        QTest::newRow("height step 44.5 rounds to even")
            << QSize(600, 89) << 15.0f << QSize(10, 30) << 2;
        QTest::newRow("twips per pixel are rounded")
            << QSize(600, 400) << 14.6f << QSize(1, 1) << 389;
        // Sixteen million pixels of an inch each: beyond 32 bits of twips, capped, not failed.
        QTest::newRow("vast") << QSize(16'000'000, 16'000'000) << 1440.0f << QSize(2, 1)
                              << int(INT16_MAX);
    }

    void cellSize() {
        QFETCH(QSize, pixels);
        QFETCH(float, twipsPerPixel);
        QFETCH(QSize, extent);
        QFETCH(int, expected);
        const RecordedSurface area(pixels.width(), pixels.height(), twipsPerPixel);
        QCOMPARE(
            int(ComputeCellSize(area, std::int16_t(extent.height()), std::int16_t(extent.width()))),
            expected);
    }

    // The renderer's messages check the rest: only a step larger than a cell leaves room for it.
    void smallestAreaShowingAll() {
        const auto area = SmallestAreaShowingAll(2, 2, 10, 15, 16384);
        QVERIFY(area && area->width == 3 && area->height == 3);
    }

    void bandsAndCellsCrossAndClip() {
        // Row 2 is pixel rows 6 to 8 across the full width, column 2 the same down; the cell is
        // where they cross.
        RecordedSurface boxes(60, 40, 15);
        DrawH(boxes, 3, 2, kGreen);
        DrawV(boxes, 3, 2, kBlue);
        DrawCell(boxes, 3, 2, 2, kRed);
        QCOMPARE(SvgElements(boxes),
                 "<rect x=\"0\" y=\"0\" width=\"60\" height=\"40\" fill=\"#f6f1e4\"/>\n"
                 "<rect x=\"0\" y=\"6\" width=\"60\" height=\"3\" fill=\"#00ff00\"/>\n"
                 "<rect x=\"6\" y=\"0\" width=\"3\" height=\"40\" fill=\"#0000ff\"/>\n"
                 "<rect x=\"6\" y=\"6\" width=\"3\" height=\"3\" fill=\"#ff0000\"/>\n");

        ImageSurface area(60, 40, 15);
        DrawCell(area, 4, 9, 14, kRed);   // pixels 56 to 59 across, 36 to 39 down: the corner
        DrawCell(area, 4, -1, 0, kBlue);  // above the area
        DrawCell(area, 4, 0, -1, kBlue);  // left of it
        DrawH(area, 3, INT32_MAX, kGreen);
        DrawV(area, 3, INT32_MIN, kGreen);
        DrawCell(area, 2, 1'500'000'000, 0, kGreen);
        area.FillBox(90, 45, 90, 45, kWhite);  // one pixel
        const QImage image = area.AreaImage();
        QCOMPARE(PixelsOf(image, kRed), QRect(56, 36, 4, 4));
        QCOMPARE(PixelsOf(image, kBlue), QRect());
        QCOMPARE(PixelsOf(image, kGreen), QRect());
        QCOMPARE(PixelsOf(image, kWhite), QRect(6, 3, 1, 1));
    }

    void everyBandInItsPlace_data() {
        QTest::addColumn<int>("overlays");       // grid 1, periods 2, magic numbers 4
        QTest::addColumn<QStringList>("boxes");  // in drawing order: H a row, V a column, C a cell
        const QStringList grid{"H0", "V0", "H10", "V10", "H20", "V20"},
            periods{"H2", "H10", "H18", "H36", "H54", "H86", "H118"},
            magic{"H2", "H8", "H20", "H28", "H50", "H82", "H126", "H184",
                  "V2", "V8", "V20", "V28", "V50", "V82", "V126", "V184"};
        QTest::newRow("grid, to the record count") << 1 << grid + QStringList{"C"};
        QTest::newRow("periods") << 2 << periods + QStringList{"C"};
        QTest::newRow("magic numbers") << 4 << magic + QStringList{"C"};
        QTest::newRow("all, under the cell") << 7 << grid + periods + magic + QStringList{"C"};
    }

    void everyBandInItsPlace() {
        QFETCH(int, overlays);
        QFETCH(QStringList, boxes);
        auto table = std::make_unique<NuclideTable>();
        table->NuclideCount = 29;
        table->ProtonNumber.fill(-1);  // cells outside the area, but one
        table->ProtonNumber[29] = 3;
        RecordedSurface area(200, 200, 15);
        DrawChart(*table, 1, {(overlays & 1) > 0, (overlays & 2) > 0, (overlays & 4) > 0}, area);
        QStringList drawn;
        for (const auto& [r, colour] : area.Boxes())
            drawn << (r.Width() == 200    ? "H" + QString::number(r.top)
                      : r.Height() == 200 ? "V" + QString::number(r.left)
                                          : "C");
        QCOMPARE(drawn, boxes);
    }

    void eachPressReloadsTheTable() {
        // The grid reaches as far as the record count; the next press draws its own table alone.
        const Overlays grid{true, false, false};
        Press(Table({Record(12, 20, "1", "s"), Record(3, 3, "-", "stable")}, 5), grid);
        QCOMPARE(area_.AreaImage().pixel(35, 35), ToQRgb(kWhite));
        QCOMPARE(area_.AreaImage().pixel(105, 55), ToQRgb(kGreen));
        Press(Table({Record(12, 20, "1", "s")}), grid);
        QCOMPARE(state_.table.NuclideCount, 1);
        const QImage image = area_.AreaImage();
        QCOMPARE(image.pixel(35, 35), ToQRgb(kBackground));
        QCOMPARE(image.pixel(105, 55), ToQRgb(kBackground));
        QCOMPARE(image.pixel(5, 105), ToQRgb(kGreen));
        // A count above the table, after Ignore past the 5000th record: the 5000 are drawn.
        s_->ui.otherwise = Answer::Ignore;
        QCOMPARE(Press(Table({Record(12, 20, "1", "s"), Record(3, 3, "-", "stable")}, 2501)),
                 DrawResult::Drawn);
        QCOMPARE(state_.table.NuclideCount, 5002);
        QCOMPARE(area_.AreaImage().pixel(35, 35), ToQRgb(kWhite));
    }

    void pressesThatDrawNothing_data() {
        QTest::addColumn<std::string>("table");
        QTest::addColumn<bool>("tooSmall");  // or else nothing to draw
        QTest::newRow("too small") << Table({Record(12, 300, "-", "stable")}) << true;
        QTest::newRow("header only") << Table({}) << false;
        QTest::newRow("no positive Z") << Table({Record(0, 5, "1", "s")}) << false;
        QTest::newRow("empty file") << std::string() << false;
    }

    void pressesThatDrawNothing() {
        QFETCH(std::string, table);
        QFETCH(bool, tooSmall);
        Press(Table({Record(12, 20, "-", "stable")}));
        const QImage before = area_.AreaImage();
        s_->ui = ScriptedUserInterface();
        QVERIFY(Press(table) != DrawResult::Drawn);
        QCOMPARE(s_->ui.boxes.back().text,
                 std::string(tooSmall ? Say(Word::AreaTooSmall) : kNothingToDrawMessage));
        QCOMPARE(s_->ui.boxes.back().buttons, Buttons::Ok);
        QCOMPARE(s_->ui.boxes.back().icon, tooSmall ? Icon::None : Icon::Exclamation);
        QCOMPARE(s_->ui.pointers, (std::vector<Pointer>{Pointer::Busy, Pointer::Default}));
        QCOMPARE(area_.AreaImage(), before);
    }

    void identifiesTheCellUnderThePointer_data() {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, QPoint pixel, const char* text) {
            QTest::newRow(name) << pixel << QString::fromUtf8(text);
        };
        // Cells of 2 pixels: Z 26, N 30 covers x 60 and 61, y 52 and 53.
        row("far edge of the cell", {61, 53}, "⁵⁶Fe\nZ = 26, N = 30, A = 56\n半衰期 1.1307 h");
        row("next cell, empty", {62, 53}, "Fe\nZ = 26, N = 31");
        row("the neutron, stable", {2, 0}, "¹n\nZ = 0, N = 1, A = 1\n稳定");
        row("shared cell: the last record is on top", {16, 16}, "¹⁶O\nZ = 8, N = 8, A = 16\n稳定");
        row("beyond 118, unknown", {361, 239}, "Z = 119, N = 180, A = 299\n半衰期未知");
        row("markup stays text", {3, 3}, "²H\nZ = 1, N = 1, A = 2\n半衰期 1 <b>x</b>");
        row("right of the area", {400, 10}, "");
        row("left of the area", {-1, 10}, "");
    }

    void identifiesTheCellUnderThePointer() {
        QFETCH(QPoint, pixel);
        QFETCH(QString, text);
        s_->Load(Table({Record(26, 30, "67.842", "m"), Record(0, 1, "-", "stable"),
                        Record(8, 8, "1", "s"), Record(8, 8, "-", "STABLE"),
                        Record(119, 180, "-", "un"), Record(1, 1, "1", "<b>x</b>")}));
        DrawnChart chart{std::make_shared<NuclideTable>(*s_->table), 2, {}, 400, 300, 15};
        QCOMPARE(QString::fromStdString(DescribeCell(chart, pixel.x(), pixel.y())), text);
    }

    void pngKeepsEveryPixel_data() {
        QTest::addColumn<int>("greys");
        QTest::newRow("a few colours: indexed") << 3;
        // Every grey of the scale, red and three bands: 261 colours, too many for a palette.
        QTest::newRow("every grey: true colour") << 256;
    }

    void pngKeepsEveryPixel() {
        QFETCH(int, greys);
        std::string text = "h\r\n";
        for (int g = 0; g < greys; ++g)  // half-lives in the middle of grey step g
            text +=
                Record(1 + g / 20, 1 + g % 20,
                       QByteArray::number(std::pow(10, (g + 0.5) / 6 - 10), 'g', 17).toStdString(),
                       "s") +
                "\r\n";
        text += Record(12, 20, "-", "un") + "\r\n";
        RecordedSurface boxes(200, 120, 15);
        QCOMPARE(Press(text), DrawResult::Drawn);
        PressDraw(kTableFileName, state_, boxes, s_->ui, {});
        const QImage drawn = area_.AreaImage();
        const QImage fromBoxes = QImage::fromData(PngBytes(boxes), "PNG");
        const QImage fromImage = QImage::fromData(PngBytes(drawn), "PNG");
        QCOMPARE(fromBoxes.format() == QImage::Format_Indexed8, greys < 256);
        QCOMPARE(fromBoxes.convertToFormat(QImage::Format_RGB32), drawn);
        QCOMPARE(fromImage.convertToFormat(QImage::Format_RGB32), drawn);
    }

    void findsNuclidesAsPeopleTypeThem_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("found");  // (N, Z), or (-1, -1) with the reason
        QTest::addColumn<QString>("reason");
        const auto row = [](const char* text, QPoint found, const char* reason = "") {
            QTest::newRow(text) << QString::fromUtf8(text) << found << QString::fromUtf8(reason);
        };
        for (const char* uranium :
             {"U-238", "U238", "238U", "u 238", "uranium-238", "铀-238", "Z=92 N=146",
              " z = 92, n = 146 ", "238-u", "URANIUM 238", "U–238", "铀－238"})
            row(uranium, {146, 92});
        for (const char* uranium : {"U", "uranium", "铀"})  // the longest-lived
            row(uranium, {146, 92});
        row("Fe", {30, 26});      // stable, then the most abundant
        row("nitrogen", {7, 7});  // no abundances given: the lowest mass number
        row("n", {1, 0});
        row("N-14", {7, 7});
        row("n 1", {1, 0});
        row("U-300", {-1, -1}, "表中没有 ³⁰⁰U");
        row("Z=119 N=181", {-1, -1}, "表中没有 ³⁰⁰119");
        row("Og", {-1, -1}, "表中没有鿫的核素");
        row("Z=1 N=99999999999", {-1, -1}, "认不出这个核素名");
        row("Xx-1", {-1, -1}, "认不出这个核素名");
        QTest::newRow("a pasted page")
            << QString(100000, 'a') << QPoint(-1, -1) << "认不出这个核素名";
        row("", {-1, -1}, "认不出这个核素名");
        row("H-0", {-1, -1}, "没有这种核素");
    }

    void findsNuclidesAsPeopleTypeThem() {
        QFETCH(QString, text);
        QFETCH(QPoint, found);
        QFETCH(QString, reason);
        WriteFile("nuklorama.csv",
                  Table({Record(92, 146, "4.468e9", "y"), Record(92, 143, "7.04e8", "y"),
                         Record(92, 150, "un", "un"), Record(26, 30, "-", "stable") + ",IS=91.754",
                         Record(26, 28, "-", "stable") + ",IS=5.845", Record(26, 34, "2.62e6", "y"),
                         Record(0, 1, "609.8", "s"), Record(7, 8, "-", "stable"),
                         Record(7, 7, "-", "stable")}));
        ExtraFieldTable extras;
        LoadFile("nuklorama.csv", *s_->table, s_->ui, &extras);
        const FoundNuclide f =
            FindNuclide(text.toStdString(), *s_->table, CellIndex(*s_->table), &extras);
        QCOMPARE(QPoint(f.N.value_or(-1), f.Z.value_or(-1)), found);
        QCOMPARE(QString::fromStdString(f.reason), reason);
    }

    void labelsOnlyWhereReadable_data() {
        QTest::addColumn<int>("cellSize");
        QTest::addColumn<double>("ratio");  // device pixels per logical pixel; 0: paper at 1200 dpi
        QTest::addColumn<int>("lines");
        constexpr int kRows[][3] = {{34, 1, 0},  {35, 1, 1},  {52, 1, 1},  {53, 1, 2},
                                    {70, 2, 0},  {71, 2, 1},  {104, 2, 1}, {105, 2, 2},
                                    {283, 0, 0}, {284, 0, 1}, {413, 0, 1}, {414, 0, 2}};
        for (const auto& [s, ratio, lines] : kRows)
            QTest::addRow("%d at %d", s, ratio) << s << double(ratio) << lines;
    }

    // Capital letters at least 7 logical pixels or 1.2 mm tall, the widest texts between the
    // margins, a split cell's triangle kept; a smaller cell says less.
    void labelsOnlyWhereReadable() {
        QFETCH(int, cellSize);
        QFETCH(double, ratio);
        QFETCH(int, lines);
        const double dotsPerMm = 1200 / 25.4, readable = ratio > 0 ? 7 * ratio : 1.2 * dotsPerMm;
        const LabelPlan plan =
            ratio > 0 ? ScreenLabels(cellSize, ratio) : PaperLabels(cellSize, dotsPerMm);
        QCOMPARE(plan.lines, lines);
        const int inside = cellSize - 2 * plan.margin, second = lines == 2 ? plan.secondFont : 99;
        QVERIFY(lines == 0 ||
                (std::min({plan.nameFont, plan.smallestFont, second}) * kCapHeightEm >= readable &&
                 plan.nameFont * kWidestNameEm <= inside &&
                 plan.secondFont * kWidestHalfLifeEm <= inside && plan.cornerSide >= cellSize / 6));
    }

    void viewportsTurnCellsIntoPixelsAndBack_data() {
        QTest::addColumn<Viewport>("view");
        QTest::addColumn<CellSpan>("visible");
        const auto row = [](const char* name, const Viewport& view, CellSpan span) {
            QTest::newRow(name) << view << span;
        };
        row("Draw's picture", Viewport::Picture(10, 200, 120), {0, 11, 0, 19});
        row("zoomed, cut cells", Viewport::Zoomed(24, 4800, 2880, 37, 1, 1920, 1080),
            {0, 45, 1, 81});
        row("zoomed past the top-left", Viewport::Zoomed(31, 6200, 3720, -100, -40, 300, 200),
            {-2, 5, -4, 6});
        row("largest cell, far out",
            Viewport::Zoomed(32767, 1 << 30, 1 << 30, (1 << 30) - 5, 7, 10, 10),
            {0, 0, 32768, 32769});
        row("region on a page", Viewport::OfRegion({80, 85, 120, 130}, 473).At(1181, 2000),
            {80, 85, 120, 130});
        row("picture in a figure", Viewport::Picture(6, 1200, 800).At(57, 80), {0, 133, 0, 199});
    }

    // Every visible cell's corners lie in it, its neighbours' outside, and the visible span is
    // exactly the cells with a pixel in the area.
    void viewportsTurnCellsIntoPixelsAndBack() {
        QFETCH(Viewport, view);
        QFETCH(CellSpan, visible);
        const CellSpan span = view.Visible();
        QCOMPARE(std::tie(span.firstZ, span.lastZ, span.firstN, span.lastN),
                 std::tie(visible.firstZ, visible.lastZ, visible.firstN, visible.lastN));
        const long long s = view.cellSize;
        for (const std::int32_t Z : {span.firstZ, (span.firstZ + span.lastZ) / 2, span.lastZ})
            for (const std::int32_t N : {span.firstN, (span.firstN + span.lastN) / 2, span.lastN}) {
                const long long x = view.Left(N), y = view.Top(Z);
                QCOMPARE(view.CellAt(x, y), (ChartCell{Z, N}));
                QCOMPARE(view.CellAt(x + s - 1, y + s - 1), (ChartCell{Z, N}));
                QCOMPARE(view.CellAt(x - 1, y + s), (ChartCell{Z + 1, N - 1}));
            }
    }

    void regionsAreTheChartSeenThroughAWindow_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cellSize");  // fitting 200 × 120 pixels; -1 when refused
        QTest::addColumn<bool>("holds");    // a nuclide of the table
        QTest::newRow("block") << "0:9,2:21" << 10 << true;
        QTest::newRow("one cell, bands only") << "3:3,4:4" << 120 << false;
        QTest::newRow("past the table") << "11:14,18:21" << 30 << true;
        for (const char* bad :
             {"5:4,0:1", "0:1,3:2", "1:2", "-1:2,0:1", " 1:2,0:1", "0:10000,0:1", "1:2,3:4,", ""})
            QTest::newRow(bad) << bad << -1 << false;
    }

    void regionsAreTheChartSeenThroughAWindow() {
        QFETCH(QString, text);
        QFETCH(int, cellSize);
        QFETCH(bool, holds);
        const auto region = ParseRegion(text.toStdString());
        QCOMPARE(region.has_value(), cellSize > 0);
        if (!region) return;
        QCOMPARE(Press(Table({Record(1, 2, "1", "s"), Record(12, 20, "-", "stable"),
                              Record(5, 5, "1", "un")},
                             4)),
                 DrawResult::Drawn);
        QCOMPARE(HoldsNuclide(state_.table, *region), holds);
        const std::int16_t s = RegionCellSize(*region, 200, 120);
        QCOMPARE(int(s), cellSize);
        ImageSurface whole((region->nMax + 1) * s, (region->zMax + 1) * s, 15);
        DrawChart(state_.table, s, {}, whole);
        const RecordedSurface part = DrawWindow(state_.table, Viewport::OfRegion(*region, s), {},
                                                15, HalfLifeColouring(state_.table));
        QImage drawn(part.WidthPixels(), part.HeightPixels(), QImage::Format_RGB32);
        QPainter painter(&drawn);
        PaintChart(painter, part, QPoint());
        painter.end();
        QCOMPARE(drawn, whole.AreaImage().copy(region->nMin * s, region->zMin * s,
                                               region->Columns() * s, region->Rows() * s));
    }

private:
    DrawResult Press(const std::string& table, Overlays overlays = {}) {
        WriteFile(kTableFileName, table);
        return PressDraw(kTableFileName, state_, area_, s_->ui, overlays);
    }

    std::optional<LoadScratch> s_;
    ChartState state_;
    // 200 × 120 pixels: with MaxN 20 and MaxZ 12 each cell is 10 pixels square.
    ImageSurface area_{200, 120, 15};
};

QTEST_GUILESS_MAIN(TestChart)
#include "tst_chart.moc"
