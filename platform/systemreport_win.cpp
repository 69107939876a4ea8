#include "platform/systemreport.h"

#include <QDir>

namespace platform {
namespace {

// A report path as one argument of a QProcess command line.
QString quotedPath(const QString &path)
{
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

} // namespace

QStringList systemReportCommands(const QString &graphicsReport, const QString &systemReport)
{
    return {QStringLiteral("dxdiag /whql:off /t ") + quotedPath(graphicsReport),
            QStringLiteral("msinfo32 /Report ") + quotedPath(systemReport)};
}

QString pingCommand(int count)
{
    return QStringLiteral("ping -n %1 ").arg(count);
}

} // namespace platform
