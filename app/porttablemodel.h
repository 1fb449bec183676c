#pragma once

#include "device/portrecord.h"

#include <QAbstractTableModel>
#include <QList>

// The ports the selection dialog shows, in two columns: the port name, and
// the description followed by the name in parentheses (and a note when this
// user may not open the port). Row r of the table is entry r of ports().
class MyTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit MyTableModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    const QList<PortRecord> &ports() const { return ports_; }
    // Replaces the ports inside a model reset.
    void replacePorts(const QList<PortRecord> &ports);

private:
    QList<PortRecord> ports_;
};
