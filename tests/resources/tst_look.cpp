// The launcher's look as compiled into the program: every picture the style sheet or the
// windows name exists and has its size, the style sheet applies without a complaint from Qt
// and reaches the widgets it addresses, and the shipped fonts provide the families it names.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/appearance.h"
#include "ui/basebutton.h"
#include "ui/euladialog.h"
#include "ui/linklabel.h"
#include "ui/settingsback.h"
#include "ui/settingsbutton.h"
#include "ui/settingscombobox.h"
#include "ui/settingsedit.h"
#include "ui/settingslabel.h"
#include "ui/settingsradio.h"
#include "ui/settingsspin.h"
#include "ui/socialbutton.h"
#include "ui/styledbutton.h"
#include "ui/styledmessagebox.h"
#include "ui/systembutton.h"

namespace {

QStringList matches(const QString &text, const QString &pattern)
{
    QStringList found;
    auto it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext())
        found.append(it.next().captured(1));
    found.removeDuplicates();
    return found;
}

// Sizes the windows lay the pictures out for: the longest side's range, by name.
struct SizeRule
{
    QString pattern;
    QSize min;
    QSize max;
};

const QList<SizeRule> &sizeRules()
{
    static const QList<SizeRule> rules = {
        {QStringLiteral("^:/(close|fold)_btn_[nh]$"), {18, 18}, {18, 18}},
        {QStringLiteral("^:/(settings|pause|continue)_[nh]$"), {22, 22}, {22, 22}},
        {QStringLiteral("^:/social_\\w+_[nh]$"), {22, 22}, {22, 22}},
        {QStringLiteral("^:/(cb|rb)_(check|uncheck|hover)$"), {14, 14}, {14, 14}},
        {QStringLiteral("^:/visit_icon_[nh]$"), {12, 12}, {12, 12}},
        {QStringLiteral("^:/link_sm_n$"), {8, 8}, {14, 14}},
        {QStringLiteral("^:/(combobox_arrow|spin_up)$"), {8, 6}, {14, 10}},
        {QStringLiteral("^:/default_news_(en|ru)$"), {252, 142}, {252, 142}},
        {QStringLiteral("^:/wizard_side_bgrd_en$"), {218, 636}, {218, 636}},
        {QStringLiteral("^:/logo(_en)?$"), {300, 80}, {560, 160}},
        {QStringLiteral("^:/logo(_en)?@1\\.5x$"), {450, 120}, {840, 240}},
        {QStringLiteral("^:/splash$"), {1280, 720}, {2560, 1440}},
        {QStringLiteral("^:/backgrounds/main_bg_\\d\\d$"), {1280, 720}, {2560, 1440}},
    };
    return rules;
}

const SizeRule *ruleFor(const QString &resource)
{
    for (const SizeRule &rule : sizeRules())
        if (QRegularExpression(rule.pattern).match(resource).hasMatch())
            return &rule;
    return nullptr;
}

void checkPicture(const QString &resource)
{
    QVERIFY2(QFile::exists(resource), qPrintable(resource + QStringLiteral(" is not compiled in")));
    const QPixmap pixmap(resource);
    QVERIFY2(!pixmap.isNull(), qPrintable(resource + QStringLiteral(" does not load")));
    const SizeRule *rule = ruleFor(resource);
    QVERIFY2(rule, qPrintable(resource + QStringLiteral(" has no known size")));
    const QSize size = pixmap.size();
    QVERIFY2(size.width() >= rule->min.width() && size.height() >= rule->min.height() &&
                 size.width() <= rule->max.width() && size.height() <= rule->max.height(),
             qPrintable(QStringLiteral("%1 is %2 x %3").arg(resource).arg(size.width()).arg(size.height())));
}

QStringList warnings;

void collectWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    // the headless platform plugin reports window calls it cannot honour; those are not ours
    if (type == QtDebugMsg || type == QtInfoMsg ||
        message.startsWith(QLatin1String("This plugin does not support")))
        return;
    warnings.append(message);
}

} // namespace

class TestLook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void styleSheetPictures_data();
    void styleSheetPictures();
    void windowPictures_data();
    void windowPictures();
    void hoverPicturesMatchTheirNormalOnes();
    void backgroundsAreWideSceneJpegs();
    void logoVariantsScale();
    void styleSheetAppliesWithoutWarnings();
    void shippedFontsProvideTheSheetFamilies();
    void dialogsWearTheLook();

private:
    QString sheet;
    QStringList shippedFonts;
};

void TestLook::initTestCase()
{
    // as the program does at start-up
    sheet = loadStyleSheet();
    QVERIFY2(!sheet.isEmpty(), "the style sheet :/styles/launcher is not compiled in");
    shippedFonts = QDir(QStringLiteral(":/fonts/")).entryList(QDir::Files);
    QCOMPARE(addApplicationFonts(), shippedFonts.size());
}

void TestLook::styleSheetPictures_data()
{
    QTest::addColumn<QString>("resource");
    const QStringList urls = matches(loadStyleSheet(), QStringLiteral("url\\((:/[^)\\s]+)\\)"));
    QVERIFY(urls.size() > 40);
    for (const QString &url : urls)
        QTest::newRow(qPrintable(url)) << url;
}

void TestLook::styleSheetPictures()
{
    QFETCH(QString, resource);
    checkPicture(resource);
}

void TestLook::windowPictures_data()
{
    QTest::addColumn<QString>("resource");
    // Named by the windows' code rather than by the sheet: the backdrop, the logos and the
    // news card's hover icon.
    QStringList names = {QStringLiteral(":/splash"),
                         QStringLiteral(":/logo"),
                         QStringLiteral(":/logo_en"),
                         QStringLiteral(":/logo@1.5x"),
                         QStringLiteral(":/logo_en@1.5x"),
                         QStringLiteral(":/visit_icon_h"),
                         QStringLiteral(":/wizard_side_bgrd_en"),
                         QStringLiteral(":/default_news_en"),
                         QStringLiteral(":/default_news_ru")};
    for (int i = 1; i <= 12; ++i)
        names.append(QStringLiteral(":/backgrounds/main_bg_%1").arg(i, 2, 10, QLatin1Char('0')));
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << name;
}

void TestLook::windowPictures()
{
    QFETCH(QString, resource);
    checkPicture(resource);
}

void TestLook::hoverPicturesMatchTheirNormalOnes()
{
    const QStringList normals = QDir(QStringLiteral(":/")).entryList({QStringLiteral("*_n")}, QDir::Files);
    QVERIFY2(normals.size() >= 17, qPrintable(normals.join(QLatin1Char(' '))));
    for (const QString &normal : normals) {
        if (normal == QLatin1String("link_sm_n"))
            continue; // the settings links change their text colour only
        const QString hover = normal.left(normal.size() - 1) + QLatin1Char('h');
        const QImage n(QStringLiteral(":/") + normal);
        const QImage h(QStringLiteral(":/") + hover);
        QVERIFY2(!h.isNull(), qPrintable(hover + QStringLiteral(" is missing")));
        QCOMPARE(h.size(), n.size());
        QVERIFY2(h != n, qPrintable(hover + QStringLiteral(" looks like ") + normal));
        // the glyph keeps its shape: the same pixels are drawn in both states
        int shared = 0, drawn = 0;
        for (int y = 0; y < n.height(); ++y)
            for (int x = 0; x < n.width(); ++x) {
                const bool inN = qAlpha(n.pixel(x, y)) > 128, inH = qAlpha(h.pixel(x, y)) > 128;
                drawn += inN || inH;
                shared += inN && inH;
            }
        QVERIFY2(drawn > 0 && shared * 10 >= drawn * 9, qPrintable(hover));
    }
}

void TestLook::backgroundsAreWideSceneJpegs()
{
    const QStringList entries = QDir(QStringLiteral(":/backgrounds/")).entryList(QDir::Files);
    QCOMPARE(entries.size(), 12);
    QCOMPARE(entries.first(), QStringLiteral("main_bg_01"));
    QCOMPARE(entries.last(), QStringLiteral("main_bg_12"));
    QList<QImage> small;
    for (const QString &entry : entries) {
        QFile file(QStringLiteral(":/backgrounds/") + entry);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        QVERIFY2(data.startsWith("\xff\xd8"), qPrintable(entry + QStringLiteral(" is not a JPEG")));
        QVERIFY2(data.size() > 60 * 1024 && data.size() < 300 * 1024,
                 qPrintable(QStringLiteral("%1 holds %2 bytes").arg(entry).arg(data.size())));
        const QImage image = QImage::fromData(data).convertToFormat(QImage::Format_RGB32);
        QVERIFY(image.width() * 9 >= image.height() * 16);
        // the window fades the lower quarter to black: the picture is dark there already
        const QImage bottom = image.copy(0, image.height() * 3 / 4, image.width(), image.height() / 4)
                                  .scaled(64, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        qint64 sum = 0;
        for (int y = 0; y < bottom.height(); ++y)
            for (int x = 0; x < bottom.width(); ++x)
                sum += qGray(bottom.pixel(x, y));
        QVERIFY2(sum / (bottom.width() * bottom.height()) < 70,
                 qPrintable(entry + QStringLiteral(" is bright below")));
        small.append(image.scaled(32, 18, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    // twelve scenes, not one picture twelve times
    for (int a = 0; a < small.size(); ++a)
        for (int b = a + 1; b < small.size(); ++b) {
            qint64 diff = 0;
            for (int y = 0; y < 18; ++y)
                for (int x = 0; x < 32; ++x) {
                    const QRgb p = small[a].pixel(x, y), q = small[b].pixel(x, y);
                    diff += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
                }
            QVERIFY2(diff / (32 * 18 * 3) >= 6,
                     qPrintable(QStringLiteral("%1 and %2 are alike").arg(entries[a], entries[b])));
        }
}

void TestLook::logoVariantsScale()
{
    for (const QString &name : {QStringLiteral(":/logo"), QStringLiteral(":/logo_en")}) {
        const QImage normal(name);
        const QImage large(name + QStringLiteral("@1.5x"));
        QVERIFY(!normal.isNull() && !large.isNull());
        QCOMPARE(large.width(), normal.width() * 3 / 2);
        QCOMPARE(large.height(), normal.height() * 3 / 2);
        QVERIFY(normal.hasAlphaChannel());
        QCOMPARE(qAlpha(normal.pixel(0, 0)), 0);
        // readable on dark and light ground: both light fill and dark outline are there
        int light = 0, dark = 0;
        for (int y = 0; y < normal.height(); ++y)
            for (int x = 0; x < normal.width(); ++x) {
                const QRgb p = normal.pixel(x, y);
                if (qAlpha(p) < 250)
                    continue;
                light += qGray(p) > 200;
                dark += qGray(p) < 40;
            }
        QVERIFY2(light > 2000 && dark > 500,
                 qPrintable(QStringLiteral("%1: %2 light, %3 dark").arg(name).arg(light).arg(dark)));
    }
}

void TestLook::styleSheetAppliesWithoutWarnings()
{
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
    qApp->setStyleSheet(sheet);

    QWidget window;
    window.resize(900, 700);
    auto *layout = new QVBoxLayout(&window);
    auto named = [&](QWidget *widget, const char *name) {
        widget->setObjectName(QLatin1String(name));
        layout->addWidget(widget);
        return widget;
    };
    auto *status = static_cast<QLabel *>(named(new QLabel(QStringLiteral("Downloading")), "status"));
    auto *play = static_cast<StyledButton *>(named(new StyledButton(QStringLiteral("PLAY")), "play"));
    auto *base = static_cast<BaseButton *>(named(new BaseButton(QStringLiteral("OK")), "ok_button"));
    auto *home = static_cast<SocialButton *>(named(new SocialButton, "home"));
    auto *close = static_cast<SystemButton *>(named(new SystemButton, "close"));
    auto *tab = static_cast<QToolButton *>(named(new QToolButton, "tabbtn"));
    tab->setText(QStringLiteral("GAME"));
    tab->setCheckable(true);
    tab->setChecked(true);
    auto *bar = static_cast<QProgressBar *>(named(new QProgressBar, "bar"));
    bar->setRange(0, 100);
    bar->setValue(40);
    auto *combo = static_cast<SettingsCombobox *>(named(new SettingsCombobox, "download"));
    combo->setView(new QListView);
    combo->addItems({QStringLiteral("Torrents + Http"), QStringLiteral("Http")});
    named(new QCheckBox(QStringLiteral("Desktop shortcut")), "shortcut");
    named(new SettingsRadio(QStringLiteral("Http")), "radio");
    named(new SettingsEdit(QStringLiteral("127.0.0.1")), "host");
    named(new SettingsSpin, "port");
    named(new QTextEdit(QStringLiteral("Agreement")), "eula");
    auto *link = static_cast<LinkLabel *>(named(new LinkLabel(QStringLiteral("eula")), "eula_link"));
    link->setText(QStringLiteral("License agreement"));
    auto *scroll = static_cast<QScrollArea *>(named(new QScrollArea, "news_scroll"));
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto *container = new QFrame;
    container->setObjectName(QStringLiteral("news_container"));
    container->setMinimumHeight(2000);
    scroll->setWidget(container);
    QMenu menu;
    menu.addAction(QStringLiteral("Copy"));

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // painting loads every picture the visible rules name
    window.grab();
    menu.grab();
    combo->showPopup();
    QCoreApplication::processEvents();
    combo->hidePopup();

    qInstallMessageHandler(previous);
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));

    // the rules reached their widgets
    QCOMPARE(status->palette().color(QPalette::WindowText), QColor(QStringLiteral("#c8d63f")));
    QCOMPARE(status->font().pixelSize(), 17);
    QCOMPARE(play->height(), 46);
    QCOMPARE(play->font().pixelSize(), 25);
    QVERIFY(base->width() >= 124 && base->height() >= 33);
    // The small pictures sit in targets of at least 24 pixels.
    QCOMPARE(home->size(), QSize(26, 26));
    QCOMPARE(close->size(), QSize(24, 24));
    QCOMPARE(bar->height(), 7);
    // the checked tab is underlined in the deeper lime
    const QImage tabImage = tab->grab().toImage();
    QCOMPARE(QColor(tabImage.pixel(tabImage.width() / 2, tabImage.height() - 2)), QColor(186, 198, 72));
    // the footer lines use the light face of the condensed family
    QCOMPARE(QFontInfo(status->font()).family(), QStringLiteral("Roboto Condensed"));
    QCOMPARE(QFontInfo(status->font()).styleName(), QStringLiteral("Light"));
    QCOMPARE(QFontInfo(play->font()).styleName(), QStringLiteral("Regular"));
    QCOMPARE(scroll->verticalScrollBar()->width(), 10);
}

void TestLook::shippedFontsProvideTheSheetFamilies()
{
    for (const char *file : {"RobotoCondensed-Regular", "RobotoCondensed-Light", "RobotoCondensed-Bold",
                             "OpenSans-Regular", "OpenSans-Bold"})
        QVERIFY2(shippedFonts.contains(QLatin1String(file)), file);
    // the families the compiled-in files themselves report (the system may hold the same fonts)
    QStringList shippedFamilies;
    for (const QString &font : shippedFonts) {
        const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/") + font);
        QVERIFY2(id >= 0, qPrintable(font));
        shippedFamilies += QFontDatabase::applicationFontFamilies(id);
    }
    const QStringList named = matches(sheet, QStringLiteral("font-family:\\s*\"([^\"]+)\""));
    QCOMPARE(named.size(), 2);
    for (const QString &family : named) {
        QVERIFY2(shippedFamilies.contains(family), qPrintable(family + QStringLiteral(" is not among ") +
                                                              shippedFamilies.join(QLatin1Char(','))));
        QFont font(family);
        font.setPixelSize(20);
        QCOMPARE(QFontInfo(font).family(), family);
        font.setBold(true);
        QCOMPARE(QFontInfo(font).styleName(), QStringLiteral("Bold"));
    }
}

// Grabs of whole dialogs under the sheet; with GD7_LOOK_SHOTS set they are also written there
// as PNG files to look at.
void TestLook::dialogsWearTheLook()
{
    qApp->setStyleSheet(sheet);
    const QString shots = qEnvironmentVariable("GD7_LOOK_SHOTS");
    auto keep = [&](const QImage &image, const char *name) {
        if (!shots.isEmpty())
            QVERIFY(image.save(QDir(shots).filePath(QLatin1String(name) + QStringLiteral(".png"))));
    };
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);

    QString agreement;
    for (int i = 1; i <= 40; ++i)
        agreement +=
            QStringLiteral("%1. The player may install and use the game on any number of computers. "
                           "Accounts, items and progress remain subject to the rules of conduct.\n\n")
                .arg(i);
    EulaDialog eula(nullptr, agreement, true);
    eula.show();
    QVERIFY(QTest::qWaitForWindowExposed(&eula));
    const QImage eulaImage = eula.grab().toImage();
    keep(eulaImage, "agreement");
    // the side picture fills its column: lit crystal near the foot, not the dialog's grey
    const QColor crystal = eulaImage.pixelColor(109, 560);
    QVERIFY2(crystal.blue() > 80 && crystal != QColor(25, 25, 25), qPrintable(crystal.name()));
    QVERIFY(eula.acceptButton()->width() >= 124 && eula.acceptButton()->height() >= 33);
    const auto *title = eula.findChild<QLabel *>(QStringLiteral("wizard_title"));
    QVERIFY(title);
    QCOMPARE(title->font().pixelSize(), 24);
    QCOMPARE(QFontInfo(title->font()).family(), QStringLiteral("Roboto Condensed"));

    StyledMessageBox box(QStringLiteral("Glimmerdeep"),
                         QStringLiteral("Program will exit. Do you want to continue?"), 0x4000 | 0x10000);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    keep(box.grab().toImage(), "message");
    QVERIFY(box.width() >= 250);

    QFrame column;
    column.setStyleSheet(QStringLiteral("QFrame#column { background: rgb(24, 24, 24); }"));
    column.setObjectName(QStringLiteral("column"));
    column.setFixedWidth(355);
    auto *layout = new QVBoxLayout(&column);
    layout->setContentsMargins(0, 0, 0, 20);
    layout->setSpacing(10);
    layout->addWidget(new SettingsBack(QStringLiteral("<  Back")));
    auto *inner = new QVBoxLayout;
    inner->setContentsMargins(20, 20, 20, 0);
    inner->setSpacing(10);
    layout->addLayout(inner);
    inner->addWidget(new SettingsLabel(QStringLiteral("Language")));
    auto *language = new SettingsCombobox;
    language->setView(new QListView);
    language->addItems({QStringLiteral("English"), QStringLiteral("Deutsch"), QStringLiteral("日本語")});
    inner->addWidget(language);
    inner->addWidget(new SettingsLabel(QStringLiteral("File download method")));
    auto *method = new SettingsCombobox;
    method->addItems({QStringLiteral("Torrents + Http"), QStringLiteral("Http")});
    inner->addWidget(method);
    inner->addSpacing(20);
    inner->addWidget(new SettingsLabel(QStringLiteral("Troubleshooting")));
    inner->addWidget(new SettingsButton(QStringLiteral("Checking game files...")));
    auto *disabled = new SettingsButton(QStringLiteral("Diagnostics..."));
    disabled->setEnabled(false);
    inner->addWidget(disabled);
    auto *radio = new SettingsRadio(QStringLiteral("SOCKS5"));
    radio->setChecked(true);
    inner->addWidget(radio);
    inner->addWidget(new SettingsRadio(QStringLiteral("HTTP")));
    inner->addWidget(new SettingsEdit(QStringLiteral("127.0.0.1")));
    auto *spin = new SettingsSpin;
    spin->setRange(1, 65535);
    spin->setValue(1080);
    inner->addWidget(spin);
    auto *check = new QCheckBox(QStringLiteral("Create a desktop shortcut"));
    check->setChecked(true);
    inner->addWidget(check);
    inner->addStretch(1);
    for (const char *text : {"License agreement", "Privacy policy", "Rules of conduct"}) {
        auto *link = new LinkLabel(QStringLiteral("eula"));
        link->setText(QLatin1String(text));
        inner->addWidget(link, 0, Qt::AlignHCenter);
    }
    auto *version = new QLabel(QStringLiteral("GD7Launcher 4.0.18085"));
    version->setObjectName(QStringLiteral("build_version"));
    inner->addWidget(version, 0, Qt::AlignHCenter);
    column.resize(355, 720);
    column.show();
    QVERIFY(QTest::qWaitForWindowExposed(&column));
    const QImage columnImage = column.grab().toImage();
    keep(columnImage, "settings");
    const QPoint inside = disabled->geometry().center() - QPoint(disabled->width() / 2 - 4, 0);
    QCOMPARE(columnImage.pixelColor(inside), QColor(0x4d, 0x4d, 0x4d));
    QCOMPARE(version->palette().color(QPalette::WindowText), QColor(0x8e, 0x8e, 0x8e));

    // the toolkit's folder picker, as the install dialog opens it
    QFileDialog picker(nullptr, QStringLiteral("Select folder"), QDir::tempPath());
    picker.setObjectName(QStringLiteral("folder_picker"));
    picker.setOption(QFileDialog::DontUseNativeDialog);
    picker.setFileMode(QFileDialog::Directory);
    picker.resize(640, 420);
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    const QImage pickerImage = picker.grab().toImage();
    keep(pickerImage, "folder_picker");
    QCOMPARE(pickerImage.pixelColor(2, pickerImage.height() / 2), QColor(25, 25, 25));

    qInstallMessageHandler(previous);
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestLook)
#include "tst_look.moc"
