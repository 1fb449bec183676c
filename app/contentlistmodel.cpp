#include "app/contentlistmodel.h"

#include "config/scriptbalance.h"
#include "document/configdocument.h"
#include "keyboard/contentrowtext.h"
#include "keyboard/keynames.h"

#include <QBrush>

ContentListModel::ContentListModel(const ConfigDocument &document, const EditorState &editor,
                                   QObject *parent)
    : QAbstractListModel(parent)
    , document_(document)
    , editor_(editor)
{
    connect(&document, &ConfigDocument::aboutToChange, this, &ContentListModel::beginResetModel);
    connect(&document, &ConfigDocument::tableChanged, this, &ContentListModel::endResetModel);
}

void ContentListModel::reread()
{
    beginResetModel();
    endResetModel();
}

const ButtonContent *ContentListModel::activeContent() const
{
    return editor_.hasActiveButton() ? &document_.table().content(editor_.activeButton) : nullptr;
}

int ContentListModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    const ButtonContent *c = activeContent();
    return c ? c->length : 0;
}

const ButtonContent *ContentListModel::contentFor(const QModelIndex &index) const
{
    const ButtonContent *c = activeContent();
    if (!c || !index.isValid() || index.row() < 0 || index.row() >= c->length)
        return nullptr;
    return c;
}

QVariant ContentListModel::data(const QModelIndex &index, int role) const
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
        if (editor_.capturing())
            return {};
        if (e.action == ActionPress)
            return QBrush(pressUnmatched(*c, row) ? unmatchedColour() : matchedColour());
        if (e.action == ActionRelease)
            return QBrush(releaseUnmatched(*c, row) ? unmatchedColour() : matchedColour());
        return {};
    }
    return {};
}
