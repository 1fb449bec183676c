#pragma once

#include <QCoreApplication>
#include <QtCore/qglobal.h>

class QAction;
class QFrame;
class QGridLayout;
class QGroupBox;
class QLabel;
class QListView;
class QMainWindow;
class QMenu;
class QMenuBar;
class QPushButton;
class QStatusBar;
class QWidget;

// The main window's widget tree, built in code with fixed geometry.
class Ui_MainWindow
{
    // Its texts belong to the main window's catalogue context.
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    static constexpr int ButtonCount = 23;

    QAction *actionNew;
    QAction *actionOpen;
    QAction *actionSave;
    QAction *actionSave_as;
    QAction *actionClose;
    QAction *actionReadout;
    QAction *actionTransmit;
    QAction *actionAbout;
    QAction *actionDBG;
    QAction *actionUndo;
    QAction *actionRedo;
    QAction *actionCut;
    QAction *actionCopy;
    QAction *actionPaste;
    QAction *actionDelete;
    QAction *actionSelect_all;
    QAction *actionType_text;
    QWidget *centralWidget;
    QWidget *widget_2;
    QLabel *labelState;
    QFrame *line;
    QGroupBox *groupBoxButton;
    QGridLayout *gridLayout;
    QPushButton *pushButtons[ButtonCount]; // pushButton1 .. pushButton23
    QGroupBox *groupBoxContent;
    QGridLayout *gridLayout_2;
    QListView *listView;
    QGroupBox *groupBoxRecording;
    QPushButton *pushButtonStart;
    QPushButton *pushButtonStop;
    QGroupBox *groupBoxEdit_2;
    QPushButton *pushButtonDelay;
    QPushButton *pushButtonUp;
    QPushButton *pushButtonDown;
    QPushButton *pushButtonKey;
    QPushButton *pushButtonDelete;
    QLabel *labelSummary; // what the active button does, in words
    QMenuBar *menuBar;
    QMenu *menuFile;
    QMenu *menuRecent;
    QMenu *menuEdit;
    QMenu *menuAction;
    QMenu *menuAbout;
    QStatusBar *statusBar;

    // Builds the tree on `window`, sets the texts and connects the window's
    // slots by object name.
    void setupUi(QMainWindow *window);
    // Sets every translatable text; may be run again.
    void retranslateUi(QMainWindow *window);
    // Gives the actions their standard shortcuts, or takes them away (while a
    // recording runs every key belongs to the recording).
    void setShortcutsActive(bool active);

    // The accessible description of grid button `index`: its number and its
    // mark in words, so that the marks are not told by colour alone.
    static QString gridButtonDescription(int index, const QString &state);

    // Push button of button index i (0 .. 22), or nullptr beyond the grid.
    QPushButton *buttonAt(int index) const
    { return index >= 0 && index < ButtonCount ? pushButtons[index] : nullptr; }
};

namespace Ui {
class MainWindow : public Ui_MainWindow {};
}
