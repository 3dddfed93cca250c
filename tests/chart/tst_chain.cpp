// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>
#include <cmath>
#include <map>
#include <memory>
#include <numbers>

#include "chart/ChainActivity.h"
#include "chart/DecayChain.h"
#include "chart/FindNuclide.h"
#include "support/TestFiles.h"

using namespace nuklorama;

namespace {

constexpr double kYear = 31556926;

int MemberOf(const DecayChain& c, const FoundNuclide& f) {
    for (std::size_t i = 0; i < c.members.size(); ++i)
        if (c.members[i].Z == f.Z && c.members[i].N == f.N && c.members[i].state == f.state)
            return int(i);
    return -1;
}

// A chain built by hand: member i decays into i + 1 with the half-lives given, 0 for unknown.
DecayChain Line(std::initializer_list<double> halfLives) {
    DecayChain c;
    for (const double t : halfLives) {
        ChainMember m;
        m.record = 1, m.rank = int(c.members.size()), m.halfLife = t;
        m.lifetime = t > 0 ? Lifetime::Known : Lifetime::Unknown;
        if (!c.members.empty())
            c.branches.push_back({int(c.members.size()) - 1, int(c.members.size()), "B-", 1, 1});
        c.members.push_back(m);
    }
    return c;
}

}  // namespace

class TestChain : public QObject {
    Q_OBJECT
    std::unique_ptr<NuclideTable> table_ = std::make_unique<NuclideTable>();
    ExtraFieldTable extras_;
    std::unique_ptr<CellIndex> cells_;

    FoundNuclide Find(const QString& name) const {
        return FindNuclide(name.toStdString(), *table_, *cells_, &extras_);
    }
    DecayChain Chain(const QString& name) const {
        const FoundNuclide f = Find(name);
        return BuildDecayChain({*f.Z, *f.N, f.state}, *table_, *cells_, extras_);
    }

private slots:
    void initTestCase() {
        ScriptedUserInterface ui;
        LoadFile(NUKLORAMA_SOURCE_DIR "/data/nuklorama.csv", *table_, ui, &extras_);
        cells_ = std::make_unique<CellIndex>(*table_);
    }

    void chainsOfTheEvaluation_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("via");  // the flow from this parent alone, when given
        QTest::addColumn<double>("probability");
        QTest::addColumn<double>("tolerance");
        const auto row = [](const char* name, const char* start, const char* member,
                            double probability, double tolerance, const char* via = "") {
            QTest::newRow(name) << start << member << via << probability << tolerance;
        };
        // SF=5.44e-5 and 2B-=2.2e-10 beside A=100; lead but for fission and 2e-8 through ²⁰⁹Pb.
        row("238U alpha scaled", "U-238", "Th-234", 100 / (100 + 5.44e-5 + 2.2e-10), 1e-15);
        row("238U to 206Pb", "U-238", "Pb-206", 1 - 5.44e-7, 3e-8);
        row("232Th to 208Pb", "Th-232", "Pb-208", 1, 1e-9);
        row("235U to 207Pb", "U-235", "Pb-207", 1, 1e-8);
        row("212Bi to 212Po", "Bi-212", "Po-212", 0.64046, 1e-15);
        row("212Bi to 208Tl", "Bi-212", "Tl-208", 0.3594, 1e-15);
        row("212Bi to 208Pb by beta-alpha", "Bi-212", "Pb-208", 0.00014, 1e-15, "Bi-212");
        row("212Bi rejoins at 208Pb", "Bi-212", "Pb-208", 1, 1e-15);
        row("11Li beta alone", "Li-11", "Be-11", 0.059777, 1e-15);
        row("11Li beta-n", "Li-11", "Be-10", 0.863, 1e-15, "Li-11");
        row("211Bi past 100 %", "Bi-211", "Tl-207", 100 / 100.276, 1e-15);
        row("99mTc by IT", "Tc-99m", "Tc-99", 100 / 100.0037, 1e-15);
        row("99mTc to 99Ru", "99mTc", "Ru-99", 1, 1e-15);
        row("234Th's alpha only possible", "Th-234", "Ra-230", 0, 0);
        row("232Pu's capped credit", "Pu-232", "Np-232", 0.8, 1e-15);  // EC=?;A<20
    }

    void chainsOfTheEvaluation() {
        QFETCH(QString, start);
        QFETCH(QString, member);
        QFETCH(QString, via);
        QFETCH(double, probability);
        QFETCH(double, tolerance);
        const DecayChain c = Chain(start);
        const int i = MemberOf(c, Find(member));
        double found = i < 0 ? 0 : c.members[std::size_t(i)].probability;
        if (!via.isEmpty()) {
            found = 0;
            for (const ChainBranch& b : c.branches)
                if (b.to == i && b.from == MemberOf(c, Find(via))) found += b.flow;
        }
        QVERIFY2(std::abs(found - probability) <= tolerance, qPrintable(QString::number(found)));
        // The ends with fission take all; what flows in is what a member has; decay order.
        double ends = c.fission;
        for (std::size_t m = 0; m < c.members.size(); ++m) {
            const ChainMember& x = c.members[m];
            ends += x.end != ChainEnd::None && x.end != ChainEnd::LeftOut ? x.probability : 0;
            double in = int(m) == c.start ? 1 : 0;
            for (const ChainBranch& b : c.branches)
                in += b.to == int(m) ? b.flow : 0;
            QVERIFY(std::abs(in - x.probability) <= 1e-15);
            if (m > 0) QVERIFY(c.members[m - 1].Z + c.members[m - 1].N >= x.Z + x.N);
        }
        QVERIFY(std::abs(ends - 1) <= 1e-9);
    }

    void uraniumsMainPathIsEightAlphaAndSixBeta() {
        const DecayChain c = Chain("U-238");
        std::map<std::string, int> modes;
        int at = c.start;
        for (const ChainBranch* next = nullptr;; at = next->to) {
            next = nullptr;
            for (const ChainBranch& b : c.branches)
                if (b.from == at && b.to >= 0 && (!next || b.flow > next->flow)) next = &b;
            if (!next) break;
            ++modes[next->mode];
        }
        QCOMPARE(modes, (std::map<std::string, int>{{"A", 8}, {"B-", 6}}));
        QCOMPARE(at, MemberOf(c, Find("Pb-206")));
    }

    void aLoopingTableIsCut() {
        // ⁶Li β⁻ to ⁶Be, which goes back by β⁺ or on by α; ¹⁰B's IT leads to itself.
        TemporaryCurrentDir dir;
        WriteFile("t.csv",
                  Table({Record(3, 3, "1", "s") + ",B-=100", Record(4, 2, "1", "s") + ",B+=60;A=40",
                         Record(2, 0, "-", "stable"), Record(5, 5, "1", "s") + ",IT=100"}));
        ScriptedUserInterface ui;
        NuclideTable table;
        ExtraFieldTable extras;
        LoadFile("t.csv", table, ui, &extras);
        const CellIndex cells(table);
        const DecayChain c = BuildDecayChain({3, 3, 0}, table, cells, extras);
        QCOMPARE(c.members.size(), 3u);
        QCOMPARE(c.loopsCut, 1);
        QCOMPARE(c.leftOutFlow, 0.6);
        QCOMPARE(c.members[2].probability, 0.4);
        QCOMPARE(BuildDecayChain({5, 5, 0}, table, cells, extras).loopsCut, 1);
    }

    void activitiesMatchClosedForms_data() {
        QTest::addColumn<double>("parent");  // half-lives in seconds
        QTest::addColumn<double>("daughter");
        QTest::addColumn<double>("time");
        QTest::newRow("parent and daughter") << 10.0 << 3.0 << 7.0;
        QTest::newRow("equal half-lives") << 5.0 << 5.0 << 7.0;
        QTest::newRow("nearly equal") << 5.0 << 5 * (1 - 1e-9) << 7.0;
        QTest::newRow("21 orders apart") << 4.468e9 * kYear << 164e-6 << 1e3;
        QTest::newRow("a moment") << kYear << 2 * kYear << 1e-3;
        QTest::newRow("long after") << 20.0 << 1.0 << 500.0;
    }

    void activitiesMatchClosedForms() {
        QFETCH(double, parent);
        QFETCH(double, daughter);
        QFETCH(double, time);
        const double l1 = std::numbers::ln2 / parent, l2 = std::numbers::ln2 / daughter;
        // A₂(t)/A₁(0) = λ₂ (e^(−λ₁t) − e^(−λ₂t)) / (λ₂ − λ₁), which is λt e^(−λt) for equal ones.
        const double d = l2 - l1;
        const double expected =
            l2 * std::exp(-l1 * time) * (d == 0 ? time : -std::expm1(-d * time) / d);
        const auto a = ChainActivities(Line({parent, daughter}), time);
        QVERIFY2(std::abs(a[1].activity / expected - 1) < 1e-12,
                 qPrintable(QString::number(a[1].activity, 'g', 17)));
        QVERIFY(std::abs(a[0].atoms / std::exp(-l1 * time) - 1) < 1e-14);
    }

    void uraniumsChainHoldsTheBatemanSolution() {
        // Bateman's sums over every path in 250-digit arithmetic, at a million years.
        const DecayChain c = Chain("U-238");
        const auto a = ChainActivities(c, 1e6 * kYear);
        const auto of = [&](const char* name) { return a[std::size_t(MemberOf(c, Find(name)))]; };
        QVERIFY(std::abs(of("U-234").activity / 0.940492882687943 - 1) < 1e-12);
        QVERIFY(std::abs(of("Po-214").activity / 0.913441539264584 - 1) < 1e-12);
        QVERIFY(std::abs(of("Pb-206").atoms / 8.77855837234102e-5 - 1) < 1e-12);
        // Radon from radium (A=100;14C=2.6e-9): in a year at equilibrium, λ_Rn / (λ_Rn − λ_Ra)
        // of radium's activity times the α branch.
        const DecayChain r = Chain("Ra-226");
        const auto b = ChainActivities(r, kYear);
        const double ra = std::numbers::ln2 / (1600 * kYear),
                     rn = std::numbers::ln2 / (3.8215 * 86400);
        QVERIFY(std::abs(b[1].activity / b[0].activity / (rn / (rn - ra) * 100 / (100 + 2.6e-9)) -
                         1) < 1e-12);
    }

    void nothingAfterAnUnknownHalfLife() {
        const auto a = ChainActivities(Line({10, 0, 3}), 7);
        QVERIFY(a[0].known && !a[1].known && !a[2].known);
        QCOMPARE(a[2].after, 1);
    }

    void findReadsExcitedStates_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("N");  // -1 when not found
        QTest::addColumn<QString>("state");
        for (const char* technetium : {"Tc-99m", "99mTc", "tc99m", "锝-99m", "Tc-99m1"})
            QTest::newRow(technetium) << technetium << 56 << "m";
        for (const char* hafnium : {"Hf-178m2", "Hf-178n", "178nHf"})
            QTest::newRow(hafnium) << hafnium << 106 << "n";
        QTest::newRow("neptunium, not phosphorus") << "235np" << 142 << "";
        QTest::newRow("no such state") << "Tc-99n" << -1 << "表中没有 ⁹⁹ⁿTc";
    }

    void findReadsExcitedStates() {
        QFETCH(QString, text);
        QFETCH(int, N);
        QFETCH(QString, state);
        const FoundNuclide f = Find(text);
        QCOMPARE(f.N.value_or(-1), N);
        QCOMPARE(QString::fromStdString(N < 0     ? f.reason
                                        : f.state ? std::string(1, f.state)
                                                  : ""),
                 state);
    }
};

QTEST_GUILESS_MAIN(TestChain)
#include "tst_chain.moc"
