#pragma once

#include "app/portdialog.h"

#include <QApplication>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

// Picks a port in the port dialog when it opens: the row named `port`, then
// OK; or Cancel when `port` is empty. Records what the dialog showed.
class PortDialogAnswerer : public QObject
{
public:
    explicit PortDialogAnswerer(QString port)
        : port_(std::move(port))
    {
        connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start(5);
    }
    int opened = 0;
    QString title;
    QString description; // of the port chosen

private:
    void poll()
    {
        auto *dialog = qobject_cast<comPort *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        ++opened;
        title = dialog->windowTitle();
        if (port_.isEmpty()) {
            dialog->findChild<QPushButton *>("pushButtonCancel")->click();
            return;
        }
        auto *table = dialog->findChild<QTableView *>("tableView");
        for (int row = 0; row < table->model()->rowCount(); ++row)
            if (table->model()->index(row, 0).data().toString() == port_) {
                table->selectRow(row);
                description = table->model()->index(row, 1).data().toString();
            }
        dialog->findChild<QPushButton *>("pushButtonOk")->click();
    }
    QString port_;
    QTimer timer_;
};
