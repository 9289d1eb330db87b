// The main window as an ordinary user sees it right after start.
#include "TestMain.h"

#include "app/TolDialog.h"
#include "dialogs/TelemetryDialog.h"
#include "system/SystemPaths.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <unistd.h>

class MainWindowTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir base;

    QString settingsPath() const { return SystemPaths::settingsFilePath(); }

    void writeSettings()
    {
        QDir().mkpath(SystemPaths::perUserDirectory());
        QFile file(settingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Telemetry=False\n");
    }

    // By the text the user reads: a mnemonic's "&" does not count.
    static QPushButton *buttonWithText(QWidget *window, const QString &text)
    {
        for (QPushButton *b : window->findChildren<QPushButton *>()) {
            if (QString(b->text()).remove(QLatin1Char('&')) == text)
                return b;
        }
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        if (geteuid() == 0)
            QSKIP("the window refuses root; run as an ordinary user");
        qputenv("USER", "mainwindowtester");
        SystemPaths::setUserBase(base.path());
    }

    void normalStart()
    {
        writeSettings();
        TolDialog window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QCOMPARE(window.windowTitle(), QStringLiteral("Tolvane Vellumark"));
        // A fixed size: the designed one where the screen has room for it,
        // else the available area (the offscreen screen is 800 x 600).
        const QSize frame = window.frameGeometry().size() - window.size();
        const QSize room = window.screen()->availableGeometry().size() - frame;
        QCOMPARE(window.size(), QSize(800, 735).boundedTo(room));
        QCOMPARE(window.minimumSize(), window.size());
        QCOMPARE(window.maximumSize(), window.size());
        auto *tabs = window.findChild<QTabWidget *>();
        QVERIFY(tabs);
        QCOMPARE(tabs->tabPosition(), QTabWidget::West);

        auto *box = window.findChild<QDialogButtonBox *>();
        QVERIFY(box);
        QVERIFY(!box->button(QDialogButtonBox::Ok)->isEnabled());
        QVERIFY(!box->button(QDialogButtonBox::Apply)->isEnabled());
        QVERIFY(box->button(QDialogButtonBox::Cancel)->isEnabled());
        QVERIFY(!buttonWithText(&window, QStringLiteral("Save As..."))->isEnabled());
        QVERIFY(!buttonWithText(&window, QStringLiteral("Profiles..."))->isEnabled());
        QVERIFY(buttonWithText(&window, QStringLiteral("?"))->isEnabled());

        const QString shot = QDir::temp().filePath(QStringLiteral("vellumark-mainwindow.png"));
        QVERIFY(window.grab().save(shot));
        qInfo("screenshot: %s", qPrintable(shot));
    }

    void firstStartAsksForConsent()
    {
        QFile::remove(settingsPath());
        bool sawDialog = false;
        bool yesPreselected = false;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<TelemetryDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            sawDialog = true;
            const auto radios = dialog->findChildren<QRadioButton *>();
            yesPreselected = !radios.isEmpty() && radios.first()->isChecked();
            auto *box = dialog->findChild<QDialogButtonBox *>();
            if (box && box->button(QDialogButtonBox::Ok))
                box->button(QDialogButtonBox::Ok)->click();
            else
                dialog->accept();
        });
        TolDialog window;
        QVERIFY(sawDialog);
        QVERIFY(yesPreselected);
        QFile file(settingsPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("Telemetry=True\n"));
    }
};

VM_TEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
