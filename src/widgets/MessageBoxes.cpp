#include "widgets/MessageBoxes.h"

#include <QEvent>

namespace {

MessageBoxes::Handler &handlerRef()
{
    static MessageBoxes::Handler handler;
    return handler;
}

// A box of at least a given size.
class LeastSizeBox : public QMessageBox
{
public:
    LeastSizeBox(QMessageBox::Icon icon, const QString &title, const QString &text,
                 const QSize &least)
        : QMessageBox(icon, title, text, QMessageBox::Ok)
        , least(least)
    {
        setMinimumSize(least);
    }

protected:
    // QMessageBox refits itself when shown and at every layout request.
    bool event(QEvent *event) override
    {
        const bool result = QMessageBox::event(event);
        if (event->type() == QEvent::Show || event->type() == QEvent::LayoutRequest) {
            setMaximumSize(maximumSize().expandedTo(least));
            setMinimumSize(least);
            resize(size().expandedTo(least));
        }
        return result;
    }

private:
    QSize least;
};

} // namespace

namespace MessageBoxes {

QMessageBox::StandardButton showAtLeast(QMessageBox::Icon icon, const QString &title,
                                        const QString &text, const QSize &minimum)
{
    if (handlerRef())
        return handlerRef()(icon, title, text, QMessageBox::Ok);
    LeastSizeBox box(icon, title, text, minimum);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

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
