#include "app/tr.h"
#include "tests/support/modalanswer.h"
#include "ui/euladialog.h"
#include "ui/styledmessagebox.h"
#include "ui/systembutton.h"

#include <QLabel>
#include <QPushButton>
#include <QResource>
#include <QTextEdit>
#include <QtTest>

namespace {

// Plays a list of steps on the modal windows as they come: "accept", "reject", "close" and
// "escape" on the agreement, "yes" and "no" on the question it asks. Each step arms the next one
// before it acts, since its action may open a box and wait in that box's own event loop.
class Script
{
public:
    Script(QObject *context, QStringList steps) : m_context(context), m_steps(std::move(steps)) { next(); }

    QStringList questions;
    QStringList remaining() const { return m_steps; }

private:
    void next()
    {
        if (m_steps.isEmpty())
            return;
        answerNextModal(m_context, [this](QWidget *modal) {
            const QString step = m_steps.takeFirst();
            next();
            act(step, modal);
        });
    }

    void act(const QString &step, QWidget *modal)
    {
        if (auto *box = qobject_cast<StyledMessageBox *>(modal)) {
            questions << box->windowTitle() + QLatin1Char('|') +
                             box->findChild<QLabel *>(QStringLiteral("body"))->text();
            const int code = step == QLatin1String("yes") ? StyledMessageBox::Yes : StyledMessageBox::No;
            QTest::mouseClick(box->button(code), Qt::LeftButton);
            return;
        }
        auto *eula = qobject_cast<EulaDialog *>(modal);
        QVERIFY2(eula != nullptr, qPrintable(step));
        if (step == QLatin1String("accept"))
            QTest::mouseClick(eula->acceptButton(), Qt::LeftButton);
        else if (step == QLatin1String("reject"))
            QTest::mouseClick(eula->rejectButton(), Qt::LeftButton);
        else if (step == QLatin1String("close"))
            QTest::mouseClick(eula->closeButton(), Qt::LeftButton);
        else
            QTest::keyClick(eula, Qt::Key_Escape);
    }

    QObject *m_context;
    QStringList m_steps;
};

QString exitQuestion()
{
    return TR::tr("ProductName") + QLatin1Char('|') + TR::tr("ExitWarning");
}

} // namespace

class EulaDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void missingDocumentIsRefused();
    void showsTheEnglishDocumentAsPlainText();
    void answers_data();
    void answers();
};

void EulaDialogTest::cleanup()
{
    QResource::unregisterResource(QStringLiteral(EULA_RCC));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void EulaDialogTest::missingDocumentIsRefused()
{
    QCOMPARE(loadDocument(QStringLiteral(":/eula/")), QString());
    QStringList shown;
    answerNextModal(this, [&shown](QWidget *modal) {
        auto *box = qobject_cast<StyledMessageBox *>(modal);
        QVERIFY(box != nullptr);
        shown << box->windowTitle() << box->findChild<QLabel *>(QStringLiteral("body"))->text();
        QTest::mouseClick(box->button(StyledMessageBox::Ok), Qt::LeftButton);
    });
    QCOMPARE(showEulaDialog(nullptr), false);
    QCOMPARE(shown, (QStringList{TR::tr("ProductName"), TR::tr("ErrFailedEulaOpen")}));
}

void EulaDialogTest::showsTheEnglishDocumentAsPlainText()
{
    QVERIFY(QResource::registerResource(QStringLiteral(EULA_RCC)));
    QFile source(QStringLiteral(EULA_SOURCE));
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QString expected =
        QString::fromUtf8(source.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QString document = loadDocument(QStringLiteral(":/eula/"));
    QCOMPARE(document, expected);
    QVERIFY(!document.contains(QLatin1Char('\r')));

    EulaDialog dialog(nullptr, document, true);
    QCOMPARE(dialog.size(), QSize(900, 636));
    QCOMPARE(dialog.windowTitle(), TR::tr("LicDlgTitle"));
    QVERIFY(dialog.foldButton()->isHidden());
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("wizard_title"))->text(), TR::tr("LicDlgTitle"));
    QCOMPARE(dialog.acceptButton()->text(), TR::tr("LicDlgBtnAccept"));
    QCOMPARE(dialog.rejectButton()->text(), TR::tr("LicDlgBtnReject"));
    auto *text = dialog.findChild<QTextEdit *>(QStringLiteral("eula"));
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->toPlainText(), expected);
    QVERIFY(text->toPlainText().contains(QStringLiteral("<b>This is not markup.</b>")));
    QVERIFY(text->toPlainText().startsWith(QStringLiteral("END-USER LICENSE AGREEMENT\n\nGlimmerdeep")));
}

void EulaDialogTest::answers_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("questions");
    QTest::newRow("accept asks nothing") << QStringList{"accept"} << true << 0;
    QTest::newRow("reject, yes") << QStringList{"reject", "yes"} << false << 1;
    QTest::newRow("reject, no keeps it open, accept") << QStringList{"reject", "no", "accept"} << true << 1;
    QTest::newRow("close button, no, reject, yes")
        << QStringList{"close", "no", "reject", "yes"} << false << 2;
    QTest::newRow("escape, yes") << QStringList{"escape", "yes"} << false << 1;
}

void EulaDialogTest::answers()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, accepted);
    QFETCH(int, questions);
    QVERIFY(QResource::registerResource(QStringLiteral(EULA_RCC)));
    Script script(this, steps);
    QCOMPARE(showEulaDialog(nullptr), accepted);
    QCOMPARE(script.remaining(), QStringList());
    QCOMPARE(script.questions, QVector<QString>(questions, exitQuestion()).toList());
}

QTEST_MAIN(EulaDialogTest)
#include "tst_euladialog.moc"
