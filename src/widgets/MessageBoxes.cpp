#include "widgets/MessageBoxes.h"

namespace {

MessageBoxes::Handler &handlerRef()
{
    static MessageBoxes::Handler handler;
    return handler;
}

} // namespace

namespace MessageBoxes {

QMessageBox::StandardButton show(QMessageBox::Icon icon, const QString &title, const QString &text,
                                 QMessageBox::StandardButtons buttons)
{
    if (handlerRef())
        return handlerRef()(icon, title, text, buttons);
    QMessageBox box(icon, title, text, buttons);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QMessageBox::StandardButton ask(QMessageBox::Icon icon, const QString &title, const QString &text,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton)
{
    if (handlerRef())
        return handlerRef()(icon, title, text, buttons);
    QMessageBox box(icon, title, text, buttons);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void setHandler(Handler handler)
{
    handlerRef() = std::move(handler);
}

} // namespace MessageBoxes
