// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>
#include <memory>

#include "chart/DrawCommand.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestFiles.h"
#include "window/ChartArea.h"
#include "window/frmMain.h"

using namespace nuklorama;

namespace {

struct Run {
    int status;
    QString errors;
};

Run Cli(const QStringList& arguments) {
    QProcess process;
    process.start(NUKLORAMA_CLI, arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

}  // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void init() { dir_ = std::make_unique<TemporaryCurrentDir>(); }
    void cleanup() { dir_.reset(); }

    void exitStatus_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QString good = QString::fromStdString(Table({Record(8, 8, "1", "s")}));
        const QString bad =
            QString::fromStdString(Table({Record(8, 8, "1", "s"), "x,1,abc,,,1,s"}));
        QTest::newRow("drawn") << good << QStringList() << 0 << "";
        QTest::newRow("drawn after a failure")
            << bad << QStringList() << 3 << "Type mismatch (line 3, field 2: \"abc\")";
        QTest::newRow("missing table") << QString() << QStringList() << 1 << "t.csv Not Found!";
        QTest::newRow("nothing to draw")
            << QString::fromStdString(Table({})) << QStringList() << 1 << "nothing to draw";
        QTest::newRow("empty file")
            << "" << QStringList{"--on-error", "ignore"} << 1 << "Input past end of file (line 1)";
        QTest::newRow("too small") << good << QStringList{"--size", "7x7"} << 1 << "too small";
        QTest::newRow("bad size") << good << QStringList{"--size", "0x10"} << 2 << "--size";
        QTest::newRow("bad dpi") << good << QStringList{"--dpi", "x"} << 2 << "--dpi";
        QTest::newRow("bad overlay")
            << good << QStringList{"--overlays", "grid,stars"} << 2 << "stars";
        QTest::newRow("bad policy")
            << good << QStringList{"--on-error", "retry"} << 2 << "--on-error";
    }

    void exitStatus() {
        QFETCH(QString, table);
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QString, message);
        if (!table.isNull()) WriteFile("t.csv", table.toStdString());
        const Run run = Cli(QStringList{"render"} + options + QStringList{"t.csv", "out.png"});
        QCOMPARE(run.status, status);
        QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
        QCOMPARE(QFile::exists("out.png"), status == 0 || status == 3);
    }

    void failuresLoseNothing() {
        // A bad record answered Ignore: one bad field, then three missing ones, and a chart all the
        // same.
        WriteFile("t.csv", Table({"x,1,abc,,,1,s", Record(8, 8, "-", "stable"), "y,2"}));
        Run run = Cli({"render", "--on-error", "ignore", "--overlays", "none", "--size", "90x90",
                       "t.csv", "out.png"});
        QCOMPARE(run.status, 3);
        QCOMPARE(run.errors.count(QChar(10)), 4);
        QCOMPARE(QImage("out.png").pixel(89, 89), qRgb(255, 255, 255));  // cells of 11 pixels

        // A write or an import that fails leaves no file behind and the old one as it was.
        run = Cli({"render", "--on-error", "ignore", "t.csv", "missing-folder/out.png"});
        QCOMPARE(run.status, 1);
        QVERIFY(run.errors.contains("missing-folder/out.png"));
        WriteFile("nubase.txt", "012 0x60   12C  garbage\n");
        run = Cli({"import-nubase", "nubase.txt", "out.png"});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.errors.contains("nubase.txt: line 1: atomic number"), qPrintable(run.errors));
        QCOMPARE(QImage("out.png").pixel(89, 89), qRgb(255, 255, 255));
        QCOMPARE(QDir(".").entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"nubase.txt", "out.png", "t.csv"}));
    }

    void rendersWhatTheWindowDraws() {
        WriteFile(kTableFileName, Table({Record(118, 177, "1", "s"), Record(50, 82, "-", "stable"),
                                         Record(20, 20, "3", "un"), Record(30, 40, "2", "ms")}));
        ScriptedUserInterface ui;
        frmMain window(&ui);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.chkGrid[1]->setChecked(false);
        QTest::mouseClick(window.cmdDraw, Qt::LeftButton);
        const QImage drawn = window.picEl->Picture().AreaImage();
        // What the window saves is what it shows, and what the renderer writes.
        QVERIFY(window.picEl->SavePicture("w.png"));
        QVERIFY(window.picEl->SavePicture("w.svg"));
        QCOMPARE(QImage("w.png").convertToFormat(QImage::Format_RGB32), drawn);

        const QString size = QString("%1x%2").arg(drawn.width()).arg(drawn.height());
        for (const char* output : {"c.png", "c.svg"})
            QCOMPARE(
                Cli({"render", "--size", size, "--overlays", "grid,magic", kTableFileName, output})
                    .status,
                0);
        QCOMPARE(QImage("c.png").convertToFormat(QImage::Format_RGB32), drawn);
        QCOMPARE(Contents("w.svg"), Contents("c.svg"));
    }

    void legendFigure() {
        QFile::copy(NUKLORAMA_SOURCE_DIR "/data/nuklorama.csv", "t.csv");
        const QString title = QString::fromUtf8("<b>&amp;\x01</b> ⁵⁶Fe");
        for (const char* output : {"c.png", "c.svg", "f.png", "f.svg"}) {
            const QStringList figure =
                output[0] == 'f' ? QStringList{"--title", title} : QStringList{};
            QCOMPARE(Cli(QStringList{"render", "--size", "300x200", "--overlays", "magic"} +
                         figure + QStringList{"t.csv", output})
                         .status,
                     0);
        }
        // The chart sits unchanged inside the figure, in the raster and in the vector form.
        const QString chart = Contents("c.svg");
        const QString svg = Contents("f.svg");
        const auto group =
            QRegularExpression("<g transform=\"translate\\((\\d+),(\\d+)\\)\">\n").match(svg);
        QVERIFY(group.hasMatch());
        const QPoint at(group.captured(1).toInt(), group.captured(2).toInt());
        const QString inner =
            chart.mid(chart.indexOf("<rect"), chart.indexOf("</svg>") - chart.indexOf("<rect"));
        QVERIFY(svg.contains(group.captured(0) + inner + "</g>"));
        QCOMPARE(
            QImage("f.png").convertToFormat(QImage::Format_RGB32).copy(QRect(at, QSize(300, 200))),
            QImage("c.png").convertToFormat(QImage::Format_RGB32));
        QVERIFY(QImage("f.png").width() > at.x() + 300);

        QXmlStreamReader xml(svg);
        QStringList texts;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement &&
                xml.name() == QLatin1String("text"))
                texts << xml.readElementText();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        for (const char* label :
             {"N", "Z", "0", "100", "1 µs", "1 Gy", "stable", "unknown", "magic numbers"})
            QVERIFY2(texts.contains(label), qPrintable(label));
        QVERIFY(!texts.contains("closed periods"));
        QVERIFY(texts.contains(QString::fromUtf8("<b>&amp;</b> ⁵⁶Fe")));
    }

private:
    std::unique_ptr<TemporaryCurrentDir> dir_;
};

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
