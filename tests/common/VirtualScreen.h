// A virtual X screen of a chosen size for tests that look at windows as a
// screen of that size shows them.
#pragma once

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>

// A virtual X screen of the given size, with a window manager when one is
// installed, for as long as the object lives.
class VirtualScreen
{
public:
    // Empty when the screen runs, else what went wrong. A panel of the
    // given height at the bottom takes its strip off the available area,
    // as the window manager reports it.
    QString start(const QString &size, int panel, bool withManager = true)
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        // Xvfb picks a free display itself and prints its number.
        server.setProcessChannelMode(QProcess::SeparateChannels);
        server.start(xvfb,
                     {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                      QStringLiteral("0"), size + QStringLiteral("x24"),
                      QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!server.waitForStarted(120000))
            return QStringLiteral("Xvfb did not start");
        while (!server.canReadLine()) {
            if (!server.waitForReadyRead(60000))
                return QStringLiteral("Xvfb gave no display: ")
                       + QString::fromLocal8Bit(server.readAllStandardError());
        }
        display = QLatin1Char(':') + QString::fromLatin1(server.readLine().trimmed());
        return withManager ? startManager(panel) : QString();
    }

    QString startManager(int panel)
    {
        const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
        if (openbox.isEmpty())
            return QString();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display);
        manager.setProcessEnvironment(env);
        manager.setProcessChannelMode(QProcess::MergedChannels);
        // The manager announces itself on the root window once it runs. It
        // may find the new server not yet answering: then it is started again.
        for (int round = 0; round < 600; ++round) {
            if (manager.state() == QProcess::NotRunning) {
                manager.start(openbox, {QStringLiteral("--config-file"), writeConfig(panel)});
                if (!manager.waitForStarted(120000))
                    return QStringLiteral("openbox did not start");
            }
            QProcess probe;
            probe.setProcessEnvironment(env);
            probe.start(QStringLiteral("xprop"),
                        {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
            if (!probe.waitForFinished(120000) || probe.exitStatus() != QProcess::NormalExit)
                return QString(); // no xprop: go on, the child waits for the frame
            if (probe.readAllStandardOutput().contains("window id"))
                return QString();
            QTest::qWait(100);
        }
        return QStringLiteral("openbox never took over the screen: ")
               + QString::fromLocal8Bit(manager.readAll());
    }

    QString writeConfig(int panel)
    {
        const QString path = folder.filePath(QStringLiteral("rc.xml"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(
                QStringLiteral(
                    "<?xml version=\"1.0\"?>\n<openbox_config xmlns=\"http://openbox.org/3.4/rc\">"
                    "<margins><top>0</top><bottom>%1</bottom><left>0</left><right>0</right>"
                    "</margins></openbox_config>\n")
                    .arg(panel)
                    .toUtf8());
        return path;
    }

    ~VirtualScreen()
    {
        for (QProcess *process : {&manager, &server}) {
            if (process->state() != QProcess::NotRunning) {
                process->terminate();
                process->waitForFinished(10000);
            }
        }
    }

    // The environment of a child that runs on this screen with the X11
    // platform. Under the sanitizers that platform's session bus and unloaded
    // plugins keep a few bytes to the end; such children look at windows, and
    // the leak checks run on the program under the offscreen platform.
    QProcessEnvironment clientEnvironment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("DISPLAY"), display);
        if (env.contains(QStringLiteral("ASAN_OPTIONS")))
            env.insert(QStringLiteral("ASAN_OPTIONS"), env.value(QStringLiteral("ASAN_OPTIONS"))
                                                           + QStringLiteral(":detect_leaks=0"));
        return env;
    }

    QString display;

private:
    QTemporaryDir folder;
    QProcess server;
    QProcess manager;
};
