#include "app/progresswindow.h"

#include "app/compositing.h"
#include "app/formparts.h"
#include "app/formscale.h"
#include "app/formscheme.h"

#include <QCloseEvent>
#include <QIcon>
#include <QProgressBar>

progressBar::progressBar(QWidget *parent)
    : QWidget(parent)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("progressBar"));
    resize(250, 23);
    setContextMenuPolicy(Qt::NoContextMenu);
    setWindowIcon(squareLogoIcon());
    FormScheme::apply(this);
    // Only the bar shows where the window system blends the translucent
    // window. Without that the window stays opaque, so that the bar's track
    // is seen instead of a black box.
    const bool blended = translucentWindowsBlend();
    if (blended)
        setStyleSheet(QStringLiteral("background:transparent;"));
    setWindowTitle(tr("Form"));

    progressBar_2 = new QProgressBar(this);
    progressBar_2->setObjectName(QStringLiteral("progressBar_2"));
    progressBar_2->setGeometry(QRect(0, 0, 250, 23));
    progressBar_2->setValue(24);
    progressBar_2->setTextVisible(false);

    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground, blended);
    // Not modal: the main window is disabled during a transfer anyway, and a
    // modal bar would keep the window system's close from reaching it.
    setWindowModality(Qt::NonModal);
    scaleFormToApplicationFont(this);
}

progressBar::~progressBar() = default;

void progressBar::reset() { progressBar_2->reset(); }
void progressBar::setMinimum(int minimum) { progressBar_2->setMinimum(minimum); }
void progressBar::setMaximum(int maximum) { progressBar_2->setMaximum(maximum); }
void progressBar::advance() { progressBar_2->setValue(progressBar_2->value() + 1); }
int progressBar::value() const { return progressBar_2->value(); }
int progressBar::maximum() const { return progressBar_2->maximum(); }

void progressBar::closeEvent(QCloseEvent *event)
{
    // The owner hides the bar when the transfer ends; a close comes from the
    // user and only asks, since the bar belongs to the transfer under way.
    event->ignore();
    Q_EMIT closeRequested();
}
