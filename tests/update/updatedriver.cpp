#include "tests/update/updatedriver.h"

#include "app/productinfo.h"
#include "update/autoupdate.h"

#include <QEventLoop>
#include <QTimer>

UpdateDriver::UpdateDriver(const QString &settingsPath) : m_settingsPath(settingsPath)
{
    m_settings.load(settingsPath);
    AutoUpdate *update = AutoUpdate::instance();
    connect(
        update, &AutoUpdate::updateStart, this, [this] { ++starts; }, Qt::QueuedConnection);
    connect(
        update, &AutoUpdate::updateEnded, this,
        [this](const UpdateResult &result) { results.append(result); }, Qt::QueuedConnection);
    connect(
        update, &AutoUpdate::updateFinish, this, [this](int code) { finished.append(code); },
        Qt::QueuedConnection);
    connect(update, &AutoUpdate::updateContentInstalled, this, &UpdateDriver::onContentInstalled,
            Qt::QueuedConnection);
    connect(
        update, &AutoUpdate::exitAppToUpdate, this, [this] { ++exits; }, Qt::QueuedConnection);
    connect(
        update, &AutoUpdate::updateProgress, this,
        [this](QString message, int action, float value, qlonglong total, qlonglong current, qlonglong rate) {
            progress.append(Progress{message, action, value, total, current, rate});
        },
        Qt::QueuedConnection);
    connect(
        update, &AutoUpdate::progressReported, this,
        [this](const UpdateProgress &report) { reports.append(report); }, Qt::QueuedConnection);
}

int UpdateDriver::run(const QList<QUrl> &mirrors, int timeoutMs)
{
    const int before = finished.size();
    AutoUpdate *update = AutoUpdate::instance();
    // Woken by the finish itself, as the window is, and after the handler above has noted it:
    // queued calls run in the order they were connected.
    QEventLoop loop;
    connect(update, &AutoUpdate::updateFinish, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (!update->check(mirrors, AutoUpdate::Mode::Update))
        return -1;
    update->startProgressTimer();
    loop.exec();
    update->stopProgressTimer();
    return finished.size() > before ? finished.last() : -1;
}

void UpdateDriver::onContentInstalled(const QString &productId, const QString &contentId)
{
    installed.append(contentId);
    ProductUpdateInfo game;
    if (productId != gameProduct.productId || !AutoUpdate::instance()->gameProductInfo(game))
        return;
    for (const UpdateContent &content : game.contents()) {
        if (content.id() != contentId)
            continue;
        m_settings.setValue(installedVersionKey(productId), formatVersion(content.versionTo()));
        m_settings.save(m_settingsPath);
        gameProduct.version = content.versionTo();
    }
}
