#include "ui/proxydialog.h"

#include "app/paths.h"
#include "app/programsettings.h"
#include "app/tr.h"
#include "ui/settingsbutton.h"
#include "ui/settingsedit.h"
#include "ui/settingslabel.h"
#include "ui/settingsradio.h"
#include "ui/settingsspin.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int DefaultPort = 1080;
constexpr int MaxPort = 65535;
// The spin box takes more than a port can be, so that a wrong number is answered with a message
// instead of keys that silently do nothing.
constexpr int LargestEnterablePort = 99999;

QString labelText(const char *key)
{
    return TR::tr(key) + QLatin1Char(':');
}

bool isHostName(const QString &host)
{
    for (const QChar c : host) {
        if (c.isSpace() || c == QLatin1Char('/') || c == QLatin1Char('@') || c == QLatin1Char('?') ||
            c == QLatin1Char('#'))
            return false;
    }
    return true;
}

} // namespace

ProxyDialog::ProxyDialog(IProgramSettings *settings, QWidget *parent)
    : StyledDialog(parent), m_settings(settings), m_socks(new SettingsRadio(this)),
      m_http(new SettingsRadio(this)), m_host(new SettingsEdit(this)), m_port(new SettingsSpin(this)),
      m_user(new SettingsEdit(this)), m_password(new SettingsEdit(this)),
      m_typeLabel(new SettingsLabel(this)), m_hostLabel(new SettingsLabel(this)),
      m_portLabel(new SettingsLabel(this)), m_userLabel(new SettingsLabel(this)),
      m_passwordLabel(new SettingsLabel(this)), m_error(new QLabel(this)), m_ok(new SettingsButton(this)),
      m_cancel(new SettingsButton(this))
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(450, 300);

    m_socks->setObjectName(QStringLiteral("proxy_socks"));
    m_http->setObjectName(QStringLiteral("proxy_http"));
    m_host->setObjectName(QStringLiteral("proxy_host"));
    m_port->setObjectName(QStringLiteral("proxy_port"));
    m_user->setObjectName(QStringLiteral("proxy_user"));
    m_password->setObjectName(QStringLiteral("proxy_password"));
    m_ok->setObjectName(QStringLiteral("proxy_ok"));
    m_cancel->setObjectName(QStringLiteral("proxy_cancel"));
    // Styled like the other dialogs' error lines.
    m_error->setObjectName(QStringLiteral("wizard_label_error"));
    m_socks->setChecked(true);
    m_port->setRange(0, LargestEnterablePort);
    m_port->setValue(DefaultPort);
    m_password->setEchoMode(QLineEdit::Password);
    m_error->setWordWrap(true);
    m_error->hide();
    for (QWidget *field : {static_cast<QWidget *>(m_host), static_cast<QWidget *>(m_port),
                           static_cast<QWidget *>(m_user), static_cast<QWidget *>(m_password)})
        field->setMinimumHeight(field->sizeHint().height());
    for (QWidget *w : {static_cast<QWidget *>(m_socks), static_cast<QWidget *>(m_http),
                       static_cast<QWidget *>(m_ok), static_cast<QWidget *>(m_cancel)})
        w->setCursor(Qt::PointingHandCursor);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 45, 20, 20);
    layout->setSpacing(20);
    auto *typeRow = new QHBoxLayout;
    typeRow->addWidget(m_typeLabel);
    typeRow->addWidget(m_socks);
    typeRow->addWidget(m_http);
    typeRow->addStretch(1);
    layout->addLayout(typeRow);
    auto *hostRow = new QHBoxLayout;
    hostRow->addWidget(m_hostLabel);
    hostRow->addWidget(m_host, 1);
    hostRow->addWidget(m_portLabel);
    hostRow->addWidget(m_port);
    layout->addLayout(hostRow);
    auto *credentials = new QGridLayout;
    credentials->addWidget(m_userLabel, 0, 0);
    credentials->addWidget(m_user, 0, 1);
    credentials->addWidget(m_passwordLabel, 1, 0);
    credentials->addWidget(m_password, 1, 1);
    layout->addLayout(credentials);
    // The complaint sits close above the buttons, so the fields keep their height when it shows.
    auto *bottom = new QVBoxLayout;
    bottom->setSpacing(6);
    bottom->addWidget(m_error);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addSpacing(20);
    buttons->addWidget(m_cancel);
    buttons->addStretch(1);
    bottom->addLayout(buttons);
    layout->addStretch(1);
    layout->addLayout(bottom);

    // Each field is named by its label, for screen readers.
    m_hostLabel->setBuddy(m_host);
    m_portLabel->setBuddy(m_port);
    m_userLabel->setBuddy(m_user);
    m_passwordLabel->setBuddy(m_password);

    connect(m_ok, &QPushButton::clicked, this, &ProxyDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &ProxyDialog::reject);
    // A changed value makes an old complaint stale.
    for (SettingsEdit *edit : {m_host, m_user})
        connect(edit, &QLineEdit::textEdited, this, [this] { showProblem(QString()); });
    connect(m_port, QOverload<int>::of(&QSpinBox::valueChanged), this, [this] { showProblem(QString()); });
    retranslate();
}

void ProxyDialog::load(bool apply)
{
    const QVariant stored = m_settings->value(SettingsKey::Proxy);
    if (!stored.isValid() || stored.isNull() || stored.toList().isEmpty()) {
        if (apply)
            ProxySettings().apply(); // no host: no proxy
        return;
    }
    const ProxySettings values = ProxySettings::fromValue(stored);
    if (values.typeStored)
        (values.type == QNetworkProxy::HttpProxy ? m_http : m_socks)->setChecked(true);
    m_host->setText(values.host);
    if (values.portStored)
        m_port->setValue(values.port);
    m_user->setText(values.user);
    m_password->setText(values.password);
    if (apply)
        values.apply();
}

QString ProxyDialog::inputProblem(const QString &host, int port, const QString &user)
{
    if (host.isEmpty())
        return user.isEmpty() ? QString() : QStringLiteral("ProxyErrHostMissing");
    if (!isHostName(host))
        return QStringLiteral("ProxyErrHostInvalid");
    if (port < 1 || port > MaxPort)
        return QStringLiteral("ProxyErrPort");
    return QString();
}

ProxySettings ProxyDialog::enteredValues() const
{
    ProxySettings values;
    values.type = m_socks->isChecked() ? QNetworkProxy::Socks5Proxy : QNetworkProxy::HttpProxy;
    values.host = m_host->text().trimmed();
    values.port = quint16(qBound(1, m_port->value(), MaxPort));
    values.user = m_user->text();
    values.password = m_password->text();
    return values;
}

void ProxyDialog::accept()
{
    const QString problem = inputProblem(m_host->text().trimmed(), m_port->value(), m_user->text());
    if (!problem.isEmpty()) {
        showProblem(problem);
        return;
    }
    const ProxySettings values = enteredValues();
    values.apply();
    values.store(m_settings);
    m_settings->save(Paths::settingsPath());
    StyledDialog::accept();
}

void ProxyDialog::showProblem(const QString &key)
{
    m_errorKey = key;
    m_error->setText(key.isEmpty() ? QString() : TR::tr(key.toUtf8().constData()));
    m_error->setVisible(!key.isEmpty());
}

void ProxyDialog::retranslate()
{
    setWindowTitle(TR::tr("ProxySettings"));
    m_typeLabel->setText(labelText("Type"));
    m_hostLabel->setText(labelText("Host"));
    m_portLabel->setText(labelText("Port"));
    m_userLabel->setText(labelText("Login"));
    m_passwordLabel->setText(labelText("Password"));
    m_socks->setText(TR::tr("SOCKS"));
    m_http->setText(TR::tr("HTTP"));
    m_ok->setText(TR::tr("DlgBtnOK"));
    m_cancel->setText(TR::tr("BtnCancel"));
    showProblem(m_errorKey);
}
