// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>
#include <cmath>
#include <functional>

#include "base/Checked.h"
#include "base/Notation.h"

using namespace nuklorama;

// A calculation with checked arithmetic, its result as a number or as the error it raises.
using Calculation = std::function<long long()>;

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(Calculation)

class TestBase : public QObject {
    Q_OBJECT
private slots:
    // A word's arguments go in as they are, even a table's text with a % in it; another
    // language's words replace every word or none.
    void wordsTakeTheirArguments() {
        QCOMPARE(Say(Word::NoneOfElement, "U", "铀"), std::string("表中没有铀的核素"));
        QCOMPARE(Say(Word::HalfLife, "%2 s", "x"), std::string("半衰期 %2 s"));
        UseWords({"stable"});
        QCOMPARE(Say(Word::Stable), std::string("稳定"));
        std::vector<std::string> english(std::size_t(Word::Count), "?");
        english[std::size_t(Word::NoneOfElement)] = "No nuclide of %1";
        UseWords(english);
        QCOMPARE(Say(Word::NoneOfElement, "U", "铀"), std::string("No nuclide of U"));
        UseWords({});
        QCOMPARE(Say(Word::Stable), std::string("稳定"));
    }

    // One notation for a half-life: a cell writes three digits, the tool tip the table's own.
    void halfLives_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<std::string>("unit");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("toolTip");
        const auto row = [](const char* name, double value, const char* unit, const char* cell,
                            const char* toolTip) {
            QTest::newRow(name) << value << std::string(unit) << QString::fromUtf8(cell)
                                << QString::fromUtf8(toolTip);
        };
        row("minutes, not metres", 67.842, "m", "1.13 h", "1.1307 h");
        row("years with SI prefixes", 4463000000, "y", "4.46 Gy", "4.463 Gy");
        row("µs, not us", 850, "US", "850 µs", "850 µs");
        row("1000 of a unit is one of the next", 1000, "ms", "1.00 s", "1.00 s");
        row("rounded to 1000", 999.7, "ms", "1.00 s", "999.7 ms");
        row("just under a minute", 59.99, "s", "60.0 s", "59.99 s");
        row("a minute", 60, "s", "1.00 min", "1.00 min");
        row("half a year", 0.5, "y", "183 d", "183 d");
        row("the largest unit", 1e24, "y", "1.00 Yy", "1.00 Yy");
        row("past the largest unit", 1.5e30, "y", "1.50 × 10⁶ Yy", "1.50 × 10⁶ Yy");
        row("below the smallest unit", 1.5e-25, "s", "0.15 ys", "0.15 ys");
        row("far below the smallest unit", 1e-28, "s", "1.00 × 10⁻⁴ ys", "1.00 × 10⁻⁴ ys");
        row("stable", 0, "Stable", "稳定", "稳定");
        row("unknown", 0, "UN", "未知", "未知");
        row("years with a prefix are no table's unit", 1, "ky", "", "");
        row("zero", 0, "s", "", "");
        row("past a double", 1e301, "y", "", "");
        row("no number", std::nan(""), "s", "", "");
    }

    void halfLives() {
        QFETCH(double, value);
        QFETCH(std::string, unit);
        QFETCH(QString, cell);
        QFETCH(QString, toolTip);
        QCOMPARE(QString::fromStdString(ShortHalfLife(value, unit)), cell);
        QCOMPARE(QString::fromStdString(PreciseHalfLife(value, unit)), toolTip);
        // An excited state's half-life is written as the ground state's.
        if (!toolTip.isEmpty() && unit != "Stable" && unit != "UN")
            QCOMPARE(PreciseDuration(
                         QString("%1 %2").arg(value, 0, 'g', 15).arg(unit.c_str()).toStdString()),
                     toolTip.toStdString());
    }

    // Every unit word a table may write, case aside, and its length in seconds.
    void tableUnits() {
        const std::pair<const char*, double> units[] = {
            {"ys", 1e-24}, {"zs", 1e-21}, {"as", 1e-18}, {"fs", 1e-15},     {"ps", 1e-12},
            {"ns", 1e-9},  {"US", 1e-6},  {"ms", 1e-3},  {"s", 1},          {"m", 60},
            {"MIN", 60},   {"h", 3600},   {"d", 86400},  {"Y", 31556926.0}, {"a", 31556926.0}};
        for (const auto& [word, seconds] : units)
            QCOMPARE(HalfLifeSeconds(2, word), 2 * seconds);
    }

    void checkedArithmetic_data() {
        using namespace checked;
        QTest::addColumn<Calculation>("calculation");
        QTest::addColumn<QString>("result");
        const auto row = [](const char* name, const char* result, Calculation calculation) {
            QTest::newRow(name) << calculation << QString(result);
        };
        row("16 bits: smallest / -1", "Overflow", [] { return Div<std::int16_t>(INT16_MIN, -1); });
        row("32 bits: smallest / -1", "Overflow", [] { return Div(INT32_MIN, -1); });
        row("one above the smallest / -1", "2147483647", [] { return Div(INT32_MIN + 1, -1); });
        row("smallest / 1", "-2147483648", [] { return Div(INT32_MIN, 1); });
        row("towards zero", "-3", [] { return Div(-7, 2); });
        row("by zero", "Division by zero", [] { return Div(7, 0); });
        row("sum past the largest", "Overflow", [] { return Add<std::int16_t>(32767, 1); });
        row("rounded past the largest", "Overflow", [] { return Round<std::int16_t>(32767.5); });
        row("quotient by zero", "Division by zero", [] { return (long long)Quotient(1, 0); });
    }

    void checkedArithmetic() {
        QFETCH(Calculation, calculation);
        QFETCH(QString, result);
        try {
            QCOMPARE(QString::number(calculation()), result);
        } catch (const RunTimeError& error) {
            QCOMPARE(QString(ErrorKindText(error.Kind())), result);
        }
    }
};

QTEST_GUILESS_MAIN(TestBase)
#include "tst_base.moc"
