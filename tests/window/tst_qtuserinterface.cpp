#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <functional>

#include "window/QtUserInterface.h"

using namespace nuklorama;

Q_DECLARE_METATYPE(nuklorama::Answer)

namespace {

// What a person saw in a box and did with it.
struct Seen {
    QStringList buttons;  // left to right
    QString title, text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon{};
    bool stuck = false;
};

// Shows a box through ui and presses key once the box is ready for it: shown, active and with
// its buttons up. A box that does not close after the key is closed here and reported stuck, so
// the test fails instead of waiting for ever.
Answer Answered(QtUserInterface& ui, const std::string& text, Buttons buttons, Icon icon, int key,
                Seen& seen, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTimer poll;
    int pressedAt = -1, ticks = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        ++ticks;
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        if (pressedAt >= 0) {
            if (ticks - pressedAt > 500) {
                seen.stuck = true;
                box->done(QMessageBox::Cancel);
            }
            return;
        }
        const QList<QAbstractButton*> all = box->buttons();
        if (!box->isActiveWindow() ||
            !std::all_of(all.begin(), all.end(), [](auto* b) { return b->isVisible(); }))
            return;
        QList<QAbstractButton*> ordered = all;
        std::sort(ordered.begin(), ordered.end(), [](auto* a, auto* b) {
            return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x();
        });
        for (auto* b : ordered)
            seen.buttons << b->text();
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.format = box->textFormat();
        seen.icon = box->icon();
        pressedAt = ticks;
        QTest::keyClick(box, Qt::Key(key), modifiers);
    });
    poll.start(10);
    return ui.MsgBox(text, buttons, icon);
}

}  // namespace

class TestQtUserInterface : public QObject {
    Q_OBJECT
private slots:
    void abortRetryIgnore_data();
    void abortRetryIgnore();
    void tableTextIsShownAsPlainText_data();
    void tableTextIsShownAsPlainText();
    void endProgramExitsWithItsStatus();

private:
    QWidget window_;
    QtUserInterface ui_{&window_};
};

void TestQtUserInterface::abortRetryIgnore_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<Answer>("answer");
    QTest::newRow("Enter answers the default") << int(Qt::Key_Return) << 0 << Answer::Abort;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << Answer::Abort;
    QTest::newRow("Alt+A") << int(Qt::Key_A) << int(Qt::AltModifier) << Answer::Abort;
    QTest::newRow("Alt+R") << int(Qt::Key_R) << int(Qt::AltModifier) << Answer::Retry;
    QTest::newRow("Alt+I") << int(Qt::Key_I) << int(Qt::AltModifier) << Answer::Ignore;
}

void TestQtUserInterface::abortRetryIgnore() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(Answer, answer);
    Seen seen;
    QCOMPARE(Answered(ui_, "Overflow (line 3)\n", Buttons::AbortRetryIgnore, Icon::Exclamation, key,
                      seen, Qt::KeyboardModifiers(modifiers)),
             answer);
    QVERIFY2(!seen.stuck, "the box did not close");
    QCOMPARE(seen.buttons, (QStringList{"&Abort", "&Retry", "&Ignore"}));
    QCOMPARE(seen.title, QString("Nuklorama"));
    QCOMPARE(seen.text, QString("Overflow (line 3)\n"));
    QCOMPARE(seen.icon, QMessageBox::Warning);
}

void TestQtUserInterface::tableTextIsShownAsPlainText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("buttons");
    QTest::newRow("bold") << "Type mismatch (line 2, field 1: \"<b>x</b>\")\n"
                          << int(Buttons::AbortRetryIgnore);
    QTest::newRow("entity") << "Type mismatch (line 2, field 2: \"&lt;\")\n"
                            << int(Buttons::AbortRetryIgnore);
    // As rich text this would read /dev/zero as an image, for ever.
    QTest::newRow("image") << "Type mismatch (line 2, field 1: \"<img src=\"/dev/zero\">\")\n"
                           << int(Buttons::AbortRetryIgnore);
    QTest::newRow("small window") << "老兄,别把窗口放这么小啊!" << int(Buttons::Ok);
    QTest::newRow("missing file") << "<i>t</i>.csv Not Found!" << int(Buttons::Ok);
}

void TestQtUserInterface::tableTextIsShownAsPlainText() {
    QFETCH(QString, text);
    QFETCH(int, buttons);
    Seen seen;
    const Answer answer =
        Answered(ui_, text.toStdString(), Buttons(buttons), Icon::None, Qt::Key_Escape, seen);
    QVERIFY2(!seen.stuck, "the box did not close");
    QCOMPARE(answer, buttons == int(Buttons::Ok) ? Answer::Ok : Answer::Abort);
    QCOMPARE(seen.text, text);
    QCOMPARE(seen.format, Qt::PlainText);
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
}

void TestQtUserInterface::endProgramExitsWithItsStatus() {
    // In a process of its own: this one must live on.
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--end-program"});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 1);
}

int main(int argc, char* argv[]) {
    if (argc == 2 && std::strcmp(argv[1], "--end-program") == 0) {
        QtUserInterface(nullptr).EndProgram(1);
    }
    QApplication app(argc, argv);
    TestQtUserInterface test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_qtuserinterface.moc"
