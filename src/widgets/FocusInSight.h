#pragma once

#include <QObject>

// While it lives, a control that the keyboard gives the focus to is
// scrolled into sight within every scroll area around it, innermost first:
// a scroll area does so itself only for a move that starts inside it, so
// a Tab into it from outside, or into an area nested in it, would leave
// the focus unseen.
class FocusInSight : public QObject
{
    Q_OBJECT

public:
    explicit FocusInSight(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
