#pragma once

#include "overview/overviewsheet.h"

#include <QObject>
#include <QPageSize>

class ButtonSummaries;
class ConfigDocument;
class QAction;
class QMainWindow;
class QMenu;

// File -> "Export overview…" and File -> "Print…": the overview sheet of the
// open configuration, written to a PDF, PNG or SVG file or printed.
class OverviewActions : public QObject
{
    Q_OBJECT

public:
    // Adds the two entries to `fileMenu` in front of `before`.
    OverviewActions(QMainWindow *window, QMenu *fileMenu, QAction *before,
                    const ConfigDocument &document, ButtonSummaries &summaries);

    QAction *exportAction() const { return export_; }
    QAction *printAction() const { return print_; }

    // The sheet of the configuration as it is now.
    OverviewSheet sheet() const;
    // A4, or Letter where the locale measures in inches.
    static QPageSize::PageSizeId defaultPaper();

private Q_SLOTS:
    void exportSheet();
    void printSheet();

private:
    QMainWindow *window_;
    const ConfigDocument &document_;
    ButtonSummaries &summaries_;
    QAction *export_;
    QAction *print_;
};
