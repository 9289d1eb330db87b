#include "widgets/TolTabWidget.h"

#include "widgets/TolTabBar.h"

#include <QPainter>

namespace {

const QColor columnBelowTabs(169, 169, 169);

const char *const tabBarStyle =
    "QTabBar::tab { background-color: #A9A9A9; color: rgba(0,0,0, 1); width: 180px; "
    "height: 49px; padding: 0px; border: 0px; margin: 0px; }"
    "QTabBar::icon { margin-top: 10px; margin-bottom: 10px; margin-left: 7px; margin-right: 7px; }"
    "QTabBar::tab:selected { background-color: rgba(10,155,205,1); color: rgba(255,255,255, 1); }"
    "QTabBar::tab:disabled { width: 0; height: 0; margin: 0; padding: 0; border: none; }"
    "QTabBar::scroller { width: 0px; padding: 0px; border: 0px; margin: 0px; }";

const char *const tabWidgetStyle =
    "QTabWidget::tab-bar { left: -7px; border: 0px; padding: 0px; margin: 0px; }"
    "QTabWidget::pane { position: absolute; left: -7px; }";

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

void TolTabWidget::paintEvent(QPaintEvent *event)
{
    QTabWidget::paintEvent(event);

    QPainter painter(this);
    painter.fillRect(QRect(0, bar->height(), bar->width(), height() - bar->height()), columnBelowTabs);
}
