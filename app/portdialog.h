#pragma once

#include "app/porttablemodel.h"
#include "device/portrecord.h"
#include "serial/portwatcher.h"

#include <QDialog>

class QTableView;
class QPushButton;

// Lets the user pick the serial port of the service cable, with the port
// used last pre-selected. While it is shown, its list follows ports that
// appear or disappear, keeping the selection on a port that stays.
class comPort : public QDialog
{
    Q_OBJECT

public:
    explicit comPort(QWidget *parent = nullptr);
    ~comPort() override;

    // Reads the port list anew and selects the row of `preselect` (by port
    // name), or row 0 when it is not listed.
    void refreshPortList(const PortRecord &preselect);
    // Title of the dialog and tool tip of OK for the transfer at hand.
    void setTransferTitle(const QString &text);

    PortRecord chosenPort;

public Q_SLOTS:
    void on_pushButtonCancel_clicked();
    void on_pushButtonOk_clicked();
    void on_pushButtonRefresh_clicked();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    int selectedRow() const;
    // Shows `ports` and selects the row of `keep` (by port name, the last of
    // equal names), or row 0 when it is not listed.
    void showPorts(const QList<PortRecord> &ports, const PortRecord &keep);
    void followPorts(const QList<PortRecord> &ports);

    MyTableModel model;
    PortWatcher watcher;
    QTableView *tableView;
    QPushButton *pushButtonOk;
};
