#include <QTest>
#include <limits>

#include "chart/HalfLifeColour.h"

using namespace nuklorama;

Q_DECLARE_METATYPE(std::string)

class TestHalfLifeColour : public QObject {
    Q_OBJECT
private slots:
    void colour_data();
    void colour();
    void greyStepsRiseSixPerDecade();
};

namespace {
constexpr Colour Grey(int g) {
    return g * 65793;
}
}  // namespace

void TestHalfLifeColour::colour_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<std::string>("unit");
    QTest::addColumn<int>("expected");
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("1 s") << 1.0 << std::string("s") << Grey(60);
    QTest::newRow("10 s lands below its step") << 10.0 << std::string("s") << Grey(65);
    QTest::newRow("1 y") << 1.0 << std::string("y") << Grey(104);
    QTest::newRow("1 a") << 1.0 << std::string("a") << Grey(104);
    QTest::newRow("upper-case unit") << 1.0 << std::string("Y") << Grey(104);
    QTest::newRow("1 min") << 1.0 << std::string("min") << HalfLifeColour(60, "s");
    QTest::newRow("m is minutes") << 1.0 << std::string("m") << HalfLifeColour(1, "min");
    QTest::newRow("1000 ms") << 1000.0 << std::string("ms") << Grey(60);
    QTest::newRow("1e-11 s") << 1e-11 << std::string("s") << kBlack;
    QTest::newRow("1e40 y") << 1e40 << std::string("y") << kWhite;
    QTest::newRow("stable") << 0.0 << std::string("stable") << kWhite;
    QTest::newRow("STABLE") << 5.0 << std::string("STABLE") << kWhite;
    QTest::newRow("stable with a blank") << 0.0 << std::string("stable ") << kBlack;
    QTest::newRow("UN") << 3.0 << std::string("UN") << kRed;
    QTest::newRow("sec") << 1.0 << std::string("sec") << kBlack;
    QTest::newRow("years") << 1.0 << std::string("years") << kBlack;
    QTest::newRow("empty unit") << 1.0 << std::string("") << kBlack;
    QTest::newRow("no value") << 0.0 << std::string("s") << kBlack;
    QTest::newRow("negative") << -5.0 << std::string("h") << kBlack;
    QTest::newRow("negative infinity") << -inf << std::string("s") << kBlack;
    QTest::newRow("overflows into seconds") << 1e307 << std::string("y") << kWhite;
    QTest::newRow("infinite") << inf << std::string("ys") << kWhite;
    QTest::newRow("smallest double")
        << std::numeric_limits<double>::denorm_min() << std::string("y") << kBlack;
    QTest::newRow("last grey") << 3.0e32 << std::string("s") << Grey(254);
}

void TestHalfLifeColour::colour() {
    QFETCH(double, value);
    QFETCH(std::string, unit);
    QFETCH(int, expected);
    QCOMPARE(HalfLifeColour(value, unit), expected);
}

void TestHalfLifeColour::greyStepsRiseSixPerDecade() {
    // One decade up is six steps lighter, from the darkest grey to the lightest.
    for (int decade = -9; decade <= 31; ++decade) {
        const double seconds = 2 * std::pow(10.0, decade);
        const int g = HalfLifeColour(seconds, "s") & 0xFF;
        QCOMPARE(HalfLifeColour(seconds, "s"), Grey(g));
        QCOMPARE(HalfLifeColour(seconds * 10, "s") & 0xFF, g + 6);
    }
}

QTEST_APPLESS_MAIN(TestHalfLifeColour)
#include "tst_halflifecolour.moc"
