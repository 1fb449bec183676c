#pragma once

#include <QList>
#include <QPair>
#include <QFlags>
#include <QString>
#include <QStringList>

// How the controllers reach the user: a question with its buttons, a message,
// a file to choose. The window answers with message boxes and file dialogs;
// tests answer from a script. No widgets here, so that every rule behind a
// question can be exercised without a window.
class UserPrompts
{
public:
    // The buttons a question may offer; they map one to one onto the
    // standard buttons of a message box.
    enum Answer {
        Ok = 0x1,
        Cancel = 0x2,
        Yes = 0x4,
        No = 0x8,
        Save = 0x10,
        Discard = 0x20,
    };
    Q_DECLARE_FLAGS(Answers, Answer)

    // Whether a question may be shown while other work goes on (a transfer
    // that may end before the user answers needs a box of its own).
    enum class Modality { Shared, Separate };

    struct Question {
        QString title;
        QString text;
        Answers buttons;
        Answer defaultButton = Ok;
        // Captions that replace the toolkit's for some of the buttons.
        QList<QPair<Answer, QString>> captions;
        Modality modality = Modality::Shared;
    };

    // What a file dialog offers: its caption, the folder it starts in and the
    // filters ("Configuration files (*.tkf)").
    struct FileChoice {
        QString caption;
        QString directory;
        QStringList filters;
    };
    // The path chosen, empty when cancelled, and the filter in force then.
    struct ChosenFile {
        QString path;
        QString filter;
    };

    virtual ~UserPrompts() = default;

    virtual Answer ask(const Question &question) = 0;
    // A message with a single OK button.
    virtual void tell(const QString &title, const QString &text) = 0;
    virtual ChosenFile chooseFileToOpen(const FileChoice &choice) = 0;
    virtual ChosenFile chooseFileToSave(const FileChoice &choice) = 0;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(UserPrompts::Answers)
