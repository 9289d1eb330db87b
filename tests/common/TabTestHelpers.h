#pragma once

#include "ModelFixture.h"

#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "tabs/Tab.h"
#include "tabs/TabOptionCollector.h"
#include "tabs/TabOwner.h"

#include <QByteArray>
#include <QComboBox>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

// Stands in for the main window as a tab's owner: counts the calls the tab's
// widgets make to it and, when given a tab to drive, runs that tab's part of
// a constraint pass as the main window does (again while a widget was moved,
// at most 11 rounds; not while a pass is running).
class OwnerStub : public TabOwner
{
    Q_OBJECT
public:
    Tab *driven = nullptr;
    int passes = 0;
    int colourCouplings = 0;
    int publishingCouplings = 0;
    int profileChanges = 0;
    // The driven tab's isConstraintMarked() after the last pass.
    bool marked = false;

public slots:
    void setConstraints() override
    {
        ++passes;
        if (!driven || !AppState::optionModel || running)
            return;
        running = true;
        for (int round = 0; round < 11; ++round) {
            driven->setConstraintMarked(false);
            const bool moved = driven->enableOptions();
            driven->updateCustomConstraints();
            driven->clearErrorMarks();
            driven->markCustomConstraints();
            marked = driven->isConstraintMarked();
            if (!moved)
                break;
        }
        running = false;
    }
    void toggleColorMode() override { ++colourCouplings; }
    void togglePublishingFronAndBackLabel() override { ++publishingCouplings; }
    void profileChanged() override { ++profileChanges; }

private:
    bool running = false;
};

// The `which`-th child of `parent` of class W with this accessible name.
template<class W>
W *named(QWidget *parent, const QString &name, int which = 0)
{
    const QList<W *> all = parent->findChildren<W *>();
    for (W *widget : all) {
        if (widget->accessibleName() == name && which-- == 0)
            return widget;
    }
    return nullptr;
}

inline QStringList items(QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

// The keyword of the current model's current choice for `keyword`.
inline QString current(const QString &keyword)
{
    const tChoice *choice = AppState::optionModel->option(keyword)->currentChoice();
    return choice ? choice->keyword() : QString();
}

// Builds `model` from a fixture PPD in tests/data and makes it the current
// model; false, with no current model, when libcups refuses the file.
inline bool useFixtureModel(std::unique_ptr<tOptionModel> &model, const QString &fixture)
{
    AppState::optionModel = nullptr;
    model = buildModelFromFixture(QStringLiteral(VM_TEST_DATA "/") + fixture);
    if (!model)
        return false;
    AppState::optionModel = model.get();
    return true;
}

// Writes `text` as the whole file at `path` and makes it the current
// settings file; false when it cannot be written.
inline bool useSettingsFile(const QString &path, const QByteArray &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool written = file.write(text) == text.size();
    file.close();
    if (!written)
        return false;
    AppState::settingsFile = path;
    return true;
}

// What the main window's collector saves of this one tab.
inline OptionHash collectedSettings(Tab *tab)
{
    const QList<Tab *> tabs {tab};
    return TabOptionCollector(&tabs).collectTabOptions();
}

// As before any printer is selected: no current model, no settings file.
inline void forgetPrinter()
{
    AppState::optionModel = nullptr;
    AppState::settingsFile.clear();
}
