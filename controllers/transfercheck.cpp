#include "controllers/transfercheck.h"

#include "config/buttontable.h"
#include "config/scriptbalance.h"
#include "document/configdocument.h"

TransferCheck::TransferCheck(const ConfigDocument &document, UserPrompts &prompts, QObject *parent)
    : QObject(parent)
    , document_(document)
    , prompts_(prompts)
{
}

bool TransferCheck::confirm()
{
    const ButtonTable &table = document_.table();
    bool successiveDelays = false;
    QList<int> unbalanced;
    for (int i = 0; i < table.buttonCount; ++i) {
        const ButtonContent &content = table.content(uint8_t(i));
        successiveDelays = successiveDelays || hasSuccessiveDelays(content);
        if (!contentBalanced(content))
            unbalanced << i;
    }
    if (successiveDelays) {
        UserPrompts::Question question;
        question.title = tr("Attention");
        question.text = tr("The Button content contains successive delays.\r\n"
                           "If the Autorepeat function is active in the computer's keyboard settings,\r\n"
                           "it is possible that the previous key action is repeated several times.\r\n"
                           "Do you want to continue?");
        question.buttons = UserPrompts::Yes | UserPrompts::No;
        question.defaultButton = UserPrompts::No;
        if (prompts_.ask(question) != UserPrompts::Yes)
            return false;
    }
    if (unbalanced.isEmpty())
        return true;

    Q_EMIT unbalancedFound(unbalanced);
    UserPrompts::Question question;
    question.title = tr("Possible Error");
    question.text = tr("The current configuration of the red marked buttons could lead to errors.\r\n"
                       "Do you want to continue?");
    question.buttons = UserPrompts::Yes | UserPrompts::No;
    question.defaultButton = UserPrompts::No;
    if (prompts_.ask(question) != UserPrompts::Yes)
        return false;
    Q_EMIT unbalancedAccepted();
    return true;
}
