#include "app/jsonsettings.h"
#include "app/languagemanager.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "tests/support/logcapture.h"
#include "ui/launcher.h"
#include "update/autoupdate.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

// The main window on a 3840 x 2160 screen (this test's own X server): the screen gets the
// factor 1.5, the log names the screen, and the logo is the 1.5x drawing for the language, also
// after a language change. (One window per process: the factor changes the screen's geometry.)
class LauncherScreensTest : public QObject
{
    Q_OBJECT
private slots:
    void largeScreen();
};

void LauncherScreensTest::largeScreen()
{
    QCOMPARE(QGuiApplication::primaryScreen()->geometry().size(), QSize(3840, 2160));
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    Paths::setApplicationFolder(folder.path());
    QVERIFY(LanguageManager::instance().setLanguage(QStringLiteral("en")));
    // No agreement on record: the window would ask first, contacting nothing. Everything checked
    // here happens while it is constructed and shown, before its event loop runs.
    JsonSettings settings;
    LogCapture log;
    {
        Launcher launcher(&settings, false);
        launcher.show();
        const QStringList lines = log.takeLines();
        QVERIFY2(lines.contains(QStringLiteral("info Total screens: 1")), qPrintable(lines.join('\n')));
        QVERIFY(lines.contains(QStringLiteral("info Screen size: 3840x2160")));
        QVERIFY(lines.contains(QStringLiteral("info Primary screen: YES")));
        QVERIFY(lines.contains(QStringLiteral("info Screen factor: 1.5")));
        QVERIFY(lines.contains(QStringLiteral("info lang: en")));

        auto *logo = launcher.findChild<QLabel *>(QStringLiteral("logo"));
        for (const char *language : {"en", "ru"}) {
            QVERIFY(LanguageManager::instance().setLanguage(QString::fromLatin1(language)));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
            const QPixmap shown = logo->pixmap(Qt::ReturnByValue);
            QCOMPARE(shown.devicePixelRatio(), 1.5);
            const QString expected = language == QByteArray("ru") ? ":/logo@1.5x" : ":/logo_en@1.5x";
            QImage drawing = QPixmap(expected).toImage();
            QVERIFY(!drawing.isNull());
            drawing.setDevicePixelRatio(1.5);
            QCOMPARE(shown.toImage(), drawing);
        }
    }
    AutoUpdate::destroyInstance();
}

QTEST_MAIN(LauncherScreensTest)
#include "tst_launcherscreens.moc"
