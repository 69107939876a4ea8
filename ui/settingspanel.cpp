#include "ui/settingspanel.h"

#include "app/deploymentconfig.h"
#include "app/languagemanager.h"
#include "app/logger.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "app/programsettings.h"
#include "app/tr.h"
#include "net/speedlimit.h"
#include "ui/checkdialog.h"
#include "ui/diagdialog.h"
#include "ui/linklabel.h"
#include "ui/panelcontent.h"
#include "ui/proxydialog.h"
#include "ui/settingsback.h"
#include "ui/settingsbutton.h"
#include "ui/settingscombobox.h"
#include "ui/settingslabel.h"
#include "ui/social.h"
#include "ui/styledmessagebox.h"
#include "update/autoupdate.h"
#include "update/formatting.h"

#include <QDesktopServices>
#include <QEvent>
#include <QListView>
#include <QLocale>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr float ColumnShare = 0.3f;

const QString EulaLink = QStringLiteral("eula");
const QString PrivacyLink = QStringLiteral("privacy");
const QString RulesLink = QStringLiteral("rules");

constexpr qint64 MiB = 1024 * 1024;
const QList<qint64> SpeedSteps = {0, 1 * MiB, 2 * MiB, 5 * MiB, 10 * MiB, 20 * MiB, 50 * MiB};

SettingsCombobox *makeList(QWidget *parent)
{
    auto *list = new SettingsCombobox(parent);
    list->setView(new QListView(list));
    return list;
}

} // namespace

SettingsPanel::SettingsPanel(QWidget *anchor, bool withLanguage, IProgramSettings *settings, QWidget *parent)
    : Panel(anchor, ColumnShare, parent), m_settings(settings), m_back(new SettingsBack(content())),
      m_downloadLabel(new SettingsLabel), m_downloadModes(makeList(nullptr)), m_speedLabel(new SettingsLabel),
      m_speeds(makeList(nullptr)), m_troubleshootingLabel(new SettingsLabel), m_check(new SettingsButton),
      m_diagnostics(new SettingsButton), m_proxy(new SettingsButton), m_eula(new LinkLabel(EulaLink)),
      m_privacy(new LinkLabel(PrivacyLink)), m_rules(new LinkLabel(RulesLink)), m_buildVersion(new QLabel),
      m_proxyDialog(new ProxyDialog(settings, this))
{
    m_back->setObjectName(QStringLiteral("back"));
    m_back->setCursor(Qt::PointingHandCursor);
    contentLayout()->addWidget(m_back);
    connect(m_back, &QPushButton::clicked, this, &SettingsPanel::toggle);

    auto *inner = new QWidget(content());
    auto *column = new QVBoxLayout(inner);
    column->setContentsMargins(20, 0, 20, 20);
    column->setSpacing(10);
    column->addSpacing(20);
    if (withLanguage) {
        auto *group = new QWidget(inner);
        auto *groupLayout = new QVBoxLayout(group);
        groupLayout->setContentsMargins(0, 0, 0, 0);
        groupLayout->setSpacing(10);
        m_languageLabel = new SettingsLabel(group);
        m_languages = makeList(group);
        m_languages->setObjectName(QStringLiteral("language"));
        m_languages->setCursor(Qt::PointingHandCursor);
        groupLayout->addWidget(m_languageLabel);
        groupLayout->addWidget(m_languages);
        column->addWidget(group);
    }
    m_downloadModes->setObjectName(QStringLiteral("download_method"));
    m_downloadModes->setCursor(Qt::PointingHandCursor);
    column->addWidget(m_downloadLabel);
    column->addWidget(m_downloadModes);
    m_speeds->setObjectName(QStringLiteral("download_speed"));
    m_speeds->setCursor(Qt::PointingHandCursor);
    column->addWidget(m_speedLabel);
    column->addWidget(m_speeds);
    column->addSpacing(20);
    column->addWidget(m_troubleshootingLabel);
    m_check->setObjectName(QStringLiteral("check_files"));
    m_diagnostics->setObjectName(QStringLiteral("diagnostics"));
    m_proxy->setObjectName(QStringLiteral("proxy"));
    for (SettingsButton *button : {m_check, m_diagnostics, m_proxy}) {
        button->setCursor(Qt::PointingHandCursor);
        column->addWidget(button);
    }
    column->addStretch(1);
    auto *bottom = new QVBoxLayout;
    bottom->setContentsMargins(0, 0, 0, 0);
    bottom->setSpacing(5);
    for (LinkLabel *link : {m_eula, m_privacy, m_rules}) {
        link->setAlignment(Qt::AlignCenter);
        bottom->addWidget(link);
        connect(link, &LinkLabel::onClick, this, &SettingsPanel::_onOpenExternalLink);
    }
    bottom->addSpacing(10);
    m_buildVersion->setObjectName(QStringLiteral("build_version"));
    m_buildVersion->setAlignment(Qt::AlignCenter);
    m_buildVersion->setText(QStringLiteral("GD7Launcher ") + formatVersion(launcherProduct.version));
    bottom->addWidget(m_buildVersion);
    column->addLayout(bottom);
    contentLayout()->addWidget(inner, 1);

    connect(m_check, &QPushButton::clicked, this, &SettingsPanel::_onCheckGameFiles);
    connect(m_diagnostics, &QPushButton::clicked, this, &SettingsPanel::_onRunDiag);
    connect(m_proxy, &QPushButton::clicked, this, &SettingsPanel::_onProxySettings);
    m_proxyDialog->load(false);
    _updateDownloadModeMenu();
    linkLabels();
    retranslate();
}

// Each list is named by the label above it, and Tab walks the column from top to bottom.
void SettingsPanel::linkLabels()
{
    if (m_languageLabel)
        m_languageLabel->setBuddy(m_languages);
    m_downloadLabel->setBuddy(m_downloadModes);
    m_speedLabel->setBuddy(m_speeds);
    QList<QWidget *> order{m_back};
    if (m_languages)
        order << m_languages;
    order << m_downloadModes << m_speeds << m_check << m_diagnostics << m_proxy << m_eula << m_privacy
          << m_rules;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

QStringList SettingsPanel::orderedLanguages(const QStringList &available, const QString &systemDefault,
                                            const QStringList &supported)
{
    QStringList codes = available;
    codes.removeOne(systemDefault.section(QLatin1Char('_'), 0, 0));
    codes.removeOne(systemDefault);
    if (supported.contains(systemDefault))
        codes.prepend(systemDefault);
    return codes;
}

QString SettingsPanel::languageName(const QString &code)
{
    if (code == QLatin1String("en_US") || code == QLatin1String("en"))
        return QStringLiteral("English");
    QString name = QLocale(code).nativeLanguageName();
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

QUrl SettingsPanel::documentUrl(const QString &webSite, const QString &link)
{
    if (link != EulaLink && link != PrivacyLink && link != RulesLink)
        return QUrl();
    const QUrl url(webSite + QLatin1Char('/') + link);
    // Only pages on the web: a site configured with another scheme opens nothing.
    return Social::isOpenable(url) ? url : QUrl();
}

QList<qint64> SettingsPanel::speedChoices(qint64 stored)
{
    QList<qint64> choices = SpeedSteps;
    if (!choices.contains(stored))
        choices.insert(std::upper_bound(choices.begin(), choices.end(), stored), stored);
    return choices;
}

QString SettingsPanel::speedText(qint64 bytesPerSecond)
{
    if (bytesPerSecond <= 0)
        return TR::tr("Unlimited");
    if (bytesPerSecond % MiB == 0)
        return QStringLiteral("%0 %1").arg(bytesPerSecond / MiB).arg(TR::tr("RateMB"));
    return formatRate(bytesPerSecond);
}

void SettingsPanel::toggle()
{
    if (isHidden())
        setTroubleshootingEnabled(m_hasGame && !AutoUpdate::instance()->isRunning());
    Panel::toggle();
}

void SettingsPanel::setHasGame(bool has)
{
    m_hasGame = has;
    setTroubleshootingEnabled(has);
}

void SettingsPanel::setTroubleshootingEnabled(bool enabled)
{
    m_check->setEnabled(enabled);
    m_diagnostics->setEnabled(enabled);
}

void SettingsPanel::saveSettings()
{
    m_settings->save(Paths::settingsPath());
}

void SettingsPanel::_onOpenExternalLink(QString link)
{
    const QUrl url = documentUrl(DeploymentConfig::instance().webSiteUrl(), link);
    if (url.isEmpty()) {
        Logger::instance().crit(QStringLiteral("refused to open document link ") + link);
        return;
    }
    QDesktopServices::openUrl(url);
}

void SettingsPanel::_onLanguageSet(int index)
{
    const QString code = m_languages->itemData(index).toString();
    if (code.isEmpty())
        return;
    LanguageManager::instance().setLanguage(code);
    m_settings->setValue(SettingsKey::UiLanguage, LanguageManager::instance().currentLanguage());
    saveSettings();
}

void SettingsPanel::_updateLanguageMenu()
{
    if (!m_languages)
        return;
    disconnect(m_languages, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
               &SettingsPanel::_onLanguageSet);
    m_languages->clear();
    const LanguageManager &languages = LanguageManager::instance();
    const QString current = languages.currentLanguage();
    for (const QString &code : orderedLanguages(languages.availableLanguages(), languages.defaultLanguage(),
                                                LanguageManager::supportedLanguages())) {
        m_languages->addItem(languageName(code), code);
        if (code == current)
            m_languages->setCurrentIndex(m_languages->count() - 1);
    }
    // A language players cannot choose (kept from an older setting, say) is still the one in use:
    // the list shows it rather than pretending the first entry is.
    if (m_languages->findData(current) < 0) {
        m_languages->insertItem(0, languageName(current), current);
        m_languages->setCurrentIndex(0);
    }
    connect(m_languages, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &SettingsPanel::_onLanguageSet);
}

void SettingsPanel::_onCheckGameFiles()
{
    auto *dialog = new CheckDialog(AutoUpdate::instance()->updateInfo(), this);
    connect(dialog, &CheckDialog::updateContentInstalled, this, &SettingsPanel::updateContentInstalled);
    connect(dialog, &CheckDialog::reinstallGame, this, &SettingsPanel::reinstallGame);
    dialog->exec();
    dialog->deleteLater();
}

void SettingsPanel::_onRunDiag()
{
    auto *dialog = new DiagDialog(this);
    dialog->exec();
    dialog->deleteLater();
}

void SettingsPanel::_onProxySettings()
{
    m_proxyDialog->load(false);
    m_proxyDialog->exec();
}

void SettingsPanel::_updateDownloadModeMenu()
{
    disconnect(m_downloadModes, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
               &SettingsPanel::_onDownloadModeSet);
    m_downloadModes->clear();
    m_downloadModes->addItem(QStringLiteral("Torrents + Http"));
    m_downloadModes->addItem(QStringLiteral("Http"));
    const QVariant stored = m_settings->value(SettingsKey::UseTorrents);
    m_downloadModes->setCurrentIndex(!stored.isValid() || stored.toBool() ? 0 : 1);
    connect(m_downloadModes, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &SettingsPanel::_onDownloadModeSet);
}

void SettingsPanel::_onDownloadModeSet(int index)
{
    const bool useTorrents = index == 0;
    AutoUpdate *update = AutoUpdate::instance();
    update->setUseTorrents(useTorrents);
    m_settings->setValue(SettingsKey::UseTorrents, useTorrents);
    saveSettings();
    if (update->isRunning())
        showMessage(this, TR::tr("ProductName"), TR::tr("InfoSettingsNeedRestart"));
}

void SettingsPanel::_updateDownloadSpeedMenu()
{
    disconnect(m_speeds, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
               &SettingsPanel::_onDownloadSpeedSet);
    m_speeds->clear();
    const qint64 stored = SpeedLimit::load(m_settings);
    for (qint64 choice : speedChoices(stored)) {
        m_speeds->addItem(speedText(choice), choice);
        if (choice == stored)
            m_speeds->setCurrentIndex(m_speeds->count() - 1);
    }
    connect(m_speeds, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &SettingsPanel::_onDownloadSpeedSet);
}

// Applied at once: downloads under way follow the new limit.
void SettingsPanel::_onDownloadSpeedSet(int index)
{
    const qint64 limit = m_speeds->itemData(index).toLongLong();
    SpeedLimit::store(m_settings, limit);
    saveSettings();
    SpeedLimit::instance().setBytesPerSecond(limit);
}

void SettingsPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    Panel::changeEvent(event);
}

void SettingsPanel::retranslate()
{
    m_back->setText(QStringLiteral("<  ") + TR::tr("Back"));
    m_back->setAccessibleName(TR::tr("Back"));
    if (m_languageLabel) {
        m_languageLabel->setText(TR::tr("MenuLanguage"));
        _updateLanguageMenu();
    }
    m_troubleshootingLabel->setText(TR::tr("Troubleshooting"));
    m_check->setText(TR::tr("CheckGameFiles") + QStringLiteral("..."));
    m_diagnostics->setText(TR::tr("RunDiagnostics"));
    m_proxy->setText(TR::tr("MenuProxy"));
    m_downloadLabel->setText(TR::tr("DownloadMethod"));
    m_speedLabel->setText(TR::tr("DownloadSpeed"));
    _updateDownloadSpeedMenu();
    m_eula->setText(TR::tr("LinkEula"));
    m_privacy->setText(TR::tr("LinkPrivacy"));
    m_rules->setText(TR::tr("LinkRules"));
}
