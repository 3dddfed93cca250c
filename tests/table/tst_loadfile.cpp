#include <sys/stat.h>

#include <QDir>
#include <QTest>
#include <memory>

#include "support/ScriptedUserInterface.h"
#include "support/TestFiles.h"
#include "table/LineReader.h"
#include "table/LoadFile.h"
#include "table/RunTimeError.h"

using namespace nuklorama;
using Step = LoadStep;

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(nuklorama::Answer)
Q_DECLARE_METATYPE(std::vector<nuklorama::LoadStep>)

class TestLoadFile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void headerOnlyLoadsNothing();
    void readsTheFieldsItUses();
    void lineEnds_data();
    void lineEnds();
    void retriedReadReturnsTheWholeLine_data();
    void retriedReadReturnsTheWholeLine();
    void maximaDoNotDependOnOrder();
    void recordsAboveTheCountKeepEarlierValues();
    void emptyFileFailsAtTheHeader();
    void badFieldAbort();
    void badFieldIgnoreKeepsTheOldEntry();
    void retryRepeatsTheStep();
    void describesWhereTheFailureIs();
    void shortLineTakesWhatRemains();
    void blankTrailingLineIsARecordWithoutFields();
    void fiveThousandRecordsLoad();
    void theRecordAfterFiveThousand_data();
    void theRecordAfterFiveThousand();
    void protonNumberBeyondSixteenBits();
    void bytesPassThroughUntouched();
    void missingTable_data();
    void missingTable();
    void symbolicLinkCountsAsTheFile();

private:
    std::unique_ptr<TemporaryCurrentDir> dir_;
    std::unique_ptr<NuclideTable> table_;
    ScriptedUserInterface ui_;

    void Load(const std::string& bytes) {
        WriteFile("nuklorama.csv", bytes);
        LoadFile("nuklorama.csv", *table_, ui_);
    }
};

void TestLoadFile::init() {
    dir_ = std::make_unique<TemporaryCurrentDir>();
    table_ = std::make_unique<NuclideTable>();
    ui_ = ScriptedUserInterface();
}

void TestLoadFile::cleanup() {
    dir_.reset();
}

void TestLoadFile::headerOnlyLoadsNothing() {
    table_->ProtonNumber[1] = 42;
    table_->NuclideCount = 7;
    Load("name,Z,N\r\n");
    QCOMPARE(table_->NuclideCount, 0);
    QCOMPARE(table_->MaxZ, 0);
    QCOMPARE(table_->MaxN, 0);
    QCOMPARE(table_->ProtonNumber[1], 42);
    QVERIFY(ui_.boxes.empty());
}

void TestLoadFile::readsTheFieldsItUses() {
    Load(Table({"x,26,30,a,b,2.6e6,Y,extra,fields", "c, 6 ,8,,, 12.5 s,stable ", "d,1,0,,,-,un"}));
    QVERIFY(ui_.boxes.empty());
    QCOMPARE(table_->NuclideCount, 3);
    QCOMPARE(table_->ProtonNumber[1], 26);
    QCOMPARE(table_->NeutronNumber[1], 30);
    QCOMPARE(table_->HalfLife[1], 2.6e6);
    QCOMPARE(table_->HalfLifeUnit[1], std::string("Y"));
    QCOMPARE(table_->ProtonNumber[2], 6);
    QCOMPARE(table_->HalfLife[2], 12.5);
    QCOMPARE(table_->HalfLifeUnit[2], std::string("stable "));
    QCOMPARE(table_->HalfLife[3], 0.0);
    QCOMPARE(table_->MaxZ, 26);
    QCOMPARE(table_->MaxN, 30);
    QCOMPARE(table_->ProtonNumber[0], 0);
}

void TestLoadFile::lineEnds_data() {
    QTest::addColumn<std::string>("bytes");
    QTest::newRow("CR LF") << std::string("h\r\na,1,2,,,3,s\r\nb,4,5,,,6,m\r\n");
    QTest::newRow("LF") << std::string("h\na,1,2,,,3,s\nb,4,5,,,6,m\n");
    QTest::newRow("CR") << std::string("h\ra,1,2,,,3,s\rb,4,5,,,6,m\r");
    QTest::newRow("mixed, no final end") << std::string("h\ra,1,2,,,3,s\nb,4,5,,,6,m");
    // The reader's buffer ends between the CR and the LF of the header's line end.
    QTest::newRow("CR LF across reads")
        << std::string(LineReader::kBufferSize - 1, 'h') + "\r\na,1,2,,,3,s\r\nb,4,5,,,6,m\r\n";
    QTest::newRow("line longer than a read")
        << "h\r\n" + std::string(3 * LineReader::kBufferSize, 'a') + ",1,2,,,3,s\r\nb,4,5,,,6,m";
}

void TestLoadFile::lineEnds() {
    QFETCH(std::string, bytes);
    Load(bytes);
    QVERIFY(ui_.boxes.empty());
    QCOMPARE(table_->NuclideCount, 2);
    QCOMPARE(table_->NeutronNumber[2], 5);
    QCOMPARE(table_->HalfLifeUnit[1], std::string("s"));
    QCOMPARE(table_->HalfLifeUnit[2], std::string("m"));
}

void TestLoadFile::retriedReadReturnsTheWholeLine_data() {
    QTest::addColumn<int>("failAt");
    QTest::newRow("inside a line") << 14;
    QTest::newRow("between CR and LF") << 9;
    QTest::newRow("at the start of a line") << 10;
    QTest::newRow("at the end") << 18;
}

void TestLoadFile::retriedReadReturnsTheWholeLine() {
    QFETCH(int, failAt);
    // Hands out one byte per read and fails once, at byte failAt.
    const std::string bytes = "h\r\nfirst\r\nsecond\r\n";
    std::size_t at = 0;
    bool failed = false;
    LineReader reader([&](char* into, std::size_t) -> std::size_t {
        if (int(at) == failAt && !std::exchange(failed, true))
            throw RunTimeError(ErrorKind::DeviceIOError);
        if (at == bytes.size()) return 0;
        *into = bytes[at++];
        return 1;
    });
    std::vector<std::string> lines;
    for (int attempt = 0; attempt < 10; ++attempt) {
        try {
            if (reader.AtEnd()) break;
            std::string line;
            reader.ReadLine(line);
            lines.push_back(line);
        } catch (const RunTimeError&) {
        }
    }
    QVERIFY(failed);
    QCOMPARE(lines, (std::vector<std::string>{"h", "first", "second"}));
}

void TestLoadFile::maximaDoNotDependOnOrder() {
    Load(Table({Record(1, 0, "1", "s"), Record(118, 176, "1", "ms"), Record(117, 177, "1", "ms"),
                Record(2, 2, "-", "stable")}));
    QCOMPARE(table_->MaxZ, 118);
    QCOMPARE(table_->MaxN, 177);
}

void TestLoadFile::recordsAboveTheCountKeepEarlierValues() {
    std::string twenty = "h\r\n", ten = "h\r\n";
    for (int i = 1; i <= 20; ++i)
        twenty += Record(i, 100 + i, "1", "s") + "\r\n";
    for (int i = 1; i <= 10; ++i)
        ten += Record(i, i, "2", "h") + "\r\n";
    Load(twenty);
    Load(ten);
    QCOMPARE(table_->NuclideCount, 10);
    QCOMPARE(table_->NeutronNumber[10], 10);
    QCOMPARE(table_->NeutronNumber[11], 111);
    QCOMPARE(table_->NeutronNumber[20], 120);
    QCOMPARE(table_->MaxN, 10);
}

void TestLoadFile::emptyFileFailsAtTheHeader() {
    Load("");
    QCOMPARE(ui_.failedSteps, std::vector<Step>{Step::ReadHeader});
    QCOMPARE(ui_.boxes.at(0).buttons, Buttons::AbortRetryIgnore);
    QCOMPARE(ui_.boxes.at(0).icon, Icon::Exclamation);
    QCOMPARE(table_->NuclideCount, 0);
    QCOMPARE(table_->MaxZ, 0);
}

void TestLoadFile::badFieldAbort() {
    Load(Table({Record(1, 1, "1", "s"), "b,2,abc,,,1,s", Record(3, 3, "1", "s")}));
    QCOMPARE(ui_.failedSteps, std::vector<Step>{Step::StoreNeutronNumber});
    // The failing record is counted; nothing after it is read.
    QCOMPARE(table_->NuclideCount, 2);
    QCOMPARE(table_->ProtonNumber[2], 2);
    QCOMPARE(table_->ProtonNumber[3], 0);
}

void TestLoadFile::badFieldIgnoreKeepsTheOldEntry() {
    table_->NeutronNumber[2] = 77;
    ui_.otherwise = Answer::Ignore;
    Load(Table({Record(1, 1, "1", "s"), "b,2,abc,,,5,d", Record(3, 3, "1", "s")}));
    QCOMPARE(ui_.failedSteps, std::vector<Step>{Step::StoreNeutronNumber});
    QCOMPARE(table_->NuclideCount, 3);
    QCOMPARE(table_->NeutronNumber[2], 77);
    QCOMPARE(table_->HalfLife[2], 5.0);
    QCOMPARE(table_->HalfLifeUnit[2], std::string("d"));
    QCOMPARE(table_->MaxN, 77);
}

void TestLoadFile::retryRepeatsTheStep() {
    ui_.answers = {Answer::Retry, Answer::Retry, Answer::Abort};
    Load(Table({"b,2,abc,,,5,d"}));
    QCOMPARE(ui_.failedSteps, std::vector<Step>(3, Step::StoreNeutronNumber));
    QCOMPARE(table_->NuclideCount, 1);
}

void TestLoadFile::describesWhereTheFailureIs() {
    ui_.otherwise = Answer::Ignore;
    Load(Table({Record(1, 1, "1", "s"), "b,2,abc,,,5,d", "c,99999999999,1,,,1,s", "d,1",
                std::string("e,\x01") + std::string(60, 'q') + ",1,,,1,s"}));
    QCOMPARE(ui_.boxes.at(0).text, std::string("Type mismatch (line 3, field 2: \"abc\")\n"));
    QCOMPARE(ui_.boxes.at(1).text, std::string("Overflow (line 4, field 1: \"99999999999\")\n"));
    QCOMPARE(ui_.boxes.at(2).text,
             std::string("Subscript out of range (line 5, field 2 missing)\n"));
    const std::string cut =
        "Type mismatch (line 6, field 1: \"\\x01" + std::string(39, 'q') + "...\")\n";
    QCOMPARE(ui_.boxes.at(5).text, cut);
}

void TestLoadFile::shortLineTakesWhatRemains() {
    ui_.otherwise = Answer::Ignore;
    Load(Table({Record(1, 1, "42", "h"), "b,2,3"}));
    QCOMPARE(ui_.failedSteps, (std::vector<Step>{Step::KeepHalfLifeText, Step::StoreHalfLifeUnit}));
    QCOMPARE(table_->NuclideCount, 2);
    QCOMPARE(table_->ProtonNumber[2], 2);
    // The half-life text is a working value: the previous record's survives the skipped step.
    QCOMPARE(table_->HalfLife[2], 42.0);
    QCOMPARE(table_->HalfLifeUnit[2], std::string());
}

void TestLoadFile::blankTrailingLineIsARecordWithoutFields() {
    Load(Table({Record(1, 1, "1", "s"), ""}));
    QCOMPARE(ui_.failedSteps, std::vector<Step>{Step::StoreProtonNumber});
    QCOMPARE(table_->NuclideCount, 2);
}

void TestLoadFile::fiveThousandRecordsLoad() {
    std::string text = "h\r\n";
    for (int i = 1; i <= 5000; ++i)
        text += Record(i % 120, i % 180, "1", "s") + "\r\n";
    Load(text);
    QVERIFY(ui_.boxes.empty());
    QCOMPARE(table_->NuclideCount, 5000);
    QCOMPARE(table_->ProtonNumber[5000], 5000 % 120);
}

void TestLoadFile::theRecordAfterFiveThousand_data() {
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<std::vector<Step>>("failedSteps");
    QTest::newRow("abort") << Answer::Abort << std::vector<Step>{Step::StoreProtonNumber};
    QTest::newRow("ignore") << Answer::Ignore
                            << std::vector<Step>{Step::StoreProtonNumber, Step::StoreNeutronNumber,
                                                 Step::StoreHalfLifeUnit, Step::TestMaxZ,
                                                 Step::RaiseMaxZ,         Step::TestMaxN,
                                                 Step::RaiseMaxN,         Step::StoreValue};
}

void TestLoadFile::theRecordAfterFiveThousand() {
    QFETCH(Answer, answer);
    QFETCH(std::vector<Step>, failedSteps);
    std::string text = "h\r\n";
    for (int i = 1; i <= 5001; ++i)
        text += Record(1, 1, "1", "s") + "\r\n";
    ui_.otherwise = answer;
    Load(text);
    QCOMPARE(ui_.failedSteps, failedSteps);
    QCOMPARE(
        ui_.boxes.at(0).text,
        std::string("Subscript out of range (line 5002, record 5001, the table holds 5000)\n"));
    QCOMPARE(table_->NuclideCount, 5001);
}

void TestLoadFile::protonNumberBeyondSixteenBits() {
    ui_.otherwise = Answer::Ignore;
    Load(Table({Record(32767, 1, "1", "s"), Record(32768, 2, "1", "s")}));
    QCOMPARE(ui_.failedSteps, std::vector<Step>{Step::RaiseMaxZ});
    QCOMPARE(ui_.boxes.at(0).text, std::string("Overflow (line 3, proton number 32768)\n"));
    QCOMPARE(table_->MaxZ, 32767);
    QCOMPARE(table_->ProtonNumber[2], 32768);
    QCOMPARE(table_->MaxN, 2);
}

void TestLoadFile::bytesPassThroughUntouched() {
    const std::string unit("\xC3\xA6\0\xFF", 4);
    Load(Table({"\xCC\xBC\x31\x34,6,8,,,1," + unit}));
    QVERIFY(ui_.boxes.empty());
    QCOMPARE(table_->HalfLifeUnit[1], unit);
}

void TestLoadFile::missingTable_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("no file") << "none";
    QTest::newRow("directory") << "directory";
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("dangling link") << "link";
}

void TestLoadFile::missingTable() {
    QFETCH(QString, kind);
    if (kind == "directory") QVERIFY(QDir().mkdir("nuklorama.csv"));
    if (kind == "fifo") QCOMPARE(::mkfifo("nuklorama.csv", 0600), 0);
    if (kind == "link") QVERIFY(QFile::link("gone.csv", "nuklorama.csv"));
    try {
        LoadFile("nuklorama.csv", *table_, ui_);
        QFAIL("the program did not end");
    } catch (const ScriptedUserInterface::ProgramEnded& ended) {
        QCOMPARE(ended.status, 1);
    }
    QCOMPARE(ui_.boxes.size(), size_t(1));
    QCOMPARE(ui_.boxes[0].text, std::string("nuklorama.csv Not Found!"));
    QCOMPARE(ui_.boxes[0].buttons, Buttons::Ok);
    QCOMPARE(ui_.boxes[0].icon, Icon::Exclamation);
}

void TestLoadFile::symbolicLinkCountsAsTheFile() {
    WriteFile("real.csv", Table({Record(3, 4, "1", "s")}));
    QVERIFY(QFile::link("real.csv", "nuklorama.csv"));
    LoadFile("nuklorama.csv", *table_, ui_);
    QCOMPARE(table_->NuclideCount, 1);
    QCOMPARE(table_->NeutronNumber[1], 4);
}

QTEST_GUILESS_MAIN(TestLoadFile)
#include "tst_loadfile.moc"
