// The window on screens and with fonts that leave it less room than it was
// drawn for. Each setting runs the real window in a child process on a
// virtual X screen of that size (framed by a window manager when one is
// installed): the child selects a queue that enables every tab, shows each
// tab and the fixed-size dialogs, and reports what lies outside the
// screen's available area, what cannot be reached and every control laid
// out below its minimum size. A screenshot of the screen is kept per tab.
#include "MainRoadFixture.h"
#include "PixelCompare.h"
#include "WindowWait.h"
#include "SandboxCups.h"
#include "TestMain.h"
#include "VirtualScreen.h"

#include "app/AppTranslators.h"
#include "dialogs/HelpDialog.h"
#include "dialogs/TelemetryDialog.h"
#include "tabdialogs/adjustmentDialog.h"
#include "tabdialogs/monoDialog.h"
#include "widgets/ComboBoxEx.h"
#include "widgets/TolButtonGroup.h"
#include "widgets/TolCheckBoxButton.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTabBar>
#include <QTextEdit>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

#include <unistd.h>

namespace {

const QString queue = QStringLiteral("Tolvane_TX9000");
// A queue that enables only a few tabs.
const QString small = QStringLiteral("Tolvane_TX4020");
const QSize designed(800, 735);
// Set in the child's environment: the window manager starts only once the
// window shows. With the value "activated" the window, once framed, is
// activated as a window manager does, and checked before anything else
// changes in it.
const char frameLate[] = "VM_FIT_FRAME_LATE";

// What the user handles, not the containers around it.
bool isControl(const QWidget *w)
{
    // A check-box button is one control of a set least size: its icon
    // fills it, the check box lies over the icon's corner.
    if (qobject_cast<const QScrollBar *>(w)
        || qobject_cast<const TolCheckBoxButton *>(w->parentWidget()))
        return false;
    return qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QComboBox *>(w)
           || qobject_cast<const QLabel *>(w) || qobject_cast<const QLineEdit *>(w)
           || qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QAbstractSlider *>(w)
           || qobject_cast<const QTextEdit *>(w) || qobject_cast<const QTableWidget *>(w)
           || qobject_cast<const TolButtonGroup *>(w) || qobject_cast<const TolCheckBoxButton *>(w);
}

QString describe(const QWidget *w)
{
    QString name = w->accessibleName();
    if (name.isEmpty()) {
        if (auto *button = qobject_cast<const QAbstractButton *>(w))
            name = button->text();
        else if (auto *label = qobject_cast<const QLabel *>(w))
            name = label->text().left(40);
        else if (auto *combo = qobject_cast<const QComboBox *>(w))
            name = combo->currentText();
    }
    QString text =
        QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(w->metaObject()->className()), name);
    if (w->accessibleName().isEmpty() && w->parentWidget()
        && !w->parentWidget()->accessibleName().isEmpty())
        text += QStringLiteral(" in ") + w->parentWidget()->accessibleName();
    return text;
}

// The least size a layout may give the control. A size set by design stands
// for the hint (a "?" button of 32 pixels), bounded by a set maximum; but a
// list's and a label's text must always show whole.
QSize leastSize(const QWidget *w)
{
    const QSize hint = w->minimumSizeHint();
    if (qobject_cast<const QComboBox *>(w) || qobject_cast<const QLabel *>(w))
        return hint;
    QSize least = hint.boundedTo(w->maximumSize());
    if (w->minimumWidth() > 0)
        least.setWidth(w->minimumWidth());
    if (w->minimumHeight() > 0)
        least.setHeight(w->minimumHeight());
    return least;
}

// The window with its frame as the window manager has it now (a widget
// learns of a frame added later only when it next moves).
QRect outerGeometry(const QWidget *window)
{
    return window->windowHandle() ? window->windowHandle()->frameGeometry()
                                  : window->frameGeometry();
}

QString sizeText(const QSize &size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

// In the child: everything found wrong, one line each.
class Findings
{
public:
    void window(QWidget *window, const QString &where)
    {
        const QRect available = window->screen()->availableGeometry();
        const QRect outer = outerGeometry(window);
        // On a screen smaller than the window's least size the window keeps
        // that size and starts at the available area's edge.
        const QSize least = window->minimumSizeHint();
        QRect allowed = available;
        if (outer.width() > available.width() && window->width() <= least.width())
            allowed.setWidth(outer.width());
        if (outer.height() > available.height() && window->height() <= least.height())
            allowed.setHeight(outer.height());
        if (!allowed.contains(outer))
            add(where, QStringLiteral("window %1+%2+%3 outside the available %4+%5+%6")
                           .arg(sizeText(outer.size()))
                           .arg(outer.x())
                           .arg(outer.y())
                           .arg(sizeText(available.size()))
                           .arg(available.x())
                           .arg(available.y()));
    }

    void controls(QWidget *root, const QString &where)
    {
        for (QWidget *w : root->findChildren<QWidget *>()) {
            if (!w->isVisible() || !isControl(w))
                continue;
            const QSize least = leastSize(w);
            if (w->width() < least.width() || w->height() < least.height())
                add(where, QStringLiteral("%1 is %2, needs %3")
                               .arg(describe(w), sizeText(w->size()), sizeText(least)));
            // A closed list cuts its text only where the screen has no more
            // room, and then gives it whole as its tool tip.
            auto *combo = qobject_cast<const ComboBoxEx *>(w);
            const QWidget *window = root->window();
            if (combo && combo->shownText() != combo->currentText()
                && (window->frameGeometry().width() < window->screen()->availableGeometry().width()
                    || combo->toolTip() != combo->currentText()))
                add(where, describe(w) + QStringLiteral(" shows its text cut"));
        }
    }

    // Every enabled tab comes into sight through the bar's arrows, its label
    // whole: a cut label's ink runs on to the bar's edge, under which the
    // page covers the rest of the tab.
    void tabs(QWidget *window, QTabBar *bar, const QString &where)
    {
        for (int t = 0; t < bar->count(); ++t) {
            if (!bar->isTabEnabled(t))
                continue;
            const QString tab = QStringLiteral("tab ") + bar->tabText(t);
            for (int clicks = 0; clicks < 20 && !inSight(window, bar, t); ++clicks) {
                const Qt::ArrowType toward =
                    bar->tabRect(t).top() < 0 ? Qt::UpArrow : Qt::DownArrow;
                for (QToolButton *arrow : bar->findChildren<QToolButton *>()) {
                    if (arrow->isVisible() && arrow->isEnabled() && !arrow->size().isEmpty()
                        && arrow->arrowType() == toward)
                        QTest::mouseClick(arrow, Qt::LeftButton);
                }
            }
            if (!inSight(window, bar, t)) {
                add(where, tab + QStringLiteral(" cannot be brought into sight"));
                continue;
            }
            bar->clearFocus(); // its frame is no label
            const QRect r = bar->tabRect(t) & bar->rect();
            const QImage shot = bar->grab().toImage();
            auto pixel = [&](int x, int y) {
                return shot.pixelColor(QPoint(x, y) * shot.devicePixelRatio());
            };
            bool cut = false;
            for (int x = r.right() - 6; x < r.right(); ++x) {
                for (int y = r.top() + 8; y <= r.bottom() - 8; ++y)
                    cut = cut || pixel(x, y) != pixel(r.right() - 3, r.top() + 3);
            }
            if (cut)
                add(where, tab + QStringLiteral(" has its label cut"));
        }
    }

    static bool inSight(QWidget *window, QTabBar *bar, int t)
    {
        const QRect r = bar->tabRect(t);
        bool clear = r.top() >= 0 && r.bottom() < bar->height()
                     && window->rect().contains(bar->mapTo(window, r.bottomLeft()));
        for (QToolButton *arrow : bar->findChildren<QToolButton *>())
            clear = clear && !(arrow->isVisible() && arrow->geometry().intersects(r));
        return clear;
    }

    // A page scrolls only when the screen has no more room for the window.
    void scrollsWithRoomLeft(QWidget *window, QWidget *page, const QString &where)
    {
        const QSize room = window->screen()->availableGeometry().size();
        const QSize outer = outerGeometry(window).size();
        for (QScrollArea *area : page->findChildren<QScrollArea *>()) {
            if (area->horizontalScrollBar()->isVisible() && outer.width() < room.width())
                add(where, QStringLiteral("the page scrolls sideways, yet the screen has room"));
            if (area->verticalScrollBar()->isVisible() && outer.height() < room.height())
                add(where, QStringLiteral("the page scrolls up and down, yet the screen has room"));
        }
    }

    // Inside the window, where a click reaches it.
    void reachable(QWidget *window, const QRect &rect, const QString &what, const QString &where)
    {
        if (!window->rect().contains(rect))
            add(where, what + QStringLiteral(" lies outside the window"));
    }

    void add(const QString &where, const QString &text)
    {
        const QString line = where + QStringLiteral(": ") + text;
        if (!lines.contains(line))
            lines << line;
    }

    QStringList lines;
};

void screenshot(const QString &folder, const QString &name)
{
    QCoreApplication::processEvents();
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    if (QGuiApplication::primaryScreen()->grabWindow(0).save(path))
        std::printf("shot|%s\n", qPrintable(path));
}

// A dialog shown as the user opens it, checked and closed again.
void checkDialog(QDialog *dialog, const QString &name, const QSize &designedSize,
                 const QString &folder, Findings &found)
{
    dialog->show();
    if (!QTest::qWaitForWindowExposed(dialog, 60000))
        found.add(name, QStringLiteral("never shown"));
    (void)QTest::qWaitFor(
        [&] { return dialog->screen()->availableGeometry().contains(outerGeometry(dialog)); },
        5000);
    found.window(dialog, name);
    found.controls(dialog, name);
    if (designedSize.isValid() && dialog->size() != designedSize)
        found.add(name, QStringLiteral("is %1, not the designed %2")
                            .arg(sizeText(dialog->size()), sizeText(designedSize)));
    screenshot(folder, name);
    dialog->hide();
}

bool selectQueue(TolDialog &dialog, const QString &name)
{
    waitForCups(dialog);
    QTableWidget *table = dialog.findChild<PrinterTab *>()->table();
    const QList<QTableWidgetItem *> rows = table->findItems(name, Qt::MatchExactly);
    if (rows.isEmpty()) {
        std::printf("problem|the queue %s is not listed\n", qPrintable(name));
        return false;
    }
    table->setCurrentCell(rows.first()->row(), 0);
    return waitForCups(dialog);
}

// Presses Tab (or Shift+Tab) from `start` until the focus comes back to it:
// every stop is a control that shows the focus and lies in sight within
// each scrolled area around it.
void walkFocus(QWidget *start, bool forward, const QString &where, Findings &found)
{
    start->setFocus(Qt::OtherFocusReason);
    QWidget *at = start;
    for (int presses = 0; presses < 300; ++presses) {
        const QImage focused = at->grab().toImage();
        QWidget *left = at;
        QTest::keyClick(at, Qt::Key_Tab, forward ? Qt::NoModifier : Qt::ShiftModifier);
        QCoreApplication::processEvents();
        at = QApplication::focusWidget();
        if (left != start && left != at && differingPixels(focused, left->grab().toImage()) < 20)
            found.add(where, describe(left) + QStringLiteral(" shows no focus"));
        if (!at || at == start)
            return;
        if (qobject_cast<QTabBar *>(at->parentWidget()))
            found.add(where, QStringLiteral("the Tab key stops on the tab bar's ") + describe(at));
        else if (!isControl(at) && !qobject_cast<TolCheckBoxButton *>(at->parentWidget())
                 && !qobject_cast<QTabBar *>(at))
            found.add(where,
                      QStringLiteral("the Tab key stops on %1, no control").arg(describe(at)));
        for (QWidget *p = at->parentWidget(); p; p = p->parentWidget()) {
            auto *area = qobject_cast<QScrollArea *>(p);
            if (!area)
                continue;
            const QRect shown = area->viewport()->rect();
            const QRect r(at->mapTo(area->viewport(), QPoint(0, 0)), at->size());
            const QRect seen = r & shown;
            if (seen.width() < qMin(r.width(), shown.width())
                || seen.height() < qMin(r.height(), shown.height()))
                found.add(where, describe(at) + QStringLiteral(" takes the focus out of sight"));
        }
    }
    found.add(where, QStringLiteral("the Tab key never comes back to ") + describe(start));
}

QString valueOf(const QWidget *w)
{
    if (auto *combo = qobject_cast<const QComboBox *>(w))
        return combo->currentText();
    if (auto *view = qobject_cast<const QAbstractItemView *>(w))
        return QStringLiteral("row %1").arg(view->currentIndex().row());
    return QString();
}

// The child of the keyboard rows: the window at the queue, then either a
// walk of the Tab key over every tab, or one key pressed on a control.
int runKeysChild(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QString queueName = QString::fromLocal8Bit(argv[2]);
    const QString control = QString::fromLocal8Bit(argv[3]);

    RoadSession session;
    Findings found;
    TolDialog dialog;
    dialog.show();
    if (!QTest::qWaitForWindowActive(&dialog, 60000))
        found.add(QStringLiteral("window"), QStringLiteral("never activated"));
    if (!selectQueue(dialog, queueName))
        return 1;
    auto *tabs = dialog.findChild<QTabWidget *>();
    if (control.isEmpty()) {
        for (int i = 0; i < tabs->count(); ++i) {
            if (!tabs->isTabEnabled(i))
                continue;
            tabs->setCurrentIndex(i);
            QCoreApplication::processEvents(); // the page lays out
            // As a user may have scrolled them: away from the first stops.
            for (bool forward : {true, false}) {
                for (QScrollArea *area : tabs->widget(i)->findChildren<QScrollArea *>()) {
                    for (QScrollBar *bar : {area->horizontalScrollBar(), area->verticalScrollBar()})
                        bar->setValue(forward ? bar->maximum() : bar->minimum());
                }
                walkFocus(tabs->tabBar(), forward,
                          tabs->tabText(i)
                              + (forward ? QStringLiteral(", Tab") : QStringLiteral(", Shift+Tab")),
                          found);
            }
        }
    } else {
        QWidget *start = nullptr;
        for (QWidget *w : dialog.findChildren<QWidget *>()) {
            if (w->accessibleName() == control)
                start = w;
        }
        for (int i = 0; start && i < tabs->count(); ++i) {
            if (tabs->widget(i)->isAncestorOf(start))
                tabs->setCurrentIndex(i);
        }
        QCoreApplication::processEvents(); // the page lays out
        const QKeySequence keys = QKeySequence::fromString(QString::fromLocal8Bit(argv[4]));
        if (!start || !start->isVisible() || keys.isEmpty()) {
            std::printf("problem|no %s to start from\n", qPrintable(control));
            return 1;
        }
        start->setFocus(Qt::TabFocusReason);
        const QString before = valueOf(start);
        QTest::keyClick(start, Qt::Key(keys[0] & ~Qt::KeyboardModifierMask),
                        Qt::KeyboardModifiers(keys[0] & Qt::KeyboardModifierMask));
        QCoreApplication::processEvents();
        const QString where = keys.toString() + QStringLiteral(" from ") + control;
        if (valueOf(start) != before)
            found.add(where, QStringLiteral("changes %1 to %2").arg(before, valueOf(start)));
        std::printf("tab|%s\n", qPrintable(tabs->tabText(tabs->currentIndex())));
    }
    for (const QString &line : qAsConst(found.lines))
        std::printf("problem|%s\n", qPrintable(line));
    std::fflush(stdout);
    return 0;
}

// The child: the window as the user starts it, then every tab and dialog.
int runChild(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    AppTranslators translators;
    translators.install(QLocale::system().name());
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const bool expectDesigned = QByteArray(argv[3]) == "designed";

    RoadSession session;
    Findings found;
    TolDialog dialog;
    dialog.show();
    const bool framedLate = qEnvironmentVariableIsSet(frameLate);
    if (framedLate ? !QTest::qWaitForWindowExposed(&dialog, 60000)
                   : !QTest::qWaitForWindowActive(&dialog, 60000))
        found.add(QStringLiteral("window"),
                  framedLate ? QStringLiteral("never shown") : QStringLiteral("never activated"));
    if (framedLate) {
        // As on a busy machine: the window manager frames the window after
        // it showed, here at the top edge of the screen.
        dialog.move(dialog.screen()->availableGeometry().topLeft());
        std::printf("shown|\n");
        std::fflush(stdout);
        if (!QTest::qWaitFor([&] { return !dialog.windowHandle()->frameMargins().isNull(); },
                             120000))
            found.add(QStringLiteral("window"), QStringLiteral("never framed"));
        if (qgetenv(frameLate) == "activated") {
            dialog.activateWindow();
            if (!QTest::qWaitForWindowActive(&dialog, 60000))
                found.add(QStringLiteral("framed"), QStringLiteral("never activated"));
            (void)QTest::qWaitFor(
                [&] {
                    return dialog.screen()->availableGeometry().contains(outerGeometry(&dialog));
                },
                5000);
            found.window(&dialog, QStringLiteral("framed"));
        }
    }
    if (!selectQueue(dialog, queue))
        return 1;
    // A window manager frames the window a little after it shows.
    (void)QTest::qWaitFor(
        [&] { return dialog.screen()->availableGeometry().contains(outerGeometry(&dialog)); },
        5000);

    if (expectDesigned && dialog.size() != designed)
        found.add(QStringLiteral("window"), QStringLiteral("is %1, not the designed %2")
                                                .arg(sizeText(dialog.size()), sizeText(designed)));

    auto *tabs = dialog.findChild<QTabWidget *>();
    const QList<QPushButton *> buttons =
        dialog.findChildren<QPushButton *>(QString(), Qt::FindDirectChildrenOnly)
        + dialog.findChild<QDialogButtonBox *>()->findChildren<QPushButton *>();
    QRect firstTab;
    for (int i = 0; i < tabs->count(); ++i) {
        const QString name = tabs->tabText(i);
        if (!tabs->isTabEnabled(i)) {
            found.add(name, QStringLiteral("not enabled by the queue"));
            continue;
        }
        tabs->setCurrentIndex(i);
        // The window makes room for the page once its layout has settled.
        (void)QTest::qWaitFor(
            [&] {
                Findings settled;
                settled.scrollsWithRoomLeft(&dialog, tabs->currentWidget(), name);
                return settled.lines.isEmpty();
            },
            3000);
        found.window(&dialog, name);
        found.tabs(&dialog, tabs->tabBar(), name);
        for (QPushButton *button : buttons) {
            if (button->isVisible())
                found.reachable(&dialog,
                                QRect(button->mapTo(&dialog, QPoint(0, 0)), button->size()),
                                describe(button), name);
            else
                found.add(name, describe(button) + QStringLiteral(" is hidden"));
        }
        found.controls(&dialog, name);
        found.scrollsWithRoomLeft(&dialog, tabs->currentWidget(), name);
        screenshot(folder, QStringLiteral("tab%1-%2").arg(i + 1).arg(name));
        // One width and place whichever tab shows: the window does not jump.
        const QRect outer = outerGeometry(&dialog);
        if (firstTab.isNull())
            firstTab = outer;
        else if (outer.x() != firstTab.x() || outer.width() != firstTab.width())
            found.add(name, QStringLiteral("window %1 px wide at x %2, on the first tab %3 at %4")
                                .arg(outer.width())
                                .arg(outer.x())
                                .arg(firstTab.width())
                                .arg(firstTab.x()));
    }

    // Room the window grew by belongs to the page, not beside it.
    const int strip =
        dialog.findChild<QDialogButtonBox *>()->geometry().right() - tabs->geometry().right();
    if (strip > 40)
        found.add(QStringLiteral("window"),
                  QStringLiteral("an empty strip of %1 px beside the page").arg(strip));

    // Where the window keeps its size, so do the dialogs of a fixed size.
    const QSize helpSize = expectDesigned ? QSize(650, 500) : QSize();
    const QSize consentSize = expectDesigned ? QSize(650, 450) : QSize();
    checkDialog(dialog.findChild<HelpDialog *>(), QStringLiteral("help"), helpSize, folder, found);
    checkDialog(dialog.findChild<adjustmentDialog *>(), QStringLiteral("colour adjustment"),
                QSize(), folder, found);
    checkDialog(dialog.findChild<monoDialog *>(), QStringLiteral("mono adjustment"), QSize(),
                folder, found);
    TelemetryDialog consent;
    checkDialog(&consent, QStringLiteral("consent"), consentSize, folder, found);

    std::printf("size|window %s, least %s, available %s\n", qPrintable(sizeText(dialog.size())),
                qPrintable(sizeText(dialog.minimumSizeHint())),
                qPrintable(sizeText(dialog.screen()->availableGeometry().size())));
    for (const QString &line : qAsConst(found.lines))
        std::printf("problem|%s\n", qPrintable(line));
    std::fflush(stdout);
    return 0;
}

} // namespace

class WindowFitTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (geteuid() == 0)
            QSKIP("the window refuses root; run as an ordinary user");
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
            QSKIP("needs Xvfb for screens of chosen sizes");
        QVERIFY2(cups.start({{"demo-showcase.ppd", queue}, {"queue-tolvane.ppd", small}}),
                 qPrintable(cups.errorText()));
    }

    void windowFitsScreen_data()
    {
        addFitColumns();
        const QStringList english = {QStringLiteral("LANG=C"), QStringLiteral("LC_ALL=C")};
        QTest::newRow("room to spare: unchanged") << "1920x1080" << 0 << english << true;
        QTest::newRow("scale 1.5 on 1920x1080")
            << "1920x1080" << 0 << (english + QStringList {QStringLiteral("QT_SCALE_FACTOR=1.5")})
            << false;
        QTest::newRow("1024x768") << "1024x768" << 0 << english << false;
        QTest::newRow("1024x768 with a panel") << "1024x768" << 40 << english << false;
        QTest::newRow("narrower than the window's least width")
            << "400x1080" << 0 << english << false;
        QTest::newRow("framed late at the top edge")
            << "1920x1080" << 0 << (english + QStringList {QString::fromLatin1(frameLate) + "=1"})
            << true;
        QTest::newRow("framed late at the top edge, then activated")
            << "1920x1080" << 0
            << (english + QStringList {QString::fromLatin1(frameLate) + "=activated"}) << true;
        QTest::newRow("font dpi 144")
            << "1920x1080" << 0 << (english + QStringList {QStringLiteral("QT_FONT_DPI=144")})
            << false;
        QTest::newRow("scale 2 on 1920x1080")
            << "1920x1080" << 0 << (english + QStringList {QStringLiteral("QT_SCALE_FACTOR=2")})
            << false;
    }

    void windowFitsScreen() { fitsScreen(); }

    // Apart from the rows above, so that each table ends well within a
    // test's time on a busy machine.
    void languagesFitTheScreen_data()
    {
        addFitColumns();
        QTest::newRow("German") << "1920x1080" << 0
                                << QStringList {QStringLiteral("LANG=de_DE.UTF-8"),
                                                QStringLiteral("LC_ALL=de_DE.UTF-8")}
                                << false;
        QTest::newRow("German on 1024x768") << "1024x768" << 0
                                            << QStringList {QStringLiteral("LANG=de_DE.UTF-8"),
                                                            QStringLiteral("LC_ALL=de_DE.UTF-8")}
                                            << false;
        QTest::newRow("French") << "1920x1080" << 0
                                << QStringList {QStringLiteral("LANG=fr_FR.UTF-8"),
                                                QStringLiteral("LC_ALL=fr_FR.UTF-8")}
                                << false;
        QTest::newRow("Spanish") << "1920x1080" << 0
                                 << QStringList {QStringLiteral("LANG=es_ES.UTF-8"),
                                                 QStringLiteral("LC_ALL=es_ES.UTF-8")}
                                 << false;
        QTest::newRow("Italian") << "1920x1080" << 0
                                 << QStringList {QStringLiteral("LANG=it_IT.UTF-8"),
                                                 QStringLiteral("LC_ALL=it_IT.UTF-8")}
                                 << false;
        QTest::newRow("German, scale 1.5 on 1920x1080")
            << "1920x1080" << 0
            << QStringList {QStringLiteral("LANG=de_DE.UTF-8"),
                            QStringLiteral("LC_ALL=de_DE.UTF-8"),
                            QStringLiteral("QT_SCALE_FACTOR=1.5")}
            << false;
        QTest::newRow("German, font dpi 144")
            << "1920x1080" << 0
            << QStringList {QStringLiteral("LANG=de_DE.UTF-8"),
                            QStringLiteral("LC_ALL=de_DE.UTF-8"), QStringLiteral("QT_FONT_DPI=144")}
            << false;
        QTest::newRow("Portuguese") << "1920x1080" << 0
                                    << QStringList {QStringLiteral("LANG=pt_BR.UTF-8"),
                                                    QStringLiteral("LC_ALL=pt_BR.UTF-8")}
                                    << false;
    }

    void languagesFitTheScreen() { fitsScreen(); }

private:
    static void addFitColumns()
    {
        QTest::addColumn<QString>("screen");
        // Height of a panel along the bottom edge.
        QTest::addColumn<int>("panel");
        QTest::addColumn<QStringList>("variables");
        // Whether the window must keep its designed size exactly.
        QTest::addColumn<bool>("keepsDesignedSize");
    }

    void fitsScreen()
    {
        QFETCH(QString, screen);
        QFETCH(int, panel);
        QFETCH(QStringList, variables);
        QFETCH(bool, keepsDesignedSize);

        const bool framedLate =
            !variables.filter(QRegularExpression(QStringLiteral("^") + frameLate + '=')).isEmpty();
        if (framedLate && QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty())
            QSKIP("needs a window manager to frame the window");
        VirtualScreen virtualScreen;
        const QString screenError = virtualScreen.start(screen, panel, !framedLate);
        QVERIFY2(screenError.isEmpty(), qPrintable(screenError));

        const QString folder =
            QDir::temp().filePath(QStringLiteral("vellumark-fit-")
                                  + QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-'));
        QDir(folder).removeRecursively();
        QVERIFY(QDir().mkpath(folder));

        QProcess child;
        child.setProcessEnvironment(childEnvironment(virtualScreen, variables));
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--child"), folder,
                     keepsDesignedSize ? QStringLiteral("designed") : QStringLiteral("fitted")});
        QByteArray output;
        if (framedLate) {
            while (!output.contains("shown|") && child.waitForReadyRead(120000))
                output += child.readAllStandardOutput();
            const QString managerError = virtualScreen.startManager(panel);
            QVERIFY2(managerError.isEmpty(), qPrintable(managerError));
        }
        QVERIFY2(child.waitForFinished(240000),
                 "the window's child process did not end within four minutes");
        output += child.readAllStandardOutput();
        const QStringList lines = QString::fromUtf8(output).split('\n', Qt::SkipEmptyParts);
        QStringList problems;
        int shots = 0;
        for (const QString &line : lines) {
            if (line.startsWith(QLatin1String("problem|")))
                problems << line.mid(8);
            else if (line.startsWith(QLatin1String("shot|")) && ++shots)
                qInfo("screenshot: %s", qPrintable(line.mid(5)));
            else if (line.startsWith(QLatin1String("size|")))
                qInfo("window size: %s", qPrintable(line.mid(5)));
        }
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 qPrintable(QString::fromLocal8Bit(child.readAllStandardError()).right(2000)));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n  "))));
        QCOMPARE(shots, 13);
    }

private slots:
    void keyboardAtScaleTwo_data()
    {
        QTest::addColumn<QString>("queueName");
        // The control the key is pressed on, by accessible name; none: the
        // Tab key walks every tab.
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("tabAfter");

        auto row = [](const char *name, const QString &queueName, const char *control,
                      const char *keys, const char *tabAfter) {
            QTest::newRow(name) << queueName << control << keys << tabAfter;
        };
        row("Tab and Shift+Tab stop on controls in sight", queue, "", "", "");
        row("Ctrl+Tab from the paper size", queue, "cmbBxPageSize", "Ctrl+Tab", "Layout");
        row("Ctrl+PgDown from the paper size", queue, "cmbBxPageSize", "Ctrl+PgDown", "Layout");
        row("Ctrl+PgUp from the paper size", queue, "cmbBxPageSize", "Ctrl+PgUp", "Printer");
        // What X sends for Ctrl+Shift+Tab.
        row("Ctrl+Shift+Backtab from the paper size", queue, "cmbBxPageSize", "Ctrl+Shift+Backtab",
            "Printer");
        row("Ctrl+Tab from the printer list", queue, "tblPrinters", "Ctrl+Tab", "Basic");
        row("Ctrl+PgDown from the printer list", queue, "tblPrinters", "Ctrl+PgDown", "Basic");
        row("Ctrl+Shift+Tab from the printer list wraps", queue, "tblPrinters", "Ctrl+Shift+Tab",
            "Sentrel");
        row("Ctrl+Tab skips the hidden tabs", small, "cmbBxPageSize", "Ctrl+Tab", "Imaging");
    }

    // At scale 2 the window is shrunk to the screen: the tab bar and the
    // pages scroll.
    void keyboardAtScaleTwo()
    {
        QFETCH(QString, queueName);
        QFETCH(QString, control);
        QFETCH(QString, keys);
        QFETCH(QString, tabAfter);

        VirtualScreen virtualScreen;
        const QString screenError = virtualScreen.start(QStringLiteral("1920x1080"), 0);
        QVERIFY2(screenError.isEmpty(), qPrintable(screenError));
        QProcess child;
        child.setProcessEnvironment(
            childEnvironment(virtualScreen, {QStringLiteral("LANG=C"), QStringLiteral("LC_ALL=C"),
                                             QStringLiteral("QT_SCALE_FACTOR=2")}));
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--keys"), queueName, control, keys});
        QVERIFY2(child.waitForFinished(240000),
                 "the window's child process did not end within four minutes");
        const QStringList lines =
            QString::fromUtf8(child.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 qPrintable(lines.join('\n')
                            + QString::fromLocal8Bit(child.readAllStandardError()).right(2000)));
        const QStringList problems = lines.filter(QRegularExpression("^problem"));
        for (const QString &problem : problems)
            qInfo("%s", qPrintable(problem.mid(8)));
        QVERIFY2(problems.isEmpty(),
                 qPrintable(QString::number(problems.size())
                            + QStringLiteral(" problems, the first: ") + problems.value(0).mid(8)));
        if (!tabAfter.isEmpty())
            QCOMPARE(lines.filter(QRegularExpression("^tab")), QStringList("tab|" + tabAfter));
    }

private:
    static QProcessEnvironment childEnvironment(const VirtualScreen &screen,
                                                const QStringList &variables)
    {
        QProcessEnvironment env = screen.clientEnvironment();
        for (const QString &variable : variables)
            env.insert(variable.section('=', 0, 0), variable.section('=', 1));
        return env;
    }

    SandboxCups cups;
};

int main(int argc, char *argv[])
{
    if (argc == 4 && QByteArray(argv[1]) == "--child")
        return runChild(argc, argv);
    if (argc == 5 && QByteArray(argv[1]) == "--keys")
        return runKeysChild(argc, argv);
    QCoreApplication app(argc, argv);
    WindowFitTest test;
    return runTestObject(&test, argc, argv);
}

#include "tst_windowfit.moc"
