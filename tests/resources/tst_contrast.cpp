// The contrast of every text and its background in the style sheet, computed as WCAG 2 defines
// it, so that no later change of a colour can make a text hard to read again. Running text
// needs 4.5:1, large text (tabs, PLAY, titles) and the focus ring 3:1. Where the sheet does not
// paint the background itself (the header is a frosted copy of the backdrop), the background is
// measured from the shipped pictures the way the window paints it.

#include "ui/appearance.h"

#include <QColor>
#include <QDirIterator>
#include <QImage>
#include <QRegularExpression>
#include <QtTest>

#include <cmath>

namespace {

// The sheet's rules: for each selector, its properties (a selector may appear in several rules,
// later ones win, as in the toolkit).
using Rules = QHash<QString, QHash<QString, QString>>;

QString normalized(QString selector)
{
    return selector.simplified();
}

Rules parseSheet(QString sheet)
{
    sheet.remove(
        QRegularExpression(QStringLiteral("/\\*.*?\\*/"), QRegularExpression::DotMatchesEverythingOption));
    Rules rules;
    const QRegularExpression rule(QStringLiteral("([^{}]+)\\{([^}]*)\\}"));
    auto blocks = rule.globalMatch(sheet);
    while (blocks.hasNext()) {
        const auto block = blocks.next();
        QHash<QString, QString> properties;
        for (const QString &declaration : block.captured(2).split(QLatin1Char(';'))) {
            const int colon = declaration.indexOf(QLatin1Char(':'));
            if (colon > 0)
                properties.insert(declaration.left(colon).trimmed(), declaration.mid(colon + 1).trimmed());
        }
        for (const QString &selector : block.captured(1).split(QLatin1Char(','))) {
            QHash<QString, QString> &target = rules[normalized(selector)];
            for (auto it = properties.cbegin(); it != properties.cend(); ++it)
                target.insert(it.key(), it.value());
        }
    }
    return rules;
}

// "#rrggbb", "#rgb", "rgb(r, g, b)", "rgba(r, g, b, a)" with a as 0..255 or a percentage, and
// the names the sheet uses.
QColor parseColor(const QString &text)
{
    const QRegularExpression function(QStringLiteral("^rgba?\\(([^)]*)\\)$"));
    const auto match = function.match(text.trimmed());
    if (!match.hasMatch())
        return QColor(text.trimmed());
    const QStringList parts = match.captured(1).split(QLatin1Char(','));
    if (parts.size() < 3)
        return QColor();
    QColor color(parts[0].trimmed().toInt(), parts[1].trimmed().toInt(), parts[2].trimmed().toInt());
    if (parts.size() == 4) {
        const QString alpha = parts[3].trimmed();
        if (alpha.endsWith(QLatin1Char('%')))
            color.setAlphaF(alpha.chopped(1).toDouble() / 100.0);
        else
            color.setAlpha(alpha.toInt());
    }
    return color;
}

QColor over(const QColor &top, const QColor &below)
{
    const double a = top.alphaF();
    return QColor::fromRgbF(top.redF() * a + below.redF() * (1 - a),
                            top.greenF() * a + below.greenF() * (1 - a),
                            top.blueF() * a + below.blueF() * (1 - a));
}

double channel(double c)
{
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &c)
{
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The header as the window paints it over the game page: the backdrop under it, blurred, with a
// grey veil. The blur keeps a region's mean, so the brightest mean of a tab-sized region over
// every shipped backdrop (laid out by the window's height) is the lightest the tabs stand on.
QColor lightestHeader()
{
    constexpr int HeaderHeight = 96;
    constexpr int TabWidth = 200;
    const QColor veil(145, 145, 145, 102);
    QColor lightest = Qt::black;
    QDirIterator pictures(QStringLiteral(":/backgrounds"));
    while (pictures.hasNext()) {
        const QImage picture = QImage(pictures.next()).scaledToHeight(720, Qt::SmoothTransformation);
        for (int x = 0; x + TabWidth <= picture.width(); x += 40) {
            const QImage band = picture.copy(x, 0, TabWidth, HeaderHeight)
                                    .scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const QColor shown = over(veil, band.pixelColor(0, 0));
            if (luminance(shown) > luminance(lightest))
                lightest = shown;
        }
    }
    return lightest;
}

// A background: "Selector|property" from the sheet, "@header" measured, or a colour the window
// sets in code.
constexpr double Body = 4.5;
constexpr double Large = 3.0;

} // namespace

class TestContrast : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void pairs_data();
    void pairs();
    void headerIsMeasured();

private:
    QColor resolve(const QString &spec);

    Rules m_rules;
    QColor m_header;
};

void TestContrast::initTestCase()
{
    const QString sheet = loadStyleSheet();
    QVERIFY(!sheet.isEmpty());
    m_rules = parseSheet(sheet);
    m_header = lightestHeader();
}

QColor TestContrast::resolve(const QString &spec)
{
    if (spec == QLatin1String("@header"))
        return m_header;
    if (spec.startsWith(QLatin1Char('#')))
        return QColor(spec);
    const QString selector = spec.section(QLatin1Char('|'), 0, 0);
    const QString property = spec.section(QLatin1Char('|'), 1, 1);
    return parseColor(m_rules.value(normalized(selector)).value(property));
}

void TestContrast::pairs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("background");
    QTest::addColumn<double>("minimum");
    auto row = [](const char *name, const char *text, const char *background, double minimum) {
        QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(background) << minimum;
    };
    const char *dialog = "StyledDialog|background-color";
    const char *panel = "PanelContent|background-color";
    const char *card = "FeedItem|background-color";
    const char *cardHover = "FeedItem:hover|background-color";
    const char *wizard = "QWidget#wizard_body|background-color";
    // The footer and PLAY stand on the backdrop's foot, which the window fades to its black.
    const char *windowBlack = "Launcher|background-color";
    // The header on the news page (set by the window, not the sheet).
    const char *newsHeader = "#4a4a4a";

    row("message box text", "StyledMessageBox QLabel|color", dialog, Body);
    row("tooltip", "QToolTip|color", "QToolTip|background-color", Body);
    row("outlined button", "BaseButton|color", dialog, Body);
    row("outlined button, hover", "BaseButton:hover|color", "BaseButton:hover|background-color", Body);
    row("outlined button, pressed", "BaseButton:pressed|color", "BaseButton:pressed|background-color", Body);
    row("lime button", "StyledButton|color", "StyledButton|background-color", Body);
    row("lime button, hover", "StyledButton:hover|color", "StyledButton:hover|background-color", Body);
    row("PLAY disabled", "StyledButton:disabled|color", "StyledButton:disabled|background-color", Large);
    row("inactive tab", "QToolButton#tabbtn|color", "@header", Large);
    row("selected tab", "QToolButton#tabbtn:checked|color", "@header", Large);
    row("inactive tab, news page", "QToolButton#tabbtn|color", newsHeader, Large);
    row("footer status", "QLabel#status|color", windowBlack, Body);
    row("footer detail", "QLabel#progress|color", windowBlack, Body);
    row("news title", "NewsHeaderLabel|color", card, Body);
    row("news title, hover", "NewsHeaderLabel|color", cardHover, Body);
    row("news text", "NewsText|color", card, Body);
    row("news text, hover", "NewsText|color", cardHover, Body);
    row("news date", "NewsDate|color", card, Body);
    row("news date, hover", "NewsDate|color", cardHover, Body);
    row("read news", "NewsText[read=\"true\"]|color", card, Body);
    row("read news, hover", "NewsText[read=\"true\"]|color", cardHover, Body);
    row("read news at start", "FeedItem[isRead=\"true\"] NewsText|color", cardHover, Body);
    row("dialog title", "QLabel#wizard_title|color", wizard, Large);
    row("dialog label", "QLabel#wizard_label|color", wizard, Body);
    row("dialog error", "QLabel#wizard_label_error|color", wizard, Body);
    row("proxy error", "QLabel#wizard_label_error|color", dialog, Body);
    row("space too short", "QLabel#wizard_size[short=\"true\"]|color", wizard, Body);
    row("folder button", "QPushButton#path_btn|color", wizard, Body);
    row("agreement text", "QTextEdit#eula|color", "QTextEdit#eula|background-color", Body);
    row("settings back", "SettingsBack|color", "SettingsBack|background-color", Body);
    row("settings back, hover", "SettingsBack|color", "SettingsBack:hover|background-color", Body);
    row("settings label", "SettingsLabel|color", panel, Body);
    row("settings button", "SettingsButton|color", panel, Body);
    row("settings button, hover", "SettingsButton:hover|color", "SettingsButton:hover|background-color",
        Body);
    row("settings list", "SettingsCombobox|color", "SettingsCombobox|background-color", Body);
    row("settings list item", "SettingsCombobox QAbstractItemView|selection-color",
        "SettingsCombobox QAbstractItemView|selection-background-color", Body);
    row("settings field", "SettingsEdit|color", "SettingsEdit|background-color", Body);
    row("document link", "LinkLabel|color", panel, Body);
    row("build version", "QLabel#build_version|color", panel, Body);
    row("task dialog status", "SettingsElidedLabel|color", dialog, Body);
    row("focus ring in a dialog", "FocusRing|color", dialog, Large);
    row("focus ring in the panel", "FocusRing|color", panel, Large);
    row("focus ring on the window", "FocusRing|color", windowBlack, Large);
    row("focus ring in the header", "FocusRing|color", "@header", Large);
    row("focus ring on the news page", "FocusRing|color", newsHeader, Large);
}

void TestContrast::pairs()
{
    QFETCH(QString, text);
    QFETCH(QString, background);
    QFETCH(double, minimum);
    const QColor below = resolve(background);
    const QColor foreground = resolve(text);
    QVERIFY2(below.isValid(), qPrintable(background + QStringLiteral(" is not in the sheet")));
    QVERIFY2(foreground.isValid(), qPrintable(text + QStringLiteral(" is not in the sheet")));
    // A see-through colour is seen over what lies under it.
    const QColor shown = over(foreground, over(below, Qt::black));
    const double ratio = contrast(shown, over(below, Qt::black));
    QVERIFY2(ratio >= minimum, qPrintable(QStringLiteral("%1 on %2: %3:1, needs %4:1")
                                              .arg(shown.name(), over(below, Qt::black).name())
                                              .arg(ratio, 0, 'f', 2)
                                              .arg(minimum)));
}

// The measurement itself: known colours give the ratios WCAG publishes, and the header is
// lighter than the veil alone would make a black picture.
void TestContrast::headerIsMeasured()
{
    QCOMPARE(qRound(contrast(Qt::white, Qt::black) * 10), 210);
    QCOMPARE(qRound(contrast(QColor(0x76, 0x76, 0x76), Qt::white) * 100), 454);
    QCOMPARE(parseColor(QStringLiteral("rgba(255, 255, 255, 10%)")).alpha(), 26);
    QCOMPARE(parseColor(QStringLiteral("rgb(25, 25, 25)")), QColor(25, 25, 25));
    QVERIFY(luminance(m_header) > luminance(over(QColor(145, 145, 145, 102), Qt::black)));
}

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
