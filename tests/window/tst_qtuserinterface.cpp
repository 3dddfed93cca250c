#include <QApplication>
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

// Acts on the box once it is up, while MsgBox waits for it.
void WhenBoxShows(std::function<void(QMessageBox*)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (box && box->isVisible()) {
                poll->stop();
                poll->deleteLater();
                act(box);
                return;
            }
        }
    });
    poll->start(5);
}

}  // namespace

class TestQtUserInterface : public QObject {
    Q_OBJECT
private slots:
    void abortRetryIgnore_data();
    void abortRetryIgnore();
    void okBox();
    void endProgramExitsWithItsStatus();
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
    QWidget window;
    QtUserInterface ui(&window);
    QStringList captions;
    QString title, text;
    QMessageBox::Icon icon{};
    WhenBoxShows([&](QMessageBox* box) {
        QList<QAbstractButton*> buttons = box->buttons();
        std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) {
            return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x();
        });
        for (auto* b : buttons)
            captions << b->text();
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    });
    QCOMPARE(ui.MsgBox("Overflow (line 3)\n", Buttons::AbortRetryIgnore, Icon::Exclamation),
             answer);
    QCOMPARE(captions, (QStringList{"&Abort", "&Retry", "&Ignore"}));
    QCOMPARE(title, QString("Nuklorama"));
    QCOMPARE(text, QString("Overflow (line 3)\n"));
    QCOMPARE(icon, QMessageBox::Warning);
}

void TestQtUserInterface::okBox() {
    QWidget window;
    QtUserInterface ui(&window);
    for (const int key : {int(Qt::Key_Return), int(Qt::Key_Escape)}) {
        QMessageBox::Icon icon{};
        WhenBoxShows([&](QMessageBox* box) {
            icon = box->icon();
            QTest::keyClick(box, Qt::Key(key));
        });
        QCOMPARE(ui.MsgBox("老兄,别把窗口放这么小啊!", Buttons::Ok, Icon::None), Answer::Ok);
        QCOMPARE(icon, QMessageBox::NoIcon);
    }
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
