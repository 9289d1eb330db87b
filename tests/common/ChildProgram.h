// For tests that run the window in a child process of their own, because a
// refusal ends the process that builds it.
#pragma once

#include "TestLimits.h"

#include "app/TolDialog.h"
#include "widgets/MessageBoxes.h"

#include <QApplication>
#include <QTimer>

#include <QByteArray>
#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <initializer_list>
#include <utility>

// In the child: every message box is answered with OK and printed on
// standard output as one line, "title|text".
inline void printMessageBoxes()
{
    MessageBoxes::setHandler([](QMessageBox::Icon, const QString &title, const QString &text,
                                QMessageBox::StandardButtons) {
        std::printf("%s|%s\n", qPrintable(title), qPrintable(QString(text).replace('\n', ' ')));
        std::fflush(stdout);
        return QMessageBox::Ok;
    });
}

// In the child: builds the window as a start does, with every box printed
// and a modal question (the consent one, in a new folder) closed unanswered.
// A refusal ends the process before this returns 3.
inline int buildWindowInChild()
{
    printMessageBoxes();
    QTimer::singleShot(0, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    TolDialog window;
    return 3;
}

// Runs this test program again with `arguments`, offscreen and with the
// variables of `variables` set. Its exit code; -1 when it did not end within
// two minutes (a guard against hanging, not a speed bound: the child is
// killed), -2 when it crashed.
inline int runThisProgram(const QStringList &arguments,
                          std::initializer_list<std::pair<QString, QString>> variables,
                          QByteArray *standardOutput, QByteArray *standardError = nullptr)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const auto &variable : variables)
        env.insert(variable.first, variable.second);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(2 * TestLimits::waitMs)) {
        child.kill();
        child.waitForFinished();
        return -1;
    }
    *standardOutput = child.readAllStandardOutput();
    if (standardError)
        *standardError = child.readAllStandardError();
    return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -2;
}
