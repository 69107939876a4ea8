#include "patch/recovercleartask.h"

#include "app/logger.h"
#include "app/paths.h"
#include "patch/safepath.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <stdexcept>

void RecoverClearTask::fail(const QString &logLine)
{
    setResult(1);
    Logger::instance().crit(logLine);
    throw std::runtime_error("can't clear after recovery!");
}

void RecoverClearTask::execute()
{
    setResult(-1);
    if (!m_packageFiles->isEmpty()) {
        setResult(0);
        return;
    }
    const QString gameFolder = Paths::gameFolder();
    const QString path = Paths::joinPath(gameFolder, Paths::packageListName());
    QFile file(path);
    if (!file.exists())
        fail(QStringLiteral("can't find package file: ") + path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        fail(QStringLiteral("can't open package file: ") + path);
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        fail(QStringLiteral("package file is empty: ") + path);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        fail(QStringLiteral("json decode failed: ") + QString::number(error.error) + QStringLiteral("; ") +
             error.errorString());
    QSet<QString> files;
    for (const QJsonValue &value : document.object().value(QStringLiteral("content")).toArray()) {
        const QString relative = value.toObject().value(QStringLiteral("path")).toString();
        if (relative.isEmpty())
            continue;
        if (!staysInside(QString(relative).replace(QLatin1Char('\\'), QLatin1Char('/'))))
            fail(QStringLiteral("unsafe path in package file: ") + relative);
        files.insert(Paths::joinPath(gameFolder, relative));
    }
    *m_packageFiles = files;
    setResult(0);
}
