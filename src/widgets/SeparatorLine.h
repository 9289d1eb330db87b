#pragma once

#include <QFrame>

// A thin horizontal or vertical rule between groups of a page.
QFrame *separatorLine(QWidget *parent, QFrame::Shape shape, QFrame::Shadow shadow = QFrame::Plain);
