#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>

// Places a copy of the probe program at path (its folder is made) and returns whether it is there.
inline bool placeProbe(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    return QFile::copy(QStringLiteral(PLATFORM_PROBE), path);
}

// The report a probe started in "report" mode writes, once it is there (empty after the time-out).
inline QJsonObject waitForReport(const QString &path, int timeoutMs = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!timer.hasExpired(timeoutMs)) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            const QJsonObject report = QJsonDocument::fromJson(file.readAll()).object();
            if (!report.isEmpty())
                return report;
        }
        QThread::msleep(20);
    }
    return QJsonObject();
}
