#include "diag/diagnostics.h"

#include "app/deploymentconfig.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "diag/processwrapper.h"
#include "net/taskwrapper.h"
#include "patch/sevenzip.h"
#include "platform/systemreport.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

namespace {

constexpr int PollIntervalMs = 100;

const QStringList LookedUpRoles = {
    QStringLiteral("W-home"),   QStringLiteral("W-intl"),    QStringLiteral("W-r1"),
    QStringLiteral("W-r2"),     QStringLiteral("W-r3"),      QStringLiteral("W-r4"),
    QStringLiteral("API-home"), QStringLiteral("API2-home"), QStringLiteral("API3-home"),
    QStringLiteral("API-intl"), QStringLiteral("CDN-a"),     QStringLiteral("CDN-b"),
    QStringLiteral("CDN-c")};
const QStringList PingedRoles = {QStringLiteral("W-home"), QStringLiteral("API-home"),
                                 QStringLiteral("CDN-a"), QStringLiteral("CDN-b"), QStringLiteral("CDN-c")};
constexpr int GameServerCount = 5;

QString playerLogin()
{
    QFile file(Paths::gameSessionDataPath());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        return QString();
    return document.object().value(QStringLiteral("login")).toString();
}

// The game servers from the last (S5) to the first (S1).
QStringList serversLastFirst()
{
    const QStringList servers = DeploymentConfig::instance().gameServers();
    QStringList result;
    for (int i = GameServerCount - 1; i >= 0; --i)
        result.append(servers.value(i));
    return result;
}

QByteArray cutOffNote(int limitMs)
{
    return "*** cut off: still running after " + QByteArray::number(limitMs / 1000) + " s";
}

QByteArray netlogEntry(const ProcessWrapper &process, bool cutOff, int limitMs)
{
    QByteArray entry = QByteArrayLiteral(">>> ") + process.command().toUtf8() + "\n\n" + process.output();
    if (cutOff)
        entry += "\n" + cutOffNote(limitMs) + "\n";
    return entry + "\n\n";
}

} // namespace

void Diagnostics::PackingProgress::progress(qint64 total, qint64 completed)
{
    emit m_owner->progress(static_cast<int>(completed), static_cast<int>(total), m_owner->m_step.load(),
                           QString());
}

Diagnostics::Diagnostics(QObject *parent) : QObject(parent) {}

Diagnostics::~Diagnostics()
{
    stop();
}

void Diagnostics::start()
{
    emit started();
    stop();
    m_aborted = false;
    m_worker = TaskWrapper::launch([this] { run(); });
}

void Diagnostics::stop()
{
    m_aborted = true;
    m_step = Idle;
    if (m_worker) {
        if (!m_worker->cancel())
            m_worker->wait();
        m_worker.reset();
    }
}

QString Diagnostics::archiveName()
{
    QStringList pieces{QStringLiteral("GD7EN")};
    const QString login = playerLogin();
    if (!login.isEmpty())
        pieces.append(login);
    if (gameProduct.version.isValid())
        pieces.append(QString::number(gameProduct.version.build));
    pieces.append(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddhhmmss")));
    return pieces.join(QLatin1Char('_')) + QStringLiteral(".7z");
}

QString Diagnostics::traceTool() const
{
    if (!m_options.traceTool.isEmpty())
        return m_options.traceTool;
    const QString systemTool = QStandardPaths::findExecutable(QStringLiteral("mtr"));
    return systemTool.isEmpty() ? Paths::traceToolPath() : systemTool;
}

QStringList Diagnostics::networkCommands() const
{
    const DeploymentConfig &config = DeploymentConfig::instance();
    const QString server =
        m_options.nameServer.isEmpty() ? QString() : QLatin1Char(' ') + m_options.nameServer;
    const QString ping = platform::pingCommand(m_options.pingCount);
    QStringList commands;
    for (const QString &role : LookedUpRoles)
        commands.append(QStringLiteral("nslookup ") + config.diagnosticsHost(role) + server);
    for (const QString &role : PingedRoles)
        commands.append(ping + config.diagnosticsHost(role));
    const QStringList servers = serversLastFirst();
    for (const QString &address : servers)
        commands.append(ping + address);
    // Report mode with numeric hops: the trace itself asks no name server.
    for (const QString &address : servers)
        commands.append(
            QStringLiteral("\"%1\" -c %2 -r -n %3").arg(traceTool()).arg(m_options.traceCycles).arg(address));
    return commands;
}

bool Diagnostics::stopRequested()
{
    if (!m_aborted.load())
        return false;
    m_step = Idle;
    emit progress(1, 1, Idle, QString());
    emit ended(Stopped);
    return true;
}

void Diagnostics::run()
{
    QTemporaryDir temporary;
    if (!temporary.isValid()) {
        emit ended(NoTemporaryFolder);
        return;
    }
    const QString folder = temporary.path() + QLatin1Char('/');
    m_cutOffReports.clear();
    if (!copyLogs(folder))
        return;
    const QStringList reports = platform::systemReportCommands(folder + QStringLiteral("dxdiag.txt"),
                                                               folder + QStringLiteral("msinfo.txt"));
    if (!runBatch(SystemInformation, reports, QString()))
        return;
    if (!runBatch(NetworkTests, networkCommands(), folder + QStringLiteral("netlog.txt")))
        return;
    const int result = pack(folder);
    m_step = Finished;
    emit progress(1, 1, Finished, QString());
    emit ended(result);
}

bool Diagnostics::copyLogs(const QString &folder)
{
    const QStringList files{Paths::logPath(), Paths::previousLogPath(), Paths::gameLogPath(),
                            Paths::previousGameLogPath(), Paths::rawFolder(Paths::HostsFile)};
    m_step = CopyingLogs;
    emit progress(0, files.size(), CopyingLogs, QString());
    for (int k = 0; k < files.size(); ++k) {
        const QString &path = files.at(k);
        if (QFileInfo::exists(path))
            QFile::copy(path, folder + path.mid(path.lastIndexOf(QLatin1Char('/')) + 1));
        emit progress(k + 1, files.size(), CopyingLogs, QString());
        if (stopRequested())
            return false;
    }
    return true;
}

bool Diagnostics::runBatch(int stepCode, const QStringList &commands, const QString &outputPath)
{
    m_step = stepCode;
    emit progress(0, 0, stepCode, QString());
    QList<std::shared_ptr<ProcessWrapper>> batch;
    {
        QMutexLocker lock(&m_processesMutex);
        for (const QString &command : commands) {
            auto process = std::make_shared<ProcessWrapper>(command, true);
            process->start();
            m_processes.append(process);
            batch.append(process);
        }
    }
    const auto handOver = [&batch, this] {
        for (const auto &process : batch)
            process->handOver(thread());
    };
    QElapsedTimer clock;
    clock.start();
    QList<bool> cutOff;
    for (;;) {
        // Every process is read on every pass, so that none stalls on a full output pipe.
        bool running = false;
        for (const auto &process : batch)
            running = !process->poll() || running;
        if (!running)
            break;
        QThread::msleep(PollIntervalMs);
        if (stopRequested()) {
            handOver();
            return false;
        }
        if (clock.elapsed() > m_options.batchTimeLimitMs) {
            for (const auto &process : batch) {
                cutOff.append(!process->poll());
                process->kill();
            }
            break;
        }
    }
    handOver();
    if (outputPath.isEmpty()) {
        // Reports that write their own files name their overruns in the network log, written later.
        for (int i = 0; i < batch.size(); ++i) {
            if (cutOff.value(i))
                m_cutOffReports.append(batch.at(i)->command());
        }
        return true;
    }
    QFile log(outputPath);
    if (!log.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return true;
    for (int i = 0; i < batch.size(); ++i)
        log.write(netlogEntry(*batch.at(i), cutOff.value(i), m_options.batchTimeLimitMs));
    for (const QString &command : qAsConst(m_cutOffReports))
        log.write(cutOffNote(m_options.batchTimeLimitMs) + ": " + command.toUtf8() + "\n");
    return true;
}

QString Diagnostics::archiveFolder()
{
    const QStringList desktops = QStandardPaths::standardLocations(QStandardPaths::DesktopLocation);
    return desktops.isEmpty() ? QString() : desktops.first() + QLatin1Char('/');
}

int Diagnostics::pack(const QString &folder)
{
    m_step = Packing;
    emit progress(0, 0, Packing, QString());
    const QString destination = archiveFolder();
    if (!destination.isEmpty())
        Paths::makePath(destination);
    m_archivePath = destination + archiveName();
    PackingProgress packingProgress(this);
    return sevenZipPack(m_archivePath, folder, destination, &packingProgress) ? Written : Stopped;
}
