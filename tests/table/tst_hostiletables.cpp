// SPDX-License-Identifier: GPL-3.0-or-later
// Huge tables nobody should feed the program, which it must survive all the same. Slow: the
// everyday suite may leave them out with ctest -LE slow.
#include <QTest>
#include <optional>

#include "support/TestFiles.h"

using namespace nuklorama;
using Step = LoadStep;

class TestHostileTables : public QObject {
    Q_OBJECT
private slots:
    void init() { s_.emplace(); }
    void cleanup() { s_.reset(); }

    void longLineWithoutAnEnd();
    void millionLinesAnsweredIgnore();

private:
    std::optional<LoadScratch> s_;
};

void TestHostileTables::longLineWithoutAnEnd() {
    std::string bytes = "h\n";
    bytes.resize(64 << 20, '7');
    bytes[100] = ',';
    s_->ui.otherwise = Answer::Ignore;
    s_->Load(bytes);
    QCOMPARE(s_->table->NuclideCount, 1);
    // Field 1 is a 64 MiB number: an overflow, shown cut short; fields 2, 5 and 6 are missing.
    QCOMPARE(s_->ui.failedSteps,
             (std::vector<Step>{Step::StoreProtonNumber, Step::StoreNeutronNumber,
                                Step::KeepHalfLifeText, Step::StoreHalfLifeUnit}));
    QVERIFY(s_->ui.boxes[0].text.size() < 120);
}

void TestHostileTables::millionLinesAnsweredIgnore() {
    std::string bytes = "h\n";
    for (int i = 0; i < 1'000'000; ++i)
        bytes += "a,1,1,,,1,s\n";
    s_->ui.otherwise = Answer::Ignore;
    s_->ui.maxPrompts = 1LL << 40;
    s_->Load(bytes);
    // The count stops at the top of its type; every line after the table is full still prompts.
    QCOMPARE(s_->table->NuclideCount, 32767);
    QCOMPARE(s_->ui.prompts, 1LL * (32767 - 5000) * 8 + (1'000'000 - 32767) * 9);
    QCOMPARE(s_->table->MaxZ, 1);
    QCOMPARE(s_->table->HalfLifeUnit[0], std::string());
}

QTEST_GUILESS_MAIN(TestHostileTables)
#include "tst_hostiletables.moc"
