#pragma once

#include <QTabWidget>

class TolTabBar;

// The main window's tab widget: hand-painted tabs (TolTabBar) and a grey
// column below the last tab.
class TolTabWidget : public QTabWidget
{
    Q_OBJECT

public:
    explicit TolTabWidget(QWidget *parent = nullptr);

    TolTabBar *tabBar() const;

    // The main window's look: tabs of 180 x 49 with 28 x 28 icons, the
    // selected tab blue, a disabled tab drawn with no size so that it
    // disappears, and a translucent light page background.
    static void applyMainWindowStyle(TolTabWidget *tabWidget);

    // Makes the next enabled tab current (`step` 1) or the previous one
    // (-1), round from the last to the first.
    void showNeighbourTab(int step);

    // How much room the pages of the enabled tabs lack (negative: have to
    // spare) to show their controls whole without scrolling; the same
    // whichever page shows, so that the window keeps its size across tabs.
    QSize pageShortfall() const;

protected:
    // Makes the new page scroll when the window cannot give it the room its
    // controls need.
    void tabInserted(int index) override;
    void paintEvent(QPaintEvent *event) override;

private:
    TolTabBar *bar;
};
