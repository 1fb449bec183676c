#include "app/afterfirstpaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class FirstPaintHook : public QObject
{
public:
    FirstPaintHook(QWidget *window, std::function<void()> work)
        : QObject(window)
        , work_(std::move(work))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued: the picture reaches the screen before the work starts.
            QTimer::singleShot(0, parent(), work_);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> work_;
};

} // namespace

void runAfterFirstPaint(QWidget *window, std::function<void()> work)
{
    new FirstPaintHook(window, std::move(work));
}
