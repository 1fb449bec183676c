#include "app/windowprompts.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>

WindowPrompts::WindowPrompts(QMessageBox &box, QWidget *window)
    : box_(box)
    , window_(window)
{
}

namespace {

// The answers map one to one onto the message box's standard buttons.
const QPair<UserPrompts::Answer, QMessageBox::StandardButton> ButtonOf[] = {
    {UserPrompts::Ok, QMessageBox::Ok},     {UserPrompts::Cancel, QMessageBox::Cancel},
    {UserPrompts::Yes, QMessageBox::Yes},   {UserPrompts::No, QMessageBox::No},
    {UserPrompts::Save, QMessageBox::Save}, {UserPrompts::Discard, QMessageBox::Discard},
};

QMessageBox::StandardButton toButton(UserPrompts::Answer answer)
{
    for (const auto &[a, b] : ButtonOf)
        if (a == answer)
            return b;
    return QMessageBox::NoButton;
}

QMessageBox::StandardButtons toButtons(UserPrompts::Answers answers)
{
    QMessageBox::StandardButtons buttons;
    for (const auto &[a, b] : ButtonOf)
        if (answers.testFlag(a))
            buttons |= b;
    return buttons;
}

// A box closed without a button (Escape, the window's close button) is
// taken as Cancel.
UserPrompts::Answer toAnswer(int button)
{
    for (const auto &[a, b] : ButtonOf)
        if (b == button)
            return a;
    return UserPrompts::Cancel;
}

} // namespace

UserPrompts::Answer WindowPrompts::ask(const Question &question)
{
    const QMessageBox::StandardButtons buttons = toButtons(question.buttons);
    const QMessageBox::StandardButton defaultButton = toButton(question.defaultButton);
    if (question.modality == Modality::Separate) {
        QMessageBox box(QMessageBox::Question, question.title, question.text, buttons, window_);
        box.setDefaultButton(defaultButton);
        return toAnswer(box.exec());
    }
    box_.setStandardButtons(buttons);
    box_.setDefaultButton(defaultButton);
    for (const auto &[answer, caption] : question.captions)
        if (QAbstractButton *b = box_.button(toButton(answer)))
            b->setText(caption);
    box_.setWindowTitle(question.title);
    box_.setText(question.text);
    const Answer answer = toAnswer(box_.exec());
    box_.setStandardButtons(QMessageBox::Ok);
    box_.setDefaultButton(QMessageBox::Ok);
    return answer;
}

void WindowPrompts::tell(const QString &title, const QString &text)
{
    box_.setWindowTitle(title);
    box_.setText(text);
    box_.exec();
}

UserPrompts::ChosenFile WindowPrompts::chooseFileToOpen(const FileChoice &choice)
{
    ChosenFile chosen;
    chosen.path = QFileDialog::getOpenFileName(window_, choice.caption, choice.directory,
                                               choice.filters.join(QStringLiteral(";;")),
                                               &chosen.filter);
    return chosen;
}

UserPrompts::ChosenFile WindowPrompts::chooseFileToSave(const FileChoice &choice)
{
    ChosenFile chosen;
    chosen.path = QFileDialog::getSaveFileName(window_, choice.caption, choice.directory,
                                               choice.filters.join(QStringLiteral(";;")),
                                               &chosen.filter);
    return chosen;
}
