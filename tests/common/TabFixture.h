#pragma once

#include "TabTestHelpers.h"

#include "model/tOptionModel.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// What every tab test sets up: one tab of class T under an OwnerStub, the
// current model built from a fixture PPD, and a folder for settings files.
// A test class derives from QObject first and from this second; its init()
// and cleanup() slots call setUpTab() and tearDownTab().
template<class T>
class TabFixture
{
protected:
    std::unique_ptr<tOptionModel> model;
    QTemporaryDir dir;
    OwnerStub *owner = nullptr;
    T *tab = nullptr;

    // A fresh tab with no printer selected; `driven`: the owner runs the
    // tab's part of each constraint pass, as the main window does.
    void setUpTab(bool driven = false)
    {
        forgetPrinter();
        owner = new OwnerStub;
        tab = new T(owner);
        if (driven)
            owner->driven = tab;
    }

    void tearDownTab()
    {
        delete owner;
        forgetPrinter();
        model.reset();
    }

    // The helpers below return false, and say why, where the calling test
    // cannot go on: call them as QVERIFY(useModel(...)).
    [[nodiscard]] bool useModel(const QString &fixture)
    {
        if (useFixtureModel(model, fixture))
            return true;
        qWarning("libcups refused the fixture %s", qPrintable(fixture));
        return false;
    }

    // Writes `text` as the settings file `name` in the test's folder and
    // makes it the current one.
    [[nodiscard]] bool writeSettingsFile(const QString &name, const QByteArray &text)
    {
        if (useSettingsFile(dir.filePath(name), text))
            return true;
        qWarning("the settings file %s could not be written", qPrintable(name));
        return false;
    }

    // As a printer change does: a fresh model, then the tab reloads.
    [[nodiscard]] bool select(const QString &fixture)
    {
        if (!useModel(fixture))
            return false;
        tab->reload();
        return true;
    }

    // A hasOptions table: a fixture PPD (none: no printer is selected) and
    // whether the tab is shown over it.
    static void hasOptionsColumns()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<bool>("shown");
    }

    // Runs one row of that table; `reload`: the tab loads the model first.
    [[nodiscard]] bool checkHasOptions(bool reload = false)
    {
        QFETCH(QString, fixture);
        QFETCH(bool, shown);
        if (!fixture.isEmpty() && !(reload ? select(fixture) : useModel(fixture)))
            return false;
        if (tab->hasOptions() == shown)
            return true;
        qWarning("hasOptions() is %s", shown ? "false" : "true");
        return false;
    }
};
