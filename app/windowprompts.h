#pragma once

#include "app/portdialog.h"
#include "controllers/portprompt.h"
#include "controllers/userprompts.h"

#include <QMessageBox>

#include <memory>

class QWidget;

// The window's answer to the controllers' questions: one shared message box
// (set back to a single OK after every question), the file dialogs over the
// window, and the port dialog centred on it.
class WindowPrompts : public UserPrompts, public PortPrompt
{
public:
    explicit WindowPrompts(QWidget *window);
    ~WindowPrompts() override;

    Answer ask(const Question &question) override;
    void tell(const QString &title, const QString &text) override;
    ChosenFile chooseFileToOpen(const FileChoice &choice) override;
    ChosenFile chooseFileToSave(const FileChoice &choice) override;
    PortRecord choosePort(const QString &title, const PortRecord &proposed) override;

    // The shared box with `buttons`, set back to a single OK afterwards;
    // `captions` replace the toolkit's caption of some of the buttons.
    QMessageBox::StandardButton askShared(
        const QString &title, const QString &text, QMessageBox::StandardButtons buttons,
        QMessageBox::StandardButton defaultButton,
        const QList<QPair<QMessageBox::StandardButton, QString>> &captions = {});

private:
    QWidget *window_;
    QMessageBox box_;
    // Made at the first transfer: the window opens faster without it.
    std::unique_ptr<comPort> portDialog_;
};
