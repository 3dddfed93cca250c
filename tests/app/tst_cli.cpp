// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>
#include <memory>

#include "chart/CellIndex.h"
#include "chart/CellLabel.h"
#include "chart/DrawCommand.h"
#include "chart/Frame.h"
#include "chart/HalfLifeColour.h"
#include "chart/RecordedSurface.h"
#include "image/FrameRenderer.h"
#include "image/ImageSurface.h"
#include "image/Svg.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestFiles.h"
#include "table/LoadFile.h"

using namespace nuklorama;

Q_DECLARE_METATYPE(Colouring)

namespace {

struct Run {
    int status;
    QString errors;
    QByteArray output;
};

// The program, with files of at most 512 bytes when asked, standard output to a file if named
// or closed.
Run Cli(const QStringList& arguments, bool smallFiles = false, const QString& standardOutput = {}) {
    QProcess process;
    const bool closed = standardOutput == "closed";
    process.setChildProcessModifier([smallFiles, closed] {
        const rlimit limit{512, 512};
        if (smallFiles) setrlimit(RLIMIT_FSIZE, &limit);
        if (closed) close(STDOUT_FILENO);
    });
    if (!standardOutput.isEmpty() && !closed) process.setStandardOutputFile(standardOutput);
    process.start(NUKLORAMA_CLI, arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError()),
            process.readAllStandardOutput()};
}

}  // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void init() { dir_ = std::make_unique<TemporaryCurrentDir>(); }
    void cleanup() { dir_.reset(); }

    void exitStatus_data() {
        QTest::addColumn<QString>("table");  // none when "-", a folder when "/"
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("lines");  // on standard error, when not -1
        const auto row = [](const char* name, const std::string& table, const QStringList& options,
                            int status, const char* message, int lines = -1) {
            QTest::newRow(name) << QString::fromStdString(table) << options << status
                                << QString(message) << lines;
        };
        const std::string good = Table({Record(8, 8, "1", "s"), Record(118, 177, "-", "stable")});
        const QStringList ignore{"--on-error", "ignore"};
        row("drawn", good, {"--overlays", " grid , magic"}, 0, "", 0);
        row("units without a shade",
            Table({Record(8, 8, "1", "ky"), Record(8, 9, "1", ""), Record(9, 9, "1", "ky"),
                   Record(9, 8, "1", "s\x1b]0;"), Record(118, 177, "-", "stable")}),
            {}, 0,
            "line 2: the half-life scale has no unit \"ky\", so 2 nuclides with it are black\n"
            "nuklorama-cli: line 3: the half-life scale has no unit \"\", so 1 nuclide with it is "
            "black\nnuklorama-cli: line 5: the half-life scale has no unit \"s\\x1B]0;\"",
            3);
        row("past the edge", Table({Record(10, 20, "1", "s"), Record(3, -1, "1", "s")}),
            {"--size", "200x100"}, 0,
            "2 nuclides of the table do not fit the 200x100 picture (0 cut at its edges, 2 left "
            "out); --size 210x110 at --dpi 96 shows them all (1 with negative numbers aside)",
            1);
        row("past the edge unless smaller", Table({Record(10, 10, "1", "s")}),
            {"--size", "100x100", "--labels"}, 0,
            "left out); --size 99x99 at --dpi 96 shows them all\nnuklorama-cli: --labels: cells "
            "of 10 pixels are too small for labels, which need 35",
            2);
        row("one cut at the right edge", Table({Record(10, 20, "1", "s")}), {"--size", "205x110"},
            0,
            "1 nuclide of the table does not fit the 205x110 picture (1 cut at its edges, 0 left "
            "out); --size 210x110 at --dpi 96 shows them all\n");
        row("one cut at the bottom edge", Table({Record(10, 20, "1", "s")}), {"--size", "210x109"},
            0, "(1 cut at its edges, 0 left out)");
        row("only negative numbers left out",
            Table({Record(10, 20, "1", "s"), Record(-1, 3, "1", "s"), Record(2, -5, "1", "s")}),
            {"--size", "210x110"}, 0,
            "(0 cut at its edges, 2 left out); their proton or neutron numbers are negative, "
            "which no picture shows\n");
        row("no size shows them all", Table({Record(1, 1, "1", "s")}), {}, 0,
            "(0 cut at its edges, 1 left out); no --size up to 16384x16384 shows them all at "
            "--dpi 96\n");
        row("a flood of failures", Table({"x,1,abc,,,1,s"}, 150) + Record(118, 177, "1", "s"),
            ignore, 3,
            "(line 101, field 2: \"abc\")\nnuklorama-cli: ... and 50 more load failures\n", 101);
        row("a folder", "/", {}, 1, "t.csv: is a folder, not a table file");
        row("drawn after a failure", Table({Record(8, 8, "1", "s"), "x,1,abc,,,1,s"}), {}, 3,
            "Type mismatch (line 3, field 2: \"abc\")");
        row("missing table", "-", {}, 1, "t.csv Not Found!");
        row("bad size", good, {"--size", "0x10"}, 2, "--size");
        row("bad dpi", good, {"--dpi", "0"}, 2, "--dpi");
        row("bad overlay", good, {"--overlays", "grid,stars"}, 2, "stars");
        row("paper for a PNG", good, {"--paper", "A4"}, 2, "--paper");
        row("size for a PDF", good, {"--format", "pdf", "--size", "90x90"}, 2, "--size");
        row("unknown paper", good, {"--format", "pdf", "--paper", "B5"}, 2, "--paper");
        row("reversed region", good, {"--region", "9:8,0:1"}, 2, "--region");
        row("region of no nuclide", good, {"--region", "9:9,0:177"}, 1, "no nuclide");
        row("region too large for the size", good, {"--region", "0:99,0:9", "--size", "9x9"}, 1,
            "too small");
        row("bad colour", good, {"--colour", "grey"}, 2, "--colour");
        row("decay modes without field 7", good, {"--colour", "decay"}, 0,
            "t.csv: no record has decay modes", 1);
        row("drip lines without masses", good, {"--overlays", "grid,drip"}, 0, "", 0);
        row("a mass view without masses", good, {"--colour", "q-alpha", "--legend"}, 0,
            "t.csv: no record has fields after 6: every cell is drawn n/a", 1);
    }

    void exitStatus() {
        QFETCH(QString, table);
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QString, message);
        QFETCH(int, lines);
        if (table == "/")
            QDir().mkdir("t.csv");
        else if (table != "-")
            WriteFile("t.csv", table.toStdString());
        const Run run = Cli(QStringList{"render"} + options + QStringList{"t.csv", "out.png"});
        QCOMPARE(run.status, status);
        QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
        if (lines >= 0) QCOMPARE(run.errors.count('\n'), lines);
        QCOMPARE(QFile::exists("out.png"), status == 0 || status == 3);
    }

    void failedWritesLoseNothing_data() {
        QTest::addColumn<QStringList>("arguments");  // under a file size limit of 512 bytes
        QTest::addColumn<QString>("message");
        const QString tooLarge = "out: File too large";
        QTest::newRow("PNG") << QStringList{"render", "--format", "png", "t.csv", "out"}
                             << tooLarge;
        QTest::newRow("SVG") << QStringList{"render", "--format", "svg", "t.csv", "out"}
                             << tooLarge;
        QTest::newRow("figure") << QStringList{"render", "--legend", "--format=png", "t.csv", "out"}
                                << tooLarge;
        QTest::newRow("import") << QStringList{"import-nubase", "nubase.txt", "out"} << tooLarge;
        QTest::newRow("import of a table")
            << QStringList{"import-nubase", "t.csv", "out"} << "t.csv: line 1: column 8 holds";
        QTest::newRow("standard output on a full disk")
            << QStringList{"render", "--format", "svg", "t.csv", "-"}
            << "standard output: No space left on device";
        QTest::newRow("standard output closed")
            << QStringList{"render", "--legend", "--format", "png", "t.csv", "-"}
            << "standard output: Bad file descriptor";
    }

    void failedWritesLoseNothing() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QFile::copy(NUKLORAMA_SOURCE_DIR "/data/nuklorama.csv", "t.csv");
        QFile::copy(NUKLORAMA_SOURCE_DIR "/tests/table/nubase-excerpt.txt", "nubase.txt");
        WriteFile("out", "old");
        const QStringList before = Entries();
        const QString tag = QTest::currentDataTag();
        const Run run = Cli(arguments, true,
                            tag.contains("closed")    ? "closed"
                            : arguments.last() == "-" ? "/dev/full"
                                                      : "");
        QCOMPARE(run.status, 1);
        QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
        QCOMPARE(Contents("out"), QByteArray("old"));
        QCOMPARE(Entries(), before);
    }

    void rendersTheChartAloneAndInAFigure_data() {
        QTest::addColumn<Colouring>("colouring");
        QTest::addColumn<QStringList>("language");
        QTest::addColumn<QStringList>("legend");
        QTest::newRow("half-life") << Colouring::HalfLife << QStringList{}
                                   << QStringList{"1 µs", "1 Gy", "半衰期", "稳定", "未知", "幻数"};
        QTest::newRow("decay modes")
            << Colouring::Decay << QStringList{}
            << QStringList{"β⁻", "β⁺/EC", "簇衰变", "稳定", "未知", "次要方式 ≥ 5 %"};
        QTest::newRow("decay modes in English")
            << Colouring::Decay << QStringList{"--lang", "en"}
            << QStringList{"β⁻",      "cluster",           "stable",
                           "unknown", "second mode ≥ 5 %", "magic numbers"};
        QTest::newRow("half-life in English")
            << Colouring::HalfLife << QStringList{"--lang=en"}
            << QStringList{"1 µs", "half-life", "stable", "unknown", "magic numbers"};
    }

    void rendersTheChartAloneAndInAFigure() {
        QFETCH(Colouring, colouring);
        QFETCH(QStringList, language);
        QFETCH(QStringList, legend);
        const QStringList colour =
            language +
            QStringList{"--colour", colouring == Colouring::Decay ? "decay" : "halflife"};
        QFile::copy(NUKLORAMA_SOURCE_DIR "/data/nuklorama.csv", "t.csv");
        // Control characters are dropped alike in both forms; no desktop session is needed.
        const QString title = QString::fromUtf8("<b>&amp;\x01</b>\x7f ⁵⁶Fe\u0085");
        qunsetenv("XDG_RUNTIME_DIR");
        for (const char* output : {"c.png", "c.svg", "f.png", "f.svg", "g.png"}) {
            const QStringList figure =
                output[0] == 'c'   ? QStringList{}
                : output[0] == 'f' ? QStringList{"--title", title}
                                   : QStringList{"--title", QString::fromUtf8("<b>&amp;</b> ⁵⁶Fe")};
            const Run run = Cli(QStringList{"render", "--size", "300x200", "--overlays", "magic"} +
                                colour + figure + QStringList{"t.csv", output});
            QCOMPARE(run.status, 0);
            QCOMPARE(run.errors, QString());
        }
        QCOMPARE(QImage("f.png"), QImage("g.png"));
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
        const Run piped = Cli(QStringList{"render", "--size", "300x200", "--overlays", "magic"} +
                              colour + QStringList{"--format", "png", "t.csv", "-"});
        QCOMPARE(piped.output, Contents("c.png"));
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
        for (const QString& label : legend + QStringList{"N", "Z", "0", "100"})
            QVERIFY2(texts.contains(label), qPrintable(label));
        QVERIFY(texts.removeAll(QString::fromUtf8("<b>&amp;</b> ⁵⁶Fe")) == 1);
        // One language in the figure: in Chinese no Latin word but units and symbols, in English
        // no Chinese character.
        const QRegularExpression other(language.isEmpty()
                                           ? "[A-Za-z]{3,}(?<!min)"
                                           : "[\\p{Han}\\x{3000}-\\x{303F}\\x{FF00}-\\x{FFEF}]");
        for (const QString& text : texts)
            QVERIFY2(!other.match(text).hasMatch(), qPrintable(text));
    }

    void postersFitThePaper_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QSize>("cells");   // the table's last column and row
        QTest::addColumn<QSizeF>("paper");  // in mm, as printed
        QTest::addColumn<QSize>("shown");   // columns and rows drawn; empty for a figure
        QTest::addColumn<QPoint>("first");  // the top-left cell's N and Z
        const QSize wide(177, 118), tall(118, 177);
        QTest::newRow("A4") << QStringList{} << wide << QSizeF(297, 210) << QSize(178, 119)
                            << QPoint();
        QTest::newRow("tall table")
            << QStringList{} << tall << QSizeF(210, 297) << QSize(119, 178) << QPoint();
        QTest::newRow("portrait asked") << QStringList{"--orientation", "portrait"} << wide
                                        << QSizeF(210, 297) << QSize(178, 119) << QPoint();
        QTest::newRow("letter region")
            << QStringList{"--paper", "Letter", "--region", "10:19,20:59"} << wide
            << QSizeF(279.4, 215.9) << QSize(40, 10) << QPoint(20, 10);
        QTest::newRow("A3 figure") << QStringList{"--paper", "a3", "--title", "T"} << wide
                                   << QSizeF(420, 297) << QSize() << QPoint();
    }

    // Read back at 10 pixels per mm: the page's size, everything inside 10 mm margins, square
    // cells as large as the margins allow.
    void postersFitThePaper() {
        QFETCH(QStringList, options);
        QFETCH(QSize, cells);
        QFETCH(QSizeF, paper);
        QFETCH(QSize, shown);
        QFETCH(QPoint, first);
        WriteFile("t.csv", Table({Record(1, 1, "1", "s"), Record(15, 30, "1", "s"),
                                  Record(cells.height(), cells.width(), "-", "stable")}));
        QCOMPARE(Cli(QStringList{"render"} + options + QStringList{"t.csv", "p.pdf"}).status, 0);
        QCOMPARE(QProcess::execute("pdftoppm", {"-r", "254", "-png", "-singlefile", "p.pdf", "p"}),
                 0);
        const QImage page = QImage("p.png").convertToFormat(QImage::Format_RGB32);
        const QSizeF missing = paper * 10 - page.size();
        QVERIFY(std::abs(missing.width()) < 3 && std::abs(missing.height()) < 3);
        QRect inked;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (page.pixel(x, y) != qRgb(255, 255, 255)) inked |= QRect(x, y, 1, 1);
        QVERIFY(page.rect().adjusted(99, 99, -99, -99).contains(inked));
        if (shown.isEmpty()) return;
        const double cell = std::min((page.width() - 200.0) / shown.width(),
                                     (page.height() - 200.0) / shown.height());
        // Whole dots of 1/1200 inch per cell: at most one dot short of the largest cell.
        QVERIFY(inked.width() / double(shown.width()) > cell - 0.25);
        QVERIFY(inked.height() / double(shown.height()) > cell - 0.25);
        QVERIFY(std::abs(inked.width() / double(shown.width()) -
                         inked.height() / double(shown.height())) < 0.1);
        // Draw's colour, in the cell of Z 15, N 30.
        const QPointF middle =
            QPointF(30.5 - first.x(), 15.5 - first.y()) * inked.width() / double(shown.width());
        QCOMPARE(page.pixel((inked.topLeft() + middle).toPoint()), ToQRgb(HalfLifeColour(1, "s")));
    }

    // A region fills the picture with whole cells, and its axes carry the real numbers, at least
    // two each, one step of 1, 2, 5, 10 ... apart, the columns' at their middles, in SVG and PDF.
    void regionsShowTheirOwnCells_data() {
        QTest::addColumn<QString>("region");
        QTest::addColumn<QSize>("cells");
        QTest::addColumn<int>("cell");  // pixels
        QTest::newRow("few rows") << "41:46,51:59" << QSize(9, 6) << 100;
        QTest::newRow("few columns") << "40:46,53:59" << QSize(7, 7) << 85;
    }
    void regionsShowTheirOwnCells() {
        QFETCH(QString, region);
        QFETCH(QSize, cells);
        QFETCH(int, cell);
        QFile::copy(NUKLORAMA_SOURCE_DIR "/data/nuklorama.csv", "t.csv");
        const QStringList render{"render", "--region", region, "t.csv", "--labels", "--legend"};
        for (const QStringList& more : {QStringList{"p.pdf"}, {"f.svg", "--size", "900x600"}})
            QCOMPARE(Cli(render + more).status, 0);
        QCOMPARE(Cli({"render", "--region", region, "--size", "900x600", "t.csv", "r.png"}).status,
                 0);
        QCOMPARE(QImage("r.png").size(), cells * cell);
        const auto read = [](const QString& program, const QStringList& arguments) {
            QProcess process;
            process.start(program, arguments);
            process.waitForFinished();
            return QString::fromUtf8(process.readAllStandardOutput());
        };
        // On paper the labels and numbers are text in DejaVu Sans, and no image.
        const QStringList words =
            read("pdftotext", {"p.pdf", "-"}).split(QRegularExpression("\\s+"));
        QVERIFY(words.contains(QString::fromUtf8("稳定")));
        QVERIFY(QRegularExpression("DejaVuSans +CID TrueType +Identity-H +yes")
                    .match(read("pdffonts", {"p.pdf"}))
                    .hasMatch());
        QCOMPARE(read("pdfimages", {"-list", "p.pdf"}).count('\n'), 2);  // the heading
        // In English the same page needs no Chinese font: DejaVu Sans alone, beside the header.
        QCOMPARE(Cli(QStringList{"--lang", "en"} + render + QStringList{"e.pdf"}).status, 0);
        QVERIFY(read("pdftotext", {"e.pdf", "-"}).contains("stable"));
        QCOMPARE(read("pdffonts", {"e.pdf"}).count('\n'), 3);
        QVERIFY(read("pdffonts", {"p.pdf"}).count('\n') > 3);
        const QString svg = Contents("f.svg");
        const int chartX = QRegularExpression("translate\\((\\d+)").match(svg).captured(1).toInt();
        for (const QString anchor : {"middle", "end"}) {
            QList<int> numbers;
            for (const auto& n : QRegularExpression("<text x=\"([\\d.]+)\"[^>]*anchor=\"" + anchor +
                                                    "\"[^>]*>(\\d+)<")
                                     .globalMatch(svg)) {
                numbers << n.captured(2).toInt();
                QVERIFY(words.contains(n.captured(2)));
                if (anchor == "middle")
                    QCOMPARE(
                        n.captured(1).toDouble(),
                        chartX + (numbers.last() -
                                  region.section(QRegularExpression("[,:]"), 2, 2).toInt() + 0.5) *
                                     cell);
            }
            QVERIFY(numbers.size() >= 2);
            const int step = numbers[1] - numbers[0];
            QVERIFY(QList<int>({1, 2, 5, 10, 20, 50}).contains(step));
            for (int i = 1; i < numbers.size(); ++i)
                QCOMPARE(numbers[i] - numbers[i - 1], step);
        }
    }

    // Labels lie on their cell's main colour only, a split cell keeps one clean triangle in its
    // lower-right corner, and the raster and the painter place each label alike.
    void labelsLieOnTheMainColourAndPlaceAlike() {
        ScriptedUserInterface ui;
        auto state = std::make_unique<ChartState>();
        LoadFile(NUKLORAMA_SOURCE_DIR "/data/nuklorama.csv", state->table, ui, &state->extras);
        const CellIndex cells(state->table);
        const int s = 60;
        Frame frame =
            ChartFrame(state->table, nullptr, DecayColouring(state->table, state->extras),
                       Colouring::Decay, {}, 15, Viewport::OfRegion({80, 86, 124, 132}, s));
        frame.labels = ScreenLabels(s, 1);
        const auto draw = [&](bool labels, bool raster) {
            frame.cells = labels ? &cells : nullptr;
            QImage image(FrameRenderer(frame).Size(), QImage::Format_RGB32);
            LabelGlyphs glyphs;
            if (raster) FrameRenderer(frame).Draw(image, glyphs);
            if (QPainter painter(&image); !raster) FrameRenderer(frame).Paint(painter);
            return image;
        };
        const QImage plain = draw(false, true), raster = draw(true, true), vector = draw(true, 0);
        const int k = frame.labels.cornerSide, triangle = k * (k - 1) / 2;
        int corner = 0, ink = 0, apart = 0;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x) {
                const QRgb fill = plain.pixel(x - x % s, y - y % s), under = plain.pixel(x, y);
                const bool r = raster.pixel(x, y) != under, v = vector.pixel(x, y) != under;
                corner += under != fill;
                QVERIFY(under == fill || x % s + y % s >= 2 * s - k);
                QVERIFY(under == fill || !(r || v));
                const Colour c = qRed(fill) | qGreen(fill) << 8 | qBlue(fill) << 16;
                QVERIFY(!r || ContrastRatio(LabelColour(c), c) >= 4.5);
                ink += r;
                apart += r != v;
            }
        QVERIFY(corner >= 3 * triangle && corner % triangle == 0 && apart < ink / 3);
        const LabelFont font(1000);  // measures as the plan sizes it
        QVERIFY(QFontMetricsF(font.Font()).capHeight() >= kCapHeightEm * 1000 - 1 &&
                font.Width(QString::fromUtf8("²⁸⁸Mm")) <= kWidestNameEm * 1000 + 1 &&
                font.Width(QString::fromUtf8("8.88 min")) <= kWidestHalfLifeEm * 1000 + 1);
    }

    // ²¹²Bi's five arrows, each a white edge under a black line, and its members' probabilities
    // in their labels, on every output; nothing of it without --chain.
    void rendersAChainOverTheChart() {
        QFile::copy(NUKLORAMA_SOURCE_DIR "/data/nuklorama.csv", "t.csv");
        const QStringList region{"render", "--labels", "--region", "80:85,124:130", "t.csv"};
        for (const char* out : {"c.png", "c.svg", "c.pdf"})
            QCOMPARE(Cli(region + QStringList{out, "--chain", "Bi-212"}).status, 0);
        QCOMPARE(Cli(region + QStringList{"plain.png"}).status, 0);
        QVERIFY(QImage("c.png") != QImage("plain.png"));
        // The whole chart without labels, written from its boxes but for the chain.
        QCOMPARE(Cli({"render", "t.csv", "whole.png"}).status, 0);
        QCOMPARE(Cli({"render", "--chain", "U-238", "t.csv", "chain.png"}).status, 0);
        QVERIFY(QImage("chain.png") != QImage("whole.png"));
        const QString svg = QString::fromUtf8(Contents("c.svg"));
        QCOMPARE(svg.count("<line"), 10);
        QVERIFY(svg.contains(">64 %<") && svg.contains(">35.9 %<"));
        const Run stable = Cli(region + QStringList{"x.png", "--chain", "Pb-208"});
        QVERIFY(stable.status == 1 && stable.errors.contains("stable") && !QFile::exists("x.png"));
    }

    void chainsFromTheCommandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");  // standard output, or what standard error says
        QTest::newRow("csv")
            << QStringList{"Bi-212", "--format", "csv", "--time", "1 h"} << 0
            << "z,n,a,symbol,state,half_life_s,probability,parents,activity_ratio\n"
               "83,129,212,Bi,,3633,1,,0.5031579985\n"
               "84,128,212,Po,,2.944e-07,0.64046,83-129:0.64046,0.3222525717\n"
               "81,127,208,Tl,,183.18,0.3594,83-129:0.3594,0.1904365779\n"
               "82,126,208,Pb,,,1,83-129:0.00014;84-128:0.64046;81-127:0.3594,0\n";
        QTest::newRow("stable") << QStringList{"Pb-208"} << 1
                                << "²⁰⁸Pb is stable: there is no chain to follow";
        QTest::newRow("unknown name")
            << QStringList{"Xx-1"} << 1 << "Xx-1: Not a nuclide name I can read";
        QTest::newRow("format") << QStringList{"U-238", "--format", "xml"} << 2 << "--format";
        QTest::newRow("threshold")
            << QStringList{"U-238", "--min-branch", "1"} << 2 << "--min-branch";
        QTest::newRow("time") << QStringList{"U-238", "--time", "5 parsec"} << 2 << "--time";
        QTest::newRow("no table") << QStringList{"U-238", "t.csv", "more"} << 2 << "TABLE";
    }

    void chainsFromTheCommandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, output);
        const Run run = Cli(QStringList{"chain", arguments.takeFirst(),
                                        NUKLORAMA_SOURCE_DIR "/data/nuklorama.csv"} +
                            arguments);
        QCOMPARE(run.status, status);
        if (status == 0) QCOMPARE(QString::fromUtf8(run.output), output);
        QVERIFY2(status == 0 || run.errors.contains(output), qPrintable(run.errors));
    }

    // Every ground state with what its masses say, as CSV or JSON; only the quantities asked for.
    void exportsTheMasses() {
        QFile::copy(NUKLORAMA_SOURCE_DIR "/data/nuklorama.csv", "t.csv");
        QCOMPARE(Cli({"export", "t.csv", "m.csv"}).status, 0);
        const QList<QByteArray> lines = Contents("m.csv").split('\n');
        QCOMPARE(lines.size(), 3558 + 2);
        QVERIFY(
            lines[0].startsWith("z,n,a,symbol,half_life_s,mass_excess_keV,binding_energy_keV,"
                                "binding_energy_unc_keV,binding_energy_estimated,sn_keV,"));
        QVERIFY(
            lines[0].endsWith(",mass_uncertainty_keV,mass_uncertainty_estimated,"
                              "discovery_year,abundance_percent"));
        QVERIFY(lines[2].startsWith("1,0,1,H,,7288.971,0.000,0.000,false,,,,"));
        QVERIFY(
            lines[3].startsWith("1,1,2,H,,13135.723,1112.283,0.000,false,2224.566,0.000,false,"));
        const Run json =
            Cli({"export", "--format", "json", "--quantities", "sn,discovery-year", "t.csv", "-"});
        QCOMPARE(json.status, 0);
        const QJsonArray rows = QJsonDocument::fromJson(json.output).array();
        QCOMPARE(rows.size(), 3558);
        QCOMPARE(rows[0].toObject()["half_life_s"].toDouble(), 609.8);
        const QJsonObject hydrogen = rows[1].toObject();
        QCOMPARE(hydrogen.keys().size(), 10);
        QVERIFY(hydrogen["sn_keV"].isNull() && hydrogen["half_life_s"].isNull());
        QCOMPARE(hydrogen["discovery_year"].toInt(), 1920);
        for (const QStringList& bad :
             {QStringList{"--quantities", "sn,nope", "x.json"}, QStringList{"x.txt"}}) {
            QCOMPARE(Cli(QStringList{"export", "t.csv"} + bad).status, 2);
            QVERIFY(!QFile::exists(bad.last()));
        }
    }

private:
    std::unique_ptr<TemporaryCurrentDir> dir_;
};

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
