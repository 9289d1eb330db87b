#pragma once

#include <QTabBar>

// Tab bar with hand-drawn labels: the style draws only the tab's shape, the
// icon and an upright text are painted on top, so tabs on the west side read
// horizontally. A disabled tab's text is invisible. A tab is at least as
// wide as its label needs, and the current tab shows the keyboard focus.
class TolTabBar : public QTabBar
{
    Q_OBJECT

public:
    explicit TolTabBar(QWidget *parent = nullptr);

protected:
    QSize tabSizeHint(int index) const override;
    void paintEvent(QPaintEvent *event) override;
};
