#include "patch/patchconfig.h"

#include "app/logger.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

bool PatchConfig::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Logger::instance().crit(QStringLiteral("PatchConfig failed to open: ") + path);
        return false;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError) {
        Logger::instance().crit(QStringLiteral("PatchConfig failed to load: ") + path +
                                QStringLiteral(" error: ") + error.errorString());
        return false;
    }
    return setJson(document.object());
}

QList<PatchContent> PatchConfig::contents(const QString &name) const
{
    QList<PatchContent> entries;
    const QJsonValue list = json().value(QStringLiteral("patch")).toObject().value(name);
    for (const QJsonValue &element : list.toArray()) {
        PatchContent entry;
        entry.setJson(element.toObject());
        entries.append(entry);
    }
    return entries;
}
