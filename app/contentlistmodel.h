#pragma once

#include "config/buttontable.h"
#include "controllers/editorstate.h"

#include <QAbstractListModel>
#include <QColor>

class ConfigDocument;

// The rows of the active button's script for the content list: one row per
// entry, named by key and direction or as the two halves of a delay, coloured
// red or black by whether a press or release has its counterpart.
//
// It keeps no data: every answer is read from its document's table and the
// editor's active button when asked. Each change of the table, announced by
// the document, is a full reset of the view.
class ContentListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    ContentListModel(const ConfigDocument &document, const EditorState &editor,
                     QObject *parent = nullptr);

    // Text colours of the key rows. The red is deep enough to keep 4.5 : 1
    // against the white list and its light selection colour.
    static QColor matchedColour() { return Qt::black; }
    static QColor unmatchedColour() { return QColor(0xC0, 0x00, 0x00); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // A list has no headers.
    QVariant headerData(int, Qt::Orientation, int) const override { return {}; }

    // Every row read afresh: another button became active, or a capture
    // ended and the colours come back.
    void reread();

private:
    // The active content together with the row of `index`, or nullptr when
    // no button is active or the row lies outside the script.
    const ButtonContent *contentFor(const QModelIndex &index) const;
    const ButtonContent *activeContent() const;

    const ConfigDocument &document_;
    const EditorState &editor_;
};
