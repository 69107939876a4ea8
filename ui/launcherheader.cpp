#include "ui/launcherheader.h"

#include "app/tr.h"
#include "ui/social.h"
#include "ui/socialbutton.h"
#include "ui/tabs.h"

#include <QAction>
#include <QBoxLayout>
#include <QEvent>
#include <QGraphicsBlurEffect>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QPainter>
#include <QToolButton>

namespace {
struct Page
{
    const char *name;
    void (Social::*open)();
    const char *tooltipKey;
};

// In the order the buttons are created.
const Page Pages[] = {
    {"home", &Social::openHome, "LinkWeb"},
    {"forum", &Social::openForum, "LinkForum"},
    {"facebook", &Social::openFB, "LinkFacebook"},
    {"vkontakte", &Social::openVK, "LinkVK"},
    {"ok", &Social::openOK, "LinkOK"},
    {"youtube", &Social::openYoutube, "LinkYoutube"},
    {"twitter", &Social::openTwitter, "LinkTwitter"},
    {"discord", &Social::openDiscord, "LinkDiscord"},
    {"instagram", &Social::openInstagram, "LinkInstagram"},
    {"twitch", &Social::openTwitch, "LinkTwitch"},
};

// In the order the buttons stand in the row.
const char *const RowOrder[] = {"home",    "forum",   "vkontakte", "facebook", "ok",
                                "youtube", "twitter", "instagram", "discord",  "twitch"};

constexpr double BlurRadius = 7.5;
constexpr double Zoom = 1.1;
} // namespace

LauncherHeader::LauncherHeader(QWidget *parent, QWidget *backdrop)
    : QFrame(parent), m_backdrop(backdrop), m_settings(new SocialButton(this)), m_tabs(new Tabs(this)),
      m_gameAction(new QAction(this)), m_newsAction(new QAction(this))
{
    createSocialButtons();
    m_settings->setObjectName(QStringLiteral("settings"));
    m_settings->setCursor(Qt::PointingHandCursor);
    connect(m_settings, &SocialButton::clicked, this, &LauncherHeader::toggleSettings);

    m_gameAction->setCheckable(true);
    m_gameAction->setChecked(true);
    m_newsAction->setCheckable(true);
    m_tabs->addTab(m_gameAction);
    m_tabs->addTab(m_newsAction);

    auto *tabColumn = new QVBoxLayout;
    tabColumn->addWidget(m_tabs);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addSpacing(25);
    row->addLayout(tabColumn);
    row->addStretch();
    row->addLayout(createButtonColumn());
    row->addSpacing(10);

    retranslate();
}

void LauncherHeader::createSocialButtons()
{
    for (const Page &page : Pages) {
        const QString name = QString::fromLatin1(page.name);
        if (Social::link(name).isEmpty())
            continue;
        auto *button = new SocialButton(this);
        button->setObjectName(name);
        button->setCursor(Qt::PointingHandCursor);
        connect(button, &SocialButton::clicked, &Social::instance(), page.open);
        m_social.insert(name, button);
    }
}

QLayout *LauncherHeader::createButtonColumn()
{
    auto *buttonRow = new QHBoxLayout;
    buttonRow->setContentsMargins(0, 0, 0, 0);
    // 22-pixel pictures 12 apart, in 26-pixel targets.
    buttonRow->setSpacing(8);
    for (const char *name : RowOrder) {
        if (SocialButton *button = m_social.value(QString::fromLatin1(name)))
            buttonRow->addWidget(button);
    }
    buttonRow->addSpacing(54);
    buttonRow->addWidget(m_settings);
    auto *column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addLayout(buttonRow);
    column->addSpacing(18);
    return column;
}

QList<QWidget *> LauncherHeader::readingOrder() const
{
    QList<QWidget *> order;
    for (int i = 0; m_tabs->button(i) != nullptr; ++i)
        order.append(m_tabs->button(i));
    for (const char *name : RowOrder) {
        if (SocialButton *button = m_social.value(QString::fromLatin1(name)))
            order.append(button);
    }
    order.append(m_settings);
    return order;
}

void LauncherHeader::retranslate()
{
    m_settings->setToolTip(TR::tr("MenuSettings"));
    m_settings->setAccessibleName(TR::tr("MenuSettings"));
    m_gameAction->setText(TR::tr("HeaderGame"));
    m_newsAction->setText(TR::tr("HeaderNews"));
    for (const Page &page : Pages) {
        if (SocialButton *button = m_social.value(QString::fromLatin1(page.name))) {
            button->setToolTip(TR::tr(page.tooltipKey));
            button->setAccessibleName(TR::tr(page.tooltipKey));
            button->setAccessibleDescription(TR::tr("LinkOpensInBrowser"));
        }
    }
}

void LauncherHeader::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

void LauncherHeader::setBackgroundDarked(double dark)
{
    m_darkness = dark;
    update();
}

void LauncherHeader::setBackgroundDarked()
{
    setBackgroundDarked(0.0);
}

void LauncherHeader::refreshBackground()
{
    renderBlurredPicture();
    update();
}

void LauncherHeader::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    // A hidden header has nothing on screen to frost yet; its window does it once it shows
    // (Launcher::showEvent).
    if (isVisible())
        renderBlurredPicture();
}

// A frosted strip: the backdrop under the header, blurred, zoomed a little so the blur's soft
// edges fall outside, lightened towards grey.
void LauncherHeader::renderBlurredPicture()
{
    if (m_backdrop == nullptr || m_busy || width() <= 0 || height() <= 0)
        return;
    m_busy = true;
    const QRect area(m_backdrop->mapFromGlobal(mapToGlobal(QPoint(0, 0))), size());
    const QPixmap grabbed = m_backdrop->grab(area);

    QGraphicsScene scene;
    QGraphicsPixmapItem *item = scene.addPixmap(grabbed);
    auto *blur = new QGraphicsBlurEffect;
    blur->setBlurRadius(BlurRadius);
    blur->setBlurHints(QGraphicsBlurEffect::QualityHint);
    item->setGraphicsEffect(blur);

    QPixmap picture(m_backdrop->width(), height());
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.scale(Zoom, Zoom);
    scene.render(&painter, QRectF(picture.rect()), QRectF(grabbed.rect()));
    painter.setCompositionMode(QPainter::CompositionMode_SoftLight);
    const QPen pen(QColor::fromRgb(2));
    const double p = pen.widthF();
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(p / 2.2, p / 2.2, (picture.width() - p) / Zoom, (picture.height() - p) / Zoom));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.fillRect(rect(), QColor(145, 145, 145, 102));
    painter.end();

    m_blurred = picture;
    m_busy = false;
}

void LauncherHeader::paintEvent(QPaintEvent *event)
{
    if (m_backdrop != nullptr && m_backdrop->isVisible()) {
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_blurred);
        if (m_darkness > 0.1)
            painter.fillRect(m_blurred.rect(), QColor(0, 0, 0, int(m_darkness * 96)));
    }
    QFrame::paintEvent(event);
}
