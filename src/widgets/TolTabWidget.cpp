#include "widgets/TolTabWidget.h"

#include "widgets/TolTabBar.h"

#include <QEvent>
#include <QLayout>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

const QColor columnBelowTabs(169, 169, 169);

// Tabs are 180 pixels wide at least; the bar widens them for longer labels.
const char *const tabBarStyle =
    "QTabBar::tab { background-color: #A9A9A9; color: rgba(0,0,0, 1); min-width: 180px; "
    "height: 49px; padding: 0px; border: 0px; margin: 0px; }"
    "QTabBar::icon { margin-top: 10px; margin-bottom: 10px; margin-left: 7px; margin-right: 7px; }"
    "QTabBar::tab:selected { background-color: rgba(10,155,205,1); color: rgba(255,255,255, 1); }"
    "QTabBar::tab:disabled { min-width: 0; width: 0; height: 0; margin: 0; padding: 0; border: none; }"
    // Where the window is too low for every tab, arrows at the bar's foot
    // bring the hidden ones into view (the two share the scroller's width).
    "QTabBar::scroller { width: 64px; }"
    "QTabBar QToolButton { background-color: #8F8F8F; border: none; "
    "border-top: 1px solid #767676; }"
    "QTabBar QToolButton:hover { background-color: #B8B8B8; }"
    "QTabBar QToolButton:disabled { background-color: #A9A9A9; }";

const char *const tabWidgetStyle =
    "QTabWidget::tab-bar { left: -7px; border: 0px; padding: 0px; margin: 0px; }"
    "QTabWidget::pane { position: absolute; left: -7px; }";

const char *const scrollerName = "pageScroller";

// Holds a page's controls and scrolls them when the window cannot give
// them the room they need.
class PageScroller : public QScrollArea
{
public:
    explicit PageScroller(QWidget *page)
        : QScrollArea(page)
    {
        setObjectName(QLatin1String(scrollerName));
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        viewport()->setAutoFillBackground(false);
        // The page's own controls take the focus; a stop here would show nothing.
        setFocusPolicy(Qt::NoFocus);
    }

    // The content's own, unbounded, so that the window lays out as without
    // scrolling where it has the room.
    QSize sizeHint() const override
    {
        const QWidget *content = widget();
        return content ? content->sizeHint() : QScrollArea::sizeHint();
    }

protected:
    // A scroll area keeps its content's new needs to itself; the window
    // must hear of them to make room where the screen allows.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == widget() && event->type() == QEvent::LayoutRequest)
            updateGeometry();
        return QScrollArea::eventFilter(watched, event);
    }
};

const QScrollArea *scrollerOf(const QWidget *page)
{
    return page ? page->findChild<QScrollArea *>(QLatin1String(scrollerName),
                                                 Qt::FindDirectChildrenOnly)
                : nullptr;
}

// What a page takes around its scrolled content: its own margins and the
// scroller's frame, whatever size the page has now.
QSize pageChrome(const QWidget *page, const QScrollArea *scroller)
{
    QMargins margins = page->contentsMargins();
    if (page->layout())
        margins += page->layout()->contentsMargins();
    return QSize(margins.left() + margins.right(), margins.top() + margins.bottom())
           + scroller->size() - scroller->maximumViewportSize();
}

} // namespace

TolTabWidget::TolTabWidget(QWidget *parent)
    : QTabWidget(parent)
    , bar(new TolTabBar)
{
    setTabBar(bar);
}

TolTabBar *TolTabWidget::tabBar() const
{
    return bar;
}

void TolTabWidget::applyMainWindowStyle(TolTabWidget *tabWidget)
{
    TolTabBar *tabBar = tabWidget->tabBar();
    tabBar->setIconSize(QSize(28, 28));

    QPalette palette = tabWidget->palette();
    palette.setColor(QPalette::All, QPalette::Window, QColor(245, 245, 245, 229));
    tabWidget->setPalette(palette);

    tabBar->setStyleSheet(QString::fromLatin1(tabBarStyle));
    tabWidget->setStyleSheet(QString::fromLatin1(tabWidgetStyle));
}

void TolTabWidget::showNeighbourTab(int step)
{
    const int tabs = count();
    for (int index = currentIndex(), passes = 1; passes < tabs; ++passes) {
        index = (index + step + tabs) % tabs;
        if (isTabEnabled(index)) {
            setCurrentIndex(index);
            return;
        }
    }
}

QSize TolTabWidget::pageShortfall() const
{
    const QWidget *shownPage = currentWidget();
    if (!scrollerOf(shownPage))
        return QSize(0, 0);
    QSize needed(0, 0);
    for (int i = 0; i < count(); ++i) {
        QWidget *page = widget(i);
        const QScrollArea *scroller = isTabEnabled(i) ? scrollerOf(page) : nullptr;
        QWidget *content = scroller ? scroller->widget() : nullptr;
        if (!content)
            continue;
        // Qt keeps what a hidden page's controls need to itself until the
        // page shows; it is measured afresh so that the window has the room
        // before the user turns to the page.
        if (page != shownPage && content->layout()) {
            content->layout()->invalidate();
            content->layout()->activate();
        }
        // Pages keep margins of their own: each need is taken as the size of
        // the whole page, so that the window wants one size whichever shows.
        needed = needed.expandedTo(content->minimumSizeHint() + pageChrome(page, scroller));
    }
    // Every page gets the stack's room; a page just turned to may not have
    // been given it yet.
    return needed - shownPage->parentWidget()->contentsRect().size();
}

void TolTabWidget::tabInserted(int index)
{
    QTabWidget::tabInserted(index);
    // The page keeps its own widgets and margins; only its layout moves onto
    // the scrolled content.
    QWidget *page = widget(index);
    if (!page || !page->layout() || scrollerOf(page))
        return;
    auto *content = new QWidget;
    content->setLayout(page->layout());
    auto *scroller = new PageScroller(page);
    scroller->setWidget(content);
    content->setAutoFillBackground(false);
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(scroller);
}

void TolTabWidget::paintEvent(QPaintEvent *event)
{
    QTabWidget::paintEvent(event);

    QPainter painter(this);
    painter.fillRect(QRect(0, bar->height(), bar->width(), height() - bar->height()),
                     columnBelowTabs);
}
