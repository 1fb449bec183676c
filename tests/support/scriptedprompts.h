#pragma once

#include "controllers/userprompts.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

// Answers the controllers' questions from a script and records everything
// they asked or told, in order. An unexpected question (none scripted) is
// answered with Cancel and noted in `unexpected`, so a test sees it.
class ScriptedPrompts : public UserPrompts
{
public:
    // One line per prompt: "ask: <title>: <text>", "tell: <title>: <text>",
    // "open: <caption>", "save: <caption>".
    QStringList log;
    QStringList unexpected;
    QQueue<Answer> answers;
    QQueue<ChosenFile> files;
    QList<Question> questions; // every question asked, in full

    Answer ask(const Question &question) override
    {
        questions.append(question);
        log.append(QStringLiteral("ask: %1: %2").arg(question.title, question.text));
        if (answers.isEmpty()) {
            unexpected.append(log.last());
            return Cancel;
        }
        return answers.dequeue();
    }
    void tell(const QString &title, const QString &text) override
    {
        log.append(QStringLiteral("tell: %1: %2").arg(title, text));
    }
    ChosenFile chooseFileToOpen(const FileChoice &choice) override
    {
        return choose(QStringLiteral("open: ") + choice.caption);
    }
    ChosenFile chooseFileToSave(const FileChoice &choice) override
    {
        return choose(QStringLiteral("save: ") + choice.caption);
    }

    // The log since the last call, which it clears.
    QStringList take()
    {
        const QStringList taken = log;
        log.clear();
        return taken;
    }

private:
    ChosenFile choose(const QString &line)
    {
        log.append(line);
        if (files.isEmpty()) {
            unexpected.append(line);
            return {};
        }
        return files.dequeue();
    }
};
