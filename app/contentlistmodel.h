#pragma once

#include "config/buttontable.h"

#include <QAbstractListModel>
#include <QColor>

// The rows of the active button's script for the content list: one row per
// entry, named by key and direction or as the two halves of a delay, coloured
// red or black by whether a press or release has its counterpart.
//
// It keeps no data: every answer is read from ButtonTable::instance() when
// asked. The table announces each change through the TableObserver interface,
// which this model turns into a full reset of the view.
class mylistviewmodel : public QAbstractListModel, public TableObserver
{
    Q_OBJECT

public:
    // The one model of the process; it outlives every window.
    static mylistviewmodel &instance();

    // Text colours of the key rows. The red is deep enough to keep 4.5 : 1
    // against the white list and its light selection colour.
    static QColor matchedColour() { return Qt::black; }
    static QColor unmatchedColour() { return QColor(0xC0, 0x00, 0x00); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void tableAboutToChange() override;
    void tableChanged() override;

private:
    mylistviewmodel() = default;

    // The active content together with the row of `index`, or nullptr when
    // no button is active or the row lies outside the script.
    const ButtonContent *contentFor(const QModelIndex &index) const;
};
