#pragma once

#include <QByteArray>

class QJsonObject;

// Parses data as a JSON document into out (an empty object when the document is not an
// object). A parse error is logged and answered false, with out untouched.
bool decodeJsonObject(const QByteArray &data, QJsonObject *out);
