// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <csignal>

#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <optional>

#include "base/FileWriter.h"
#include "base/RunTimeError.h"
#include "support/TestFiles.h"
#include "table/LineReader.h"
#include "table/NubaseImport.h"
#include "table/NumberText.h"

using namespace nuklorama;

using Steps = std::vector<LoadStep>;
using Answers = std::vector<Answer>;
Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(Answers)
Q_DECLARE_METATYPE(Steps)

static const QByteArray kShipped = Contents(NUKLORAMA_SOURCE_DIR "/data/nuklorama.csv");
static const std::string kNoFile = "no file";

class TestTable : public QObject {
    Q_OBJECT
    std::optional<LoadScratch> s_;

private slots:
    void init() { s_.emplace(); }
    void cleanup() { s_.reset(); }

    void numbers_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<double>("halfLife");  // as the half-life value reads it
        QTest::addColumn<int>("number");       // as a proton or neutron number reads it,
        QTest::addColumn<int>("error");        // or the error kind that reading raises
        const int mismatch = int(ErrorKind::TypeMismatch), over = int(ErrorKind::Overflow);
        const auto row = [](const char* text, double halfLife, int number, int error = -1) {
            QTest::newRow(text) << QByteArray(text) << halfLife << number << error;
        };
        row("6.5", 6.5, 6);
        row("7.5", 7.5, 8);
        row("-2.5", -2.5, -2);
        row("6.5000000000000000000001", 6.5, 7);
        row("2147483647.5", 2147483647.5, 0, over);
        row("1e99999999999999999999999", qInf(), 0, over);
        row("", 0, 0, mismatch);
        row("1 2\t.\n5", 12.5, 0, mismatch);
        row("1.2.3", 1.2, 0, mismatch);
        QTest::newRow("NUL byte") << QByteArray("1\0", 2) << 1.0 << 0 << mismatch;
    }

    void numbers() {
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

    void eachLoadOverwritesTheFieldsItUses() {
        s_->ui.otherwise = Answer::Ignore;
        s_->Load(Table({Record(9, 3, "1", "s")}, 20));
        const std::string unit("\xC3\xA6\0\xFF", 4);
        s_->Load(Table({"x,26,30,a,b,2.6e6,Y,extra", "c, 6 ,8,,, 12.5 s,stable ",
                        "d,1,0,,,-," + unit, "b,2,abc,,,5,d"}));
        const NuclideTable& t = *s_->table;
        QCOMPARE(s_->ui.boxes.size(), size_t(1));
        QCOMPARE(t.NuclideCount, 4);
        QCOMPARE(Stored(t, 1), "26,30,2.6e+06,Y");
        QCOMPARE(Stored(t, 2), "6,8,12.5,stable ");
        QCOMPARE(Stored(t, 3), "1,0,0," + unit);
        QCOMPARE(Stored(t, 4), "2,3,5,d");  // the bad field leaves the old entry
        QCOMPARE(Stored(t, 20), "9,3,1,s");
        QCOMPARE(t.MaxZ, 26);
        QCOMPARE(t.MaxN, 30);
    }

    void lineEnds_data() {
        QTest::addColumn<std::string>("bytes");
        QTest::newRow("CR LF") << std::string("h\r\na,1,2,,,3,s\r\nb,4,5,,,6,m\r\n");
        QTest::newRow("mixed, no final end") << std::string("h\ra,1,2,,,3,s\nb,4,5,,,6,m");
        // The reader's buffer ends between the CR and the LF of the header's line end.
        QTest::newRow("CR LF across reads")
            << std::string(LineReader::kBufferSize - 1, 'h') + "\r\na,1,2,,,3,s\r\nb,4,5,,,6,m\r\n";
        QTest::newRow("line longer than a read")
            << "h\r\n" + std::string(3 * LineReader::kBufferSize, 'a') +
                   ",1,2,,,3,s\r\nb,4,5,,,6,m";
    }

    void lineEnds() {
        QFETCH(std::string, bytes);
        s_->Load(bytes);
        QVERIFY(s_->ui.boxes.empty());
        QCOMPARE(s_->table->NuclideCount, 2);
        QCOMPARE(Stored(*s_->table, 1).substr(1), ",2,3,s");
        QCOMPARE(Stored(*s_->table, 2), "4,5,6,m");
    }

    void failedSteps_data() {
        QTest::addColumn<std::string>("bytes");
        QTest::addColumn<Answers>("answers");  // the last one again and again
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<int>("count");
        QTest::addColumn<std::string>("firstPrompt");
        const auto row = [](const char* name, const std::string& bytes, Answers answers,
                            Steps steps, int count, const std::string& prompt) {
            QTest::newRow(name) << bytes << answers << steps << count << prompt;
        };
        using enum LoadStep;
        const Answers abort{Answer::Abort}, ignore{Answer::Ignore};
        const Answer retry = Answer::Retry;
        const std::string one = Record(1, 1, "1", "s"), wide(5000, '0');
        const std::string beyond =
            "Subscript out of range (line 5002, record 5001, the table holds 5000)\n";
        const auto pastTheTable = [](LoadStep last) {
            return Steps{StoreProtonNumber, StoreNeutronNumber, StoreHalfLifeUnit, TestMaxZ,
                         RaiseMaxZ,         TestMaxN,           RaiseMaxN,         last};
        };

        row("empty file", "", abort, {ReadHeader}, 0, "Input past end of file (line 1)\n");
        // What a table deleted right after the existence test meets; ignored, every read fails.
        row("no file at the open", kNoFile, {retry, Answer::Ignore},
            {Open, Open, ReadHeader, TestEnd, ReadRecordLine, StoreProtonNumber, StoreNeutronNumber,
             KeepHalfLifeText, StoreHalfLifeUnit},
            1, "File not found (nuklorama.csv)\n");
        row("retried", Table({"b,2,abc,,,5,d"}), {retry, retry, Answer::Abort},
            Steps(3, StoreNeutronNumber), 1, "Type mismatch (line 2, field 2: \"abc\")\n");
        row("letters in field 2", Table({one, "b,2,abc,,,1,s", one}), abort, {StoreNeutronNumber},
            2, "Type mismatch (line 3, field 2: \"abc\")\n");
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
        row("5001st record, ignore", Table({one}, 5001), ignore, pastTheTable(StoreValue), 5001,
            beyond);
        row("5001st record without a value, ignore",
            Table({one}, 5000) + Record(1, 1, "-", "s") + "\r\n", ignore,
            pastTheTable(StoreNoValue), 5001, beyond);
        row("huge fields", Table({"n," + wide + "1,2,,,1" + wide + "e-5000,h"}), abort, {}, 1, "");
    }

    void failedSteps() {
        QFETCH(std::string, bytes);
        QFETCH(Answers, answers);
        QFETCH(Steps, steps);
        QFETCH(int, count);
        QFETCH(std::string, firstPrompt);
        s_->ui.answers.assign(answers.begin(), answers.end() - 1);
        s_->ui.otherwise = answers.back();
        s_->ui.maxPrompts = 8;  // the unopened file would prompt for ever
        if (bytes != kNoFile) WriteFile("nuklorama.csv", bytes);
        RunLoadSteps("nuklorama.csv", *s_->table, s_->ui);
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

    void missingTable_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("no file") << "none";
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("link to a table counts as the table") << "link";
    }

    void missingTable() {
        QFETCH(QString, kind);
        if (kind == "fifo") QCOMPARE(::mkfifo("nuklorama.csv", 0600), 0);
        if (kind == "link") {
            QVERIFY(QFile::link("real.csv", "nuklorama.csv"));
            WriteFile("real.csv", Table({Record(3, 4, "1", "s")}));
        }
        try {
            LoadFile("nuklorama.csv", *s_->table, s_->ui);
            QCOMPARE(kind, QString("link"));
            QCOMPARE(s_->table->NeutronNumber[1], 4);
        } catch (const ScriptedUserInterface::ProgramEnded& ended) {
            QCOMPARE(ended.status, 1);
            QCOMPARE(s_->ui.boxes.size(), size_t(1));
            QCOMPARE(s_->ui.boxes[0].text, std::string("nuklorama.csv Not Found!"));
            QCOMPARE(s_->ui.boxes[0].buttons, Buttons::Ok);
            QCOMPARE(s_->ui.boxes[0].icon, Icon::Exclamation);
        }
    }

    void excerptGivesTheShippedRecords() {
        // Real NUBASE2020 lines: every unit from ys to Yy, stable, particle-unstable and empty
        // half-lives, limit and systematics marks, an isomer kept with its ground state and an
        // analogue state, which is not.
        const QByteArray excerpt = Contents(NUKLORAMA_SOURCE_DIR "/tests/table/nubase-excerpt.txt");
        const NubaseTable imported = ImportNubase(excerpt.toStdString());
        const QList<QByteArray> records = QByteArray::fromStdString(imported.csv).split('\n');
        QCOMPARE(records.first(), kShipped.left(kShipped.indexOf('\n') + 1).chopped(1));
        QCOMPARE(records.size(), 1 + 32 + 1);  // header, 32 ground states, nothing after the end
        // ⁷⁶ᵐCu does not exist; ²⁴ᵐNa is kept.
        QVERIFY(imported.groundStates == 32 && imported.excitedStates == 1);
        QCOMPARE(imported.nonExistentStates, 1);
        // The excerpt leaves out most excited states, so field 9 may differ.
        const auto withoutStates = [](const QByteArray& line) {
            QList<QByteArray> fields = line.split(',');
            fields[std::min<qsizetype>(9, fields.size() - 1)].clear();
            return fields.join(',');
        };
        QSet<QByteArray> shipped;
        for (const QByteArray& line : kShipped.split('\n'))
            shipped.insert(withoutStates(line));
        for (const QByteArray& record : records.mid(1, 32))
            QVERIFY2(shipped.contains(withoutStates(record)), record.constData());
    }

    void malformedNubaseLines_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("error");
        QByteArray carbon(80, ' ');
        carbon.replace(0, 8, "012 0060").replace(11, 3, "12C").replace(74, 4, "stbl");
        QTest::newRow("atomic number") << QByteArray(carbon).replace(4, 4, "0x60")
                                       << "line 3: atomic number \"0x6\" is not a number";
        QTest::newRow("unit") << QByteArray(carbon).replace(74, 6, "   5wk")
                              << "line 3: half-life unit \"wk\" is not known";
        QTest::newRow("name") << QByteArray(carbon).replace(11, 4, "12,C")
                              << "line 3: nuclide name \"12,C\" is not valid";
        // A lone CR ends a line, as it does for the table loader.
        QTest::newRow("lone CR") << QByteArray("272 1090   272\r3480   B-=100")
                                 << "line 3: the line is too short for a NUBASE entry";
        // Another format, or nothing at all, must not replace a table with a bare header.
        QTest::newRow("a table") << QByteArray("35Cl,17,18,35,Cl,-,stable")
                                 << "line 3: column 8 holds \",\" where a NUBASE entry has its "
                                    "state digit, 0 to 9";
        QTest::newRow("only comments and blanks")
            << QByteArray()
            << "holds no NUBASE ground state: expected the fixed-width lines of a "
               "NUBASE evaluation, such as nubase_4.mas20.txt";
        QTest::newRow("a ground state twice")
            << carbon + "\n" + carbon
            << "line 4: repeats the ground state of line 3 (A = 12, Z = 6)";
        QTest::newRow("only an isomer")
            << QByteArray(carbon).replace(7, 1, "1") << "holds no NUBASE ground state";
    }

    void malformedNubaseLines() {
        QFETCH(QByteArray, line);
        QFETCH(QString, error);
        try {
            ImportNubase("# header\n\n" + line.toStdString());
            QFAIL("no error raised");
        } catch (const NubaseError& e) {
            QVERIFY2(QString(e.what()).startsWith(error), e.what());
            QCOMPARE(e.Line(), error.startsWith("line ") ? error.mid(5, 1).toInt() : 0);
        }
    }

    void extraFieldsAreReadBesideTheTable() {
        // Each line and what its record keeps of fields 7 to 9: nothing of a line that failed.
        const std::pair<std::string, std::string> lines[] = {
            {"a,1,1,,,1,s,B-=100,1/2+,m:1:1 s:IT=100,more", "B-=100|1/2+|m:1:1 s:IT=100"},
            {"b,1,1,,,1,s,A=100", "A=100||"},
            {"c,1,1,,,1,s", "||"},
            {"d,1,1,,,1,s," + std::string(5000, 'A') + ",0+,", "|0+|"},
            {"e,x,1,,,1,s,A=100,0+,", "||"},
            {"f,40000,1,,,1,s,A=100,0+,", "||"}};
        std::string text = "h\r\n";
        for (const auto& [line, kept] : lines)
            text += line + "\r\n";
        s_->ui.otherwise = Answer::Ignore;
        s_->Load(text);
        // The same load with the extra fields read: the same prompts, the same four tables.
        ScriptedUserInterface ui;
        ui.otherwise = Answer::Ignore;
        auto table = std::make_unique<NuclideTable>();
        ExtraFieldTable fields;
        LoadFile("nuklorama.csv", *table, ui, &fields);
        QCOMPARE(ui.failedSteps, s_->ui.failedSteps);
        QVERIFY(table->MaxZ == s_->table->MaxZ && table->NuclideCount == 6);
        for (int i = 1; i <= 6; ++i) {
            QCOMPARE(Stored(*table, i), Stored(*s_->table, i));
            const ExtraFields f = fields.Of(i);
            QCOMPARE(
                std::string(f.decay) + "|" + std::string(f.spin) + "|" + std::string(f.isomers),
                lines[i - 1].second);
        }
    }

    void shippedRecordsCarryWhatTheEvaluationGives() {
        // Uncertainties and bracketed notes dropped, a comma in the spin, states m to q kept and
        // the analogue state of ⁶Li left out; half-life limits, marks on the order of states,
        // masses from systematics.
        for (const char* record :
             {"238U,92,146,238,U,4463000000,y,IS=99.2742;A=100;SF=5.44e-5;2B-=2.2e-10,0+,m:2557.9:"
              "280 ns:IT=97.4;SF=2.6:0+::1979,4.463 Gy,,47307.7,1.5,1896",
              "6Li,3,3,6,Li,-,stable,IS=4.85,1+*,,stable,,14086.8804,0.0014,1921",
              "170Re,75,95,170,Re,1,s,B+=100,(8-;9-)#,m:73:9.2 s:B+=?;IT?:(5+):&:1974|n:210.1:130 "
              "ns:IT=100:(6;7;8;9)::1974,>1# s,&,-38904,11,1974",
              "180Ta,73,107,180,Ta,8.154,h,EC=85;B-=15,1+,m:75.3:stable (>45 Py):IS=0.01201;B-?:9-"
              "::1940|n:1452.39:31.2 us:IT=100:15-::1996|p:3678.9:2.0 us:IT=100:(22-)::2000|q:4172."
              "2:17 us:IT=100:(24+)::2000,8.154 h,,-48933.6,2.1,1938",
              "18B,5,13,18,B,-,un,n=100,(2-),,<26 ns,,51790,200,2010",
              "31F,9,22,31,F,2,ms,B-?;B-n?;B-2n?,5/2+#,,2# ms (>260 ns),,56840#,540#,1999"})
            QVERIFY2(kShipped.contains("\n" + QByteArray(record) + "\r\n"), record);
    }

    void everyDecayEntryHasADocumentedForm() {
        // A mode, then ? alone, =?, or a relation and a number, # marking systematics.
        static const QRegularExpression form(
            "^[0-9]*[A-Za-z][A-Za-z0-9+-]*(\\?|=\\?|[=~<>][0-9]+(\\.[0-9]+)?(e-?[0-9]+)?#?)$");
        int entries = 0;
        for (const QByteArray& line : kShipped.trimmed().split('\n').mid(1)) {
            const QList<QByteArray> fields = line.trimmed().split(',');
            QVERIFY2(fields.size() >= 10, line.constData());
            QList<QByteArray> lists{fields[7]};
            for (const QByteArray& state : fields[9].split('|'))
                lists += state.split(':').value(3);
            for (const QByteArray& list : lists)
                for (const QByteArray& entry :
                     list.isEmpty() ? QList<QByteArray>() : list.split(';')) {
                    QVERIFY2(form.match(QString::fromLatin1(entry)).hasMatch(), line.constData());
                    ++entries;
                }
        }
        QCOMPARE(entries, 8874);  // the source's entries of these states, ⁹⁰Pd's last two apart
    }

    void shippedTableIsTheImportOfNubase2020() {
        const QByteArray nubase =
            Contents(NUKLORAMA_SOURCE_DIR "/../shared/data/nubase_4.mas20.txt");
        if (nubase.isEmpty()) QSKIP("the whole NUBASE2020 file is not beside this clone");
        QCOMPARE(QByteArray::fromStdString(ImportNubase(nubase.toStdString()).csv), kShipped);
    }

    void writesWholeOrNotAtAll_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason");  // empty when the write succeeds
        const auto row = [](const char* fault, const char* reason) {
            QTest::newRow(fault) << fault << QString(reason);
        };
        for (const char* fault : {"new file", "over a file", "link to a file", "dangling link"})
            row(fault, "");
        row("folder", "Is a directory");
        row("FIFO", "is a FIFO, not a regular file");
        row("device", "is a device, not a regular file");
        row("link to a FIFO", "is a FIFO, not a regular file");
        row("link loop", "Too many levels of symbolic links");
        row("missing folder", "No such file or directory");
        row("file size limit", "File too large");
        row("full disk", "No space left on device");
        row("read-only folder", geteuid() == 0 ? "Read-only file system" : "Permission denied");
    }

    // Every file the program writes goes this way: the whole new file, or the old one as it was
    // and nothing else in its folder.
    void writesWholeOrNotAtAll() {
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        const std::string data(100'000, 'n');
        QVERIFY(QDir().mkdir("d"));
        const auto unmount = qScopeGuard([] { umount("d"), chmod("d", 0755); });
        const char* tmpfs = fault == "full disk"                            ? "size=16k"
                            : fault == "read-only folder" && geteuid() == 0 ? "ro"
                                                                            : nullptr;
        if (tmpfs && mount("tmpfs", "d", "tmpfs", 0, tmpfs) != 0)
            QSKIP("a tmpfs cannot be mounted here");
        if (fault == "read-only folder" && !tmpfs) chmod("d", 0555);
        std::string path = "d/out", kept = "d/out";
        if (QStringList{"over a file", "full disk", "file size limit", "link to a file"}.contains(
                fault))
            WriteFile("d/out", "old"), chmod("d/out", 0640);
        if (fault.startsWith("link to")) path = "d/link", symlink("out", "d/link");
        if (fault.endsWith("FIFO")) mkfifo("d/out", 0644);
        if (fault == "device" && mknod("d/out", S_IFCHR | 0666, makedev(1, 7)) != 0)
            symlink("/dev/null", "d/out");  // only root makes devices; nobody else replaces one
        if (fault == "folder") QDir().mkdir("d/out");
        if (fault == "dangling link") symlink("new", "d/out"), kept = "d/new";
        if (fault == "link loop") symlink("out", "d/out");
        if (fault == "missing folder") path = kept = "d/missing/out";
        struct stat before {};
        lstat(kept.c_str(), &before);
        const QStringList files = Entries("d");

        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit small{4096, limit.rlim_max};  // the hard limit stays, to be restored
        std::signal(SIGXFSZ, SIG_IGN);
        if (fault == "file size limit") setrlimit(RLIMIT_FSIZE, &small);
        const WriteFailure failure = WriteFileAtomically(path, data);
        setrlimit(RLIMIT_FSIZE, &limit);

        struct stat after {};
        lstat(kept.c_str(), &after);
        QCOMPARE(QString::fromStdString(failure.reason), reason);
        QCOMPARE(failure.notRegularFile,
                 reason == "Is a directory" || reason.contains("not a regular"));
        if (reason.isEmpty()) {
            QCOMPARE(Contents(QString::fromStdString(kept)).toStdString(), data);
            if (fault.endsWith("a file")) QCOMPARE(after.st_mode & 0777, mode_t(0640));
            QCOMPARE(QFileInfo(QString::fromStdString(path)).isSymLink(), fault.contains("link"));
        } else {
            QCOMPARE(after.st_mode, before.st_mode);
            if (S_ISREG(before.st_mode)) QCOMPARE(Contents(QString::fromStdString(kept)), "old");
            QCOMPARE(Entries("d"), files);
        }
    }

    // Huge tables, run only by the test labelled slow.
    void longLineWithoutAnEnd() {
        if (!qEnvironmentVariableIsSet("NUKLORAMA_SLOW_TESTS"))
            QSKIP("run by the test labelled slow");
        std::string bytes = "h\n";
        bytes.resize(64 << 20, '7');
        bytes[100] = ',';
        s_->ui.otherwise = Answer::Ignore;
        s_->Load(bytes);
        QCOMPARE(s_->table->NuclideCount, 1);
        // Field 1 is a 64 MiB number: an overflow, shown cut short; fields 2, 5 and 6 are missing.
        QCOMPARE(s_->ui.failedSteps,
                 (Steps{LoadStep::StoreProtonNumber, LoadStep::StoreNeutronNumber,
                        LoadStep::KeepHalfLifeText, LoadStep::StoreHalfLifeUnit}));
        QVERIFY(s_->ui.boxes[0].text.size() < 120);
    }

    void millionLinesAnsweredIgnore() {
        if (!qEnvironmentVariableIsSet("NUKLORAMA_SLOW_TESTS"))
            QSKIP("run by the test labelled slow");
        s_->ui.otherwise = Answer::Ignore;
        s_->ui.maxPrompts = 1LL << 40;
        s_->Load(Table({"a,1,1,,,1,s"}, 1'000'000));
        // The count stops at the top of its type; every line after the table is full still prompts.
        QCOMPARE(s_->table->NuclideCount, 32767);
        QCOMPARE(s_->ui.prompts, 1LL * (32767 - 5000) * 8 + (1'000'000 - 32767) * 9);
        QCOMPARE(s_->table->MaxZ, 1);
        QCOMPARE(s_->table->HalfLifeUnit[0], std::string());
    }
};

QTEST_GUILESS_MAIN(TestTable)
#include "tst_table.moc"
