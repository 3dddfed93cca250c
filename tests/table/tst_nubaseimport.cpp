#include <QFile>
#include <QTest>

#include "support/ScriptedUserInterface.h"
#include "table/LoadFile.h"
#include "table/NubaseImport.h"

using namespace nuklorama;

namespace {

// One NUBASE entry with its fields in their columns (1-based, as the format gives them).
std::string Entry(const std::string& a, const std::string& zi, const std::string& name,
                  const std::string& halfLife, const std::string& unit) {
    std::string line(124, ' ');
    auto put = [&line](std::size_t column, const std::string& text) {
        line.replace(column - 1, text.size(), text);
    };
    put(1, a);
    put(5, zi);
    put(12, name);
    put(19, "  8071.3181     0.0004");
    put(70 + 9 - halfLife.size(), halfLife);  // right-aligned like the real file
    put(79, unit);
    put(89, "1/2+*");
    return line;
}

}  // namespace

class TestNubaseImport : public QObject {
    Q_OBJECT
private slots:
    void convertsGroundStates();
    void malformedLines_data();
    void malformedLines();
    void shippedTableLoadsWithoutAPrompt();
    void shippedTableIsTheImportOfNubase2020();
};

void TestNubaseImport::convertsGroundStates() {
    const std::string nubase =
        "# NUBASE header\n#---\n" + Entry("012", "0060", "12C", "stbl", "") + "\n" +
        Entry("003", "0030", "3Li", "p-unst", "") + "\n" + Entry("010", "0080", "10O", "", "") +
        "\r\n" + Entry("020", "0120", "20Mg", "90.8#", "ms") + "\n" +
        Entry("026", "0080", "26O", ">4.6", "ps") + "\n" +
        Entry("014", "0060", "14C", "5.70", "ky") + "\n" + Entry("014", "0061", "14Cm", "1", "s") +
        "\n" + Entry("238", "0920", "238U", "4.463", "Gy") + "\n" +
        Entry("128", "0520", "128Te", "2.25", "Yy") + "\n" +
        Entry("050", "0230", "50V", "~0.000271", "Ey") + "\n\n";
    const std::string expected =
        "name,Z,N,A,symbol,halflife,unit\r\n"
        "12C,6,6,12,C,-,stable\r\n"
        "3Li,3,0,3,Li,-,un\r\n"
        "10O,8,2,10,O,-,un\r\n"
        "20Mg,12,8,20,Mg,90.8,ms\r\n"
        "26O,8,18,26,O,4.6,ps\r\n"
        "14C,6,8,14,C,5700,y\r\n"
        "238U,92,146,238,U,4463000000,y\r\n"
        "128Te,52,76,128,Te,2250000000000000000000000,y\r\n"
        "50V,23,27,50,V,271000000000000,y\r\n";
    QCOMPARE(ImportNubase(nubase), expected);
}

void TestNubaseImport::malformedLines_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("error");
    QTest::newRow("atomic number")
        << QByteArray::fromStdString(Entry("012", "0x60", "12C", "stbl", ""))
        << "line 3: atomic number \"0x6\" is not a number";
    QTest::newRow("half-life") << QByteArray::fromStdString(
                                      Entry("012", "0060", "12C", "1.2.3", "s"))
                               << "line 3: half-life \"1.2.3\" is not a number";
    QTest::newRow("unit") << QByteArray::fromStdString(Entry("012", "0060", "12C", "5", "wk"))
                          << "line 3: half-life unit \"wk\" is not known";
    QTest::newRow("too short") << QByteArray("012 0060   12")
                               << "line 3: the line is too short for a NUBASE entry";
    QTest::newRow("name") << QByteArray::fromStdString(Entry("012", "0060", "12,C", "5", "s"))
                          << "line 3: nuclide name \"12,C\" is not valid";
    QTest::newRow("control byte in the name")
        << QByteArray::fromStdString(Entry("012", "0060", "12C\x01", "5", "s"))
        << "line 3: nuclide name \"12C\x01\" is not valid";
    // A lone CR ends a line, as it does for the table loader.
    QTest::newRow("lone CR") << QByteArray("272 1090   272\r3480   B-=100")
                             << "line 3: the line is too short for a NUBASE entry";
}

void TestNubaseImport::malformedLines() {
    QFETCH(QByteArray, line);
    QFETCH(QString, error);
    const std::string nubase =
        Entry("001", "0010", "1H", "stbl", "") + "\n#\n" + line.toStdString();
    try {
        ImportNubase(nubase);
        QFAIL("no error raised");
    } catch (const NubaseError& e) {
        QCOMPARE(QString(e.what()), error);
        QCOMPARE(e.Line(), 3);
    }
}

void TestNubaseImport::shippedTableLoadsWithoutAPrompt() {
    auto table = std::make_unique<NuclideTable>();
    ScriptedUserInterface ui;
    LoadFile(NUKLORAMA_SOURCE_DIR "/data/nuklorama.csv", *table, ui);
    QVERIFY(ui.boxes.empty());
    QCOMPARE(table->NuclideCount, 3558);
    QCOMPARE(table->MaxZ, 118);
    QCOMPARE(table->MaxN, 177);
}

void TestNubaseImport::shippedTableIsTheImportOfNubase2020() {
    QFile nubase(NUKLORAMA_SOURCE_DIR "/../shared/data/nubase_4.mas20.txt");
    if (!nubase.open(QIODevice::ReadOnly)) QSKIP("the NUBASE2020 file is not beside this clone");
    QFile shipped(NUKLORAMA_SOURCE_DIR "/data/nuklorama.csv");
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    const QByteArray text = nubase.readAll();
    QCOMPARE(QByteArray::fromStdString(ImportNubase(text.toStdString())), shipped.readAll());
}

QTEST_APPLESS_MAIN(TestNubaseImport)
#include "tst_nubaseimport.moc"
