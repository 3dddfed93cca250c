// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>
#include <memory>

#include "chart/DrawCommand.h"
#include "chart/RecordedSurface.h"
#include "image/ImageSurface.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestFiles.h"

using namespace nuklorama;

Q_DECLARE_METATYPE(Colouring)

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
        QTest::addColumn<QString>("table");  // none when null
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const char* table, const QStringList& options,
                            int status, const char* message) {
            QTest::newRow(name) << QString(table) << options << status << QString(message);
        };
        const std::string good = Table({Record(8, 8, "1", "s")});
        const QStringList ignore{"--on-error", "ignore"};
        row("drawn", good.c_str(), {}, 0, "");
        row("drawn after a failure", Table({Record(8, 8, "1", "s"), "x,1,abc,,,1,s"}).c_str(), {},
            3, "Type mismatch (line 3, field 2: \"abc\")");
        row("failures ignored",
            Table({"x,1,abc,,,1,s", Record(8, 8, "-", "stable"), "y,2"}).c_str(), ignore, 3,
            "(line 4, field 6 missing)");
        row("missing table", nullptr, {}, 1, "t.csv Not Found!");
        row("nothing to draw", Table({}).c_str(), {}, 1, "nothing to draw");
        row("empty file", "", ignore, 1, "Input past end of file (line 1)");
        row("too small", good.c_str(), {"--size", "7x7"}, 1, "too small");
        row("bad size", good.c_str(), {"--size", "0x10"}, 2, "--size");
        row("bad dpi", good.c_str(), {"--dpi", "0"}, 2, "--dpi");
        row("bad overlay", good.c_str(), {"--overlays", "grid,stars"}, 2, "stars");
        row("bad colour", good.c_str(), {"--colour", "grey"}, 2, "--colour");
        row("decay modes without field 7", good.c_str(), {"--colour", "decay"}, 0,
            "t.csv: no record has decay modes");
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
        // A write or an import that fails leaves no file behind and the old one as it was.
        WriteFile("t.csv", Table({Record(8, 8, "-", "stable")}));
        WriteFile("out.png", "old");
        Run run = Cli({"render", "t.csv", "missing-folder/out.png"});
        QCOMPARE(run.status, 1);
        QVERIFY(run.errors.contains("missing-folder/out.png"));
        WriteFile("nubase.txt", "012 0x60   12C  garbage\n");
        run = Cli({"import-nubase", "nubase.txt", "out.png"});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.errors.contains("nubase.txt: line 1: atomic number"), qPrintable(run.errors));
        QCOMPARE(Contents("out.png"), QByteArray("old"));
        QCOMPARE(QDir(".").entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"nubase.txt", "out.png", "t.csv"}));
    }

    void rendersTheChartAloneAndInAFigure_data() {
        QTest::addColumn<Colouring>("colouring");
        QTest::addColumn<QStringList>("legend");
        QTest::newRow("half-life")
            << Colouring::HalfLife << QStringList{"1 µs", "1 Gy", "stable", "unknown"};
        QTest::newRow("decay modes")
            << Colouring::Decay
            << QStringList{"β⁻", "β⁺/EC", "cluster", "stable", "unknown", "second mode ≥ 5 %"};
    }

    void rendersTheChartAloneAndInAFigure() {
        QFETCH(Colouring, colouring);
        QFETCH(QStringList, legend);
        const QStringList colour{"--colour", colouring == Colouring::Decay ? "decay" : "halflife"};
        QFile::copy(NUKLORAMA_SOURCE_DIR "/data/nuklorama.csv", "t.csv");
        const QString title = QString::fromUtf8("<b>&amp;\x01</b> ⁵⁶Fe");
        for (const char* output : {"c.png", "c.svg", "f.png", "f.svg"}) {
            const QStringList figure =
                output[0] == 'f' ? QStringList{"--title", title} : QStringList{};
            const Run run = Cli(QStringList{"render", "--size", "300x200", "--overlays", "magic"} +
                                colour + figure + QStringList{"t.csv", output});
            QCOMPARE(run.status, 0);
            QVERIFY2(!run.errors.contains("t.csv"), qPrintable(run.errors));
        }
        // The renderer draws what the chart code draws, and the chart sits unchanged inside the
        // figure, in the raster and in the vector form.
        ScriptedUserInterface ui;
        auto state = std::make_unique<ChartState>();
        ImageSurface pixels(300, 200, 15);
        RecordedSurface boxes(300, 200, 15);
        PressDraw("t.csv", *state, pixels, ui, {false, false, true}, colouring);
        PressDraw("t.csv", *state, boxes, ui, {false, false, true}, colouring);
        const QImage drawn = pixels.AreaImage();
        QCOMPARE(QImage("c.png").convertToFormat(QImage::Format_RGB32), drawn);
        QCOMPARE(Contents("c.svg").toStdString(), SvgDocument(300, 200, SvgElements(boxes)));
        const QString svg = Contents("f.svg");
        const auto group =
            QRegularExpression("<g transform=\"translate\\((\\d+),(\\d+)\\)\">\n").match(svg);
        QVERIFY(group.hasMatch());
        QVERIFY(svg.contains(group.captured(0) + SvgElements(boxes).c_str() + "</g>"));
        const QPoint at(group.captured(1).toInt(), group.captured(2).toInt());
        const QImage figure = QImage("f.png").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(figure.copy(QRect(at, drawn.size())), drawn);
        QVERIFY(figure.width() > at.x() + drawn.width());

        QXmlStreamReader xml(svg);
        QStringList texts;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement &&
                xml.name() == QLatin1String("text"))
                texts << xml.readElementText();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        for (const QString& label : legend + QStringList{"N", "Z", "0", "100", "magic numbers"})
            QVERIFY2(texts.contains(label), qPrintable(label));
        QVERIFY(!texts.contains("closed periods"));
        QVERIFY(texts.contains(QString::fromUtf8("<b>&amp;</b> ⁵⁶Fe")));
    }

private:
    std::unique_ptr<TemporaryCurrentDir> dir_;
};

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
