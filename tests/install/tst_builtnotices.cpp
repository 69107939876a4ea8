// The third-party notices the build writes beside the launcher executable, as the installer, the
// uninstaller and the self-update find them.
#include "app/productinfo.h"
#include "install/launchercopy.h"
#include "platform/launcherfiles.h"
#include "tests/install/testhome.h"

#include <QFile>
#include <QFileInfo>
#include <QtTest>

class BuiltNoticesTest : public QObject
{
    Q_OBJECT
private slots:
    void namesEveryComponentWithItsLicence_data();
    void namesEveryComponentWithItsLicence();
    void liesInTheLaunchersCopyList();
#ifdef GD7_BUILT_LAUNCHER
    void installsTheBuiltLauncher();
#endif

private:
    QString notices() const;
};

QString BuiltNoticesTest::notices() const
{
    QFile file(QStringLiteral(GD7_NOTICES_FILE));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void BuiltNoticesTest::namesEveryComponentWithItsLicence_data()
{
    QTest::addColumn<QString>("component");
    QTest::addColumn<QString>("licence");
    QTest::newRow("Qt") << QStringLiteral("Qt " QT_VERSION_STR) << "GNU Lesser General Public License v3.0";
    QTest::newRow("libtorrent") << "libtorrent-rasterbar 2."
                                << "BSD 3-Clause License";
    QTest::newRow("libarchive") << "libarchive 3."
                                << "BSD 2-Clause License";
    QTest::newRow("OpenSSL") << "OpenSSL 3."
                             << "Apache License 2.0";
    QTest::newRow("Boost") << "Boost 1."
                           << "Boost Software License 1.0";
    QTest::newRow("Roboto Condensed") << "Roboto Condensed (font)"
                                      << "Apache License 2.0";
    QTest::newRow("Open Sans") << "Open Sans (font)"
                               << "SIL Open Font License 1.1";
    QTest::newRow("Noto Sans CJK") << "Noto Sans CJK (font, used from the system, not shipped)"
                                   << "SIL Open Font License 1.1";
}

// Each component's block starts with its name (and version) and gives its licence two lines down.
void BuiltNoticesTest::namesEveryComponentWithItsLicence()
{
    QFETCH(QString, component);
    QFETCH(QString, licence);
    const QStringList lines = notices().split(QLatin1Char('\n'));
    const auto start = std::find_if(lines.cbegin(), lines.cend(),
                                    [&component](const QString &line) { return line.startsWith(component); });
    QVERIFY2(start != lines.cend(), qPrintable(component));
    QVERIFY(std::distance(start, lines.cend()) > 2);
    QCOMPARE(*(start + 2), QStringLiteral("  Licence: ") + licence);
    QVERIFY(!notices().contains(QLatin1Char('@')));
}

void BuiltNoticesTest::liesInTheLaunchersCopyList()
{
    const QStringList names = platform::launcherFileNames(QStringLiteral("GD7Launcher"));
    QVERIFY(names.contains(QFileInfo(QStringLiteral(GD7_NOTICES_FILE)).fileName()));
    QCOMPARE(QFileInfo(QStringLiteral(GD7_NOTICES_FILE)).path(), QStringLiteral(GD7_APP_FOLDER));
}

#ifdef GD7_BUILT_LAUNCHER
// The installer's copy of the real build output: every file of the launcher's list is there.
void BuiltNoticesTest::installsTheBuiltLauncher()
{
    TestHome home;
    QVERIFY(home.isValid());
    launcherProduct = makeLauncherProduct();
    const QString target = home.filePath(QStringLiteral("Games/Glimmerdeep Launcher/"));
    QVERIFY(install::copyLauncher(QStringLiteral(GD7_APP_FOLDER), target));
    for (const QString &name : platform::launcherFileNames(QStringLiteral("GD7Launcher")))
        QCOMPARE(TestHome::readFile(target + name),
                 TestHome::readFile(QStringLiteral(GD7_APP_FOLDER "/") + name));
}
#endif

QTEST_GUILESS_MAIN(BuiltNoticesTest)
#include "tst_builtnotices.moc"
