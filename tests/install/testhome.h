#pragma once

#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

// A scratch home folder with blanks and non-ASCII characters in its path, laid out like a
// player's home (desktop, menu folder, other programs' files), which this process and the
// processes it starts use through HOME and the XDG variables.
class TestHome
{
public:
    TestHome();

    bool isValid() const { return m_dir.isValid() && m_outside.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &relative) const { return m_dir.filePath(relative); }
    // A path in a scratch folder beside the home, for what must not count as the home's.
    QString outsidePath(const QString &relative) const { return m_outside.filePath(relative); }
    QProcessEnvironment environment() const;

    // Every file (with its contents) and folder under the home, by relative path.
    QMap<QString, QByteArray> snapshot() const;
    // The differences between two snapshots, one line each; empty when they are equal.
    static QString differences(const QMap<QString, QByteArray> &before,
                               const QMap<QString, QByteArray> &after);

    static bool writeFile(const QString &path, const QByteArray &contents);
    static QByteArray readFile(const QString &path);
    // A file of one JSON object per line, as the probe programs record their events.
    static QList<QJsonObject> readJsonLines(const QString &path);

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_outside;
};
