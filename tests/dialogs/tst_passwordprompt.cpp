// The root write of installable options against stand-ins for sudo, su and
// the PPD writer, put first in PATH: what reaches the writer, and how the
// prompt and the main window take a refused and an accepted password.
#include "../app/MainRoadFixture.h"
#include "SandboxCups.h"
#include "TestMain.h"

#include "dialogs/PasswordPrompt.h"
#include "system/RootCommand.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include <unistd.h>

Q_DECLARE_METATYPE(RootMethod)

namespace {

// Each stand-in takes the folder it lives in as %1: the expected password
// is in "password", the writer records its arguments in "args", sudo logs
// its first argument of every run in "sudo.log".
const char standInSudo[] = R"sh(#!/bin/sh
echo "$1" >> '%1/sudo.log'
[ "$1" = -k ] && exit 0
[ "$1" = -S ] && [ "$2" = -p ] && [ "$#" -ge 3 ] && [ -z "$3" ] || exit 90
shift 3
IFS= read -r given || exit 91
[ "$given" = "$(cat '%1/password')" ] || exit 1
exec "$@"
)sh";

const char standInSu[] = R"sh(#!/bin/sh
[ "$1" = -c ] && [ "$#" -eq 2 ] || exit 90
IFS= read -r given || exit 91
[ "$given" = "$(cat '%1/password')" ] || exit 1
exec sh -c "$2"
)sh";

const char standInWriter[] = R"sh(#!/bin/sh
: > '%1/args'
for arg in "$@"; do printf '%s\n' "$arg" >> '%1/args'; done
echo "normal output"
exit 0
)sh";

const QString couldNotAuthorize = QStringLiteral("Could not authorize.");

} // namespace

class PasswordPromptTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(bin.isValid());
        writeScript("sudo", standInSudo);
        writeScript("su", standInSu);
        writeScript("tolPPDWrite_H", standInWriter);
        originalPath = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit() + ':' + originalPath);
        // libcups keeps the first server it was pointed at: one cupsd for all.
        if (geteuid() != 0) {
            qputenv("USER", "passwordprompt");
            qputenv("LANG", "C");
            qputenv("LC_ALL", "C");
            QVERIFY2(cups.start({{"printertab-installable.ppd", "Office"}}),
                     qPrintable(cups.errorText()));
        }
    }

    void cleanupTestCase() { qputenv("PATH", originalPath); }

    void init()
    {
        for (const char *name : {"args", "sudo.log", "marker"})
            QFile::remove(binFile(name));
    }

    void passwordAndPrinterReachTheWriterUnchanged_data()
    {
        QTest::addColumn<RootMethod>("method");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("printer");

        const QString shellPassword = QStringLiteral("a\"b $HOME `id` c\\d e");
        const QString marker = bin.path() + QStringLiteral("/marker");
        const QString shellPrinter =
            QStringLiteral("Bob's;touch %1&`touch %1`$(touch %1)'").arg(marker);
        for (RootMethod method : {RootMethod::Sudo, RootMethod::Su}) {
            const char *name = method == RootMethod::Sudo ? "sudo" : "su";
            QTest::addRow("%s: shell characters in the password", name)
                << method << shellPassword << QStringLiteral("Office");
            QTest::addRow("%s: quote and separators in the printer name", name)
                << method << QStringLiteral("secret") << shellPrinter;
        }
    }

    void passwordAndPrinterReachTheWriterUnchanged()
    {
        QFETCH(RootMethod, method);
        QFETCH(QString, password);
        QFETCH(QString, printer);
        setPassword(password);

        const QStringList items {"Option17=True", "Option8=Tray2"};
        QCOMPARE(runPpdWriterAsRoot(method, password, printer, items), 0);
        QCOMPARE(lines("args"), QStringList {printer} + items);
        QVERIFY(!QFile::exists(binFile("marker")));
    }

    void wrongPasswordFails_data()
    {
        QTest::addColumn<RootMethod>("method");
        QTest::addColumn<QString>("password");
        QTest::newRow("sudo: empty") << RootMethod::Sudo << QString();
        QTest::newRow("su: a trailing blank short") << RootMethod::Su << QStringLiteral("right");
    }

    void wrongPasswordFails()
    {
        QFETCH(RootMethod, method);
        QFETCH(QString, password);
        setPassword(QStringLiteral("right "));
        QVERIFY(runPpdWriterAsRoot(method, password, "Office", {"Option17=True"}) != 0);
        QVERIFY(!QFile::exists(binFile("args")));
    }

    // A refused password keeps the prompt open; the next, right one writes
    // the options, commits them in the printer tab, applies the defaults and
    // closes the prompt. Cached sudo credentials are dropped around each try.
    void refusedThenAcceptedPassword()
    {
        RoadFixture road;
        if (!road.ready())
            return;
        setPassword(QStringLiteral("right"));

        bool stayedOpen = false;
        bool closedAfterWrite = false;
        QList<QPair<QString, QString>> boxesAfterRefusal;
        whenPromptOpens([&](PasswordPrompt *prompt) {
            type(prompt, QStringLiteral("wrong"));
            boxesAfterRefusal = road.session->boxes.boxes;
            stayedOpen = prompt->isVisible();
            type(prompt, QStringLiteral("right"));
            closedAfterWrite = !prompt->isVisible();
        });
        road.window->click(QDialogButtonBox::Apply);

        QVERIFY(stayedOpen);
        QVERIFY(closedAfterWrite);
        QCOMPARE(boxesAfterRefusal,
                 (QList<QPair<QString, QString>> {{"Error", couldNotAuthorize}}));
        QCOMPARE(road.session->boxes.boxes.last(),
                 qMakePair(QString("Success"), QString("Settings applied.")));
        QStringList written = lines("args");
        QVERIFY(!written.isEmpty());
        QCOMPARE(written.takeFirst(), QString("Office"));
        written.sort();
        QCOMPARE(written, QStringList({"Option01=True", "Option17=True", "Option8=None"}));
        QVERIFY(!road.window->printerTab->optionsChanged());
        QVERIFY(!road.session->lpoptionsOf("Office").isEmpty());
        QCOMPARE(lines("sudo.log"), QStringList({"-k", "-S", "-k", "-S", "-k"}));
    }

    void okAfterClosedPromptKeepsWindowOpen_data()
    {
        QTest::addColumn<bool>("byCancelButton");
        QTest::newRow("window closed") << false;
        QTest::newRow("Cancel button") << true;
    }

    void okAfterClosedPromptKeepsWindowOpen()
    {
        QFETCH(bool, byCancelButton);
        RoadFixture road;
        if (!road.ready())
            return;
        bool cancelled = false;
        whenPromptOpens([&](PasswordPrompt *prompt) {
            if (!byCancelButton) {
                prompt->reject();
                cancelled = true;
                return;
            }
            for (QPushButton *button : prompt->findChildren<QPushButton *>()) {
                if (button->text() == QLatin1String("Cancel")) {
                    button->click();
                    cancelled = !prompt->isVisible();
                }
            }
        });
        road.window->click(QDialogButtonBox::Ok);
        QVERIFY(cancelled);
        QVERIFY(road.window->dialog.isVisible());
        QVERIFY(road.window->printerTab->optionsChanged());
        QVERIFY(!QFile::exists(binFile("args")));
    }

    void promptAsksForThePasswordTheMethodWants()
    {
        RoadFixture road;
        if (!road.ready())
            return;
        QStringList asked;
        whenPromptOpens([&](PasswordPrompt *prompt) {
            auto *method = prompt->findChild<QComboBox *>();
            const QLabel *text = prompt->findChild<QLabel *>();
            for (int index : {0, 1, 0}) {
                method->setCurrentIndex(index);
                asked << method->currentText() + QStringLiteral(": ") + text->text();
            }
        });
        road.window->click(QDialogButtonBox::Apply);
        QCOMPARE(asked, QStringList({"sudo: Please enter your own password.",
                                     "su: Please enter the root password.",
                                     "sudo: Please enter your own password."}));
    }

    // What the window manager is asked for; some (openbox) draw minimise and
    // maximise buttons whatever a dialog asks.
    void titleBarAsksForCloseOnly()
    {
        RoadFixture road;
        if (!road.ready())
            return;
        Qt::WindowFlags flags;
        whenPromptOpens([&](PasswordPrompt *prompt) { flags = prompt->windowFlags(); });
        road.window->click(QDialogButtonBox::Apply);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags
                  & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                     | Qt::WindowContextHelpButtonHint)));
    }

private:
    // A main window on a private cupsd with one queue whose finisher was
    // just switched on, so that Apply asks for the root password.
    struct RoadFixture
    {
        RoadFixture()
        {
            if (geteuid() == 0) {
                QTest::qSkip("the window refuses root; run as an ordinary user", __FILE__,
                             __LINE__);
                return;
            }
            session.reset(new RoadSession);
            window.reset(new RoadWindow);
            QCheckBox *finisher = nullptr;
            if (window->select("Office")) {
                for (QCheckBox *box : window->printerTab->findChildren<QCheckBox *>()) {
                    if (box->accessibleName() == QLatin1String("chkBxOption17"))
                        finisher = box;
                }
            }
            if (finisher)
                finisher->setChecked(true);
            changed = window->printerTab->optionsChanged();
            if (!changed)
                QTest::qFail("the queue's finisher could not be switched on", __FILE__, __LINE__);
            session->boxes.boxes.clear();
        }
        bool ready() const { return changed; }

        bool changed = false;
        QScopedPointer<RoadSession> session;
        QScopedPointer<RoadWindow> window;
    };

    // Runs STEPS on the password prompt once it is up; a prompt still open
    // afterwards is closed, so that a fault cannot hang the test.
    void whenPromptOpens(std::function<void(PasswordPrompt *)> steps)
    {
        auto *poll = new QTimer(this);
        poll->setInterval(20);
        connect(poll, &QTimer::timeout, this, [poll, steps] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                auto *prompt = qobject_cast<PasswordPrompt *>(widget);
                if (prompt && prompt->isVisible()) {
                    poll->stop();
                    poll->deleteLater();
                    steps(prompt);
                    prompt->reject();
                    return;
                }
            }
        });
        poll->start();
    }

    static void type(PasswordPrompt *prompt, const QString &password)
    {
        prompt->findChild<QLineEdit *>()->setText(password);
        prompt->findChild<QPushButton *>()->click();
    }

    void writeScript(const char *name, const char *text)
    {
        QFile file(binFile(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QString::fromUtf8(text).arg(bin.path()).toUtf8());
        file.close();
        QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                    | QFileDevice::ExeOwner));
    }

    void setPassword(const QString &password)
    {
        QFile file(binFile("password"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(password.toUtf8());
    }

    QString binFile(const char *name) const
    {
        return bin.path() + QLatin1Char('/') + QLatin1String(name);
    }

    QStringList lines(const char *name) const
    {
        return QString::fromUtf8(RoadSession::readFile(binFile(name)))
            .split('\n', Qt::SkipEmptyParts);
    }

    QTemporaryDir bin;
    QByteArray originalPath;
    SandboxCups cups;
};

VM_TEST_MAIN(PasswordPromptTest)
#include "tst_passwordprompt.moc"
