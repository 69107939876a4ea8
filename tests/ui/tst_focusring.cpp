#include "app/jsonsettings.h"
#include "ui/appearance.h"
#include "ui/basebutton.h"
#include "ui/feeditem.h"
#include "ui/focusring.h"
#include "ui/linklabel.h"
#include "ui/settingscombobox.h"
#include "ui/settingsedit.h"
#include "ui/socialbutton.h"
#include "ui/styleddialog.h"
#include "ui/systembutton.h"

#include <QApplication>
#include <QListView>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QtTest>

#include <cmath>

namespace {

double luminance(const QColor &c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

constexpr int Outset = FocusRing::Gap + FocusRing::Width;

} // namespace

// The focus ring on real windows: it surrounds the control the keyboard reached, in the style
// sheet's colour, readable against what lies around it, without moving or resizing anything;
// a mouse click takes it away; a control scrolled partly out of view keeps it inside the view.
class FocusRingTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void ringSurroundsTheKeyboardFocus_data();
    void ringSurroundsTheKeyboardFocus();
    void ringStaysInsideAScrolledView();
};

void FocusRingTest::initTestCase()
{
    addApplicationFonts();
    qApp->setStyleSheet(loadStyleSheet());
    FocusRing::install();
    FocusRing::install();
}

void FocusRingTest::ringSurroundsTheKeyboardFocus_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind :
         {"outlined button", "list", "field", "document link", "page link", "window button", "news card"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void FocusRingTest::ringSurroundsTheKeyboardFocus()
{
    QFETCH(QString, kind);
    JsonSettings settings;
    StyledDialog dialog;
    dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    dialog.resize(420, 560);
    auto *layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(40, 40, 40, 40);
    auto *first = new SettingsEdit(&dialog);
    layout->addWidget(first);
    QWidget *target = nullptr;
    if (kind == QLatin1String("outlined button")) {
        target = new BaseButton(QStringLiteral("Cancel"), &dialog);
    } else if (kind == QLatin1String("list")) {
        auto *list = new SettingsCombobox(&dialog);
        list->setView(new QListView(list));
        list->addItems({QStringLiteral("Torrents + Http"), QStringLiteral("Http")});
        target = list;
    } else if (kind == QLatin1String("field")) {
        target = new SettingsEdit(&dialog);
    } else if (kind == QLatin1String("document link")) {
        auto *link = new LinkLabel(QStringLiteral("eula"), &dialog);
        link->setText(QStringLiteral("License agreement"));
        target = link;
    } else if (kind == QLatin1String("page link")) {
        target = new SocialButton(&dialog);
        target->setObjectName(QStringLiteral("home"));
    } else if (kind == QLatin1String("news card")) {
        target = new FeedItem(NewsRecord{QDateTime::currentDateTimeUtc(),
                                         QUrl(QStringLiteral("http://127.0.0.1/1")),
                                         QStringLiteral("Patch 1.3"), QStringLiteral("New depths."), QUrl()},
                              &settings, &dialog);
    } else {
        target = dialog.foldButton();
    }
    if (target->parentWidget() == &dialog && target != dialog.foldButton())
        layout->addWidget(target, 0, Qt::AlignLeft);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    first->setFocus(Qt::MouseFocusReason);
    const QRect before = target->geometry();

    for (int i = 0; i < 10 && !target->hasFocus(); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(target->hasFocus());
    FocusRing *ring = FocusRing::instance();
    QTRY_COMPARE(ring->target(), target);
    QCOMPARE(ring->parentWidget(), &dialog);
    // A card's style sheet margin only spaces the cards: the ring goes round the card itself.
    const QRect shown = kind == QLatin1String("news card") ? target->contentsRect() : target->rect();
    QVERIFY(shown != target->rect() || kind != QLatin1String("news card"));
    const QRect around =
        shown.translated(target->mapTo(&dialog, QPoint(0, 0))).adjusted(-Outset, -Outset, Outset, Outset);
    QTRY_COMPARE(ring->geometry(), around);
    QCOMPARE(target->geometry(), before);

    // The ring as the player sees it: the sheet's colour all round, standing out from what is
    // beside it.
    const QImage shot = dialog.grab().toImage();
    const QColor colour = ring->palette().color(QPalette::WindowText);
    QCOMPARE(colour, QColor(QStringLiteral("#c8d63f")));
    const int midY = around.center().y();
    const int midX = around.center().x();
    for (const QPoint &onRing : {QPoint(around.left(), midY), QPoint(around.right(), midY),
                                 QPoint(midX, around.top()), QPoint(midX, around.bottom())})
        QCOMPARE(shot.pixelColor(onRing), colour);
    const QColor outside = shot.pixelColor(around.left() - 1, midY);
    QVERIFY2(contrast(colour, outside) >= 3.0, qPrintable(outside.name()));

    // Focus that comes with a click shows no ring.
    QTest::mouseClick(first, Qt::LeftButton);
    QTRY_VERIFY(ring->target() == nullptr);
    QVERIFY(!ring->isVisible());
}

void FocusRingTest::ringStaysInsideAScrolledView()
{
    StyledDialog dialog;
    dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    dialog.resize(300, 200);
    auto *layout = new QVBoxLayout(&dialog);
    auto *scroll = new QScrollArea(&dialog);
    layout->addWidget(scroll);
    auto *content = new QWidget;
    content->setFixedSize(240, 600);
    auto *button = new BaseButton(QStringLiteral("Deep"), content);
    button->move(20, 500);
    scroll->setWidget(content);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    // Half of it below the view.
    scroll->verticalScrollBar()->setValue(500 + button->height() / 2 - scroll->viewport()->height());
    button->setFocus(Qt::OtherFocusReason);
    FocusRing *ring = FocusRing::instance();
    QTRY_COMPARE(ring->target(), button);
    const QRect view(scroll->viewport()->mapTo(&dialog, QPoint(0, 0)), scroll->viewport()->size());
    QTRY_VERIFY(ring->isVisible());
    QVERIFY2(view.contains(ring->geometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                             .arg(ring->x())
                                                             .arg(ring->y())
                                                             .arg(ring->width())
                                                             .arg(ring->height())));
}

QTEST_MAIN(FocusRingTest)
#include "tst_focusring.moc"
