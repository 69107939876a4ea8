#include "platform/keyfile_linux.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {

void KeyFile::setValue(const QString &key, const QString &value)
{
    for (auto &entry : m_entries) {
        if (entry.first == key) {
            entry.second = value;
            return;
        }
    }
    m_entries.append({key, value});
}

QString KeyFile::value(const QString &key) const
{
    for (const auto &entry : m_entries) {
        if (entry.first == key)
            return entry.second;
    }
    return QString();
}

QByteArray KeyFile::toUtf8() const
{
    QString text = QLatin1Char('[') + m_group + QStringLiteral("]\n");
    for (const auto &entry : m_entries)
        text += entry.first + QLatin1Char('=') + escape(entry.second) + QLatin1Char('\n');
    return text.toUtf8();
}

bool KeyFile::parse(const QByteArray &text)
{
    m_group.clear();
    m_entries.clear();
    bool inGroup = false;
    for (const QString &line : QString::fromUtf8(text).split(QLatin1Char('\n'))) {
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            if (inGroup)
                break;
            m_group = line.mid(1, line.size() - 2);
            inGroup = true;
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (!inGroup || equals <= 0)
            return false;
        setValue(line.left(equals).trimmed(), unescape(line.mid(equals + 1)));
    }
    return inGroup;
}

bool KeyFile::save(const QString &path, QFileDevice::Permissions permissions) const
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = toUtf8();
    return file.write(bytes) == bytes.size() && file.setPermissions(permissions) && file.commit();
}

bool KeyFile::load(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && parse(file.readAll());
}

QString KeyFile::escape(const QString &value)
{
    QString escaped;
    escaped.reserve(value.size());
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == QLatin1Char('\\'))
            escaped += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            escaped += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            escaped += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r'))
            escaped += QStringLiteral("\\r");
        else if (c == QLatin1Char(' ') && i == 0)
            escaped += QStringLiteral("\\s");
        else
            escaped += c;
    }
    return escaped;
}

QString KeyFile::unescape(const QString &value)
{
    QString plain;
    plain.reserve(value.size());
    for (int i = 0; i < value.size(); ++i) {
        if (value[i] != QLatin1Char('\\') || i + 1 == value.size()) {
            plain += value[i];
            continue;
        }
        const QChar next = value[++i];
        if (next == QLatin1Char('s'))
            plain += QLatin1Char(' ');
        else if (next == QLatin1Char('n'))
            plain += QLatin1Char('\n');
        else if (next == QLatin1Char('t'))
            plain += QLatin1Char('\t');
        else if (next == QLatin1Char('r'))
            plain += QLatin1Char('\r');
        else
            plain += next;
    }
    return plain;
}

} // namespace platform
