// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QTest>

#include "support/ScriptedUserInterface.h"
#include "table/LoadFile.h"
#include "table/NubaseImport.h"

using namespace nuklorama;

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray kShipped = Contents(NUKLORAMA_SOURCE_DIR "/data/nuklorama.csv");

}  // namespace

class TestNubaseImport : public QObject {
    Q_OBJECT
private slots:
    void excerptGivesTheShippedRecords();
    void malformedLines_data();
    void malformedLines();
    void shippedTableLoadsWithoutAPrompt();
    void shippedTableIsTheImportOfNubase2020();
};

void TestNubaseImport::excerptGivesTheShippedRecords() {
    // Real NUBASE2020 lines: every unit from ys to Yy, stable, particle-unstable and empty
    // half-lives, limit and systematics marks, and two isomers, which are skipped.
    const QByteArray excerpt = Contents(NUKLORAMA_SOURCE_DIR "/tests/table/nubase-excerpt.txt");
    QVERIFY(!excerpt.isEmpty());
    const QList<QByteArray> records =
        QByteArray::fromStdString(ImportNubase(excerpt.toStdString())).split('\n');
    QCOMPARE(records.first(), QByteArray("name,Z,N,A,symbol,halflife,unit\r"));
    QCOMPARE(records.size(), 1 + 31 + 1);  // header, 31 ground states, nothing after the last end
    for (const QByteArray& record : records.mid(1, 31))
        QVERIFY2(kShipped.contains("\n" + record + "\n"), record.constData());
    QVERIFY(records.contains("14C,6,8,14,C,5700,y\r"));
    QVERIFY(records.contains("128Te,52,76,128,Te,2250000000000000000000000,y\r"));
}

void TestNubaseImport::malformedLines_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("error");
    QByteArray carbon(80, ' ');
    carbon.replace(0, 8, "012 0060").replace(11, 3, "12C").replace(74, 4, "stbl");
    QTest::newRow("atomic number") << QByteArray(carbon).replace(4, 4, "0x60")
                                   << "line 3: atomic number \"0x6\" is not a number";
    QTest::newRow("half-life") << QByteArray(carbon).replace(74, 4, "1.2.")
                               << "line 3: half-life \"1.2.\" is not a number";
    QTest::newRow("unit") << QByteArray(carbon).replace(74, 6, "   5wk")
                          << "line 3: half-life unit \"wk\" is not known";
    QTest::newRow("name") << QByteArray(carbon).replace(11, 4, "12,C")
                          << "line 3: nuclide name \"12,C\" is not valid";
    // A lone CR ends a line, as it does for the table loader.
    QTest::newRow("lone CR") << QByteArray("272 1090   272\r3480   B-=100")
                             << "line 3: the line is too short for a NUBASE entry";
}

void TestNubaseImport::malformedLines() {
    QFETCH(QByteArray, line);
    QFETCH(QString, error);
    try {
        ImportNubase("# header\n\n" + line.toStdString());
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
    const QByteArray nubase = Contents(NUKLORAMA_SOURCE_DIR "/../shared/data/nubase_4.mas20.txt");
    if (nubase.isEmpty()) QSKIP("the whole NUBASE2020 file is not beside this clone");
    QCOMPARE(QByteArray::fromStdString(ImportNubase(nubase.toStdString())), kShipped);
}

QTEST_APPLESS_MAIN(TestNubaseImport)
#include "tst_nubaseimport.moc"
