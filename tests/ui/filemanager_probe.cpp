// A file manager stand-in on the session bus: owns org.freedesktop.FileManager1 and writes one
// JSON line per ShowItems call (the URIs and the start-up id) to the file named by its first
// argument. Prints "ready" once the name is owned.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QObject>
#include <QStringList>

#include <cstdio>

class FileManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    explicit FileManager(const QString &recordPath) : m_recordPath(recordPath) {}

public slots:
    void ShowItems(const QStringList &uris, const QString &startupId)
    {
        QJsonObject call;
        call.insert(QStringLiteral("method"), QStringLiteral("ShowItems"));
        call.insert(QStringLiteral("uris"), QJsonArray::fromStringList(uris));
        call.insert(QStringLiteral("startupId"), startupId);
        QFile file(m_recordPath);
        if (file.open(QIODevice::WriteOnly | QIODevice::Append))
            file.write(QJsonDocument(call).toJson(QJsonDocument::Compact) + '\n');
    }

private:
    QString m_recordPath;
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (app.arguments().size() < 2)
        return 2;
    FileManager manager(app.arguments().at(1));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &manager,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService(QStringLiteral("org.freedesktop.FileManager1")))
        return 3;
    std::puts("ready");
    std::fflush(stdout);
    return app.exec();
}

#include "filemanager_probe.moc"
