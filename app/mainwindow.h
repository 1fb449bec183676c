#pragma once

#include "app/progresswindow.h"
#include "app/windowprompts.h"
#include "config/buttontable.h"
#include "controllers/editcontroller.h"
#include "controllers/editorstate.h"
#include "document/configdocument.h"

#include <QLabel>
#include <QList>
#include <QMainWindow>
#include <QMessageBox>

#include <cstdint>
#include <memory>

class ButtonSummaries;
class ContentListModel;
class FileController;
class OverviewActions;
class QItemSelectionModel;
class RecordingController;
class TransferCheck;
class TransferController;

namespace Ui {
class MainWindow;
}

// The main window: the view of the open configuration (a ConfigDocument).
// Each slot hands its command to a controller and shows what comes back:
// the marks of the buttons, the status line, the list's selection and which
// controls can be used. The slots are implemented in one file per subsystem
// they serve, app/mainwindow_*.cpp (button selection and marks, editing,
// recording, transfers, file commands); this file's companion .cpp holds the
// shell.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    void showFileName(const QString &path);
    static void centreOver(QWidget *window, const QWidget *reference);
    void showProgress();
    // Advances the progress bar by one button, its range kept at the
    // `buttons` the keypad reported.
    void advanceProgress(int buttons);

    // Button marks and checks.
    void paintButton(int index, const QString &colour);
    bool buttonCheck(int index);
    void applyRestingMark(int index);
    void refreshAllMarks();

    // The open configuration, its file and its undo history.
    ConfigDocument &document() const { return *document_; }
    // The controllers the window's commands go to.
    FileController &fileCommands() const { return *files_; }
    TransferController &transfers() const { return *transfers_; }
    TransferCheck &transferCheck() const { return *check_; }
    // The editing commands and the active button.
    EditController &edits() const { return *edits_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    // Regaining focus, the window offers to reload its file when someone else
    // changed it and nothing here is unsaved.
    void changeEvent(QEvent *event) override;

public Q_SLOTS:
    void on_pushButtonStart_clicked();
    void on_pushButtonStop_clicked();
    void on_pushButtonDelay_clicked();
    void on_pushButtonUp_clicked();
    void on_pushButtonDown_clicked();
    void on_pushButtonKey_clicked();
    void on_pushButtonDelete_clicked();

    void on_actionNew_triggered();
    void on_actionOpen_triggered();
    void on_actionSave_triggered();
    void on_actionSave_as_triggered();
    void on_actionClose_triggered();
    void on_actionReadout_triggered();
    void on_actionTransmit_triggered();
    void on_actionAbout_triggered();

    void on_actionUndo_triggered();
    void on_actionRedo_triggered();
    void on_actionCut_triggered();
    void on_actionCopy_triggered();
    void on_actionPaste_triggered();
    void on_actionDelete_triggered();
    void on_actionSelect_all_triggered();
    void on_actionType_text_triggered();

    void MyKeyPressed(uint32_t key, uint32_t scancode, uint32_t flags);
    void MyKeyReleased(uint32_t key, uint32_t scancode, uint32_t flags);

private:
    void selectButton(int index);
    // The marks, the list and the status after the active button changed.
    void showActiveButton(int previous, int current);
    void setStatusText(const QString &text);
    // "Button n active", or "Please select a button" without an active button.
    void showActiveButtonStatus();
    // Enables the controls as the editor state allows.
    void showControlStates();

    // The content list's selection, ascending, and what a command left to show.
    QList<int> selectedRows() const;
    void showListFocus(const ListFocus &focus);

    // The keyboard taken for a capture or given back.
    void showCapture(Capture capture);
    // What is being recorded, with a line of its own where the desktop may
    // still take shortcuts before they arrive.
    void showCaptureStatus();

    // Undo history: the document's steps as the window shows them.
    void setUpDocument();
    // Marks and selection after an undo or redo wrote `buttons` back.
    void showRestored(const QList<int> &buttons, bool wholeTable, int activeButton);
    void setUpFileCommands();
    void rebuildRecentMenu();
    void setUpTransfers();

    // The progress window is made at the first transfer: the window opens
    // faster without it.
    progressBar &progress();
    std::unique_ptr<progressBar> progressWindow;
    WindowPrompts prompts_{this};
    ConfigDocument *document_ = nullptr;
    EditController *edits_ = nullptr;
    RecordingController *recording_ = nullptr;
    ContentListModel *listModel_ = nullptr;
    TransferCheck *check_ = nullptr;
    FileController *files_ = nullptr;
    TransferController *transfers_ = nullptr;
    QLabel fileLabel;
    std::unique_ptr<Ui::MainWindow> ui;
    // What each button does, in words, and the overview sheet of them all.
    ButtonSummaries *summaries_ = nullptr;
    OverviewActions *overviewActions_ = nullptr;

    // Selection model of the content list, taken once when the list model is
    // attached; the editing commands and the recording read and set rows in it.
    QItemSelectionModel *listSelection = nullptr;
};
