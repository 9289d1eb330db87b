#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

// Every message box of the program goes through here. Boxes are parentless
// and modal. Tests install a handler that records the box and answers it, so
// that no modal loop waits for a click.
namespace MessageBoxes {

using Handler = std::function<QMessageBox::StandardButton(QMessageBox::Icon icon,
                                                          const QString &title, const QString &text,
                                                          QMessageBox::StandardButtons buttons)>;

// Runs a box and returns the button that closed it.
QMessageBox::StandardButton show(QMessageBox::Icon icon, const QString &title, const QString &text,
                                 QMessageBox::StandardButtons buttons = QMessageBox::Ok);

// As show, with the button that Enter presses.
QMessageBox::StandardButton ask(QMessageBox::Icon icon, const QString &title, const QString &text,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton);

// As show(), for an OK box whose text is taken as plain text whatever it
// holds, with `details` (when not empty) in the box's scrolled detailed
// text. The handler of tests gets the text alone.
QMessageBox::StandardButton showPlain(QMessageBox::Icon icon, const QString &title,
                                      const QString &text, const QString &details);

// As show(), for an OK box that must be shown at least `minimum` in size
// (QMessageBox fits itself to its text when shown).
QMessageBox::StandardButton showAtLeast(QMessageBox::Icon icon, const QString &title,
                                        const QString &text, const QSize &minimum);

inline QMessageBox::StandardButton information(const QString &title, const QString &text)
{
    return show(QMessageBox::Information, title, text);
}

inline QMessageBox::StandardButton warning(const QString &title, const QString &text)
{
    return show(QMessageBox::Warning, title, text);
}

inline QMessageBox::StandardButton critical(const QString &title, const QString &text)
{
    return show(QMessageBox::Critical, title, text);
}

// Replaces the real box; an empty handler restores it.
void setHandler(Handler handler);

} // namespace MessageBoxes
