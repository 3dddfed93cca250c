#include <QTest>
#include <cmath>
#include <limits>

#include "table/NumberText.h"
#include "table/RunTimeError.h"

using namespace nuklorama;

Q_DECLARE_METATYPE(nuklorama::ErrorKind)

class TestNumberText : public QObject {
    Q_OBJECT
private slots:
    void toInt32_data();
    void toInt32();
    void toInt32Failures_data();
    void toInt32Failures();
    void leadingNumber_data();
    void leadingNumber();
};

void TestNumberText::toInt32_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain") << QByteArray("26") << 26;
    QTest::newRow("blanks around") << QByteArray("  118 \t") << 118;
    QTest::newRow("plus sign") << QByteArray("+7") << 7;
    QTest::newRow("negative") << QByteArray("-3") << -3;
    QTest::newRow("6.5 to even") << QByteArray("6.5") << 6;
    QTest::newRow("7.5 to even") << QByteArray("7.5") << 8;
    QTest::newRow("0.5 to zero") << QByteArray("0.5") << 0;
    QTest::newRow("-2.5 to even") << QByteArray("-2.5") << -2;
    QTest::newRow("just above a half") << QByteArray("6.5000000000000000000001") << 7;
    QTest::newRow("just below a half") << QByteArray("7.4999999999999999999999") << 7;
    QTest::newRow("exponent") << QByteArray("1.2e2") << 120;
    QTest::newRow("negative exponent") << QByteArray("1500E-2") << 15;
    QTest::newRow("tiny") << QByteArray("4e-30") << 0;
    QTest::newRow("zero with huge exponent") << QByteArray("0e999999999999999999999") << 0;
    QTest::newRow("leading point") << QByteArray(".6") << 1;
    QTest::newRow("trailing point") << QByteArray("9.") << 9;
    QTest::newRow("leading zeros") << QByteArray("000000000000000000042") << 42;
    QTest::newRow("largest") << QByteArray("2147483647") << std::numeric_limits<int>::max();
    QTest::newRow("smallest") << QByteArray("-2147483648") << std::numeric_limits<int>::min();
    QTest::newRow("smallest with a half")
        << QByteArray("-2147483648.5") << std::numeric_limits<int>::min();
}

void TestNumberText::toInt32() {
    QFETCH(QByteArray, text);
    QFETCH(int, expected);
    QCOMPARE(ToInt32(text.toStdString()), expected);
}

void TestNumberText::toInt32Failures_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<ErrorKind>("kind");
    QTest::newRow("empty") << QByteArray("") << ErrorKind::TypeMismatch;
    QTest::newRow("blank") << QByteArray("   ") << ErrorKind::TypeMismatch;
    QTest::newRow("letters") << QByteArray("abc") << ErrorKind::TypeMismatch;
    QTest::newRow("trailing letters") << QByteArray("12x") << ErrorKind::TypeMismatch;
    QTest::newRow("blank inside") << QByteArray("1 2") << ErrorKind::TypeMismatch;
    QTest::newRow("exponent without digits") << QByteArray("1e") << ErrorKind::TypeMismatch;
    QTest::newRow("lone point") << QByteArray(".") << ErrorKind::TypeMismatch;
    QTest::newRow("lone sign") << QByteArray("-") << ErrorKind::TypeMismatch;
    QTest::newRow("decimal comma") << QByteArray("6,5") << ErrorKind::TypeMismatch;
    QTest::newRow("NUL byte") << QByteArray("1\0", 2) << ErrorKind::TypeMismatch;
    QTest::newRow("one above") << QByteArray("2147483648") << ErrorKind::Overflow;
    QTest::newRow("half rounds out") << QByteArray("2147483647.5") << ErrorKind::Overflow;
    QTest::newRow("one below") << QByteArray("-2147483649") << ErrorKind::Overflow;
    QTest::newRow("exponent") << QByteArray("3e9") << ErrorKind::Overflow;
    QTest::newRow("thousands of digits") << QByteArray(3000, '9') << ErrorKind::Overflow;
    QTest::newRow("huge exponent")
        << QByteArray("1e99999999999999999999999") << ErrorKind::Overflow;
}

void TestNumberText::toInt32Failures() {
    QFETCH(QByteArray, text);
    QFETCH(ErrorKind, kind);
    try {
        ToInt32(text.toStdString());
        QFAIL("no error raised");
    } catch (const RunTimeError& error) {
        QCOMPARE(error.Kind(), kind);
    }
}

void TestNumberText::leadingNumber_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("plain") << QByteArray("12.32") << 12.32;
    QTest::newRow("blank before, unit after") << QByteArray(" 12.5 s") << 12.5;
    QTest::newRow("blanks, tabs and LF inside") << QByteArray("1 2\t.\n5") << 12.5;
    QTest::newRow("exponent") << QByteArray("2.6e6") << 2.6e6;
    QTest::newRow("upper-case exponent, sign") << QByteArray("-4E-3") << -4e-3;
    QTest::newRow("exponent without digits") << QByteArray("3e") << 3.0;
    QTest::newRow("second point ends it") << QByteArray("1.2.3") << 1.2;
    QTest::newRow("letters only") << QByteArray("abc") << 0.0;
    QTest::newRow("empty") << QByteArray("") << 0.0;
    QTest::newRow("hash qualifier first") << QByteArray("#5") << 0.0;
    QTest::newRow("beyond the doubles") << QByteArray("1e400") << inf;
    QTest::newRow("negative beyond") << QByteArray("-1e400") << -inf;
    QTest::newRow("underflow") << QByteArray("1e-400") << 0.0;
    QTest::newRow("smallest denormal")
        << QByteArray("4.9406564584124654e-324") << std::numeric_limits<double>::denorm_min();
    QTest::newRow("many digits") << QByteArray("0." + QByteArray(2000, '0') + "1e2005") << 1e4;
    QTest::newRow("huge exponent") << QByteArray("1e99999999999999999999") << inf;
}

void TestNumberText::leadingNumber() {
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    QCOMPARE(LeadingNumber(std::string_view(text.constData(), size_t(text.size()))), expected);
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
