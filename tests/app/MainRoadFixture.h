// Shared by the main-road tests: a stand-in for the "Basic" tab bound to
// PageSize and Duplex, a fresh home and per-user directory for every test,
// and a main window with the stand-in added.
#pragma once

#include "MessageRecorder.h"
#include "TestLimits.h"

#include "app/TolDialog.h"
#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "system/SystemPaths.h"
#include "tabs/PrinterTab.h"
#include "tabs/Tab.h"
#include "widgets/ComboBoxEx.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

// No Q_OBJECT: its class name must simply not be "PrinterTab", and the
// slots it overrides are virtual.
class StandInTab : public Tab
{
public:
    explicit StandInTab(QWidget *window)
        : Tab(window)
    {
        buildUi();
        connectOptionWidgets();
    }

    bool hasOptions() override { return AppState::optionModel != nullptr; }

    // The real tabs have icons of their own; the look of one is borrowed.
    QIcon tabIcon() override { return QIcon(QStringLiteral(":/icons/tab-printer")); }
    QIcon tabConstraintIcon() override
    {
        return QIcon(QStringLiteral(":/icons/tab-printer-constraint"));
    }

    // A setting that is no PPD option: saved without a default suffix.
    OptionHash extraSettings() override
    {
        OptionHash extras;
        extras.insert(QStringLiteral("StandInNote"), QStringLiteral("kept"));
        return extras;
    }

    bool enableOptions() override
    {
        ++enableCalls;
        const bool moved = Tab::enableOptions();
        return keepMoving || moved;
    }

    // Picks a choice by its keyword, as a user would in the list.
    bool choose(ComboBoxEx *combo, const QString &choiceKeyword)
    {
        const tOption *option =
            AppState::optionModel ? AppState::optionModel->option(keywordOf(combo)) : nullptr;
        const tChoice *choice = option ? option->findChoice(choiceKeyword) : nullptr;
        const int index = choice ? combo->findText(choice->text()) : -1;
        if (index < 0)
            return false;
        combo->setCurrentIndex(index);
        return true;
    }

    ComboBoxEx *pageSize = nullptr;
    ComboBoxEx *duplex = nullptr;
    int enableCalls = 0;
    bool keepMoving = false;

protected:
    void initTabName() override
    {
        tabName = QStringLiteral("Basic");
        getTabName();
    }

    void buildUi() override
    {
        tabName = QStringLiteral("Basic");
        auto *layout = new QGridLayout(this);
        auto *pageSizeLabel = new QLabel(this);
        pageSize = new ComboBoxEx(this);
        pageSize->setAccessibleName(QStringLiteral("cmbBxPageSize"));
        auto *duplexLabel = new QLabel(this);
        duplex = new ComboBoxEx(this);
        duplex->setAccessibleName(QStringLiteral("cmbBxDuplex"));
        layout->addWidget(pageSizeLabel, 0, 0);
        layout->addWidget(pageSize, 1, 0);
        layout->addWidget(duplexLabel, 2, 0);
        layout->addWidget(duplex, 3, 0);
        layout->setRowStretch(4, 1);
        addOptionWidget(QStringLiteral("PageSize"), pageSize);
        addOptionWidget(QStringLiteral("Duplex"), duplex);
        addLabelWidget(QStringLiteral("PageSize"), pageSizeLabel);
        addLabelWidget(QStringLiteral("Duplex"), duplexLabel);
    }
};

// Everything one test needs of its own: home (for lpoptions' per-user file),
// per-user directory with a "Settings" file (no consent dialog), a working
// directory, and a recorder that answers every message box.
class RoadSession
{
public:
    RoadSession()
    {
        qputenv("HOME", home.path().toLocal8Bit());
        SystemPaths::setUserBase(base.path() + QStringLiteral("/"));
        AppState::settingsFile.clear();
        QDir().mkpath(SystemPaths::perUserDirectory());
        QFile settings(SystemPaths::settingsFilePath());
        if (settings.open(QIODevice::WriteOnly))
            settings.write("Telemetry=False\n");
        QDir::setCurrent(work.path());
    }

    ~RoadSession() { QDir::setCurrent(QDir::tempPath()); }

    QString userDir() const { return SystemPaths::perUserDirectory(); }
    QString cfgPath(const QString &printer) const
    {
        return userDir() + printer + QStringLiteral(".cfg");
    }
    QString lpoptionsPath() const { return home.path() + QStringLiteral("/.cups/lpoptions"); }

    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The stand-in's options of the "Dest NAME ..." line of lpoptions'
    // per-user file, as name=value words; empty when there is no such line.
    QStringList lpoptionsOf(const QString &printer) const
    {
        const QString prefix = QStringLiteral("Dest ") + printer + QLatin1Char(' ');
        const QStringList lines = QString::fromUtf8(readFile(lpoptionsPath())).split('\n');
        for (const QString &line : lines) {
            if (line.startsWith(prefix))
                return standInOnly(line.mid(prefix.size()).split(' ', Qt::SkipEmptyParts));
        }
        return {};
    }

    // The stand-in's lines of the printer's ".cfg" file, sorted.
    QStringList cfgLinesOf(const QString &printer) const
    {
        return standInOnly(
            QString::fromUtf8(readFile(cfgPath(printer))).split('\n', Qt::SkipEmptyParts));
    }

    // The real "Basic" tab saves more (media type, the keywords that follow
    // the page size); only what the stand-in binds is looked at here.
    static QStringList standInOnly(QStringList entries)
    {
        static const QStringList keys = {QStringLiteral("PageSize="), QStringLiteral("Duplex="),
                                         QStringLiteral("StandInNote=")};
        QStringList kept;
        for (const QString &entry : qAsConst(entries)) {
            for (const QString &key : keys) {
                if (entry.startsWith(key)) {
                    kept << entry;
                    break;
                }
            }
        }
        kept.sort();
        return kept;
    }

    QTemporaryDir home;
    QTemporaryDir base;
    QTemporaryDir work;
    MessageRecorder boxes;
};

// An lpoptions first on PATH that holds until the test gives the word:
// before the real one runs, or after it (its status kept). Put in place
// after the selection, whose first write it would hold too.
class HeldLpoptions
{
public:
    HeldLpoptions(const QString &dir, bool afterRun)
        : folder(dir)
        , path(qgetenv("PATH"))
    {
        const QByteArray real = QFile::encodeName(QStandardPaths::findExecutable("lpoptions"));
        const QByteArray at = QFile::encodeName(dir);
        const QByteArray hold =
            "touch '" + at + "/started'\nwhile [ ! -e '" + at + "/go' ]; do sleep 0.02; done\n";
        QDir().mkpath(dir);
        QFile standIn(dir + "/lpoptions");
        if (!standIn.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(standIn.fileName()));
        standIn.write("#!/bin/sh\n");
        standIn.write(afterRun ? "'" + real + "' \"$@\"\nstatus=$?\n" + hold + "exit $status\n"
                               : hold + "exec '" + real + "' \"$@\"\n");
        standIn.close();
        standIn.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        qputenv("PATH", at + ":" + path);
    }
    // A row that failed leaves nothing held.
    ~HeldLpoptions()
    {
        release();
        qputenv("PATH", path);
    }

    bool started() const { return QFile::exists(folder + "/started"); }
    void release() { QFile(folder + "/go").open(QIODevice::WriteOnly); }

private:
    QString folder;
    QByteArray path;
};

// The main window with the stand-in tab, as the program will have its
// "Basic" tab second.
class RoadWindow
{
public:
    // The list comes when CUPS answers: waited for unless `waitForList` is
    // false.
    explicit RoadWindow(bool waitForList = true)
        : tab(new StandInTab(&dialog))
    {
        dialog.addTab(tab);
        printerTab = dialog.findChild<PrinterTab *>();
        buttons = dialog.findChild<QDialogButtonBox *>();
        // Shown, so that the style sheets take effect as for the user.
        dialog.show();
        if (waitForList)
            settle();
    }

    // Lets the event loop run until the window awaits no answer of CUPS, the
    // status words included; false when one is still awaited after a minute
    // (only a hang).
    bool settle()
    {
        return QTest::qWaitFor([this] { return !dialog.awaitsCups() && !dialog.readsStatuses(); },
                               TestLimits::waitMs);
    }

    // Asks for the printer check and waits for its answer: whether anything
    // changed.
    bool checkPrintersChanged()
    {
        bool changed = false;
        dialog.checkPrintersChanged([&changed](bool c) { changed = c; });
        settle();
        return changed;
    }

    // Clicks the button and waits until what it started has ended.
    void click(QDialogButtonBox::StandardButton which)
    {
        button(which)->click();
        settle();
    }

    QTableWidget *table() const { return printerTab->table(); }

    // A click on the printer's row as a person makes it, through the
    // window's input path.
    void clickRow(const QString &name)
    {
        const QRect cell = table()->visualRect(table()->model()->index(rowOf(name), 0));
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, cell.center());
    }

    QStringList column(int col) const
    {
        QStringList texts;
        for (int row = 0; row < table()->rowCount(); ++row) {
            const QTableWidgetItem *item = table()->item(row, col);
            texts << (item ? item->text() : QStringLiteral("<null>"));
        }
        return texts;
    }

    int rowOf(const QString &name) const { return column(0).indexOf(name); }

    // Selects the printer's row as a click on its first cell would.
    bool select(const QString &name)
    {
        const int row = rowOf(name);
        if (row < 0)
            return false;
        table()->setCurrentCell(row, 0);
        settle();
        return AppState::optionModel && AppState::optionModel->printerName() == name;
    }

    QPushButton *button(QDialogButtonBox::StandardButton which) const
    {
        return buttons->button(which);
    }

    // By the text the user reads: a mnemonic's "&" does not count.
    QPushButton *buttonWithText(const QString &text) const
    {
        for (QPushButton *b : dialog.findChildren<QPushButton *>()) {
            if (QString(b->text()).remove(QLatin1Char('&')) == text)
                return b;
        }
        return nullptr;
    }

    QTabWidget *tabWidget() const { return dialog.findChild<QTabWidget *>(); }
    int currentTabIndex() const { return tabWidget()->currentIndex(); }
    // A disabled tab is drawn with no size; an enabled one must get its size back.
    QSize tabSize(int index) const { return tabWidget()->tabBar()->tabRect(index).size(); }

    TolDialog dialog;
    StandInTab *tab;
    PrinterTab *printerTab = nullptr;
    QDialogButtonBox *buttons = nullptr;
};
