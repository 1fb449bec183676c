// Draws the configurator's pictures: the seven action icons, the three logos
// and the desktop icon, and writes them into the directory given on the
// command line (normally app/images). Everything is drawn from code so that
// the pictures can be regenerated and stay consistent with each other.
//
// Usage: qm47-draw-images <output directory>
//
// The desktop icon goes into the subdirectory "desktop-icon": one PNG for each
// size a desktop's icon theme asks for, and an SVG.

#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QSvgGenerator>

#include <cstdio>
#include <cstdlib>

namespace {

// The program's dark blue, its orange accent and two greys.
const QColor Navy(9, 20, 82);
const QColor Orange(0xff, 0x96, 0x18);
const QColor LightGrey(0xd6, 0xdb, 0xe6);
const QColor SlateGrey(0x5a, 0x63, 0x7a);
const QColor White(Qt::white);

// Action icons are 32×32 but mostly shown at 16×16 in the menus. They are
// drawn on a 16-unit grid, one unit = 2 pixels, with every edge on a whole
// unit, so that halving the size lands each edge on a pixel boundary.
constexpr int IconPixels = 32;
constexpr qreal IconUnit = IconPixels / 16.0;

constexpr int JpegQuality = 95;

const char *const FontDirectory = "/usr/share/fonts/truetype/dejavu/";
const QString FontFamily = QStringLiteral("DejaVu Sans");

QImage transparentImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage whiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(White);
    return image;
}

// A one-unit outline whose centre line lies on half units, so that it covers
// exactly one row of whole units.
QPen outlinePen(const QColor &colour)
{
    QPen pen(colour, 1.0);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::SquareCap);
    return pen;
}

void beginIcon(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(IconUnit, IconUnit);
}

QPainterPath polygonPath(const QPolygonF &points)
{
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

// --- Action icons -------------------------------------------------------

QImage drawNewDocument()
{
    QImage image = transparentImage(IconPixels, IconPixels);
    QPainter painter(&image);
    beginIcon(painter);
    painter.setPen(outlinePen(Navy));
    painter.setBrush(White);
    painter.drawPath(polygonPath(QPolygonF({{3.5, 1.5}, {8.5, 1.5}, {12.5, 5.5}, {12.5, 14.5}, {3.5, 14.5}})));
    // The turned-down corner: filled first, then only its two inner edges
    // outlined, so that no mitred spikes stick out of its sharp corners.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Orange);
    painter.drawPath(polygonPath(QPolygonF({{8.5, 1.5}, {8.5, 5.5}, {12.5, 5.5}})));
    painter.setPen(outlinePen(Navy));
    painter.drawPolyline(QPolygonF({{8.5, 1.5}, {8.5, 5.5}, {12.5, 5.5}}));
    return image;
}

QImage drawOpenFolder()
{
    QImage image = transparentImage(IconPixels, IconPixels);
    QPainter painter(&image);
    beginIcon(painter);
    painter.setPen(outlinePen(Navy));
    // Back of the folder with its tab.
    painter.setBrush(LightGrey);
    painter.drawPath(polygonPath(
        QPolygonF({{1.5, 13.5}, {1.5, 2.5}, {5.5, 2.5}, {7.5, 4.5}, {12.5, 4.5}, {12.5, 13.5}})));
    // A sheet standing in the folder.
    painter.setBrush(White);
    painter.drawRect(QRectF(4.5, 5.5, 6, 6));
    // Front flap, tilted open.
    painter.setBrush(Orange);
    painter.drawPath(polygonPath(QPolygonF({{1.5, 13.5}, {4.5, 7.5}, {15.5, 7.5}, {12.5, 13.5}})));
    return image;
}

// A floppy disk filling the icon: body, metal shutter with its slot, label.
void drawFloppy(QPainter &painter)
{
    painter.setPen(outlinePen(Navy));
    painter.setBrush(Navy);
    painter.drawPath(polygonPath(QPolygonF({{1.5, 1.5}, {12.5, 1.5}, {14.5, 3.5}, {14.5, 14.5}, {1.5, 14.5}})));
    painter.setPen(Qt::NoPen);
    painter.setBrush(LightGrey);
    painter.drawRect(QRectF(4, 2, 7, 4));
    painter.setBrush(Navy);
    painter.drawRect(QRectF(8, 3, 2, 2));
    painter.setBrush(White);
    painter.drawRect(QRectF(3, 8, 10, 6));
    painter.setBrush(LightGrey);
    painter.drawRect(QRectF(4, 10, 8, 1));
    painter.drawRect(QRectF(4, 12, 8, 1));
}

QImage drawSave()
{
    QImage image = transparentImage(IconPixels, IconPixels);
    QPainter painter(&image);
    beginIcon(painter);
    drawFloppy(painter);
    return image;
}

QImage drawSaveAs()
{
    QImage image = transparentImage(IconPixels, IconPixels);
    QPainter painter(&image);
    beginIcon(painter);
    drawFloppy(painter);
    // An orange "plus" badge in the lower right, cut free by a clear ring.
    const QPointF centre(11.5, 11.5);
    painter.setPen(Qt::NoPen);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.drawEllipse(centre, 5.0, 5.0);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setBrush(Orange);
    painter.drawEllipse(centre, 4.0, 4.0);
    painter.setBrush(White);
    painter.drawRect(QRectF(9, 11, 5, 1));
    painter.drawRect(QRectF(11, 9, 1, 5));
    return image;
}

// The PC (a monitor) on the left, the keypad on the right and an orange
// arrow above them that shows which way the configuration travels.
QImage drawTransfer(bool towardsKeypad)
{
    QImage image = transparentImage(IconPixels, IconPixels);
    QPainter painter(&image);
    beginIcon(painter);
    painter.setPen(Qt::NoPen);

    // Monitor with stand.
    painter.setBrush(Navy);
    painter.drawRect(QRectF(0, 6, 9, 7));
    painter.drawRect(QRectF(4, 13, 1, 1));
    painter.drawRect(QRectF(2, 14, 5, 1));
    painter.setBrush(LightGrey);
    painter.drawRect(QRectF(1, 7, 7, 5));

    // Keypad: a body with two columns of four keys.
    painter.setBrush(Navy);
    painter.drawRect(QRectF(11, 6, 5, 9));
    painter.setBrush(White);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 2; ++column)
            painter.drawRect(QRectF(12 + 2 * column, 7 + 2 * row, 1, 1));

    // Arrow: a two-unit shaft and a head six units tall.
    painter.setBrush(Orange);
    if (towardsKeypad) {
        painter.drawRect(QRectF(2, 2, 9, 2));
        painter.drawPolygon(QPolygonF({{10, 0}, {13, 3}, {10, 6}}));
    } else {
        painter.drawRect(QRectF(5, 2, 9, 2));
        painter.drawPolygon(QPolygonF({{6, 0}, {3, 3}, {6, 6}}));
    }
    return image;
}

QImage drawInfoEmblem()
{
    QImage image = transparentImage(IconPixels, IconPixels);
    QPainter painter(&image);
    beginIcon(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Navy);
    painter.drawEllipse(QPointF(8, 8), 7.5, 7.5);
    painter.setBrush(Orange);
    painter.drawRect(QRectF(7, 3, 2, 2));
    painter.setBrush(White);
    painter.drawRect(QRectF(7, 6, 2, 7));
    return image;
}

// --- Keypad motif shared by the logos -----------------------------------

// The keypad's 23 buttons sit in rows of four, the last row holding three;
// the free place holds an orange status light.
struct KeyGrid {
    qreal keyWidth;
    qreal keyHeight;
    qreal gap;
    qreal keyRadius;
};

constexpr int GridColumns = 4;
constexpr int GridRows = 6;
constexpr int ButtonCount = 23;

QSizeF gridSize(const KeyGrid &grid)
{
    return QSizeF(GridColumns * grid.keyWidth + (GridColumns - 1) * grid.gap,
                  GridRows * grid.keyHeight + (GridRows - 1) * grid.gap);
}

void drawKeyGrid(QPainter &painter, QPointF topLeft, const KeyGrid &grid)
{
    painter.setPen(Qt::NoPen);
    for (int index = 0; index < GridColumns * GridRows; ++index) {
        const QRectF cell(topLeft.x() + (index % GridColumns) * (grid.keyWidth + grid.gap),
                          topLeft.y() + (index / GridColumns) * (grid.keyHeight + grid.gap),
                          grid.keyWidth, grid.keyHeight);
        if (index < ButtonCount) {
            painter.setBrush(LightGrey);
            painter.drawRoundedRect(cell, grid.keyRadius, grid.keyRadius);
        } else {
            const qreal radius = qMin(cell.width(), cell.height()) * 0.4;
            painter.setBrush(Orange);
            painter.drawEllipse(cell.center(), radius, radius);
        }
    }
}

// A navy keypad body around a key grid, with the given margin.
QRectF drawKeypadBody(QPainter &painter, QPointF topLeft, const KeyGrid &grid, qreal margin, qreal radius)
{
    const QSizeF keys = gridSize(grid);
    const QRectF body(topLeft, QSizeF(keys.width() + 2 * margin, keys.height() + 2 * margin));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Navy);
    painter.drawRoundedRect(body, radius, radius);
    drawKeyGrid(painter, topLeft + QPointF(margin, margin), grid);
    return body;
}

// The square motif: a navy field with the key grid centred on it.
void drawSquareMotif(QPainter &painter, qreal side, qreal cornerRadius)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Navy);
    painter.drawRoundedRect(QRectF(0, 0, side, side), cornerRadius, cornerRadius);
    // Laid out on a 32-unit grid so that every key edge lands on a whole
    // pixel when the picture is shown at 32 or 64 pixels.
    const qreal unit = side / 32.0;
    const KeyGrid grid{5 * unit, 3 * unit, 2 * unit, 0.5 * unit};
    drawKeyGrid(painter, QPointF(3 * unit, 2 * unit), grid);
}

// --- Typography -----------------------------------------------------------

QFont logoFont(bool bold)
{
    QFont font(FontFamily);
    font.setBold(bold);
    font.setPixelSize(100);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return font;
}

// The outline of a text, scaled so that its ink is exactly `width` wide, with
// its left ink edge at x = 0 and its baseline at y = 0.
QPainterPath textOfWidth(const QString &text, bool bold, qreal width)
{
    QPainterPath path;
    path.addText(QPointF(0, 0), logoFont(bold), text);
    const QRectF ink = path.boundingRect();
    QTransform transform;
    transform.scale(width / ink.width(), width / ink.width());
    transform.translate(-ink.left(), 0);
    return transform.map(path);
}

void fillText(QPainter &painter, const QPainterPath &text, QPointF baselineStart, const QColor &colour)
{
    painter.save();
    painter.translate(baselineStart);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(text);
    painter.restore();
}

// --- Logos ---------------------------------------------------------------

QImage drawSquareLogo()
{
    QImage image = whiteImage(256, 256);
    QPainter painter(&image);
    drawSquareMotif(painter, 256, 0);
    return image;
}

// The desktop icon: the square motif with rounded corners, at any size.
constexpr qreal DesktopIconCornerShare = 22.0 / 128.0;

QImage drawDesktopIcon(int side)
{
    QImage image = transparentImage(side, side);
    QPainter painter(&image);
    drawSquareMotif(painter, side, side * DesktopIconCornerShare);
    return image;
}

// The same motif as the scalable source of the desktop icon.
bool writeScalableDesktopIcon(const QString &path)
{
    constexpr int Side = 128;
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(Side, Side));
    svg.setViewBox(QRect(0, 0, Side, Side));
    svg.setTitle(QStringLiteral("QM-47 Button Configurator"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    drawSquareMotif(painter, Side, Side * DesktopIconCornerShare);
    return painter.end();
}

// Sets the name "Talvar" `nameWidth` wide with its top at the top edge of
// `area`, a second line whose ink ends at the bottom edge, and an orange rule
// across the area halfway between them. Baselines are rounded to whole pixels so
// that the letters stand sharply on them.
void drawWordmark(QPainter &painter, const QRectF &area, qreal nameWidth, const QString &secondLine,
                  qreal secondLineWidth, qreal ruleThickness)
{
    const QPainterPath name = textOfWidth(QStringLiteral("Talvar"), true, nameWidth);
    const QPainterPath line = textOfWidth(secondLine, false, secondLineWidth);
    const qreal nameBaseline = qRound(area.top() - name.boundingRect().top());
    const qreal lineBaseline = qRound(area.bottom() - line.boundingRect().bottom());
    fillText(painter, name, QPointF(area.left(), nameBaseline), Navy);
    fillText(painter, line, QPointF(area.left(), lineBaseline), SlateGrey);

    const qreal nameBottom = nameBaseline + name.boundingRect().bottom();
    const qreal lineTop = lineBaseline + line.boundingRect().top();
    const qreal ruleTop = qRound((nameBottom + lineTop - ruleThickness) / 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Orange);
    painter.drawRect(QRectF(area.left(), ruleTop, area.width(), ruleThickness));
}

// Fits the label of 131×61 pixels in the About and port dialogs: keypad mark
// on the left, the wordmark with the model name on the right.
QImage drawSmallLogo()
{
    QImage image = whiteImage(131, 61);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF mark = drawKeypadBody(painter, QPointF(6, 8), KeyGrid{5, 5, 2, 1}, 3, 3);
    const qreal left = mark.right() + 8;
    const qreal width = 131 - 6 - left;
    drawWordmark(painter, QRectF(left, mark.top() + 2, width, mark.height() - 2), width, QStringLiteral("QM-47"),
                 34, 3);
    return image;
}

// The large typographic logo, shipped with the program for print and web.
QImage drawLargeLogo()
{
    QImage image = whiteImage(400, 120);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF mark = drawKeypadBody(painter, QPointF(16, 12), KeyGrid{13, 11, 4, 2}, 6, 7);
    const qreal left = mark.right() + 20;
    const qreal width = 400 - 16 - left;
    drawWordmark(painter, QRectF(left, mark.top() + 4, width, mark.height() - 4), 200,
                 QStringLiteral("QM-47 Button Configurator"), width, 4);
    return image;
}

// --- Output ----------------------------------------------------------------

// Makes the logo typeface come from the DejaVu files themselves, whatever the
// system's font configuration says, so that the logos come out the same on
// every machine that has them.
bool loadFonts()
{
    const QStringList files{QStringLiteral("DejaVuSans.ttf"), QStringLiteral("DejaVuSans-Bold.ttf")};
    for (const QString &file : files) {
        const QString path = QString::fromLatin1(FontDirectory) + file;
        if (QFontDatabase::addApplicationFont(path) < 0) {
            std::fprintf(stderr, "cannot load font %s\n", qPrintable(path));
            return false;
        }
    }
    for (bool bold : {false, true}) {
        const QFontInfo info(logoFont(bold));
        if (info.family() != FontFamily || info.bold() != bold) {
            std::fprintf(stderr, "font %s not available\n", qPrintable(FontFamily));
            return false;
        }
    }
    return true;
}

bool write(const QImage &image, const QDir &directory, const char *name)
{
    const QString path = directory.filePath(QString::fromLatin1(name));
    const bool jpeg = path.endsWith(QLatin1String(".jpg"));
    const bool ok = jpeg ? image.convertToFormat(QImage::Format_RGB32).save(path, "JPEG", JpegQuality)
                         : image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG");
    if (!ok)
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    // No display is needed: the pictures are painted into memory.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
        return EXIT_FAILURE;
    }
    const QDir directory(QString::fromLocal8Bit(argv[1]));
    if (!directory.exists()) {
        std::fprintf(stderr, "no such directory: %s\n", argv[1]);
        return EXIT_FAILURE;
    }
    if (!loadFonts())
        return EXIT_FAILURE;

    bool ok = true;
    ok &= write(drawNewDocument(), directory, "document-new.png");
    ok &= write(drawOpenFolder(), directory, "document-open.png");
    ok &= write(drawSave(), directory, "document-save.png");
    ok &= write(drawSaveAs(), directory, "document-save-as-new2.png");
    ok &= write(drawTransfer(false), directory, "format-indent-less.png");
    ok &= write(drawTransfer(true), directory, "format-indent-more.png");
    ok &= write(drawInfoEmblem(), directory, "emblem-important.png");
    ok &= write(drawSquareLogo(), directory, "logo-square.jpg");
    ok &= write(drawSmallLogo(), directory, "logo-small.jpg");
    ok &= write(drawLargeLogo(), directory, "logo-large.jpg");
    QDir icons(directory.filePath(QStringLiteral("desktop-icon")));
    if (!icons.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(icons.path()));
        return EXIT_FAILURE;
    }
    for (int side : {16, 24, 32, 48, 64, 128, 256}) {
        const QByteArray name = QStringLiteral("qm47-configurator-%1.png").arg(side).toLatin1();
        ok &= write(drawDesktopIcon(side), icons, name.constData());
    }
    const QString svgPath = icons.filePath(QStringLiteral("qm47-configurator.svg"));
    if (!writeScalableDesktopIcon(svgPath)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svgPath));
        ok = false;
    }
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
