#pragma once

#include <QJsonObject>
#include <QString>

// Read-only view over one JSON object of a patch package's description. It offers what the
// manifest's JSON records offer (isValid, setJson, string, integer64), so that the two can share one
// base.
class PatchRecord
{
public:
    virtual ~PatchRecord() = default;
    virtual bool isValid() const { return !m_json.isEmpty(); }

    bool setJson(const QJsonObject &json);
    // The member when it is a JSON string, else an empty string.
    QString string(const QString &key) const;
    // The member when it is a JSON number or a numeric string, else 0.
    qint64 integer64(const QString &key) const;

protected:
    const QJsonObject &json() const { return m_json; }

private:
    QJsonObject m_json;
};
