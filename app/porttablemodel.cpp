#include "app/porttablemodel.h"

#include "serial/portaccess.h"

#include <QFileInfo>

MyTableModel::MyTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int MyTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(ports_.size());
}

int MyTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant MyTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= ports_.size())
        return QVariant();
    const PortRecord &port = ports_.at(index.row());
    // The stable names in full, for a port that has any, and the links that
    // cannot be offered, so that a missing adapter name is explained.
    if (role == Qt::ToolTipRole) {
        QStringList lines = port.stableNames;
        for (const QString &link : port.unlistedLinks)
            lines << tr("%1 (not usable: the name is not valid in the system's character encoding)")
                         .arg(link);
        return lines.isEmpty() ? QVariant() : lines.join(QLatin1Char('\n'));
    }
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (index.column()) {
    case 0:
        return port.portName;
    case 1: {
        QString text = port.description + QStringLiteral(" (") + port.portName + QStringLiteral(")");
        if (!port.accessible)
            text += QLatin1Char(' ') + noPermissionNote();
        // The adapter's name that survives renumbering, without its folder.
        if (!port.stableNames.isEmpty())
            text += QLatin1Char('\n') + QFileInfo(port.stableName()).fileName();
        return text;
    }
    default:
        return QVariant();
    }
}

bool MyTableModel::setData(const QModelIndex &, const QVariant &, int)
{
    return false;
}

QVariant MyTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section == 0)
        return tr("Port");
    if (section == 1)
        return tr("Device name");
    return section;
}

Qt::ItemFlags MyTableModel::flags(const QModelIndex &) const
{
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

void MyTableModel::replacePorts(const QList<PortRecord> &ports)
{
    beginResetModel();
    ports_ = ports;
    endResetModel();
}
