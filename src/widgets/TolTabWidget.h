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

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TolTabBar *bar;
};
