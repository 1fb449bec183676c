#include "app/contentlistmodel.h"

#include "config/scriptbalance.h"
#include "keyboard/contentrowtext.h"
#include "keyboard/keynames.h"
#include "keyboard/recordingstate.h"

#include <QBrush>

mylistviewmodel &mylistviewmodel::instance()
{
    static mylistviewmodel model;
    return model;
}

int mylistviewmodel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    const ButtonContent *c = ButtonTable::instance().activeContent();
    return c ? c->length : 0;
}

const ButtonContent *mylistviewmodel::contentFor(const QModelIndex &index) const
{
    const ButtonContent *c = ButtonTable::instance().activeContent();
    if (!c || !index.isValid() || index.row() < 0 || index.row() >= c->length)
        return nullptr;
    return c;
}

QVariant mylistviewmodel::data(const QModelIndex &index, int role) const
{
    const ButtonContent *c = contentFor(index);
    if (!c)
        return {};
    const int row = index.row();
    const ContentEntry &e = c->entries[row];

    if (role == Qt::DisplayRole)
        return contentRowText(e, nameTableFor(keyboardLayoutId()));

    if (role == Qt::ForegroundRole) {
        // While keys are being captured the script is incomplete by nature:
        // no colours until the capture ends.
        if (RecordingState::instance().capturing())
            return {};
        if (e.action == ActionPress)
            return QBrush(pressUnmatched(*c, row) ? unmatchedColour() : matchedColour());
        if (e.action == ActionRelease)
            return QBrush(releaseUnmatched(*c, row) ? unmatchedColour() : matchedColour());
        return {};
    }
    return {};
}

QVariant mylistviewmodel::headerData(int, Qt::Orientation, int) const
{
    return {};
}

void mylistviewmodel::tableAboutToChange()
{
    beginResetModel();
}

void mylistviewmodel::tableChanged()
{
    endResetModel();
}
