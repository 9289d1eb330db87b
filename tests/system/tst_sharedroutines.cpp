#include "TestMain.h"

#include "system/SharedRoutines.h"

#include <QtTest>

#include <algorithm>
#include <cstdio>

// The system locale is read once per process, so each locale case runs this
// program again with that locale in its environment and this argument.
static const char printLabelArgument[] = "--print-rotate-label";

class tst_SharedRoutines : public QObject
{
    Q_OBJECT

private slots:
    void lengthThenText();
    void rotateLabel_data();
    void rotateLabel();
};

void tst_SharedRoutines::lengthThenText()
{
    QStringList ids = {QStringLiteral("100"), QStringLiteral("10"),  QStringLiteral("09"),
                       QStringLiteral("9"),   QStringLiteral("abd"), QStringLiteral("abc")};
    std::sort(ids.begin(), ids.end(), lessByLengthThenText);
    QCOMPARE(ids,
             QStringList({QStringLiteral("9"), QStringLiteral("09"), QStringLiteral("10"),
                          QStringLiteral("100"), QStringLiteral("abc"), QStringLiteral("abd")}));
    QVERIFY(!lessByLengthThenText(QStringLiteral("42"), QStringLiteral("42")));
    QVERIFY(!lessByLengthThenText(QStringLiteral("10"), QStringLiteral("9")));
}

void tst_SharedRoutines::rotateLabel_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("label");
    QTest::newRow("English") << "en_GB.UTF-8" << QStringLiteral("Rotate 180\u00b0");
    QTest::newRow("French") << "fr_FR.UTF-8" << QStringLiteral("Tourner 180\u00b0");
    QTest::newRow("German") << "de_DE.UTF-8" << QStringLiteral("Rotiert 180\u00b0");
    QTest::newRow("Italian") << "it_IT.UTF-8" << QStringLiteral("Ruotato 180\u00b0");
    QTest::newRow("Brazilian Portuguese") << "pt_BR.UTF-8" << QStringLiteral("Girar 180\u00b0");
    QTest::newRow("Spanish") << "es_ES.UTF-8" << QStringLiteral("Girado 180\u00b0");
    QTest::newRow("Dutch falls back to English")
        << "nl_NL.UTF-8" << QStringLiteral("Rotate 180\u00b0");
    QTest::newRow("POSIX") << "C" << QStringLiteral("Rotate 180\u00b0");
}

void tst_SharedRoutines::rotateLabel()
{
    QFETCH(QString, locale);
    QFETCH(QString, label);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), locale);
    env.insert(QStringLiteral("LANG"), locale);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(printLabelArgument)});
    QVERIFY(child.waitForFinished(120000));
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()), label);
}

int main(int argc, char *argv[])
{
    if (argc == 2 && qstrcmp(argv[1], printLabelArgument) == 0) {
        QCoreApplication app(argc, argv);
        std::fputs(rotate180Label().toUtf8().constData(), stdout);
        return 0;
    }
    QCoreApplication app(argc, argv);
    tst_SharedRoutines test;
    return runTestObject(&test, argc, argv);
}

#include "tst_sharedroutines.moc"
