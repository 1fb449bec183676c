#include "app/overviewactions.h"

#include "app/buttonsummaries.h"
#include "document/configdocument.h"
#include "overview/overviewexport.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

OverviewActions::OverviewActions(QMainWindow *window, QMenu *fileMenu, QAction *before,
                                 const ConfigDocument &document, ButtonSummaries &summaries)
    : QObject(window)
    , window_(window)
    , document_(document)
    , summaries_(summaries)
    , export_(new QAction(tr("E&xport overview\u2026"), window))
    , print_(new QAction(tr("&Print\u2026"), window))
{
    export_->setObjectName(QStringLiteral("actionExport_overview"));
    print_->setObjectName(QStringLiteral("actionPrint"));
    fileMenu->insertAction(before, export_);
    fileMenu->insertAction(before, print_);
    fileMenu->insertSeparator(before);
    connect(export_, &QAction::triggered, this, &OverviewActions::exportSheet);
    connect(print_, &QAction::triggered, this, &OverviewActions::printSheet);
}

OverviewSheet OverviewActions::sheet() const
{
    return overviewSheetFor(document_.table(), summaries_.keymap(), document_.shownName(),
                            QDate::currentDate());
}

QPageSize::PageSizeId OverviewActions::defaultPaper()
{
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                      : QPageSize::A4;
}

void OverviewActions::exportSheet()
{
    const QString pdf = tr("PDF document (*.pdf)");
    const QString png = tr("PNG image (*.png)");
    const QString svg = tr("SVG image (*.svg)");
    QString filter = pdf;
    const QString folder = document_.defaultDirectory();
    const QString proposed = QFileInfo(folder, QFileInfo(document_.shownName()).completeBaseName()
                                                   + QStringLiteral(".pdf")).filePath();
    QString path = QFileDialog::getSaveFileName(window_, tr("Export overview"), proposed,
                                                QStringList{pdf, png, svg}.join(QStringLiteral(";;")),
                                                &filter);
    if (path.isEmpty())
        return;
    // A name without a known suffix takes the chosen filter's.
    if (overviewFormatOf(path) == OverviewFormat::Unknown)
        path += filter == png ? QStringLiteral(".png") : filter == svg ? QStringLiteral(".svg")
                                                                       : QStringLiteral(".pdf");
    QString error;
    if (!exportOverview(sheet(), path, defaultPaper(), error))
        QMessageBox::warning(window_, tr("Error"), error);
}

void OverviewActions::printSheet()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(defaultPaper()));
    printer.setFullPage(true);
    printer.setDocName(document_.shownName());
    QPrintDialog dialog(&printer, window_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        QMessageBox::warning(window_, tr("Error"), tr("The printer could not be started."));
        return;
    }
    paintOverviewAtResolution(painter, printer.resolution(),
                              printer.pageLayout().fullRectPoints().size(), sheet());
    painter.end();
}
