// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include <QDir>
#include <QTest>
#include <optional>

#include "support/TestFiles.h"
#include "table/LineReader.h"
#include "table/LoadFile.h"
#include "table/NumberText.h"
#include "table/RunTimeError.h"

using namespace nuklorama;
using Step = LoadStep;
using Steps = std::vector<LoadStep>;

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(nuklorama::Answer)
Q_DECLARE_METATYPE(Steps)

class TestLoadFile : public QObject {
    Q_OBJECT
private slots:
    void init() { s_.emplace(); }
    void cleanup() { s_.reset(); }

    void numbers_data();
    void numbers();
    void readsTheFieldsItUses();
    void lineEnds_data();
    void lineEnds();
    void retriedReadReturnsTheWholeLine_data();
    void retriedReadReturnsTheWholeLine();
    void failedSteps_data();
    void failedSteps();
    void eachLoadOverwritesFromRecordOne();
    void retryRepeatsTheStep();
    void tableVanishesBeforeTheOpen();
    void missingTable_data();
    void missingTable();

private:
    std::optional<LoadScratch> s_;
};

void TestLoadFile::numbers_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("halfLife");  // as the half-life value reads it
    QTest::addColumn<int>("number");       // as a proton or neutron number reads it,
    QTest::addColumn<int>("error");        // or the error kind that reading raises
    const int mismatch = int(ErrorKind::TypeMismatch), over = int(ErrorKind::Overflow);
    const auto row = [](const char* text, double halfLife, int number, int error = -1) {
        QTest::newRow(text) << QByteArray(text) << halfLife << number << error;
    };
    row("  118 \t", 118, 118);
    row("6.5", 6.5, 6);
    row("7.5", 7.5, 8);
    row("-2.5", -2.5, -2);
    row("6.5000000000000000000001", 6.5, 7);
    row("1500E-2", 15, 15);
    row("-2147483648", -2147483648.0, INT32_MIN);
    row("2147483647.5", 2147483647.5, 0, over);
    row("1e99999999999999999999999", qInf(), 0, over);
    row("-1e400", -qInf(), 0, over);
    row("", 0, 0, mismatch);
    row("abc", 0, 0, mismatch);
    row(" 12.5 s", 12.5, 0, mismatch);
    row("1 2\t.\n5", 12.5, 0, mismatch);
    row("1.2.3", 1.2, 0, mismatch);
    QTest::newRow("NUL byte") << QByteArray("1\0", 2) << 1.0 << 0 << mismatch;
}

void TestLoadFile::numbers() {
    QFETCH(QByteArray, text);
    QFETCH(double, halfLife);
    QFETCH(int, number);
    QFETCH(int, error);
    QCOMPARE(LeadingNumber(std::string_view(text.constData(), size_t(text.size()))), halfLife);
    try {
        QCOMPARE(ToInt32(text.toStdString()), number);
        QCOMPARE(error, -1);
    } catch (const RunTimeError& e) {
        QCOMPARE(int(e.Kind()), error);
    }
}

void TestLoadFile::readsTheFieldsItUses() {
    const std::string unit("\xC3\xA6\0\xFF", 4);
    s_->Load(
        Table({"x,26,30,a,b,2.6e6,Y,extra", "c, 6 ,8,,, 12.5 s,stable ", "d,1,0,,,-," + unit}));
    const NuclideTable& t = *s_->table;
    QVERIFY(s_->ui.boxes.empty());
    QCOMPARE(t.NuclideCount, 3);
    QCOMPARE(Stored(t, 1), "26,30,2.6e+06,Y");
    QCOMPARE(Stored(t, 2), "6,8,12.5,stable ");
    QCOMPARE(Stored(t, 3), "1,0,0," + unit);
    QCOMPARE(Stored(t, 0), "0,0,0,");
    QCOMPARE(t.MaxZ, 26);
    QCOMPARE(t.MaxN, 30);
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
    s_->Load(bytes);
    QVERIFY(s_->ui.boxes.empty());
    QCOMPARE(s_->table->NuclideCount, 2);
    QCOMPARE(Stored(*s_->table, 1).substr(1), ",2,3,s");
    QCOMPARE(Stored(*s_->table, 2), "4,5,6,m");
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

void TestLoadFile::failedSteps_data() {
    QTest::addColumn<std::string>("bytes");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<int>("count");
    QTest::addColumn<std::string>("firstPrompt");
    const auto row = [](const char* name, const std::string& bytes, Answer answer, Steps steps,
                        int count, const std::string& prompt) {
        QTest::newRow(name) << bytes << answer << steps << count << prompt;
    };
    using enum LoadStep;
    const Answer abort = Answer::Abort, ignore = Answer::Ignore;
    const std::string one = Record(1, 1, "1", "s"), wide(5000, '0');
    std::string full = "h\r\n";
    for (int i = 1; i <= 5001; ++i)
        full += one + "\r\n";
    const std::string beyond =
        "Subscript out of range (line 5002, record 5001, the table holds 5000)\n";

    row("empty file", "", abort, {ReadHeader}, 0, "Input past end of file (line 1)\n");
    row("letters in field 2", Table({one, "b,2,abc,,,1,s", one}), abort, {StoreNeutronNumber}, 2,
        "Type mismatch (line 3, field 2: \"abc\")\n");
    row("field 1 beyond 32 bits", Table({"c,99999999999,1,,,1,s"}), ignore, {StoreProtonNumber}, 1,
        "Overflow (line 2, field 1: \"99999999999\")\n");
    row("field shown cut short", Table({"e,\x01" + std::string(60, 'q') + ",1,,,1,s"}), abort,
        {StoreProtonNumber}, 1,
        "Type mismatch (line 2, field 1: \"\\x01" + std::string(39, 'q') + "...\")\n");
    row("short line", Table({Record(1, 1, "42", "h"), "b,2,3"}), ignore,
        {KeepHalfLifeText, StoreHalfLifeUnit}, 2,
        "Subscript out of range (line 3, field 5 missing)\n");
    row("blank last line", Table({one, ""}), abort, {StoreProtonNumber}, 2,
        "Subscript out of range (line 3, field 1 missing)\n");
    row("proton number beyond 16 bits",
        Table({Record(32767, 1, "1", "s"), Record(32768, 2, "1", "s")}), ignore, {RaiseMaxZ}, 2,
        "Overflow (line 3, proton number 32768)\n");
    row("5001st record, abort", full, abort, {StoreProtonNumber}, 5001, beyond);
    row("5001st record, ignore", full, ignore,
        {StoreProtonNumber, StoreNeutronNumber, StoreHalfLifeUnit, TestMaxZ, RaiseMaxZ, TestMaxN,
         RaiseMaxN, StoreValue},
        5001, beyond);
    row("huge fields", Table({"n," + wide + "1,2,,,1" + wide + "e-5000,h"}), abort, {}, 1, "");
}

void TestLoadFile::failedSteps() {
    QFETCH(std::string, bytes);
    QFETCH(Answer, answer);
    QFETCH(Steps, steps);
    QFETCH(int, count);
    QFETCH(std::string, firstPrompt);
    s_->table->ProtonNumber[2] = 77;
    s_->ui.otherwise = answer;
    s_->Load(bytes);
    QCOMPARE(s_->ui.failedSteps, steps);
    QCOMPARE(s_->table->NuclideCount, count);
    if (!steps.empty()) {
        QCOMPARE(s_->ui.boxes.at(0).text, firstPrompt);
        QCOMPARE(s_->ui.boxes.at(0).buttons, Buttons::AbortRetryIgnore);
        QCOMPARE(s_->ui.boxes.at(0).icon, Icon::Exclamation);
    }
    // A skipped step keeps what was there: the working half-life text, the old table entry.
    if (QTest::currentDataTag() == QString("short line"))
        QCOMPARE(Stored(*s_->table, 2), "2,3,42,");
    if (QTest::currentDataTag() == QString("proton number beyond 16 bits"))
        QCOMPARE(s_->table->MaxZ, 32767);
    QCOMPARE(Stored(*s_->table, 0), "0,0,0,");
}

void TestLoadFile::eachLoadOverwritesFromRecordOne() {
    std::string twenty = "h\r\n", ten = "h\r\n";
    for (int i = 1; i <= 20; ++i)
        twenty += Record(i, 100 + i, "1", "s") + "\r\n";
    for (int i = 1; i <= 10; ++i)
        ten += Record(i, i, "2", "h") + "\r\n";
    ten += "b,2,abc,,,5,d\r\n";
    s_->ui.otherwise = Answer::Ignore;
    s_->Load(twenty);
    s_->Load(ten);
    const NuclideTable& t = *s_->table;
    QCOMPARE(t.NuclideCount, 11);
    QCOMPARE(Stored(t, 10), "10,10,2,h");
    QCOMPARE(Stored(t, 11), "2,111,5,d");  // the bad field left the old entry
    QCOMPARE(Stored(t, 20), "20,120,1,s");
    QCOMPARE(t.MaxN, 111);
}

void TestLoadFile::retryRepeatsTheStep() {
    s_->ui.answers = {Answer::Retry, Answer::Retry, Answer::Abort};
    s_->Load(Table({"b,2,abc,,,5,d"}));
    QCOMPARE(s_->ui.failedSteps, Steps(3, Step::StoreNeutronNumber));
    QCOMPARE(s_->table->NuclideCount, 1);
}

void TestLoadFile::tableVanishesBeforeTheOpen() {
    // What a table deleted right after the existence test meets: the open fails and asks.
    s_->ui.answers = {Answer::Retry, Answer::Ignore, Answer::Ignore, Answer::Ignore,
                      Answer::Ignore};
    RunLoadSteps("nuklorama.csv", *s_->table, s_->ui);
    QCOMPARE(s_->ui.boxes.at(0).text, std::string("File not found (nuklorama.csv)\n"));
    // Ignored, the unopened file fails every read and end test until the user aborts.
    QCOMPARE(s_->ui.failedSteps, (Steps{Step::Open, Step::Open, Step::ReadHeader, Step::TestEnd,
                                        Step::ReadRecordLine, Step::StoreProtonNumber}));
    QCOMPARE(s_->ui.boxes.at(2).text,
             std::string("Bad file name or number (line 1, the file is not open)\n"));
    QCOMPARE(s_->table->NuclideCount, 1);
}

void TestLoadFile::missingTable_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("no file") << "none";
    QTest::newRow("directory") << "directory";
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("dangling link") << "link";
    QTest::newRow("link to a table counts as the table") << "good link";
}

void TestLoadFile::missingTable() {
    QFETCH(QString, kind);
    if (kind == "directory") QVERIFY(QDir().mkdir("nuklorama.csv"));
    if (kind == "fifo") QCOMPARE(::mkfifo("nuklorama.csv", 0600), 0);
    if (kind.endsWith("link")) QVERIFY(QFile::link("real.csv", "nuklorama.csv"));
    if (kind == "good link") WriteFile("real.csv", Table({Record(3, 4, "1", "s")}));
    try {
        LoadFile("nuklorama.csv", *s_->table, s_->ui);
        QCOMPARE(kind, QString("good link"));
        QCOMPARE(s_->table->NeutronNumber[1], 4);
    } catch (const ScriptedUserInterface::ProgramEnded& ended) {
        QCOMPARE(ended.status, 1);
        QCOMPARE(s_->ui.boxes.size(), size_t(1));
        QCOMPARE(s_->ui.boxes[0].text, std::string("nuklorama.csv Not Found!"));
        QCOMPARE(s_->ui.boxes[0].buttons, Buttons::Ok);
        QCOMPARE(s_->ui.boxes[0].icon, Icon::Exclamation);
    }
}

QTEST_GUILESS_MAIN(TestLoadFile)
#include "tst_loadfile.moc"
