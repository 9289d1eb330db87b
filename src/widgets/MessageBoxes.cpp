#include "widgets/MessageBoxes.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>

namespace {

MessageBoxes::Handler &handlerRef()
{
    static MessageBoxes::Handler handler;
    return handler;
}

// The width a window manager needs to show the title whole: the text in a
// bold title font, and room for the window icon and three buttons beside it.
int titleRoom(const QString &title)
{
    QFont font = QApplication::font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 8 * metrics.height();
}

// A box of at least a given size, and wide enough for its title.
class LeastSizeBox : public QMessageBox
{
public:
    LeastSizeBox(QMessageBox::Icon icon, const QString &title, const QString &text,
                 QMessageBox::StandardButtons buttons, const QSize &least = QSize())
        : QMessageBox(icon, title, text, buttons)
        , least(least.expandedTo(QSize(titleRoom(title), 0)))
    {
        setMinimumSize(this->least);
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
    LeastSizeBox box(icon, title, text, QMessageBox::Ok, minimum);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QMessageBox::StandardButton show(QMessageBox::Icon icon, const QString &title, const QString &text,
                                 QMessageBox::StandardButtons buttons)
{
    if (handlerRef())
        return handlerRef()(icon, title, text, buttons);
    LeastSizeBox box(icon, title, text, buttons);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QMessageBox::StandardButton showPlain(QMessageBox::Icon icon, const QString &title,
                                      const QString &text, const QString &details)
{
    if (handlerRef())
        return handlerRef()(icon, title, text, QMessageBox::Ok);
    LeastSizeBox box(icon, title, text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setDetailedText(details);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QMessageBox::StandardButton ask(QMessageBox::Icon icon, const QString &title, const QString &text,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton)
{
    if (handlerRef())
        return handlerRef()(icon, title, text, buttons);
    LeastSizeBox box(icon, title, text, buttons);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void setHandler(Handler handler)
{
    handlerRef() = std::move(handler);
}

} // namespace MessageBoxes
