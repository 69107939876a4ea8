#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QUrl>

// Read-only view over one JSON object of a manifest or patch description. A member of the
// wrong JSON type reads as an empty value, so a malformed document degrades to "nothing there"
// instead of failing half-way through.
class JsonWrapper
{
public:
    JsonWrapper() = default;
    explicit JsonWrapper(const QJsonObject &json) : m_json(json) {}
    virtual ~JsonWrapper() = default;

    virtual bool isValid() const { return !m_json.isEmpty(); }

    bool setJson(const QJsonObject &json);
    const QJsonObject &json() const { return m_json; }

    QString string(const QString &key) const;
    // A JSON number or a numeric string; 0 for anything else, including numbers that do not
    // fit a 64-bit integer.
    qint64 integer64(const QString &key) const;
    // An array of URL strings, each read in tolerant mode; empty when the member is not an array.
    QList<QUrl> urlList(const QString &key) const;

private:
    QJsonObject m_json;
};
