#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

// Takes the addresses the program hands to the desktop (as a QDesktopServices URL handler)
// instead of opening them, so no browser or file manager starts during a test.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};
