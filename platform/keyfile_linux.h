#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QPair>
#include <QString>
#include <QVector>

namespace platform {

// One group of "Key=Value" lines in the freedesktop key file syntax that desktop entries use,
// with its string escapes (\\, \n, \t, \r and a leading \s).
class KeyFile
{
public:
    explicit KeyFile(const QString &group = QString()) : m_group(group) {}

    QString group() const { return m_group; }
    void setValue(const QString &key, const QString &value);
    // Empty when the key is absent.
    QString value(const QString &key) const;

    QByteArray toUtf8() const;
    // Reads the first group; false for text that is no key file.
    bool parse(const QByteArray &text);

    // Writes the whole file in one step, so a reader never sees half of it.
    bool save(const QString &path, QFileDevice::Permissions permissions) const;
    bool load(const QString &path);

    static QString escape(const QString &value);
    static QString unescape(const QString &value);

private:
    QString m_group;
    QVector<QPair<QString, QString>> m_entries;
};

} // namespace platform
