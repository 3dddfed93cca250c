#include <sys/stat.h>
#include <unistd.h>

#include <QTest>
#include <memory>
#include <random>

#include "support/ScriptedUserInterface.h"
#include "support/TestFiles.h"
#include "table/LoadFile.h"

using namespace nuklorama;
using Step = LoadStep;

// Tables nobody should feed the program, which it must survive all the same.
class TestHostileTables : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void longLineWithoutAnEnd();
    void everyByteInEveryField();
    void millionLinesAnsweredIgnore();
    void hugeFieldsAndNumbers();
    void tableVanishesBeforeTheOpen();
    void unreadableTable();

private:
    void Load(const std::string& bytes) {
        WriteFile(kTable, bytes);
        LoadFile(kTable, *table_, ui_);
    }
    void ExpectIndexZeroUntouched() const {
        QCOMPARE(table_->ProtonNumber[0], 0);
        QCOMPARE(table_->NeutronNumber[0], 0);
        QCOMPARE(table_->HalfLife[0], 0.0);
        QVERIFY(table_->HalfLifeUnit[0].empty());
    }

    static constexpr const char* kTable = "nuklorama.csv";
    std::unique_ptr<TemporaryCurrentDir> dir_;
    std::unique_ptr<NuclideTable> table_;
    ScriptedUserInterface ui_;
};

void TestHostileTables::init() {
    dir_ = std::make_unique<TemporaryCurrentDir>();
    table_ = std::make_unique<NuclideTable>();
    ui_ = ScriptedUserInterface();
}

void TestHostileTables::cleanup() {
    dir_.reset();
}

void TestHostileTables::longLineWithoutAnEnd() {
    std::string bytes = "h\n";
    bytes.resize(64 << 20, '7');
    bytes[100] = ',';
    ui_.otherwise = Answer::Ignore;
    Load(bytes);
    QCOMPARE(table_->NuclideCount, 1);
    // Field 1 is a 64 MiB number: an overflow, shown cut short; fields 2, 5 and 6 are missing.
    QCOMPARE(ui_.failedSteps, (std::vector<Step>{Step::StoreProtonNumber, Step::StoreNeutronNumber,
                                                 Step::KeepHalfLifeText, Step::StoreHalfLifeUnit}));
    QVERIFY(ui_.boxes[0].text.size() < 120);
    ExpectIndexZeroUntouched();
}

void TestHostileTables::everyByteInEveryField() {
    std::string bytes = "h\r\n";
    std::mt19937 random(7);
    for (int line = 0; line < 3000; ++line) {
        for (int field = 0; field < 8; ++field) {
            for (int i = 0; i < 6; ++i) {
                char c = char(random() % 256);
                if (c == '\r' || c == '\n' || c == ',') c = '\0';
                bytes.push_back(c);
            }
            bytes.push_back(',');
        }
        bytes += "\r\n";
    }
    ui_.otherwise = Answer::Ignore;
    ui_.maxPrompts = 1LL << 40;
    Load(bytes);
    QCOMPARE(table_->NuclideCount, 3000);
    QCOMPARE(table_->HalfLifeUnit[3000].size(), size_t(6));
    ExpectIndexZeroUntouched();
}

void TestHostileTables::millionLinesAnsweredIgnore() {
    std::string bytes = "h\n";
    for (int i = 0; i < 1'000'000; ++i)
        bytes += "a,1,1,,,1,s\n";
    ui_.otherwise = Answer::Ignore;
    ui_.maxPrompts = 1LL << 40;
    Load(bytes);
    // The count stops at the top of its type; every line after the table is full still prompts.
    QCOMPARE(table_->NuclideCount, 32767);
    QCOMPARE(ui_.prompts, 1LL * (32767 - 5000) * 8 + (1'000'000 - 32767) * 9);
    QCOMPARE(table_->MaxZ, 1);
    ExpectIndexZeroUntouched();
}

void TestHostileTables::hugeFieldsAndNumbers() {
    const std::string big(100'000, 'u');
    Load(Table({"n," + std::string(5000, '0') + "1,2,,,1" + std::string(3000, '0') + "e-3000,h",
                "n,3,4,," + big + "," + big + "," + big}));
    QVERIFY(ui_.boxes.empty());
    QCOMPARE(table_->ProtonNumber[1], 1);
    QCOMPARE(table_->HalfLife[1], 1.0);
    QCOMPARE(table_->HalfLife[2], 0.0);
    QCOMPARE(table_->HalfLifeUnit[2], big);

    Load(Table({"n,1" + std::string(5000, '0') + ",2,,,1,s"}));
    QCOMPARE(ui_.failedSteps, std::vector<Step>{Step::StoreProtonNumber});
}

void TestHostileTables::tableVanishesBeforeTheOpen() {
    // What a table deleted right after the existence test meets: the open fails and asks.
    ui_.answers = {Answer::Retry, Answer::Ignore, Answer::Ignore, Answer::Ignore, Answer::Ignore};
    RunLoadSteps(kTable, *table_, ui_);
    QCOMPARE(ui_.boxes.at(0).text, std::string("File not found (nuklorama.csv)\n"));
    // Ignored, the unopened file fails every read and end test until the user aborts.
    QCOMPARE(ui_.failedSteps,
             (std::vector<Step>{Step::Open, Step::Open, Step::ReadHeader, Step::TestEnd,
                                Step::ReadRecordLine, Step::StoreProtonNumber}));
    QCOMPARE(ui_.boxes.at(2).text,
             std::string("Bad file name or number (line 1, the file is not open)\n"));
    QCOMPARE(table_->NuclideCount, 1);
}

void TestHostileTables::unreadableTable() {
    if (geteuid() == 0) QSKIP("running as root, which reads any file: unreadable tables untested");
    WriteFile(kTable, Table({Record(1, 1, "1", "s")}));
    QCOMPARE(::chmod(kTable, 0), 0);
    LoadFile(kTable, *table_, ui_);
    QCOMPARE(ui_.boxes.at(0).text, std::string("Permission denied (nuklorama.csv)\n"));
    QCOMPARE(table_->NuclideCount, 0);
}

QTEST_GUILESS_MAIN(TestHostileTables)
#include "tst_hostiletables.moc"
