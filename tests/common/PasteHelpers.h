// Pasting into a text field as the user does, and the pasted texts that a
// line of a settings or profile file must never take in.
#pragma once

#include <QApplication>
#include <QChar>
#include <QClipboard>
#include <QList>
#include <QString>
#include <QTest>
#include <QWidget>

// Puts `text` on the clipboard and presses Ctrl+V in `field`.
inline void pasteInto(QWidget *field, const QString &text)
{
    QApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

struct ControlCharacterPaste
{
    const char *what; // names the test row
    QString text;
};

// One text for each kind of control character; after a line break comes
// `forgedLine`, the line it would add to the file were it taken.
inline QList<ControlCharacterPaste> controlCharacterPastes(const QString &forgedLine)
{
    return {
        {"line feed", QStringLiteral("x\n") + forgedLine},
        {"carriage return", QStringLiteral("x\r") + forgedLine},
        {"tab", QStringLiteral("x\ty")},
        {"U+0001", QStringLiteral("x") + QChar(0x01) + QStringLiteral("y")},
        {"U+007F", QStringLiteral("x") + QChar(0x7f) + QStringLiteral("y")},
    };
}
