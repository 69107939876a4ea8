#include "testhome.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

namespace {

const char *const xdgVariables[][2] = {
    {"XDG_CONFIG_HOME", ".config"},
    {"XDG_DATA_HOME", ".local/share"},
    {"XDG_STATE_HOME", ".local/state"},
};

} // namespace

TestHome::TestHome()
    : m_dir(QDir::tempPath() + QStringLiteral("/gd7 home Ü 游戏-XXXXXX")),
      m_outside(QDir::tempPath() + QStringLiteral("/gd7 outside Ä-XXXXXX"))
{
    if (!m_dir.isValid())
        return;
    qputenv("HOME", QFile::encodeName(path()));
    for (const auto &variable : xdgVariables)
        qputenv(variable[0], QFile::encodeName(filePath(QString::fromLatin1(variable[1]))));
    // No desktop session: nothing may reach a real desktop's metadata store.
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    writeFile(filePath(QStringLiteral(".config/other program/settings.ini")), "[General]\nx=1\n");
    writeFile(filePath(QStringLiteral(".local/share/applications/other.desktop")), "[Desktop Entry]\n");
    writeFile(filePath(QStringLiteral("Desktop/notes.txt")), "notes");
    QDir().mkpath(filePath(QStringLiteral("Games")));
}

QProcessEnvironment TestHome::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), path());
    for (const auto &variable : xdgVariables)
        environment.insert(QString::fromLatin1(variable[0]), filePath(QString::fromLatin1(variable[1])));
    environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    return environment;
}

QMap<QString, QByteArray> TestHome::snapshot() const
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString entry = it.next();
        const QString relative = QDir(path()).relativeFilePath(entry);
        if (it.fileInfo().isDir())
            entries.insert(relative + QLatin1Char('/'), QByteArray());
        else
            entries.insert(relative, readFile(entry));
    }
    return entries;
}

QString TestHome::differences(const QMap<QString, QByteArray> &before, const QMap<QString, QByteArray> &after)
{
    QStringList lines;
    for (auto it = before.begin(); it != before.end(); ++it) {
        if (!after.contains(it.key()))
            lines.append(QStringLiteral("gone: ") + it.key());
        else if (after.value(it.key()) != it.value())
            lines.append(QStringLiteral("changed: ") + it.key());
    }
    for (auto it = after.begin(); it != after.end(); ++it) {
        if (!before.contains(it.key()))
            lines.append(QStringLiteral("new: ") + it.key());
    }
    return lines.join(QLatin1Char('\n'));
}

bool TestHome::writeFile(const QString &path, const QByteArray &contents)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

QByteArray TestHome::readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<QJsonObject> TestHome::readJsonLines(const QString &path)
{
    QList<QJsonObject> list;
    for (const QByteArray &line : readFile(path).split('\n')) {
        if (!line.isEmpty())
            list.append(QJsonDocument::fromJson(line).object());
    }
    return list;
}
