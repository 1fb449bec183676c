#include "jsonoutput.h"

#include "console.h"
#include "portresult.h"

#include <QJsonDocument>

void printJson(const QJsonObject &document)
{
    out() << QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Compact)) << '\n';
}

QJsonValue textOrNull(const QString &text)
{
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}

QJsonObject portResultJson(const QString &command, const PortResult &result)
{
    QJsonObject o{
        {QStringLiteral("command"), command},
        {QStringLiteral("port"), result.port},
        {QStringLiteral("location"), result.location},
        {QStringLiteral("stable_name"), textOrNull(result.stableName)},
        {QStringLiteral("outcome"), result.outcome},
        {QStringLiteral("message"), textOrNull(result.message)},
        {QStringLiteral("reason"), textOrNull(result.reason)},
        {QStringLiteral("buttons"), result.buttons},
        {QStringLiteral("entries"), result.entries},
        {QStringLiteral("elapsed_ms"), result.elapsedMs},
    };
    for (auto it = result.details.begin(); it != result.details.end(); ++it)
        o.insert(it.key(), it.value());
    return o;
}
