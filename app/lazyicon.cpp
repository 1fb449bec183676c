#include "app/lazyicon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

namespace {

class LazyPngIconEngine : public QIconEngine
{
public:
    explicit LazyPngIconEngine(const QString &path)
        : path_(path)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new LazyPngIconEngine(path_); }
    QString key() const override { return QStringLiteral("qm47-lazy-png"); }
    bool isNull() override { return path_.isEmpty(); }

private:
    const QIcon &icon()
    {
        if (icon_.isNull()) {
            // Read as what it is: guessing the format would load every image
            // format plug-in.
            icon_.addPixmap(QPixmap(path_, "PNG"), QIcon::Normal, QIcon::Off);
        }
        return icon_;
    }

    QString path_;
    QIcon icon_;
};

} // namespace

QIcon lazyPngIcon(const QString &path)
{
    return QIcon(new LazyPngIconEngine(path));
}
