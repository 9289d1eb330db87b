#include "widgets/ScreenFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {

const int maxRounds = 8;

class Fitter : public QObject
{
public:
    Fitter(QWidget *window, const QSize &designed, std::function<QSize()> shortfall)
        : QObject(window)
        , window(window)
        , designed(designed)
        , shortfall(std::move(shortfall))
    {
        window->installEventFilter(this);
        fit();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == window) {
            switch (event->type()) {
            case QEvent::Show:
                fit(true);
                break;
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::LayoutRequest:
            case QEvent::ScreenChangeInternal:
                fit();
                break;
            // A window manager that frames the window in place sends it no
            // move; the next activation or repaint is the first sign of it.
            case QEvent::WindowActivate:
            case QEvent::UpdateRequest:
                if (window->isVisible() && frameMargins() != placedFrame)
                    fit();
                break;
            default:
                break;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // A window is moved into the available area only when it is shown or
    // resized here, or when the window manager framed it since (a busy
    // machine frames it after it shows, so its title bar may then stand off
    // the screen); the user can still move it where they like.
    void fit(bool place = false)
    {
        if (fitting)
            return;
        fitting = true;
        const QMargins frame = frameMargins();
        if (window->isVisible() && frame != placedFrame)
            place = true;
        const QScreen *screen = window->screen();
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        const QRect available = screen ? screen->availableGeometry() : QRect();

        // The layout may share what the window grows by with parts that do
        // not scroll: measured again, until the scrolling parts have their
        // room or the window has all the screen allows.
        for (int round = 0; round < maxRounds; ++round) {
            const QSize size = wantedSize(available);
            if (window->minimumSize() == size && window->maximumSize() == size)
                break;
            window->setFixedSize(size);
            place = true;
        }

        if (place && window->isVisible() && available.isValid()) {
            const QRect outer = outerGeometry();
            QPoint at = outer.topLeft();
            at.setX(qMax(available.left(), qMin(at.x(), available.right() + 1 - outer.width())));
            at.setY(qMax(available.top(), qMin(at.y(), available.bottom() + 1 - outer.height())));
            // Placed by its inside: the widget's own move would take the
            // frame it knew before.
            if (at != outer.topLeft())
                window->windowHandle()->setPosition(at + QPoint(frame.left(), frame.top()));
            placedFrame = frame;
        }
        fitting = false;
    }

    // Asked of the window system: the widget learns of a frame added later
    // only when it next moves.
    QMargins frameMargins() const
    {
        const QWindow *handle = window->windowHandle();
        return handle ? handle->frameMargins() : QMargins();
    }

    QRect outerGeometry() const { return window->geometry().marginsAdded(frameMargins()); }

    QSize wantedSize(const QRect &available) const
    {
        QSize size = designed.expandedTo(window->minimumSizeHint());
        // Before it shows, the window is not laid out yet: nothing to measure.
        // Under a fractional scale the window may come out a pixel short of
        // its set size; the measure is then taken from the set size.
        if (shortfall && window->isVisible())
            size = size.expandedTo(window->size().expandedTo(window->minimumSize()) + shortfall());
        // The frame is known only once a window manager has framed the window.
        if (available.isValid()) {
            const QMargins margins = window->isVisible() ? frameMargins() : QMargins();
            const QSize frame(margins.left() + margins.right(), margins.top() + margins.bottom());
            size = size.boundedTo(available.size() - frame).expandedTo(window->minimumSizeHint());
        }
        return size;
    }

    QWidget *window;
    const QSize designed;
    const std::function<QSize()> shortfall;
    bool fitting = false;
    // The frame the window had when it was last placed.
    QMargins placedFrame {-1, -1, -1, -1};
};

} // namespace

namespace ScreenFit {

void keepFixedSize(QWidget *window, const QSize &designed, std::function<QSize()> shortfall)
{
    new Fitter(window, designed, std::move(shortfall));
}

} // namespace ScreenFit
