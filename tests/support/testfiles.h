#pragma once

#include <QByteArray>
#include <QString>

// Files the tests write and read back.
namespace testfiles {

// Writes data to path, making its folder first; false when it could not be written whole.
bool write(const QString &path, const QByteArray &data);
// The file's bytes, or "<missing>" when it cannot be read, so a comparison shows why it failed.
QByteArray read(const QString &path);

} // namespace testfiles
