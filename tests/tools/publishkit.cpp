#include "publishkit.h"

#include "patch/filesha1.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>

PublishRun runPublish(const QStringList &args, const QString &searchPath)
{
    QProcess process;
    if (!searchPath.isNull()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PATH"), searchPath);
        process.setProcessEnvironment(environment);
    }
    process.start(QStringLiteral(GD7_PUBLISH_EXE), args);
    PublishRun run;
    if (!process.waitForFinished(180000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = static_cast<char>(generator.bounded(256));
    return bytes;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool writeBigFile(const QString &path, int blocks, quint32 seed)
{
    const QByteArray block = randomBytes(1 << 16, seed);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (int i = 0; i < blocks; ++i) {
        const int shift = (i * 4099) % block.size();
        if (file.write(block.mid(shift) + block.left(shift)) != block.size())
            return false;
    }
    return true;
}

QMap<QString, QString> folderDigests(const QString &folder)
{
    QMap<QString, QString> digests;
    const QDir root(folder);
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        digests.insert(root.relativeFilePath(path), fileSha1(path));
    }
    return digests;
}

bool copyFolder(const QString &source, const QString &target)
{
    const QDir root(source);
    QDirIterator it(source, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString copy = target + QLatin1Char('/') + root.relativeFilePath(path);
        if (!QDir().mkpath(QFileInfo(copy).path()) || !QFile::copy(path, copy))
            return false;
    }
    return true;
}
