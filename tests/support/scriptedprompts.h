#pragma once

#include "controllers/userprompts.h"

#include <QQueue>

// Answers the controllers' questions from a script and records what they
// asked. A question without a scripted answer gets its default button; a
// file dialog without a scripted choice is cancelled.
class ScriptedPrompts : public UserPrompts
{
public:
    struct Asked {
        QString title;
        QString text;
        Answers buttons;
        Answer defaultButton = Ok;
        QList<QPair<Answer, QString>> captions;
        Modality modality = Modality::Shared;
    };
    struct Dialog {
        bool save = false;
        FileChoice choice;
    };

    void answer(Answer a) { answers_.enqueue(a); }
    void choose(const QString &path, const QString &filter = QString())
    {
        files_.enqueue({path, filter});
    }

    const QList<Asked> &asked() const { return asked_; }
    Asked lastAsked() const { return asked_.isEmpty() ? Asked{} : asked_.last(); }
    const QList<Dialog> &dialogs() const { return dialogs_; }
    // Every title and text shown or asked, in order.
    QStringList texts() const
    {
        QStringList all;
        for (const Asked &a : asked_)
            all << a.text;
        return all;
    }

    Answer ask(const Question &q) override
    {
        asked_.append({q.title, q.text, q.buttons, q.defaultButton, q.captions, q.modality});
        return answers_.isEmpty() ? q.defaultButton : answers_.dequeue();
    }
    void tell(const QString &title, const QString &text) override
    {
        asked_.append({title, text, Ok, Ok, {}, Modality::Shared});
    }
    ChosenFile chooseFileToOpen(const FileChoice &choice) override { return chosen(false, choice); }
    ChosenFile chooseFileToSave(const FileChoice &choice) override { return chosen(true, choice); }

private:
    ChosenFile chosen(bool save, const FileChoice &choice)
    {
        dialogs_.append({save, choice});
        return files_.isEmpty() ? ChosenFile{} : files_.dequeue();
    }

    QQueue<Answer> answers_;
    QQueue<ChosenFile> files_;
    QList<Asked> asked_;
    QList<Dialog> dialogs_;
};
