#pragma once

#include <QString>

#include <functional>

// SHA-1 of a file as 40 lowercase hexadecimal digits, or an empty string when the file cannot be
// read. blockRead, when given, is told the length of every block read, for progress; returning
// false abandons the file (empty result).
QString fileSha1(const QString &path, const std::function<bool(qint64)> &blockRead = {});

// The same digest read in blocks of blockSize bytes, for callers that pause or stop between blocks:
// beforeBlock runs before each block is hashed, and returning false abandons the file (empty result).
QString fileSha1(const QString &path, qint64 blockSize, const std::function<bool()> &beforeBlock);
