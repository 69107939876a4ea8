#include "app/languagemanager.h"
#include "ui/appearance.h"
#include "ui/launcherbackdrop.h"
#include "ui/styledmessagebox.h"
#include "ui/updateprogressview.h"
#include "ui/updateresultprompt.h"
#include "update/autoupdate.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(RetryAnswer)

// The main window's decisions over plain values: what the footer shows for a progress report,
// which prompt an update result opens and what its answers do, where the backdrop goes, which
// logo and screen factor apply; and the start-up look that must survive broken resources.
class LauncherTablesTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void progressView_data();
    void progressView();
    void resultPrompt_data();
    void resultPrompt();
    void retryAnswers_data();
    void retryAnswers();
    void backdropPlacement_data();
    void backdropPlacement();
    void nextPicture_data();
    void nextPicture();
    void slideRightAfterStart();
    void backdropFadesIntoBlack();
    void logoAndScreenFactor_data();
    void logoAndScreenFactor();
    void fontsAndStyleSheet();
};

void LauncherTablesTest::initTestCase()
{
    QVERIFY(LanguageManager::instance().setLanguage(QStringLiteral("en")));
}

void LauncherTablesTest::progressView_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("action");
    QTest::addColumn<float>("progress");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<qint64>("current");
    QTest::addColumn<qint64>("rate");
    QTest::addColumn<bool>("hasTorrents");
    QTest::addColumn<bool>("indeterminate");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("setsTexts");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<bool>("pauseVisible");

    const qint64 MiB = 1 << 20;
    QTest::newRow("busy download shows the orchestrator's message")
        << "Downloading" << int(UpdateProgress::Action::Downloading) << 0.0f << qint64(0) << qint64(0)
        << qint64(0) << true << true << 0 << true << "Downloading"
        << "" << true;
    QTest::newRow("busy unpack, never pausable")
        << "Unpacking" << int(UpdateProgress::Action::Unpacking) << 0.5f << qint64(0) << qint64(0)
        << qint64(0) << true << true << 0 << true << "Unpacking"
        << "" << false;
    QTest::newRow("download with size and rate")
        << "" << int(UpdateProgress::Action::Downloading) << 0.25f << 4 * MiB << MiB << 512 * qint64(1024)
        << false << false << 250000 << true << "Downloading 25.0%"
        << "1024 kB/4.0 MB (512 kB/s)" << false;
    QTest::newRow("download rate 0 hides the bracket")
        << "" << int(UpdateProgress::Action::Downloading) << 0.5f << 4 * MiB << 2 * MiB << qint64(0) << true
        << false << 500000 << true << "Downloading 50.0%"
        << "2.0 MB/4.0 MB" << true;
    QTest::newRow("progress above 1 is clamped")
        << "" << int(UpdateProgress::Action::Installing) << 1.7f << qint64(1000) << qint64(1700) << qint64(0)
        << false << false << 1000000 << true << "Installing 170%"
        << "" << false;
    QTest::newRow("progress below 0 is clamped")
        << "" << int(UpdateProgress::Action::Unpacking) << -0.3f << qint64(1000) << qint64(0) << qint64(0)
        << false << false << 0 << true << "Unpacking -30%"
        << "" << false;
    QTest::newRow("file check, pausable with a torrent")
        << "" << int(UpdateProgress::Action::CheckingFiles) << 0.333f << qint64(3) << qint64(1) << qint64(0)
        << true << false << 333000 << true << "Checking files 33%"
        << "" << true;
    QTest::newRow("file check without a torrent")
        << "" << int(UpdateProgress::Action::CheckingFiles) << 0.5f << qint64(2) << qint64(1) << qint64(0)
        << false << false << 500000 << true << "Checking files 50%"
        << "" << false;
    QTest::newRow("update check keeps the footer's texts")
        << "Checking" << int(UpdateProgress::Action::CheckingUpdates) << 0.0f << qint64(0) << qint64(0)
        << qint64(0) << true << true << 0 << false << ""
        << "" << false;
    QTest::newRow("unknown action keeps texts, bar still follows")
        << "x" << 42 << 0.5f << qint64(10) << qint64(5) << qint64(9) << true << false << 500000 << false << ""
        << "" << false;
}

void LauncherTablesTest::progressView()
{
    QFETCH(QString, message);
    QFETCH(int, action);
    QFETCH(float, progress);
    QFETCH(qint64, total);
    QFETCH(qint64, current);
    QFETCH(qint64, rate);
    QFETCH(bool, hasTorrents);

    const UpdateProgressView view =
        updateProgressView(message, action, progress, total, current, rate, hasTorrents);
    QTEST(view.indeterminate, "indeterminate");
    if (!view.indeterminate)
        QTEST(view.value, "value");
    QTEST(view.setsTexts, "setsTexts");
    QTEST(view.status, "status");
    QTEST(view.detail, "detail");
    QTEST(view.pauseVisible, "pauseVisible");
}

void LauncherTablesTest::resultPrompt_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<LauncherController::Offer>("offer");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("thirdButton");

    const QString diagnostics = QStringLiteral("Diagnostics...");
    QTest::newRow("0 updated") << 0 << LauncherController::Offer::Play << ""
                               << "";
    QTest::newRow("1 up to date") << 1 << LauncherController::Offer::Play << ""
                                  << "";
    for (int code : {2, 3, 4, 5, 6, 10}) {
        QTest::addRow("%d offers diagnostics", code)
            << code << LauncherController::Offer::RetryExitOrDiagnostics
            << AutoUpdate::errorText(code) + QStringLiteral(" Retry?") << diagnostics;
    }
    QTest::newRow("7 unpack: yes or exit") << 7 << LauncherController::Offer::RetryOrExit
                                           << AutoUpdate::errorText(7) + QStringLiteral(" Retry?") << "";
    QTest::newRow("8 start: yes or exit") << 8 << LauncherController::Offer::RetryOrExit
                                          << AutoUpdate::errorText(8) + QStringLiteral(" Retry?") << "";
    QTest::newRow("9 patch offers the file check")
        << 9 << LauncherController::Offer::RetryExitOrCheckFiles
        << AutoUpdate::errorText(9) + QStringLiteral(" Retry?") << "Checking game files...";
    QTest::newRow("negative is a failure") << -1 << LauncherController::Offer::RetryOrExit << " Retry?"
                                           << "";
    QTest::newRow("large negative") << int(0x80000000) << LauncherController::Offer::RetryOrExit << " Retry?"
                                    << "";
    QTest::newRow("11 out of range") << 11 << LauncherController::Offer::RetryOrExit << " Retry?"
                                     << "";
}

void LauncherTablesTest::resultPrompt()
{
    QFETCH(int, code);
    const UpdateResultPrompt prompt = updateResultPrompt(code);
    QTEST(prompt.offer, "offer");
    QTEST(prompt.text, "text");
    QTEST(prompt.thirdButton, "thirdButton");
}

void LauncherTablesTest::retryAnswers_data()
{
    QTest::addColumn<LauncherController::Offer>("offer");
    QTest::addColumn<int>("boxResult");
    QTest::addColumn<RetryAnswer>("answer");

    using P = LauncherController::Offer;
    const int yes = StyledMessageBox::Yes, no = StyledMessageBox::No, ok = StyledMessageBox::Ok;
    QTest::newRow("diagnostics box: yes") << P::RetryExitOrDiagnostics << yes << RetryAnswer::Retry;
    QTest::newRow("diagnostics box: ok") << P::RetryExitOrDiagnostics << ok << RetryAnswer::RunDiagnostics;
    QTest::newRow("diagnostics box: exit") << P::RetryExitOrDiagnostics << no << RetryAnswer::Exit;
    QTest::newRow("diagnostics box: closed") << P::RetryExitOrDiagnostics << 0 << RetryAnswer::Exit;
    QTest::newRow("check box: yes") << P::RetryExitOrCheckFiles << yes << RetryAnswer::Retry;
    QTest::newRow("check box: ok") << P::RetryExitOrCheckFiles << ok << RetryAnswer::CheckFiles;
    QTest::newRow("check box: exit") << P::RetryExitOrCheckFiles << no << RetryAnswer::Exit;
    QTest::newRow("check box: closed") << P::RetryExitOrCheckFiles << 0 << RetryAnswer::Exit;
    QTest::newRow("question: yes") << P::RetryOrExit << yes << RetryAnswer::Retry;
    QTest::newRow("question: no") << P::RetryOrExit << no << RetryAnswer::Exit;
    QTest::newRow("question: no ok button there") << P::RetryOrExit << ok << RetryAnswer::Exit;
}

void LauncherTablesTest::retryAnswers()
{
    QFETCH(LauncherController::Offer, offer);
    QFETCH(int, boxResult);
    QTEST(retryAnswer(offer, boxResult), "answer");
}

void LauncherTablesTest::backdropPlacement_data()
{
    QTest::addColumn<int>("pictureWidth");
    QTest::addColumn<int>("pictureHeight");
    QTest::addColumn<int>("wanted");
    QTest::addColumn<int>("scaledWidth");
    QTest::addColumn<int>("x");

    // The window is 1184 x 720.
    QTest::newRow("16:9 at 0") << 1920 << 1080 << 0 << 1280 << 0;
    QTest::newRow("16:9 pushed left stops at the edge") << 1920 << 1080 << -500 << 1280 << -48;
    QTest::newRow("16:9 pushed right stops at the edge") << 1920 << 1080 << 500 << 1280 << 48;
    QTest::newRow("narrow picture stays centred") << 800 << 720 << 0 << 800 << 192;
    QTest::newRow("narrow picture ignores the wanted x") << 800 << 720 << -300 << 800 << 192;
    QTest::newRow("no picture counts as square") << 0 << 0 << 0 << 720 << 232;
}

void LauncherTablesTest::backdropPlacement()
{
    QFETCH(int, pictureWidth);
    QFETCH(int, pictureHeight);
    QFETCH(int, wanted);
    const int w = backdrop::scaledWidth(pictureWidth, pictureHeight, 720);
    QTEST(w, "scaledWidth");
    QTEST(backdrop::placeX(wanted, 1184, w), "x");
}

void LauncherTablesTest::nextPicture_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("next");
    QTest::newRow("first of twelve") << 0 << 12 << 1;
    QTest::newRow("last of twelve wraps") << 11 << 12 << 0;
    QTest::newRow("only one") << 0 << 1 << 0;
    QTest::newRow("none") << 0 << 0 << 0;
}

void LauncherTablesTest::nextPicture()
{
    QFETCH(int, index);
    QFETCH(int, count);
    QTEST(backdrop::nextIndex(index, count), "next");
}

// The next picture is decoded a moment after start-up; a slide that comes sooner still brings it.
void LauncherTablesTest::slideRightAfterStart()
{
    QTemporaryDir pictures;
    QVERIFY(pictures.isValid());
    const QHash<QString, QColor> colours{{pictures.filePath(QStringLiteral("a.png")), QColor(200, 20, 20)},
                                         {pictures.filePath(QStringLiteral("b.png")), QColor(20, 20, 200)}};
    for (auto it = colours.cbegin(); it != colours.cend(); ++it) {
        QImage picture(160, 90, QImage::Format_RGB32);
        picture.fill(it.value());
        QVERIFY(picture.save(it.key()));
    }
    QWidget window;
    window.resize(320, 180);
    LauncherBackdrop backdrop(&window, pictures.path());
    backdrop.layoutAt(0);
    window.show();
    const QString next = backdrop.nextPicture();
    QVERIFY(colours.contains(next));
    QVERIFY(next != backdrop.currentPicture());

    backdrop.showNextBackground();
    QTRY_COMPARE(backdrop.currentPicture(), next);
    QCOMPARE(backdrop.grab().toImage().pixelColor(10, 10), colours.value(next));
}

// The lower quarter of the picture fades into black, and the opacity dims all of it.
void LauncherTablesTest::backdropFadesIntoBlack()
{
    QTemporaryDir pictures;
    QVERIFY(pictures.isValid());
    QImage picture(160, 90, QImage::Format_RGB32);
    picture.fill(QColor(200, 160, 120));
    QVERIFY(picture.save(pictures.filePath(QStringLiteral("a.png"))));
    QWidget window;
    window.resize(320, 180);
    LauncherBackdrop backdrop(&window, pictures.path());
    backdrop.layoutAt(0);
    const auto redAt = [&backdrop](int y) { return backdrop.grab().toImage().pixelColor(10, y).red(); };
    QCOMPARE(redAt(10), 200);
    QCOMPARE(redAt(130), 200);
    QVERIFY(redAt(157) < 110 && redAt(157) > 90);
    QVERIFY(redAt(179) < 10);
    backdrop.setOpacity(0.5f);
    QVERIFY(qAbs(redAt(10) - 100) <= 2);
    backdrop.setOpacity(0.0f);
    QCOMPARE(redAt(10), 0);
}

void LauncherTablesTest::logoAndScreenFactor_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<double>("factor");
    QTest::addColumn<QString>("logo");
    QTest::newRow("ru on full HD") << "ru" << 1080 << 1.0 << ":/logo";
    QTest::newRow("ru_RU on 1440p") << "ru_RU" << 1440 << 1.0 << ":/logo";
    QTest::newRow("en on 4K") << "en" << 2160 << 1.5 << ":/logo_en@1.5x";
    QTest::newRow("ru on 4K") << "ru" << 2160 << 1.5 << ":/logo@1.5x";
    QTest::newRow("de on 2159") << "de" << 2159 << 1.0 << ":/logo_en";
    QTest::newRow("rus is not ru") << "rus" << 720 << 1.0 << ":/logo_en";
}

void LauncherTablesTest::logoAndScreenFactor()
{
    QFETCH(QString, language);
    QFETCH(int, screenHeight);
    const double factor = backdrop::screenFactor(screenHeight);
    QTEST(factor, "factor");
    QTEST(backdrop::logoResource(language, factor > 1.0), "logo");
}

// Fonts and the style sheet are optional: what cannot be read is skipped.
void LauncherTablesTest::fontsAndStyleSheet()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString fonts = dir.filePath(QStringLiteral("fonts"));
    QVERIFY(QDir().mkpath(fonts));
    QVERIFY(QFile::copy(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"),
                        fonts + QStringLiteral("/DejaVuSans")));
    QFile broken(fonts + QStringLiteral("/Broken"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a font at all");
    broken.close();
    QCOMPARE(addApplicationFonts(fonts), 1);
    QCOMPARE(addApplicationFonts(dir.filePath(QStringLiteral("missing"))), 0);

    QCOMPARE(loadStyleSheet(dir.filePath(QStringLiteral("missing.qss"))), QString());
    QFile sheet(dir.filePath(QStringLiteral("launcher.qss")));
    QVERIFY(sheet.open(QIODevice::WriteOnly));
    sheet.write("QLabel#version { color: #cecccc; } /* \xc3\xa9 */");
    sheet.close();
    QCOMPARE(loadStyleSheet(sheet.fileName()),
             QStringLiteral("QLabel#version { color: #cecccc; } /* \u00e9 */"));
}

QTEST_MAIN(LauncherTablesTest)
#include "tst_launchertables.moc"
