#include "overview/overviewexport.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Summaries of every kind the sheet meets: short, long enough to need the
// small type, too long for the box (the one-line form then), and empty.
OverviewSheet sampleSheet()
{
    OverviewSheet sheet{QStringLiteral("Workshop keypad"), QDate(2026, 12, 7), QStringLiteral("de"), {}};
    const QString longText = QStringLiteral("git commit --amend --no-edit\u23CE, 0.5 s, ").repeated(8);
    for (int i = 0; i < 23; ++i) {
        const QString full = i % 4 == 0 ? QStringLiteral("Ctrl+Alt+T, git status\u23CE")
                           : i % 4 == 1 ? longText.left(60 + 14 * i)
                           : i % 4 == 2 ? longText
                                        : QString();
        sheet.buttons.append({full, shortSummary(full)});
    }
    return sheet;
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qWarning() << program << process.readAllStandardError();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString withoutSpaces(QString text) { return text.remove(QRegularExpression(QStringLiteral("\\s"))); }

} // namespace

class TestOverviewSheet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exportSheet_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QPageSize::PageSizeId>("paper");
        for (const char *suffix : {"pdf", "png", "svg"}) {
            QTest::addRow("%s a4", suffix) << QString::fromLatin1(suffix) << QPageSize::A4;
            QTest::addRow("%s letter", suffix) << QString::fromLatin1(suffix) << QPageSize::Letter;
        }
    }

    void exportSheet()
    {
        QFETCH(QString, suffix);
        QFETCH(QPageSize::PageSizeId, paper);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sheet.") + suffix);
        const OverviewSheet sheet = sampleSheet();
        QString error;
        QVERIFY2(exportOverview(sheet, path, paper, error), qPrintable(error));
        const QPageSize page(paper);
        if (suffix == QLatin1String("png"))
            QCOMPARE(QImage(path).size(), page.sizePixels(OverviewPngDpi));
        else if (suffix == QLatin1String("svg"))
            checkSvg(path, page);
        else
            checkPdf(path, page, sheet);
    }

    void unknownSuffixRefused()
    {
        QString error;
        QVERIFY(!exportOverview(sampleSheet(), QStringLiteral("sheet.jpg"), QPageSize::A4, error));
        QVERIFY(!error.isEmpty());
    }

private:
    // A picture of the page's size in millimetres, drawn in points.
    void checkSvg(const QString &path, const QPageSize &page)
    {
        QCOMPARE(QSvgRenderer(path).viewBoxF().size(), QSizeF(page.sizePoints()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const auto size = QRegularExpression(QStringLiteral("<svg[^>]* width=\"([\\d.]+)mm\" height=\"([\\d.]+)mm\""))
                              .match(QString::fromUtf8(file.readAll()));
        QVERIFY(size.hasMatch());
        const QSizeF millimetres = page.size(QPageSize::Millimeter);
        QVERIFY(qAbs(size.captured(1).toDouble() - millimetres.width()) < 0.5);
        QVERIFY(qAbs(size.captured(2).toDouble() - millimetres.height()) < 0.5);
    }

    // One page, and in each button's box exactly its number and one form of
    // its summary, no word reaching past the box.
    void checkPdf(const QString &path, const QPageSize &page, const OverviewSheet &sheet)
    {
        const QString prefix = path + QStringLiteral("-page");
        run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("10"), QStringLiteral("-png"), path, prefix});
        QCOMPARE(QDir(QFileInfo(path).path()).entryList({QStringLiteral("*-page*.png")}).size(), 1);

        const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
        static const QRegularExpression wordPattern(QStringLiteral(
            "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
        const OverviewGeometry geometry(page.sizePoints(), int(sheet.buttons.size()));
        QStringList inBox(sheet.buttons.size());
        for (const auto &m : wordPattern.globalMatch(html)) {
            const QRectF word(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                              QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
            for (int i = 0; i < sheet.buttons.size(); ++i) {
                const QRectF box = geometry.buttonRect(i);
                if (!box.contains(word.center()))
                    continue;
                QVERIFY2(box.contains(word), qPrintable(QStringLiteral("button %1: %2").arg(i + 1).arg(m.captured(5))));
                inBox[i] += m.captured(5).replace(QLatin1String("&amp;"), QLatin1String("&"));
            }
        }
        for (int i = 0; i < sheet.buttons.size(); ++i) {
            const ButtonSummary &summary = sheet.buttons[i];
            const QString number = QString::number(i + 1);
            const QStringList accepted = {number + withoutSpaces(summary.full), number + withoutSpaces(summary.brief),
                                          number + withoutSpaces(shownSummary(summary.full))};
            QVERIFY2(accepted.contains(inBox[i]), qPrintable(QStringLiteral("button %1: %2").arg(i + 1).arg(inBox[i])));
        }
    }
};

QTEST_MAIN(TestOverviewSheet)
#include "test_overviewsheet.moc"
