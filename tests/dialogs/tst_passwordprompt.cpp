// The root write of installable options against stand-ins for sudo, su and
// the PPD writer, put first in PATH: what reaches the writer, and how the
// prompt and the main window take a refused and an accepted password. What a
// window manager does to the prompt runs in a child process on a virtual X
// screen framed by openbox.
#include "../app/MainRoadFixture.h"
#include "SandboxCups.h"
#include "TestMain.h"
#include "VirtualScreen.h"

#include "dialogs/PasswordPrompt.h"
#include "system/RootCommand.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <cstdio>
#include <cstring>
#include <functional>
#include <unistd.h>

#include <xcb/xcb.h>

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

// Switches the queue's finisher on, so that Apply asks for the root
// password; whether the printer tab took the change.
bool switchFinisherOn(RoadWindow &window)
{
    if (!window.select("Office"))
        return false;
    for (QCheckBox *box : window.printerTab->findChildren<QCheckBox *>()) {
        if (box->accessibleName() == QLatin1String("chkBxOption17"))
            box->setChecked(true);
    }
    return window.printerTab->optionsChanged();
}

// Runs STEPS on the password prompt once it is up; a prompt still open
// afterwards is closed, so that a fault cannot hang the test.
void whenPromptOpens(QObject *owner, std::function<void(PasswordPrompt *)> steps)
{
    auto *poll = new QTimer(owner);
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, owner, [poll, steps] {
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

// A client of the X server beside the program, as a title bar or a pager
// is: asks the window manager to minimise a window, and sees the window
// taken off the screen whoever asked, even when it comes back before the
// program notices.
class SecondClient
{
public:
    explicit SecondClient(WId window)
        : window(xcb_window_t(window))
    {
        c = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(c)) {
            error = QStringLiteral("no second connection to the X server");
            return;
        }
        const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(c, this->window, XCB_CW_EVENT_MASK, &mask);
        // The answer comes after the server took the mask: from here on, an
        // unmapping reaches this client whoever asks for it.
        const char name[] = "WM_CHANGE_STATE";
        xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
        changeState = atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(atom);
    }
    ~SecondClient()
    {
        if (c)
            xcb_disconnect(c);
    }

    void minimise()
    {
        xcb_client_message_event_t event {};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = window;
        event.type = changeState;
        event.data.data32[0] = 3; // IconicState
        xcb_send_event(c, 0, xcb_setup_roots_iterator(xcb_get_setup(c)).data->root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&event));
        xcb_flush(c);
    }

    // Whether the window was unmapped since this client began to look.
    bool unmapped()
    {
        while (xcb_generic_event_t *event = xcb_poll_for_event(c)) {
            const int type = event->response_type & 0x7f;
            seenUnmap = seenUnmap || type == XCB_UNMAP_NOTIFY;
            if (type == XCB_CONFIGURE_NOTIFY) {
                const auto *configure = reinterpret_cast<xcb_configure_notify_event_t *>(event);
                largest = largest.expandedTo(QSize(configure->width, configure->height));
            }
            std::free(event);
        }
        return seenUnmap;
    }

    QString error;
    // The largest size the window was given meanwhile.
    QSize largest;

private:
    xcb_connection_t *c = nullptr;
    xcb_window_t window;
    xcb_atom_t changeState = XCB_ATOM_NONE;
    bool seenUnmap = false;
};

void problem(const QString &text)
{
    std::printf("problem|%s\n", qPrintable(text));
    std::fflush(stdout);
}

// The child: the prompt over the real main window, asked by the window
// manager for what REQUEST names, then Escape. Prints a "problem|" line for
// each thing gone wrong, and "closed|" once Escape closed the prompt.
int promptOnScreen(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QByteArray request = argv[2];
    RoadSession session;
    RoadWindow window;
    if (!QTest::qWaitForWindowActive(&window.dialog, 60000))
        problem(QStringLiteral("the main window was never activated"));
    if (!switchFinisherOn(window)) {
        problem(QStringLiteral("the queue's finisher could not be switched on"));
        return 0;
    }
    whenPromptOpens(&window.dialog, [&request](PasswordPrompt *prompt) {
        if (!QTest::qWaitForWindowActive(prompt, 60000)) {
            problem(QStringLiteral("the prompt was never activated"));
            return;
        }
        const QSize size = prompt->size();
        SecondClient outside(prompt->winId());
        if (!outside.error.isEmpty()) {
            problem(outside.error);
            return;
        }
        // Every request goes to the window manager, which handles them in
        // order: once the prompt was unmapped, a maximise was handled too.
        if (request == "outside") {
            outside.minimise();
        } else {
            if (request.contains("maximise"))
                prompt->showMaximized();
            prompt->showMinimized();
        }
        const bool back = QTest::qWaitFor(
            [&] {
                return outside.unmapped() && prompt->isVisible() && !prompt->isMinimized()
                       && prompt->windowHandle()->isExposed() && prompt->isActiveWindow();
            },
            60000);
        if (!outside.unmapped()) {
            problem(QStringLiteral("the window manager never took the prompt off the screen"));
            return;
        }
        if (!back)
            problem(QStringLiteral("the prompt stayed away: %1, %2, %3")
                        .arg(prompt->isMinimized() ? "minimised" : "not minimised",
                             prompt->windowHandle()->isExposed() ? "exposed" : "not exposed",
                             prompt->isActiveWindow() ? "active" : "not active"));
        const QSize largest = outside.largest.expandedTo(prompt->size());
        if (largest != size)
            problem(QStringLiteral("the prompt's size went from %1x%2 to %3x%4")
                        .arg(size.width())
                        .arg(size.height())
                        .arg(largest.width())
                        .arg(largest.height()));
        // Keys go where the user's would: to the focused control.
        QWidget *focus = QApplication::focusWidget();
        if (!focus || focus->window() != prompt) {
            problem(QStringLiteral("keys go to %1, not the prompt")
                        .arg(focus ? focus->window()->windowTitle() : QStringLiteral("nothing")));
            return;
        }
        QTest::keyClick(focus, Qt::Key_Escape);
        if (QTest::qWaitFor([prompt] { return !prompt->isVisible(); }, 60000))
            std::printf("closed|\n");
        else
            problem(QStringLiteral("Escape did not close the prompt"));
    });
    window.click(QDialogButtonBox::Apply);
    std::fflush(stdout);
    return 0;
}

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

    // The window manager may minimise the modal prompt (openbox offers it in
    // the title bar whatever the prompt asks for); hidden, it would leave a
    // window that takes no input. Nor may it cover the screen.
    void promptComesBackFromTheWindowManager_data()
    {
        QTest::addColumn<QString>("request");
        QTest::newRow("the program minimises") << "minimise";
        QTest::newRow("the program maximises, then minimises") << "maximise";
        QTest::newRow("the title bar minimises") << "outside";
    }

    void promptComesBackFromTheWindowManager()
    {
        QFETCH(QString, request);
        if (geteuid() == 0)
            QSKIP("the window refuses root; run as an ordinary user");
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty())
            QSKIP("needs Xvfb and openbox");
        VirtualScreen screen;
        const QString screenError = screen.start(QStringLiteral("1280x1024"), 0);
        QVERIFY2(screenError.isEmpty(), qPrintable(screenError));

        QProcess child;
        child.setProcessEnvironment(screen.clientEnvironment());
        child.start(QCoreApplication::applicationFilePath(), {"--on-screen", request});
        const bool ended = child.waitForFinished(240000);
        if (!ended)
            child.kill();
        QVERIFY2(ended, "the prompt's child process did not end within four minutes");
        const QString output = QString::fromUtf8(child.readAllStandardOutput());
        QStringList problems;
        for (const QString &line : output.split('\n', Qt::SkipEmptyParts)) {
            if (line.startsWith(QLatin1String("problem|")))
                problems << line.mid(8);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n  "))));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 qPrintable(QString::fromLocal8Bit(child.readAllStandardError()).right(2000)));
        QVERIFY2(output.contains(QLatin1String("closed|")), "Escape never reached the prompt");
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
            changed = switchFinisherOn(*window);
            if (!changed)
                QTest::qFail("the queue's finisher could not be switched on", __FILE__, __LINE__);
            session->boxes.boxes.clear();
        }
        bool ready() const { return changed; }

        bool changed = false;
        QScopedPointer<RoadSession> session;
        QScopedPointer<RoadWindow> window;
    };

    void whenPromptOpens(std::function<void(PasswordPrompt *)> steps)
    {
        ::whenPromptOpens(this, std::move(steps));
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

int main(int argc, char *argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--on-screen")
        return promptOnScreen(argc, argv);
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    QTEST_DISABLE_KEYPAD_NAVIGATION
    PasswordPromptTest test;
    return runTestObject(&test, argc, argv);
}
#include "tst_passwordprompt.moc"
