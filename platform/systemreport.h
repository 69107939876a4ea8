#pragma once

#include <QString>
#include <QStringList>

// The system's own tools that describe the machine for the support team, as command lines for
// QProcess (program and arguments split by its rules). Each command writes its report file itself.
namespace platform {

// Graphics (adapters, drivers, the display session) into graphicsReport, then the rest of the
// system (operating system, processors, memory, disks, locale) into systemReport.
QStringList systemReportCommands(const QString &graphicsReport, const QString &systemReport);

// The system's ping sending count echo requests, followed by a blank: the host comes next.
QString pingCommand(int count);

} // namespace platform
