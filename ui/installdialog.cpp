#include "ui/installdialog.h"

#include "app/jsonsettings.h"
#include "app/logger.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "app/tr.h"
#include "install/installworker.h"
#include "install/launchercopy.h"
#include "platform/installlocation.h"
#include "platform/processes.h"
#include "ui/basebutton.h"
#include "ui/installpathcheck.h"
#include "ui/styledmessagebox.h"
#include "ui/systembutton.h"
#include "ui/widgetblock.h"
#include "update/autoupdate.h"
#include "update/formatting.h"
#include "update/productupdateinfo.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const QString SettingsFileName = QStringLiteral("GD7Launcher.conf");

QLabel *namedLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

InstallDialog::InstallDialog(QWidget *parent)
    : StyledDialog(parent), m_size(new QLabel), m_path(namedLabel("wizard_label", nullptr)),
      m_error(namedLabel("wizard_label_error", nullptr)), m_select(new QPushButton), m_desktop(new QCheckBox),
      m_menu(new QCheckBox), m_install(new BaseButton(TR::tr("InstallDlgBtnInstall"), nullptr))
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(726, 452);
    foldButton()->hide();

    auto *side = namedLabel("wizard_side_small_en", this);
    auto *body = new QWidget;
    body->setObjectName(QStringLiteral("wizard_body"));
    auto *buttons = new QWidget;
    buttons->setObjectName(QStringLiteral("wizard_buttons"));
    auto *rightColumn = new QVBoxLayout;
    rightColumn->setContentsMargins(0, 0, 0, 0);
    rightColumn->setSpacing(0);
    rightColumn->addWidget(body, 1);
    rightColumn->addWidget(buttons);
    auto *outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(side);
    outer->addLayout(rightColumn, 1);

    auto *bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(34, 34, 34, 34);
    bodyLayout->setSpacing(10);
    bodyLayout->addWidget(namedLabel("wizard_title", body));
    bodyLayout->addSpacing(50);
    bodyLayout->addWidget(namedLabel("wizard_subtitle", body));
    auto *pathBlock = new QVBoxLayout;
    pathBlock->setContentsMargins(25, 0, 0, 0);
    auto *grid = new QGridLayout;
    m_size->setObjectName(QStringLiteral("wizard_size"));
    m_path->setWordWrap(true);
    m_path->setMidLineWidth(5);
    m_select->setObjectName(QStringLiteral("path_btn"));
    m_select->setCursor(Qt::PointingHandCursor);
    grid->addWidget(m_size, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(m_path, 0, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(m_select, 0, 2, Qt::AlignLeft | Qt::AlignTop);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(0, 60);
    grid->setColumnMinimumWidth(1, 200);
    grid->setColumnMinimumWidth(2, 100);
    grid->setRowMinimumHeight(0, 100);
    pathBlock->addLayout(grid);
    m_error->setWordWrap(true);
    pathBlock->addWidget(m_error);
    bodyLayout->addLayout(pathBlock);
    bodyLayout->addStretch(1);
    m_desktop->setObjectName(QStringLiteral("desktop_shortcut"));
    m_menu->setObjectName(QStringLiteral("menu_items"));
    m_desktop->setChecked(true);
    m_menu->setChecked(true);
    bodyLayout->addWidget(m_desktop);
    bodyLayout->addWidget(m_menu);

    auto *buttonRow = new QHBoxLayout(buttons);
    buttonRow->setContentsMargins(16, 16, 16, 16);
    buttonRow->setSpacing(16);
    buttonRow->addStretch(1);
    m_install->setObjectName(QStringLiteral("install"));
    m_install->setCursor(Qt::PointingHandCursor);
    buttonRow->addWidget(m_install);

    body->findChild<QLabel *>(QStringLiteral("wizard_title"))->setText(TR::tr("InstallDlgTitle"));
    body->findChild<QLabel *>(QStringLiteral("wizard_subtitle"))->setText(TR::tr("InstallDlgSelectPath"));
    m_select->setText(TR::tr("InstallDlgBtnSelect"));
    m_desktop->setText(TR::tr("InstallDlgCreateShortcut"));
    m_menu->setText(TR::tr("InstallDlgCreateMenu"));
    setWindowTitle(TR::tr("InstallDlgTitle"));

    connect(m_select, &QPushButton::clicked, this, &InstallDialog::selectPath);
    connect(m_install, &QPushButton::clicked, this, &InstallDialog::install);
}

InstallDialog::~InstallDialog()
{
    if (m_worker)
        m_worker->wait();
}

QString InstallDialog::defaultFolder()
{
    return Paths::joinPath(platform::defaultInstallBase(), QStringLiteral("Games/GD7_EN"));
}

void InstallDialog::setPath(const QString &folder)
{
    m_folder = QDir::fromNativeSeparators(folder);
    m_path->setText(QDir::toNativeSeparators(m_folder));
    checkPath();
}

void InstallDialog::setRequiredSize(qint64 bytes)
{
    m_requiredSize = bytes;
    showRequiredSize();
    checkPath();
}

void InstallDialog::showRequiredSize()
{
    m_size->setText(formatSize(m_requiredSize));
}

void InstallDialog::updateCheckFinished()
{
    ProductUpdateInfo game;
    if (!AutoUpdate::instance()->gameProductInfo(game))
        return;
    setRequiredSize(game.size());
}

bool InstallDialog::needsCloseConfirmation(QString &)
{
    return true;
}

bool InstallDialog::checkPath()
{
    const InstallPathCheck check = InstallPathCheck::run(m_folder, m_requiredSize);
    m_error->setText(check.errorKey.isEmpty() ? QString() : TR::tr(check.errorKey.toUtf8().constData()));
    // The warning colour comes from the style sheet's rule for this state.
    m_size->setProperty("short", check.spaceShort);
    m_size->style()->unpolish(m_size);
    m_size->style()->polish(m_size);
    if (blockOverlay()->isVisible())
        blockOverlay()->refresh();
    return check.ok;
}

void InstallDialog::selectPath()
{
    // The toolkit's own dialog, so the launcher's style sheet dresses it like every other window.
    QFileDialog picker(this, TR::tr("InstallDlgSelectPathTitle"), m_folder);
    picker.setObjectName(QStringLiteral("folder_picker"));
    picker.setFileMode(QFileDialog::Directory);
    picker.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (picker.exec() != QDialog::Accepted || picker.selectedFiles().isEmpty())
        return;
    setPath(picker.selectedFiles().first());
}

void InstallDialog::install()
{
    if (!checkPath()) {
        showMessage(this, TR::tr("ProductName"), m_error->text());
        return;
    }
    InstallOptions options;
    options.m_createStartMenuItems = m_menu->isChecked();
    options.m_createQuickLaunchItems = false;
    options.m_createDesktopIcon = m_desktop->isChecked();
    options.m_removeUserData = false;
    options.m_installFolder = m_folder;
    m_worker = std::make_unique<install::InstallWorker>(true, options);
    connect(m_worker.get(), &install::InstallWorker::installFinished, this, &InstallDialog::installFinished,
            Qt::QueuedConnection);
    m_worker->start(QThread::InheritPriority);
    m_worker->wait();
}

void InstallDialog::installFinished(bool success)
{
    if (!success) {
        showMessage(this, launcherProduct.displayName, TR::tr("InstallErrFailed"));
        return;
    }
    Logger &log = Logger::instance();
    const QString settingsPath = Paths::joinPath(m_folder, SettingsFileName);
    JsonSettings settings;
    if (settings.load(settingsPath))
        log.info(QStringLiteral("PostInstall: patching existing settings: ") + settingsPath);
    else
        log.info(QStringLiteral("PostInstall: creating settings: ") + settingsPath);
    settings.setValue(SettingsKey::EulaAccepted, EulaAcceptedValue);
    settings.setValue(SettingsKey::InstallPath, m_folder);
    if (!settings.save(settingsPath))
        log.crit(QStringLiteral("PostInstall: failed to save settings: ") + settingsPath);
    const QString program = install::launcherProgram(m_folder);
    if (!platform::startDetachedQuoted(program, {}))
        log.crit(QStringLiteral("PostInstall: failed to start app: ") + program);
    // Accepted first: the window that ran this dialog reads its result as it leaves.
    done(QDialog::Accepted);
    QCoreApplication::exit(0);
}
