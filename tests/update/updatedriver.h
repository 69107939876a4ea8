#pragma once

#include "app/jsonsettings.h"
#include "tests/support/typedprinting.h"
#include "update/updateprogress.h"
#include "update/updateresult.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

// Does for the tests what the main window does with the update: runs a check with the progress
// timer, stores each installed content's "version_to" in the settings and the game record, and
// notes every signal, both the codes and texts and the typed values. Connections are queued, as
// the window's are.
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
    // The typed result of the last check that ended; Unknown with no reason before the first.
    UpdateResult lastResult() const { return results.isEmpty() ? UpdateResult() : results.last(); }
    // The store the driver saves after each installed content, as the window's one store.
    JsonSettings &settings() { return m_settings; }

    QStringList installed;
    QList<int> finished;
    QList<UpdateResult> results;
    QList<Progress> progress;
    QList<UpdateProgress> reports;
    int starts = 0;
    int exits = 0;

private:
    void onContentInstalled(const QString &productId, const QString &contentId);

    QString m_settingsPath;
    JsonSettings m_settings;
};

// How QCOMPARE prints a result that differs: its code and its reason.
inline char *toString(const UpdateResult &result)
{
    return QTest::toString(QString::number(result.number()) + QStringLiteral(" ") + result.reason.describe());
}
