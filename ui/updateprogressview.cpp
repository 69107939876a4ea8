#include "ui/updateprogressview.h"

#include "app/tr.h"
#include "update/formatting.h"
#include "update/updateprogress.h"

#include <algorithm>

namespace {

using Action = UpdateProgress::Action;

QString percentText(const char *key, float progress, int precision)
{
    return TR::tr(key).arg(double(progress) * 100.0, 0, 'f', precision);
}

} // namespace

UpdateProgressView updateProgressView(const QString &message, int action, float progress, qint64 total,
                                      qint64 current, qint64 rate, bool hasTorrents)
{
    UpdateProgressView view;
    view.indeterminate = total < 1;
    if (!view.indeterminate)
        view.value = int(std::clamp(double(progress), 0.0, 1.0) * ProgressBarMaximum);

    const bool pausable = action == int(Action::CheckingFiles) || action == int(Action::Downloading);
    view.pauseVisible = pausable && hasTorrents;
    switch (action) {
    case int(Action::CheckingFiles):
    case int(Action::Downloading):
    case int(Action::Unpacking):
    case int(Action::Installing):
        view.setsTexts = true;
        break;
    default:
        return view;
    }
    if (view.indeterminate) {
        view.status = message;
        return view;
    }
    switch (action) {
    case int(Action::CheckingFiles):
        view.status = percentText("LauncherProgressCheck", progress, 0);
        break;
    case int(Action::Downloading):
        view.status = percentText("LauncherProgressDownload", progress, 1);
        view.detail = downloadDetail(current, total, rate);
        break;
    case int(Action::Unpacking):
        view.status = percentText("LauncherProgressUnpack", progress, 0);
        break;
    case int(Action::Installing):
        view.status = percentText("LauncherProgressInstall", progress, 0);
        break;
    }
    return view;
}

QString downloadDetail(qint64 current, qint64 total, qint64 rate)
{
    QString detail = formatSize(current) + QLatin1Char('/') + formatSize(total);
    if (rate > 0)
        detail += QStringLiteral(" (") + formatRate(rate) + QLatin1Char(')');
    return detail;
}
