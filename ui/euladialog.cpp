#include "ui/euladialog.h"

#include "app/logger.h"
#include "app/tr.h"
#include "ui/basebutton.h"
#include "ui/styledmessagebox.h"
#include "ui/systembutton.h"

#include <QBoxLayout>
#include <QFile>
#include <QLabel>
#include <QTextEdit>

EulaDialog::EulaDialog(QWidget *parent, const QString &text, bool acceptMode)
    : StyledDialog(parent), m_title(new QLabel(this)), m_accept(new BaseButton(QString(), this)),
      m_reject(new BaseButton(QString(), this)), m_acceptMode(acceptMode)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(900, 636);
    foldButton()->hide();

    auto *side = new QLabel(this);
    side->setObjectName(QStringLiteral("wizard_side_en"));
    side->setScaledContents(true);

    auto *body = new QWidget(this);
    body->setObjectName(QStringLiteral("wizard_body"));
    m_title->setObjectName(QStringLiteral("wizard_title"));
    m_document = new QTextEdit(body);
    m_document->setObjectName(QStringLiteral("eula"));
    m_document->setReadOnly(true);
    m_document->setWordWrapMode(QTextOption::WordWrap);
    // The documents are plain text: nothing in them may be taken for markup.
    m_document->setPlainText(text);
    auto *bodyColumn = new QVBoxLayout(body);
    bodyColumn->setContentsMargins(34, 34, 12, 34);
    bodyColumn->setSpacing(20);
    bodyColumn->addWidget(m_title);
    bodyColumn->addWidget(m_document);

    auto *buttons = new QWidget(this);
    buttons->setObjectName(QStringLiteral("wizard_buttons"));
    auto *buttonRow = new QHBoxLayout(buttons);
    buttonRow->setContentsMargins(16, 16, 16, 16);
    buttonRow->setSpacing(16);
    buttonRow->addStretch();
    buttonRow->addWidget(m_accept);
    buttonRow->addWidget(m_reject);
    m_accept->setDefault(true);
    connect(m_accept, &QPushButton::clicked, this, &EulaDialog::accept);
    connect(m_reject, &QPushButton::clicked, this, &EulaDialog::reject);

    auto *content = new QVBoxLayout;
    content->setContentsMargins(0, 0, 0, 0);
    content->setSpacing(0);
    content->addWidget(body, 1);
    content->addWidget(buttons, 0);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(side);
    row->addLayout(content);

    retranslate();
}

bool EulaDialog::needsCloseConfirmation(QString &)
{
    return m_acceptMode;
}

void EulaDialog::retranslate()
{
    setWindowTitle(TR::tr("LicDlgTitle"));
    m_title->setText(TR::tr("LicDlgTitle"));
    m_document->setAccessibleName(TR::tr("LicDlgTitle"));
    m_accept->setText(TR::tr("LicDlgBtnAccept"));
    m_reject->setText(TR::tr("LicDlgBtnReject"));
}

QString loadDocument(const QString &prefix)
{
    QFile file(prefix + QStringLiteral("en"));
    if (!file.open(QIODevice::ReadOnly)) {
        Logger::instance().crit(QStringLiteral("Failed to open EULA document ") + file.fileName());
        return QString();
    }
    // The documents keep Windows line ends; a text box wants one character per break.
    return QString::fromUtf8(file.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

bool showEulaDialog(QWidget *parent)
{
    const QString text = loadDocument(QStringLiteral(":/eula/"));
    if (text.isEmpty()) {
        showMessage(parent, TR::tr("ProductName"), TR::tr("ErrFailedEulaOpen"));
        return false;
    }
    EulaDialog dialog(parent, text, true);
    return dialog.exec() == QDialog::Accepted;
}
