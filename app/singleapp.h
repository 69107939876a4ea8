#pragma once

#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWindow>

#include <memory>

// Lets one normal launcher run per user session. The primary holds a lock file named after the
// memory key for its whole life and looks once a second for a doorbell file beside it, which a
// later start creates before it exits. Starts decide who is primary one at a time, under a lock
// file named after the lock key. Lock files rather than System V semaphores and shared memory:
// a semaphore opened while another process removes it can come back at 0 and block every later
// start for good, while a lock file whose process has gone is simply taken over.
class SingleApp : public QObject
{
    Q_OBJECT
public:
    SingleApp(const QString &lockKey, const QString &memoryKey, QObject *parent = nullptr);

    bool tryBecomePrimary();
    // The lock file of a lock key, in the temporary folder.
    static QString lockFilePath(const QString &lockKey);
    void notifyPrimary();
    // The window brought to the front when the doorbell rings.
    void setWindow(QWindow *window) { m_window = window; }

signals:
    void activateApp();

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    QString doorbellPath() const;

    QString m_lockKey;
    QString m_memoryKey;
    std::unique_ptr<QLockFile> m_primaryLock;
    int m_timerId = 0;
    QPointer<QWindow> m_window;
};
