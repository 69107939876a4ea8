#include "net/jsondecode.h"

#include "app/logger.h"

#include <QJsonDocument>
#include <QJsonObject>

bool decodeJsonObject(const QByteArray &data, QJsonObject *out)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError) {
        Logger::instance().crit(QStringLiteral("json decode failed: ") + QString::number(error.error) +
                                QStringLiteral("; ") + error.errorString());
        return false;
    }
    *out = document.object();
    return true;
}
