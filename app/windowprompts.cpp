#include "app/windowprompts.h"

#include "app/formparts.h"
#include "app/windowplacement.h"

#include <QAbstractButton>
#include <QFileDialog>

namespace {

// The answers map one to one onto the message box's standard buttons.
constexpr std::pair<UserPrompts::Answer, QMessageBox::StandardButton> ButtonMap[] = {
    {UserPrompts::Ok, QMessageBox::Ok},           {UserPrompts::Cancel, QMessageBox::Cancel},
    {UserPrompts::Yes, QMessageBox::Yes},         {UserPrompts::No, QMessageBox::No},
    {UserPrompts::Save, QMessageBox::Save},       {UserPrompts::Discard, QMessageBox::Discard},
};

QMessageBox::StandardButton standardButton(UserPrompts::Answer answer)
{
    for (const auto &[a, button] : ButtonMap)
        if (a == answer)
            return button;
    return QMessageBox::NoButton;
}

QMessageBox::StandardButtons standardButtons(UserPrompts::Answers answers)
{
    QMessageBox::StandardButtons buttons;
    for (const auto &[a, button] : ButtonMap)
        if (answers.testFlag(a))
            buttons |= button;
    return buttons;
}

// A closed box without a button of its own counts as its escape button,
// which the toolkit picks among Cancel and No.
UserPrompts::Answer answerOf(int result, UserPrompts::Answers offered)
{
    for (const auto &[a, button] : ButtonMap)
        if (button == result && offered.testFlag(a))
            return a;
    return offered.testFlag(UserPrompts::Cancel) ? UserPrompts::Cancel : UserPrompts::No;
}

void centreOver(QWidget *window, const QWidget *reference)
{
    window->move(centredPosition(QPoint(reference->x(), reference->y()), reference->size(),
                                 window->size()));
}

} // namespace

WindowPrompts::WindowPrompts(QWidget *window)
    : window_(window)
{
}

WindowPrompts::~WindowPrompts() = default;

UserPrompts::Answer WindowPrompts::ask(const Question &question)
{
    if (question.modality == Modality::Separate) {
        // A box of its own, so that the shared one stays free for a message
        // that comes while this question is open.
        QMessageBox box(QMessageBox::Question, question.title, question.text,
                        standardButtons(question.buttons), window_);
        box.setDefaultButton(standardButton(question.defaultButton));
        return answerOf(box.exec(), question.buttons);
    }
    QList<QPair<QMessageBox::StandardButton, QString>> captions;
    for (const auto &[answer, caption] : question.captions)
        captions.append({standardButton(answer), caption});
    return answerOf(askShared(question.title, question.text, standardButtons(question.buttons),
                              standardButton(question.defaultButton), captions),
                    question.buttons);
}

QMessageBox::StandardButton WindowPrompts::askShared(
    const QString &title, const QString &text, QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton defaultButton,
    const QList<QPair<QMessageBox::StandardButton, QString>> &captions)
{
    box_.setStandardButtons(buttons);
    box_.setDefaultButton(defaultButton);
    for (const auto &[button, caption] : captions)
        if (QAbstractButton *b = box_.button(button))
            b->setText(caption);
    box_.setWindowTitle(title);
    box_.setText(text);
    const auto answer = static_cast<QMessageBox::StandardButton>(box_.exec());
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
    QString filter;
    const QString path = QFileDialog::getOpenFileName(
        window_, choice.caption, choice.directory, choice.filters.join(QStringLiteral(";;")),
        &filter);
    return {path, filter};
}

UserPrompts::ChosenFile WindowPrompts::chooseFileToSave(const FileChoice &choice)
{
    QString filter;
    const QString path = QFileDialog::getSaveFileName(
        window_, choice.caption, choice.directory, choice.filters.join(QStringLiteral(";;")),
        &filter);
    return {path, filter};
}

PortRecord WindowPrompts::choosePort(const QString &title, const PortRecord &proposed)
{
    if (!portDialog_) {
        portDialog_ = std::make_unique<comPort>();
        applyDialogLook(portDialog_.get(), QStringLiteral("blue"));
    }
    comPort &dialog = *portDialog_;
    // The port used last is offered again when it is present, else the first.
    dialog.refreshPortList(proposed);
    dialog.setWindowTitle(title);
    dialog.setTransferTitle(title);
    centreOver(&dialog, window_);
    if (dialog.exec() != QDialog::Accepted)
        return PortRecord();
    return dialog.chosenPort;
}
