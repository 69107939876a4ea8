// Renders the reusable widgets with the shipped style sheet and fonts into PNG files, so they
// can be looked at: a message box, the agreement dialog, the header and footer over a backdrop.
// Usage: ui_widget_screenshots <output folder>   (run under Xvfb or QT_QPA_PLATFORM=offscreen)

#include "app/tr.h"
#include "ui/appearance.h"
#include "ui/euladialog.h"
#include "ui/launcherfooter.h"
#include "ui/launcherheader.h"
#include "ui/styledmessagebox.h"
#include "ui/tabs.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTimer>
#include <QTranslator>

namespace {

bool save(QWidget *widget, const QString &folder, const QString &name)
{
    widget->show();
    QApplication::processEvents();
    const bool saved = widget->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
    widget->hide();
    return saved;
}

bool shootMessageBox(const QString &folder)
{
    StyledMessageBox box(TR::tr("ProductName"), TR::tr("ErrUpdateInfoQueryFailed"),
                         StyledMessageBox::Yes | StyledMessageBox::No);
    bool saved = false;
    QTimer::singleShot(0, &box, [&] {
        saved = save(&box, folder, QStringLiteral("messagebox"));
        box.done(0);
    });
    box.exec();
    return saved;
}

bool shootAgreement(const QString &folder)
{
    QString text = loadDocument(QStringLiteral(":/eula/"));
    if (text.isEmpty()) {
        for (int i = 1; i <= 40; ++i)
            text += QStringLiteral("%1. The player agrees to the terms of this section of the agreement, "
                                   "which are set out here at some length to fill the page.\n\n")
                        .arg(i);
    }
    EulaDialog dialog(nullptr, text, true);
    return save(&dialog, folder, QStringLiteral("agreement"));
}

bool shootBars(const QString &folder)
{
    QWidget window;
    window.setObjectName(QStringLiteral("screenshot_window"));
    window.resize(1280, 720);
    auto *backdrop = new QLabel(&window);
    backdrop->setPixmap(QPixmap(QStringLiteral(":/backgrounds/main_bg_01")));
    backdrop->setScaledContents(true);
    backdrop->setGeometry(0, 0, 1280, 720);
    auto *header = new LauncherHeader(&window, backdrop);
    header->setGeometry(0, 0, 1280, 96);
    header->tabs()->updateCounter(1, 7);
    auto *footer = new LauncherFooter(&window);
    footer->setGeometry(0, 720 - 104, 1280, 104);
    footer->setPauseVisible(true);
    footer->setIndeterminate(false);
    footer->setProgressValue(420000);
    footer->setStatus(QStringLiteral("Downloading game files"),
                      QStringLiteral("1.2 GB of 2.9 GB (5.1 MB/s)"));
    window.show();
    QApplication::processEvents();
    header->refreshBackground();
    return save(&window, folder, QStringLiteral("header-footer"));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    addApplicationFonts();
    app.setStyleSheet(loadStyleSheet());
    QTranslator english;
    if (english.load(QStringLiteral(":/Language/en/translation")))
        QCoreApplication::installTranslator(&english);

    const bool ok = shootMessageBox(folder) && shootAgreement(folder) && shootBars(folder);
    return ok ? 0 : 1;
}
