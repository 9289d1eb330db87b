#pragma once

#include "widgets/MessageBoxes.h"

#include <QList>
#include <QPair>
#include <QString>

#include <functional>

// Records every message box as (title, text) and answers it with OK, so that
// no modal box waits for a click during a test.
class MessageRecorder
{
public:
    MessageRecorder()
    {
        MessageBoxes::setHandler([this](QMessageBox::Icon, const QString &title,
                                        const QString &text, QMessageBox::StandardButtons) {
            boxes.append(qMakePair(title, text));
            if (onBox)
                onBox();
            return answer;
        });
    }
    ~MessageRecorder() { MessageBoxes::setHandler({}); }

    QList<QPair<QString, QString>> boxes;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    // Runs as each box is shown.
    std::function<void()> onBox;

    int count(const QString &text) const
    {
        int n = 0;
        for (const auto &box : boxes)
            n += box.second == text;
        return n;
    }
};
