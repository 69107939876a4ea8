#include "update/formatting.h"

#include "app/tr.h"

namespace {

struct Units
{
    const char *giga;
    const char *mega;
    const char *kilo;
    const char *bytes;
};

QString withUnit(const QString &number, const char *unitKey)
{
    return QStringLiteral("%0 %1").arg(number).arg(TR::tr(unitKey));
}

// Each step is taken only above one whole unit, so exactly 1 GiB reads as 1024.0 MB.
QString format(qint64 value, const Units &units)
{
    const float giga = value / float(1 << 30);
    if (giga > 1)
        return withUnit(QString::number(giga, 'f', 2), units.giga);
    const float mega = value / float(1 << 20);
    if (mega > 1)
        return withUnit(QString::number(mega, 'f', 1), units.mega);
    const float kilo = value / float(1 << 10);
    if (kilo > 1)
        return withUnit(QString::number(kilo, 'f', 0), units.kilo);
    return withUnit(QString::number(value), units.bytes);
}

} // namespace

QString formatSize(qint64 bytes)
{
    return format(bytes, {"SizeGB", "SizeMB", "SizeKB", "SizeB"});
}

QString formatRate(qint64 bytesPerSecond)
{
    return format(bytesPerSecond, {"RateGB", "RateMB", "RateKB", "RateB"});
}

QString progressText(UpdateProgress::Action action)
{
    switch (action) {
    case UpdateProgress::Action::CheckingUpdates:
        return TR::tr("ProgressUpdateCheck");
    case UpdateProgress::Action::CheckingFiles:
        return TR::tr("ProgressCheckingFiles");
    case UpdateProgress::Action::Downloading:
        return TR::tr("ProgressDownloading");
    case UpdateProgress::Action::Unpacking:
        return TR::tr("ProgressUnpacking");
    case UpdateProgress::Action::Installing:
        return TR::tr("ProgressInstalling");
    case UpdateProgress::Action::None:
        break;
    }
    return QString();
}
