#include "app/TolDialog.h"

#include "dialogs/AboutDialog.h"
#include "dialogs/HelpDialog.h"
#include "dialogs/ProfileDialog.h"
#include "dialogs/ProfileSaveDialog.h"
#include "dialogs/TelemetryDialog.h"
#include "system/AppState.h"
#include "system/CupsRequests.h"
#include "system/CupsWorker.h"
#include "system/PerUserFiles.h"
#include "system/PerUserFolder.h"
#include "system/SystemPaths.h"
#include "tabs/BookletTab.h"
#include "tabs/FinishingTab.h"
#include "tabs/GeneralTab.h"
#include "tabs/ImagingTab.h"
#include "tabs/JobTab.h"
#include "tabs/PrinterTab.h"
#include "tabs/PublishingTab.h"
#include "tabs/SNTTab.h"
#include "tabs/Tab.h"
#include "tabs/WatermarkTab.h"
#include "tabs/TabOptionCollector.h"
#include "widgets/FocusInSight.h"
#include "widgets/MessageBoxes.h"
#include "widgets/ScreenFit.h"
#include "widgets/TolTabWidget.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QKeyEvent>
#include <QGridLayout>
#include <QPushButton>
#include <QShortcut>
#include <QSpacerItem>
#include <QTableWidget>
#include <QTimer>

#include <cstdlib>
#include <unistd.h>

namespace {

// How long a held wait goes unshown: an answer within it causes no flash.
const int waitShownAfterMs = 300;

bool within(const QWidget *widget, const QWidget *area)
{
    return area && (widget == area || area->isAncestorOf(widget));
}

} // namespace

TolDialog::TolDialog(QWidget *parent)
    : TabOwner(parent)
{
    AppState::perUserDirectory = SystemPaths::perUserDirectory();
    refuseRoot();
    securePerUserFolder();
    askConsent();
    fitToScreen();
    makeRequests();
    makeTabs();
    makeButtons();
    layOut();
    addTabKeys();
    connectPrinterTab();
    setWindowTitle(tr("Tolvane Vellumark"));
    styleTabBar();
    makeCloseTimer();
    qApp->installEventFilter(this);
    new FocusInSight(this);
    requestsChanged();
}

void TolDialog::refuseRoot()
{
    if (geteuid() != 0)
        return;
    QString text = tr("Please do not run %1 as root.");
    text.replace(QStringLiteral("%1"), tr("Tolvane Vellumark"));
    MessageBoxes::show(QMessageBox::NoIcon, tr("Vellumark"), text);
    std::exit(0);
}

void TolDialog::securePerUserFolder()
{
    bool tightened = false;
    const PerUserFolder::State folder =
        PerUserFolder::secure(AppState::perUserDirectory, &tightened);
    if (!PerUserFolder::isUsable(folder)) {
        MessageBoxes::show(QMessageBox::Critical, tr("Error"),
                           PerUserFolder::problemText(folder, AppState::perUserDirectory));
        std::exit(1);
    }
    reportSecuredFiles(tightened);
}

void TolDialog::askConsent()
{
    if (!TelemetryDialog::isAnswered()) {
        TelemetryDialog telemetry;
        telemetry.exec();
    }
}

void TolDialog::fitToScreen()
{
    ScreenFit::keepFixedSize(this, QSize(800, 735), [this] {
        return tabWidget ? tabWidget->pageShortfall() : QSize(0, 0);
    });
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    QPalette background = palette();
    background.setBrush(QPalette::Window, QBrush(QPixmap(QStringLiteral(":/icons/background"))));
    setPalette(background);
}

void TolDialog::makeRequests()
{
    requests = new CupsRequests(this);
    work.waitTimer = new QTimer(this);
    work.waitTimer->setSingleShot(true);
    work.waitTimer->setInterval(waitShownAfterMs);
    connect(work.waitTimer, &QTimer::timeout, this, [this] {
        work.waitShown = true;
        showWait();
    });
    connect(requests, &CupsRequests::pendingChanged, this, &TolDialog::requestsChanged);
    connect(requests, &CupsRequests::retryDue, this, &TolDialog::refillIdleList);
    connect(requests, &CupsRequests::idle, this, [this] { startOtherAppsUpdate(); });
}

void TolDialog::makeTabs()
{
    // The option tabs, in their fixed order.
    printerTab = new PrinterTab(this, requests);
    generalTab = new GeneralTab(this);
    bookletTab = new BookletTab(this);
    finishingTab = new FinishingTab(this);
    imagingTab = new ImagingTab(this);
    publishingTab = new PublishingTab(this);
    jobTab = new JobTab(this);
    watermarkTab = new WatermarkTab(this);
    sntTab = new SNTTab(this);

    aboutDialog = new AboutDialog(this);
    helpDialog = new HelpDialog(this);

    tabList << printerTab << generalTab << bookletTab << finishingTab << imagingTab << publishingTab
            << jobTab << watermarkTab << sntTab;
    // The tab itself makes the same connection first: being unique, this one
    // then adds nothing.
    connect(sntTab, &SNTTab::colorchanged, this, &TabOwner::toggleColorMode, Qt::UniqueConnection);

    optionCollector = new TabOptionCollector(&tabList);

    tabWidget = new TolTabWidget(this);
    tabWidget->setTabPosition(QTabWidget::West);
    tabWidget->setIconSize(QSize(30, 30));
    for (Tab *tab : qAsConst(tabList)) {
        tabWidget->addTab(tab, tab->tabIcon(), tab->getTabName());
        enableTab(tab);
    }

    connect(tabWidget, &TolTabWidget::currentChanged, this, &TolDialog::tabSelected);
}

void TolDialog::makeButtons()
{
    // These buttons take no focus, so that the tabs keep it: a keyboard
    // user reaches them by their mnemonics, and help by F1.
    saveAsButton = new QPushButton(tr("&Save As..."), this);
    saveAsButton->setFocusPolicy(Qt::NoFocus);
    saveAsButton->setEnabled(false);
    saveAsButton->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);

    profilesButton = new QPushButton(tr("&Profiles") + QStringLiteral("..."), this);
    profilesButton->setFocusPolicy(Qt::NoFocus);
    profilesButton->setEnabled(false);

    profileDialog = new ProfileDialog(this, optionCollector);
    profileSaveDialog = new ProfileSaveDialog(this, optionCollector);
    connect(profilesButton, &QPushButton::clicked, profileDialog, &ProfileDialog::fillProfileTable);
    connect(profilesButton, &QPushButton::clicked, profileDialog, &ProfileDialog::show);
    connect(saveAsButton, &QPushButton::clicked, profileSaveDialog, &ProfileSaveDialog::show);

    buttonBox = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Apply | QDialogButtonBox::Cancel, this);
    buttonBox->setFocusPolicy(Qt::NoFocus);
    buttonBox->button(QDialogButtonBox::Ok)->setText(tr("&OK"));
    buttonBox->button(QDialogButtonBox::Apply)->setText(tr("&Apply"));
    buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("&Cancel"));
    buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
    buttonBox->button(QDialogButtonBox::Apply)->setEnabled(false);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &TolDialog::accept);
    connect(buttonBox->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            &TolDialog::slotButtonApply);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &TolDialog::reject);
    for (QAbstractButton *b : buttonBox->buttons()) {
        b->setFocusPolicy(Qt::NoFocus);
        if (auto *push = qobject_cast<QPushButton *>(b)) {
            push->setAutoDefault(false);
            push->setDefault(false);
        }
    }

    helpButton = new QPushButton(QStringLiteral("?"), this);
    helpButton->setFixedWidth(32);
    helpButton->setFocusPolicy(Qt::NoFocus);
    helpButton->setShortcut(QKeySequence::HelpContents);
    connect(helpButton, &QPushButton::clicked, helpDialog, &HelpDialog::exec);

    logoButton = new QPushButton(this);
    logoButton->setIcon(QIcon(QStringLiteral(":/icons/logo")));
    logoButton->setStyleSheet(QStringLiteral("padding-left: -20px; border: none; outline: none;"));
    logoButton->setIconSize(QSize(170, 32));
    logoButton->setFixedWidth(140);
    helpButton->setFixedHeight(32);
    logoButton->setFocusPolicy(Qt::NoFocus);

    // The right padding keeps a list sized to its items clear of the arrow.
    setStyleSheet(QStringLiteral("ComboBoxEx { padding-left: 4px; padding-right: 4px } "));
    connect(logoButton, &QPushButton::clicked, aboutDialog, &AboutDialog::exec);
    buttonBox->button(QDialogButtonBox::Ok)->clearFocus();
}

void TolDialog::layOut()
{
    auto *layout = new QGridLayout(this);
    auto *spacer = new QSpacerItem(1, 50, QSizePolicy::Expanding, QSizePolicy::Minimum);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->addWidget(tabWidget, 1, 1, 1, 8);
    layout->addWidget(saveAsButton, 2, 6, 1, 2, Qt::AlignRight);
    layout->addWidget(profilesButton, 2, 8, 1, 1);
    layout->addItem(spacer, 4, 1, 1, 3);
    layout->addWidget(logoButton, 4, 1, 1, 1, Qt::AlignBottom);
    layout->addWidget(helpButton, 4, 2, 1, 1, Qt::AlignBottom | Qt::AlignHCenter);
    layout->addWidget(buttonBox, 4, 4, 1, 6, Qt::AlignBottom | Qt::AlignRight);
    // Growth goes to the page: the button box's own last column would
    // otherwise take a share and leave an empty strip beside the page.
    for (int column = 1; column <= 8; ++column)
        layout->setColumnStretch(column, 1);
}

void TolDialog::addTabKeys()
{
    // The tab widget takes these keys only when the focused control lets
    // them pass, which lists and combo boxes do not.
    const struct
    {
        QKeySequence keys;
        int step;
    } tabKeys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    for (const auto &key : tabKeys) {
        auto *shortcut = new QShortcut(key.keys, this);
        const int step = key.step;
        connect(shortcut, &QShortcut::activated, tabWidget,
                [this, step] { tabWidget->showNeighbourTab(step); });
    }
}

void TolDialog::connectPrinterTab()
{
    // The printer tab's own handler runs first, so the new model exists
    // when the window reloads the tabs.
    connect(printerTab->table(), &QTableWidget::currentCellChanged, this,
            &TolDialog::printerChanged);
    connect(printerTab, &PrinterTab::printerSelected, this, &TolDialog::selectionAnswered);
    connect(printerTab, &PrinterTab::listShown, this, &TolDialog::listShown);
}

void TolDialog::makeCloseTimer()
{
    work.closeTimer = new QTimer(this);
    work.closeTimer->setSingleShot(true);
    connect(work.closeTimer, &QTimer::timeout, this, [this] {
        // The write did not end within the bound: cut, and told.
        requests->stop();
        writeEndedAfterClose(false, false);
    });
}

void TolDialog::reportSecuredFiles(bool folderTightened)
{
    QStringList names;
    QStringList newNames;
    securePerUserFiles(true, &names, &newNames);
    QStringList paragraphs;
    QString details;
    if (folderTightened)
        paragraphs << PerUserFolder::tightenedText(AppState::perUserDirectory);
    if (!names.isEmpty())
        paragraphs << PerUserFolder::setAsideText(AppState::perUserDirectory, names, newNames,
                                                  &details);
    // Plain text: the names are another account's choice.
    if (!paragraphs.isEmpty())
        MessageBoxes::showPlain(QMessageBox::Warning, tr("Vellumark"),
                                paragraphs.join(QStringLiteral("\n\n")), details);
}

void TolDialog::setListRetryInterval(int ms)
{
    requests->setRetryInterval(ms);
}

void keepGlDriverUnloaded()
{
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
}

bool TolDialog::awaitsCups() const
{
    return requests->awaitsAnswer();
}

bool TolDialog::readsStatuses() const
{
    return requests->readsStatuses();
}

int TolDialog::runUntilEnded()
{
    QApplication::setQuitOnLastWindowClosed(false);
    connect(this, &TolDialog::ended, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    if (work.ended)
        return 0;
    return QApplication::exec();
}

bool TolDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (refusesInput(watched, event)) {
        // Input not taken is shown at once as not taken.
        if (!work.waitShown) {
            work.waitTimer->stop();
            work.waitShown = true;
            showWait();
        }
        return true;
    }
    return TabOwner::eventFilter(watched, event);
}

bool TolDialog::refusesInput(QObject *watched, QEvent *event) const
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        // Closing is never held.
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
            return false;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        break;
    default:
        return false;
    }
    // The printer table always takes its input: a newer row replaces a
    // pending selection, and a write holds the row until it has ended.
    if (!requests->holdsOptions())
        return false;
    const auto *widget = qobject_cast<const QWidget *>(watched);
    if (!widget || widget->window() != this)
        return false;
    if (within(widget, printerTab->installedOptionsArea()))
        return true;
    for (const Tab *tab : tabList) {
        if (tab != printerTab && within(widget, tab))
            return true;
    }
    return widget == saveAsButton || widget == profilesButton
           || widget == buttonBox->button(QDialogButtonBox::Ok)
           || widget == buttonBox->button(QDialogButtonBox::Apply);
}

void TolDialog::requestsChanged()
{
    if (!work.waitTimer)
        return;
    const bool held = requests->holdsOptions() || requests->isPending(CupsRequests::Listing);
    if (!held) {
        work.waitTimer->stop();
        if (work.waitShown) {
            work.waitShown = false;
            showWait();
        } else {
            restoreFocus();
        }
        return;
    }
    if (work.waitShown)
        showWait();
    else if (!work.waitTimer->isActive())
        work.waitTimer->start();
}

void TolDialog::showWait()
{
    // Greying the pages takes the focus from a control on them: it goes
    // back once the wait ends.
    QWidget *focused = QApplication::focusWidget();
    if (work.waitShown && focused && focused->window() == this)
        work.focusBeforeWait = focused;
    if (work.waitShown)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
    printerTab->showWaiting(work.waitShown);
    enableOptionPages();
    showWriteButtons();
    if (!work.waitShown)
        restoreFocus();
}

void TolDialog::restoreFocus()
{
    const auto takes = [](const QWidget *widget) {
        return widget && widget->isVisible() && widget->isEnabled()
               && (widget->focusPolicy() & Qt::TabFocus);
    };
    // Nothing is taken from a popup, a box or another window.
    const QWidget *focused = QApplication::focusWidget();
    if (!isActiveWindow() || QApplication::activePopupWidget()
        || (focused && (focused->window() != this || takes(focused))))
        return;
    QWidget *target = work.focusBeforeWait;
    work.focusBeforeWait.clear();
    // The page shown may be another than the one the control is on.
    if (!takes(target)) {
        target = nullptr;
        QWidget *page = tabWidget->currentWidget();
        for (QWidget *next = page ? page->nextInFocusChain() : nullptr;
             next && next != page && page->isAncestorOf(next); next = next->nextInFocusChain()) {
            if (takes(next)) {
                target = next;
                break;
            }
        }
    }
    if (!target && takes(printerTab->table()))
        target = printerTab->table();
    if (target)
        target->setFocus(Qt::OtherFocusReason);
}

bool TolDialog::event(QEvent *event)
{
    // Coming back to the window is when a user expects it to have caught up
    // with CUPS, for instance after starting it or installing a printer.
    if (event->type() == QEvent::WindowActivate)
        refillIdleList();
    return QDialog::event(event);
}

TolDialog::~TolDialog()
{
    startOtherAppsUpdate(true);
    qApp->removeEventFilter(this);
    delete optionCollector;
}

void TolDialog::styleTabBar()
{
    TolTabWidget::applyMainWindowStyle(tabWidget);
}

void TolDialog::addTab(Tab *tab)
{
    tabList << tab;
    tabWidget->addTab(tab, tab->tabIcon(), tab->getTabName());
    enableTab(tab);
}

void TolDialog::tabSelected()
{
    const int index = tabWidget->currentIndex();
    if (index >= 0 && index < tabList.size())
        helpDialog->setPage(tabList.at(index)->getTabName());
}

void TolDialog::setWriteButtonsEnabled(bool enabled)
{
    work.writeButtonsWanted = enabled;
    work.profilesWanted = enabled;
    showWriteButtons();
}

void TolDialog::showWriteButtons()
{
    const bool free = !(work.waitShown && requests->holdsOptions());
    saveAsButton->setEnabled(work.writeButtonsWanted && free);
    profilesButton->setEnabled(work.profilesWanted && free);
    buttonBox->button(QDialogButtonBox::Ok)->setEnabled(work.writeButtonsWanted && free);
    buttonBox->button(QDialogButtonBox::Apply)->setEnabled(work.writeButtonsWanted && free);
}
