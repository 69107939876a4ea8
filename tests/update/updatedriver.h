#pragma once

#include "app/jsonsettings.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

// Does for the tests what the main window does with the update: runs a check with the progress
// timer, stores each installed content's "version_to" in the settings and the game record, and
// notes every signal. Connections are queued, as the window's are.
class UpdateDriver : public QObject
{
    Q_OBJECT
public:
    struct Progress
    {
        QString message;
        int action;
        float progress;
        qint64 total;
        qint64 current;
        qint64 rate;
    };

    explicit UpdateDriver(const QString &settingsPath);

    // Starts a check and returns once it finished (-1 when it did not within timeoutMs).
    int run(const QList<QUrl> &mirrors, int timeoutMs = 60000);
    // The store the driver saves after each installed content, as the window's one store.
    JsonSettings &settings() { return m_settings; }

    QStringList installed;
    QList<int> finished;
    QList<Progress> progress;
    int starts = 0;
    int exits = 0;

private:
    void onContentInstalled(const QString &productId, const QString &contentId);

    QString m_settingsPath;
    JsonSettings m_settings;
};
