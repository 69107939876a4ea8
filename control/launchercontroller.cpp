#include "control/launchercontroller.h"

#include "app/languagemanager.h"
#include "app/logger.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "app/programsettings.h"
#include "platform/gameexecutable.h"
#include "update/autoupdate.h"

#include <QDir>
#include <QThreadPool>

namespace {

const QString GameProductId = QStringLiteral("gd7");

// Only a web address may replace the mirrors; anything else would make every check fail.
QList<QUrl> configuredMirrors(const IProgramSettings &settings)
{
    const QUrl url(settings.value(SettingsKey::UpdateUrl).toString(), QUrl::TolerantMode);
    const bool web = url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
    if (url.isValid() && web && !url.host().isEmpty())
        return {url};
    return {};
}

} // namespace

LauncherController::LauncherController(IProgramSettings *settings, QObject *parent)
    : QObject(parent), m_settings(settings)
{
    AutoUpdate *update = AutoUpdate::instance();
    connect(update, &AutoUpdate::progressReported, this, &LauncherController::progressChanged,
            Qt::QueuedConnection);
    connect(update, &AutoUpdate::updateEnded, this, &LauncherController::onUpdateEnded, Qt::QueuedConnection);
    connect(update, &AutoUpdate::updateContentInstalled, this, &LauncherController::recordInstalled,
            Qt::QueuedConnection);
    connect(update, &AutoUpdate::exitAppToUpdate, this, &LauncherController::selfUpdateHandedOver,
            Qt::QueuedConnection);
}

bool LauncherController::agreementAccepted() const
{
    return m_settings->value(SettingsKey::EulaAccepted).toInt() == EulaAcceptedValue;
}

bool LauncherController::acceptAgreement()
{
    m_settings->setValue(SettingsKey::EulaAccepted, EulaAcceptedValue);
    saveSettings();
    return agreementAccepted();
}

void LauncherController::startUpdate()
{
    emit updateStarted();
    AutoUpdate *update = AutoUpdate::instance();
    update->setSettings(m_settings);
    const QVariant useTorrents = m_settings->value(SettingsKey::UseTorrents);
    if (useTorrents.isValid())
        update->setUseTorrents(useTorrents.toBool());
    update->check(configuredMirrors(*m_settings), AutoUpdate::Mode::Update);
    update->startProgressTimer();
}

bool LauncherController::isUpdating() const
{
    return AutoUpdate::instance()->isRunning();
}

bool LauncherController::canPause() const
{
    return AutoUpdate::instance()->hasTorrents();
}

void LauncherController::pauseDownload()
{
    AutoUpdate::instance()->pauseTorrents();
}

void LauncherController::resumeDownload()
{
    AutoUpdate::instance()->resumeTorrents();
}

LauncherController::Offer LauncherController::offerFor(int code)
{
    using Code = UpdateResult::Code;
    // Compared unsigned, so a negative code counts as a failure and not as "updated".
    if (unsigned(code) <= unsigned(Code::UpToDate))
        return Offer::Play;
    if (code > int(Code::Unknown))
        return Offer::RetryOrExit;
    switch (Code(code)) {
    case Code::InfoQueryFailed:
    case Code::InfoNotValid:
    case Code::InfoNotFound:
    case Code::ContentNotFound:
    case Code::DownloadFailed:
    case Code::Unknown:
        return Offer::RetryExitOrDiagnostics;
    case Code::PatchFailed:
        return Offer::RetryExitOrCheckFiles;
    case Code::UnpackFailed:
    case Code::FailedToStart:
    case Code::Updated:
    case Code::UpToDate:
        break;
    }
    return Offer::RetryOrExit;
}

Version LauncherController::offeredVersion() const
{
    ProductUpdateInfo game;
    return AutoUpdate::instance()->gameProductInfo(game) ? game.version() : Version();
}

UpdateInfo LauncherController::manifest() const
{
    return AutoUpdate::instance()->updateInfo();
}

qint64 LauncherController::gameSize(qint64 fallback) const
{
    ProductUpdateInfo game;
    return AutoUpdate::instance()->gameProductInfo(game) ? game.size() : fallback;
}

void LauncherController::recordInstalled(const QString &productId, const QString &contentId)
{
    ProductUpdateInfo product;
    if (productId != GameProductId || !AutoUpdate::instance()->gameProductInfo(product))
        return;
    for (const UpdateContent &content : product.contents()) {
        if (content.id() != contentId)
            continue;
        gameProduct.version = content.versionTo();
        m_settings->setValue(installedVersionKey(GameProductId), formatVersion(gameProduct.version));
        saveSettings();
        emit installedVersionChanged();
        return;
    }
}

void LauncherController::reinstallGame()
{
    m_settings->setValue(installedVersionKey(GameProductId), QString());
    saveSettings();
    gameProduct = makeGameProduct(m_settings);
    emit installedVersionChanged();
    startUpdate();
}

bool LauncherController::startGame()
{
    const QString program =
        Paths::joinPath(QDir(Paths::gameFolder()).absolutePath(), platform::gameExecutableName());
    if (platform::startGame(program, gameArguments(LanguageManager::instance().currentLanguage())))
        return true;
    Logger::instance().crit(QStringLiteral("Failed to start game file: ") + program);
    return false;
}

QStringList LauncherController::gameArguments(const QString &language)
{
    QString locale = language;
    locale.replace(QLatin1Char('_'), QLatin1Char('-'));
    return {QStringLiteral("-region"), QStringLiteral("EN"), QStringLiteral("-locale"), locale};
}

void LauncherController::shutDown()
{
    QThreadPool::globalInstance()->clear();
    AutoUpdate::destroyInstance();
}

void LauncherController::onUpdateEnded(const UpdateResult &result)
{
    AutoUpdate::instance()->stopProgressTimer();
    emit updateFinished(result);
}

void LauncherController::saveSettings()
{
    // A failed write is logged by nobody else and changes nothing the player could act on.
    if (!m_settings->save(Paths::settingsPath()))
        Logger::instance().crit(QStringLiteral("Failed to save settings: ") + Paths::settingsPath());
}
