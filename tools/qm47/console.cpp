#include "console.h"

#include <algorithm>
#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#define QM47_ISATTY(f) _isatty(_fileno(f))
#else
#include <unistd.h>
#define QM47_ISATTY(f) isatty(fileno(f))
#endif

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

void useBinaryStandardStreams()
{
#ifdef Q_OS_WIN
    // Windows would turn every 0x0A of a configuration file into 0x0D 0x0A.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

namespace {
constexpr int BarWidth = 30;
} // namespace

ProgressBar::ProgressBar(const QString &label)
    : label_(label)
    , enabled_(QM47_ISATTY(stderr) != 0)
{
}

ProgressBar::~ProgressBar()
{
    finish();
}

void ProgressBar::show(int done, int total)
{
    if (!enabled_ || total <= 0)
        return;
    const int filled = std::min(BarWidth, BarWidth * done / total);
    err() << '\r' << label_ << " [" << QString(filled, QLatin1Char('#'))
          << QString(BarWidth - filled, QLatin1Char('.')) << "] " << done << '/' << total;
    err().flush();
    drawn_ = true;
}

void ProgressBar::finish()
{
    if (drawn_)
        err() << Qt::endl;
    drawn_ = false;
}
