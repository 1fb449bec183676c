#pragma once

#include "controllers/userprompts.h"

class QMessageBox;
class QWidget;

// The controllers' questions as the window asks them: in its shared message
// box (set back to a single OK button afterwards), or in a box of its own
// where a question may stay open while other work goes on; paths through the
// file dialogs.
class WindowPrompts : public UserPrompts
{
public:
    WindowPrompts(QMessageBox &box, QWidget *window);

    Answer ask(const Question &question) override;
    void tell(const QString &title, const QString &text) override;
    ChosenFile chooseFileToOpen(const FileChoice &choice) override;
    ChosenFile chooseFileToSave(const FileChoice &choice) override;

private:
    QMessageBox &box_;
    QWidget *window_;
};
