#pragma once

#include <QObject>
#include <QPointer>
#include <QSharedMemory>
#include <QString>
#include <QWindow>

// Lets one normal launcher run per user session. The primary owns a one-byte shared segment
// and polls it once a second; a later start writes 1 into it (the doorbell) and exits.
class SingleApp : public QObject
{
    Q_OBJECT
public:
    SingleApp(const QString &lockKey, const QString &memoryKey, QObject *parent = nullptr);

    bool tryBecomePrimary();
    void notifyPrimary();
    // The window brought to the front when the doorbell rings.
    void setWindow(QWindow *window) { m_window = window; }

signals:
    void activateApp();

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    QString m_lockKey;
    QString m_memoryKey;
    QSharedMemory m_memory;
    int m_timerId = 0;
    QPointer<QWindow> m_window;
};
