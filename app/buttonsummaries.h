#pragma once

#include "summary/layoutkeymap.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

class ButtonTable;
class QAbstractItemModel;
class Ui_MainWindow;

// Shows what each button does in words: the active button's summary on the
// line under the script, and every grid button's summary in its tool tip and
// accessible description. Follows every change of a script through the
// content list's model, and the keyboard layout in force.
class ButtonSummaries : public QObject
{
    Q_OBJECT

public:
    // `activeButton` tells the button the editor shows (NoButton: none).
    ButtonSummaries(Ui_MainWindow &form, const ButtonTable &table,
                    std::function<int()> activeButton, QAbstractItemModel *listModel,
                    QObject *parent = nullptr);

    // The mark of grid button `index` in words ("active", "empty"), which its
    // accessible description tells before the summary.
    void setMark(int index, const QString &state);

    // The keymap of the keyboard layout in force.
    const LayoutKeymap &keymap();

public Q_SLOTS:
    void refresh();

private:
    Ui_MainWindow &form_;
    const ButtonTable &table_;
    std::function<int()> activeButton_;
    std::unique_ptr<LayoutKeymap> keymap_;
    QStringList marks_;
    // Many changes come at once (a recording, a readout): one refresh after them.
    QTimer pending_;
};
