// The widget kit on its own: button groups, check-box buttons, wide popups
// and the painted tab widget.

#include "TestMain.h"

#include "widgets/ComboBoxEx.h"
#include "widgets/IconCache.h"
#include "widgets/MessageBoxes.h"
#include "widgets/TolButtonGroup.h"
#include "widgets/TolCheckBoxButton.h"
#include "widgets/TolTabBar.h"
#include "widgets/TolTabWidget.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString errorImage = QStringLiteral("<img src=':/icons/error'>");

QColor centreColour(const QIcon &icon)
{
    return icon.pixmap(50, 50).toImage().pixelColor(25, 25);
}

} // namespace

class TestWidgetKit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void unknownNameSelectsFirstButton();
    void titleReadsTitleColonName_data();
    void titleReadsTitleColonName();
    void clickUpdatesLookBeforeSignals();
    void disabledGroupTitleIsGreyAndKeepsButtons();
    void errorMarkOnTitleIsShownOnce();
    void buttonsAddedAfterRemovingAllGetTheirOwnIcons();
    void eachLookIsMadeOnce();

    void clickOnIconTogglesAndSignalsInOrder();
    void applyToDependentsDropsUncheckedItem();
    void emptyDependentDisablesTheButton();
    void removeDependentKeepsValuesInStep();

    void popupWidensForScrollBar();
    void popupIsNeverNarrowerThanTheBox();

    void focusedButtonShowsAFrame_data();
    void focusedButtonShowsAFrame();
    void boxIsWideEnoughForItsTitle_data();
    void boxIsWideEnoughForItsTitle();

    void tabWidgetScreenshot();

private:
    QTemporaryDir dir;
    QString red, green, blue;

    QString drawIconPair(const QString &name, const QColor &normal, const QColor &selected);
    TolButtonGroup *makeGroup(QWidget *parent, const QString &title);
};

QString TestWidgetKit::drawIconPair(const QString &name, const QColor &normal,
                                    const QColor &selected)
{
    const QString path = dir.filePath(name);
    QImage image(50, 50, QImage::Format_ARGB32);
    image.fill(normal);
    image.save(path, "PNG");
    image.fill(selected);
    image.save(path + "-selected", "PNG");
    return path;
}

TolButtonGroup *TestWidgetKit::makeGroup(QWidget *parent, const QString &title)
{
    auto *group = new TolButtonGroup(parent, title);
    group->addButton("Off", red);
    group->addButton("Left", green);
    group->addButton("Top", blue);
    return group;
}

void TestWidgetKit::initTestCase()
{
    QVERIFY(dir.isValid());
    red = drawIconPair("red.png", Qt::red, Qt::darkRed);
    green = drawIconPair("green.png", Qt::green, Qt::darkGreen);
    blue = drawIconPair("blue.png", Qt::blue, Qt::darkBlue);
}

void TestWidgetKit::unknownNameSelectsFirstButton()
{
    QWidget parent;
    TolButtonGroup *group = makeGroup(&parent, "T");
    group->updateButtonIcons("Left");
    group->updateButtonIcons("Nowhere");

    QCOMPARE(group->checkedIndex(), 0);
    QCOMPARE(group->checkedButtonName(), QStringLiteral("Off"));
    QCOMPARE(centreColour(group->pushButton(0)->icon()), QColor(Qt::darkRed));
    QCOMPARE(centreColour(group->pushButton(1)->icon()), QColor(Qt::green));
    QCOMPARE(group->titleLabel()->text(), QStringLiteral("T:Off"));
}

void TestWidgetKit::titleReadsTitleColonName_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("expected");
    QTest::newRow("bare title") << "T"
                                << "T:Left";
    QTest::newRow("title ending in a colon and blank") << "Duplex: "
                                                       << "Duplex: Left";
    QTest::newRow("title ending in a colon") << "Sentrel:"
                                             << "Sentrel:Left";
}

void TestWidgetKit::titleReadsTitleColonName()
{
    QFETCH(QString, title);
    QFETCH(QString, expected);
    QWidget parent;
    TolButtonGroup *group = makeGroup(&parent, title);
    QCOMPARE(group->titleLabel()->text(), title);
    group->setButton(1);
    QCOMPARE(group->titleLabel()->text(), expected);
}

void TestWidgetKit::clickUpdatesLookBeforeSignals()
{
    QWidget parent;
    TolButtonGroup *group = makeGroup(&parent, "T");
    group->updateButtonIcons("Off");

    QStringList seen;
    connect(group, QOverload<QAbstractButton *>::of(&TolButtonGroup::buttonClicked), this,
            [&](QAbstractButton *button) { seen << "button:" + button->accessibleName(); });
    connect(group, QOverload<int>::of(&TolButtonGroup::buttonClicked), this, [&](int index) {
        seen << QString("index:%1 title:%2").arg(index).arg(group->titleLabel()->text());
        QCOMPARE(centreColour(group->pushButton(2)->icon()), QColor(Qt::darkBlue));
    });
    group->pushButton(2)->click();
    QCOMPARE(seen, (QStringList {"button:Top", "index:2 title:T:Top"}));

    // Selecting from code emits nothing.
    seen.clear();
    group->setButton(0);
    group->updateButtonIcons("Left");
    QVERIFY(seen.isEmpty());
}

void TestWidgetKit::disabledGroupTitleIsGreyAndKeepsButtons()
{
    QWidget parent;
    const QColor normal = parent.palette().color(QPalette::Current, QPalette::WindowText);
    TolButtonGroup *group = makeGroup(&parent, "T");

    group->setEnabled(false);
    QCOMPARE(group->titleLabel()->palette().color(QPalette::WindowText), QColor("#9f9e9e"));
    group->enableButton(1, false);
    group->setEnabled(true);
    QVERIFY(group->pushButton(1)->isEnabled());
    QCOMPARE(group->titleLabel()->palette().color(QPalette::WindowText), normal);

    group->enableButton(1, false);
    QVERIFY(!group->pushButton(1)->isEnabled());
    QCOMPARE(group->count(), 3);
}

void TestWidgetKit::errorMarkOnTitleIsShownOnce()
{
    QWidget parent;
    TolButtonGroup *group = makeGroup(&parent, "T");
    group->setButton(0);
    group->setError("Conflict");
    group->setError("Conflict");
    QCOMPARE(group->titleLabel()->text().count(errorImage), 1);
    QCOMPARE(group->titleLabel()->toolTip(), QStringLiteral("Conflict"));

    // Marking and clearing again and again leaves the title as it was.
    for (int i = 0; i < 3; ++i) {
        group->showError(false);
        group->showError(true);
    }
    group->clearError();
    QCOMPARE(group->titleLabel()->text(), QStringLiteral("T:Off"));
    QVERIFY(group->titleLabel()->toolTip().isEmpty());
}

void TestWidgetKit::buttonsAddedAfterRemovingAllGetTheirOwnIcons()
{
    QWidget parent;
    TolButtonGroup *group = makeGroup(&parent, "T");
    group->removeAllButtons();
    QCOMPARE(group->count(), 0);
    group->updateButtonIcons("Off"); // no buttons: only the title
    QCOMPARE(group->titleLabel()->text(), QStringLiteral("T"));

    group->addButton("On", blue);
    group->updateButtonIcons("On");
    QCOMPARE(group->buttonNames(), QStringList {"On"});
    QCOMPARE(centreColour(group->pushButton(0)->icon()), QColor(Qt::darkBlue));
}

void TestWidgetKit::eachLookIsMadeOnce()
{
    QWidget parent;
    TolButtonGroup *group = makeGroup(&parent, "T");
    const QStringList names = group->buttonNames();
    for (const QString &name : names)
        group->updateButtonIcons(name);
    const int made = IconCache::iconsMade();
    const qint64 plainLeft = group->pushButton(1)->icon().cacheKey();
    for (int round = 0; round < 5; ++round) {
        for (const QString &name : names)
            group->updateButtonIcons(name);
    }
    QCOMPARE(IconCache::iconsMade(), made);
    QCOMPARE(group->pushButton(1)->icon().cacheKey(), plainLeft);
    // A kept icon still shows the look it stands for.
    QCOMPARE(centreColour(group->pushButton(2)->icon()), QColor(Qt::darkBlue));
    QCOMPARE(centreColour(group->pushButton(0)->icon()), QColor(Qt::red));
}

void TestWidgetKit::clickOnIconTogglesAndSignalsInOrder()
{
    QWidget parent;
    auto *button = new TolCheckBoxButton(&parent, "Staple", QIcon(red));
    auto *combo = new ComboBoxEx(&parent);
    combo->addItems({"Off", "Corner"});
    button->addDependent(combo, "Off");

    QStringList seen;
    connect(button, QOverload<bool>::of(&TolCheckBoxButton::toggled), this, [&](bool on) {
        seen << QString("bool:%1 dependent:%2").arg(on).arg(combo->isEnabled());
    });
    connect(button, QOverload<int>::of(&TolCheckBoxButton::toggled), this,
            [&](int on) { seen << QString("int:%1").arg(on); });

    QTest::mouseClick(button->iconButton(), Qt::LeftButton);
    QVERIFY(button->isChecked());
    QCOMPARE(seen, (QStringList {"bool:1 dependent:1", "int:1"}));

    seen.clear();
    QTest::mouseClick(button->iconButton(), Qt::LeftButton);
    QCOMPARE(seen, (QStringList {"bool:0 dependent:0", "int:0"}));
    QVERIFY(!combo->isEnabled());
}

void TestWidgetKit::applyToDependentsDropsUncheckedItem()
{
    QWidget parent;
    auto *button = new TolCheckBoxButton(&parent, "Punch", QIcon());
    auto *label = new QLabel("Punch:", &parent);
    auto *combo = new ComboBoxEx(&parent);
    combo->addItems({"Off", "2 holes", "off"});
    button->addDependent(label, "no_default");
    button->addDependent(combo, "Off");

    button->applyToDependents();
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->findText("Off"), -1);
    QCOMPARE(combo->findText("off"), 1); // matched exactly, case and all
    QVERIFY(button->isEnabled());
    QVERIFY(!combo->isEnabled());
    QVERIFY(!label->isEnabled());
}

void TestWidgetKit::emptyDependentDisablesTheButton()
{
    QWidget parent;
    auto *button = new TolCheckBoxButton(&parent, "Fold", QIcon());
    auto *combo = new ComboBoxEx(&parent);
    button->addDependent(combo, "Off");
    button->setChecked(true);

    button->applyToDependents();
    QVERIFY(!button->isEnabled());
    QVERIFY(!button->isChecked());
    QVERIFY(!combo->isEnabled());
}

void TestWidgetKit::removeDependentKeepsValuesInStep()
{
    QWidget parent;
    auto *button = new TolCheckBoxButton(&parent, "Cover", QIcon());
    QLabel a, b, c;
    button->addDependent(&a, "A");
    button->addDependent(&b, "B");
    button->addDependent(&c, "C");

    button->removeDependent(&b);
    button->addDependent(&b, "B2");
    QCOMPARE(button->dependents(), (QList<QWidget *> {&a, &c, &b}));
    QCOMPARE(button->valueFor(&c), QStringLiteral("C"));
    QCOMPARE(button->valueFor(&b), QStringLiteral("B2"));
    button->removeDependent(&parent); // not a dependent: nothing happens
    QCOMPARE(button->dependents().size(), 3);
    QVERIFY(button->valueFor(&parent).isEmpty());
}

void TestWidgetKit::popupWidensForScrollBar()
{
    QWidget parent;
    auto popupWidth = [&](int items) {
        auto *combo = new ComboBoxEx(&parent);
        combo->setFixedWidth(60);
        for (int i = 0; i < items; ++i)
            combo->addItem("Heavyweight coated stock"); // same width for every item
        combo->showPopup();
        const int width = combo->view()->window()->width();
        combo->hidePopup();
        return width;
    };
    parent.show();
    const int ten = popupWidth(10);
    const int eleven = popupWidth(11);
    QVERIFY2(ten > 60, qPrintable(QString::number(ten)));
    QVERIFY2(eleven > ten, qPrintable(QString("%1 vs %2").arg(eleven).arg(ten)));
}

void TestWidgetKit::popupIsNeverNarrowerThanTheBox()
{
    QWidget parent;
    auto *combo = new ComboBoxEx(&parent);
    combo->setFixedWidth(400);
    combo->addItems({"A4", "A5"});
    parent.show();
    combo->showPopup();
    QCOMPARE(combo->view()->window()->width(), 400);
    combo->hidePopup();
}

void TestWidgetKit::focusedButtonShowsAFrame_data()
{
    QTest::addColumn<QString>("which");
    QTest::newRow("button of a group") << "group button";
    QTest::newRow("the group itself") << "group";
    QTest::newRow("icon of a check-box button") << "check button";
}

// A keyboard user must see where the focus is: the widget looks different
// with the focus than without it.
void TestWidgetKit::focusedButtonShowsAFrame()
{
    QFETCH(QString, which);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *elsewhere = new QLineEdit(&window);
    TolButtonGroup *group = makeGroup(&window, "T");
    group->updateButtonIcons("Off");
    auto *checkButton = new TolCheckBoxButton(&window, "cb", QIcon(green));
    layout->addWidget(elsewhere);
    layout->addWidget(group);
    layout->addWidget(checkButton);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QWidget *focused = which == "group"          ? static_cast<QWidget *>(group)
                       : which == "group button" ? group->pushButton(0)
                                                 : checkButton->iconButton();
    QWidget *shown = which == "check button" ? static_cast<QWidget *>(checkButton) : group;

    elsewhere->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(elsewhere->hasFocus());
    const QImage without = shown->grab().toImage();
    // As a keyboard user gets there.
    for (int presses = 0; presses < 10 && !focused->hasFocus(); ++presses)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(focused->hasFocus());
    const QImage with = shown->grab().toImage();
    QCOMPARE(with.size(), without.size());
    QVERIFY(with != without);
}

void TestWidgetKit::boxIsWideEnoughForItsTitle_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("atLeast");
    QTest::newRow("Settings applied") << "Success"
                                      << "Settings applied." << true;
    QTest::newRow("short text, longer title") << "Password Prompt"
                                              << "No." << false;
}

// A window manager shows the title beside the window's icon and buttons; a
// box sized to a short text leaves it no room and the title is cut.
void TestWidgetKit::boxIsWideEnoughForItsTitle()
{
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(bool, atLeast);

    int width = -1;
    auto *poll = new QTimer(this);
    poll->setInterval(20);
    connect(poll, &QTimer::timeout, this, [&width, poll] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        QCoreApplication::processEvents();
        width = box->width();
        box->done(QMessageBox::Ok);
    });
    poll->start();
    if (atLeast)
        MessageBoxes::showAtLeast(QMessageBox::NoIcon, title, text, QSize(100, 100));
    else
        MessageBoxes::show(QMessageBox::NoIcon, title, text);

    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    // The icon and three buttons of a title bar take at least about a line
    // height each, the borders some more.
    QVERIFY2(width >= metrics.horizontalAdvance(title) + 6 * metrics.height(),
             qPrintable(QString::number(width)));
}

void TestWidgetKit::tabWidgetScreenshot()
{
    QWidget window;
    window.resize(560, 400);
    auto *tabs = new TolTabWidget(&window);
    tabs->setGeometry(0, 0, 560, 400);
    tabs->setTabPosition(QTabWidget::West);
    tabs->setIconSize(QSize(30, 30));

    const QColor iconColours[] = {QColor(200, 60, 40), QColor(40, 140, 60), QColor(50, 90, 200)};
    const char *const titles[] = {"Printer", "Basic", "Layout"};
    for (int i = 0; i < 3; ++i) {
        QPixmap icon(28, 28);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(iconColours[i]);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(2, 2, 24, 24);
        painter.end();
        auto *page = new QLabel(QString("Page %1").arg(titles[i]));
        page->setAlignment(Qt::AlignCenter);
        tabs->addTab(page, QIcon(icon), titles[i]);
    }
    tabs->setTabEnabled(1, false);
    TolTabWidget::applyMainWindowStyle(tabs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    TolTabBar *bar = tabs->tabBar();
    QCOMPARE(bar->tabRect(0).size(), QSize(180, 49));
    QVERIFY(bar->tabRect(1).isEmpty()); // the disabled tab takes no room
    QCOMPARE(bar->tabRect(2).top(), bar->tabRect(0).bottom() + 1);

    const QImage shot = window.grab().toImage();
    const QString path = QDir::tempPath() + "/vellumark-tabwidget.png";
    QVERIFY(shot.save(path, "PNG"));
    qInfo("screenshot: %s", qPrintable(path));

    // The current tab's text is white, the column below the tabs grey.
    const QRect current = bar->tabRect(0).translated(bar->mapTo(&window, QPoint()));
    bool whiteText = false;
    for (int x = current.left() + 50; x < current.right() && !whiteText; ++x) {
        for (int y = current.top(); y <= current.bottom() && !whiteText; ++y)
            whiteText = shot.pixelColor(x, y) == QColor(Qt::white);
    }
    QVERIFY(whiteText);
    const QPoint below = bar->mapTo(&window, QPoint(20, bar->height() + 20));
    QCOMPARE(shot.pixelColor(below), QColor(169, 169, 169));
}

VM_TEST_MAIN(TestWidgetKit)
#include "tst_widgetkit.moc"
