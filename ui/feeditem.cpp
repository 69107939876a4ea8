#include "ui/feeditem.h"

#include "app/logger.h"
#include "app/paths.h"
#include "app/programsettings.h"
#include "net/httpconnection.h"
#include "ui/newsdate.h"
#include "ui/newsfooter.h"
#include "ui/newsheaderlabel.h"
#include "ui/newsimage.h"
#include "ui/newspicture.h"
#include "ui/newstext.h"
#include "ui/newstexts.h"
#include "ui/social.h"
#include "ui/socialbutton.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int FooterSideSpace = 15;
// The 12-pixel visit picture sits centred in a 24-pixel target; its edge stays 15 pixels in.
constexpr int VisitInset = 6;

QStringList readNewsIds(const IProgramSettings *settings)
{
    const QVariant value = settings->value(SettingsKey::ReadNews);
    return value.isValid() && !value.isNull() ? value.toStringList() : QStringList();
}

// The text as it fits the label: when it would overflow, cut to the lines that fit with "…".
QString fittedText(const QLabel *label, const QString &text)
{
    const QRect area = label->contentsRect();
    const QFontMetrics metrics = label->fontMetrics();
    const QRect needed = metrics.boundingRect(area, int(label->alignment()) | Qt::TextWordWrap, text);
    if (text.isEmpty() || needed.height() <= area.height())
        return text;
    const int lines = qMax(1, (area.height() - metrics.lineSpacing()) / metrics.lineSpacing());
    return metrics.elidedText(text, Qt::ElideRight, needed.width() * lines, Qt::TextShowMnemonic);
}

} // namespace

FeedItem::FeedItem(const SFeedItem &item, IProgramSettings *settings, QWidget *parent)
    : QFrame(parent), m_settings(settings), m_id(newstexts::itemId(item)), m_link(item.link),
      m_image(item.image), m_title(newstexts::stripTags(item.title)),
      m_description(newstexts::stripTags(item.description)), m_imageLabel(new NewsImage(this)),
      m_headerLabel(new NewsHeaderLabel(this)), m_textLabel(new NewsText(this)),
      m_dateLabel(new NewsDate(this)), m_visitButton(new SocialButton(this))
{
    setCursor(Qt::PointingHandCursor);
    // The card itself takes the focus; its small visit icon is only a picture of the same act.
    setFocusPolicy(Qt::StrongFocus);
    // The style sheet's margin spaces the cards; the ring goes round the card itself.
    setProperty("focusRingOnContents", true);
    m_imageLabel->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    m_headerLabel->setTextFormat(Qt::RichText);
    m_headerLabel->setWordWrap(true);
    m_headerLabel->setAlignment(Qt::AlignCenter);
    m_textLabel->setTextFormat(Qt::RichText);
    m_textLabel->setWordWrap(true);
    m_textLabel->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_dateLabel->setText(newstexts::dateText(item.pubDate, QDateTime::currentDateTimeUtc()));
    m_visitButton->setObjectName(QStringLiteral("visit"));
    m_visitButton->setCursor(Qt::PointingHandCursor);
    m_visitButton->setFocusPolicy(Qt::NoFocus);
    connect(m_visitButton, &SocialButton::clicked, this, &FeedItem::open);

    auto *footer = new NewsFooter(this);
    auto *footerBox = new QHBoxLayout(footer);
    footerBox->setContentsMargins(0, 0, 0, 0);
    footerBox->setSpacing(0);
    footerBox->addSpacing(FooterSideSpace);
    footerBox->addWidget(m_dateLabel);
    footerBox->addStretch();
    footerBox->addWidget(m_visitButton);
    footerBox->addSpacing(FooterSideSpace - VisitInset);

    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    box->addWidget(m_imageLabel);
    box->addWidget(m_headerLabel);
    box->addWidget(m_textLabel);
    box->addWidget(footer);

    m_headerLabel->setText(m_title);
    m_visitButton->setAccessibleName(m_title);
    m_textLabel->setText(m_description);
    m_read = !m_id.isEmpty() && readNewsIds(m_settings).contains(m_id);

    // The loader decodes large pictures straight to the size of the card's picture (from the
    // style sheet), which keeps both its work and the memory of many cards small.
    ensurePolished();
    m_imageLabel->ensurePolished();
    m_pictureCover = m_imageLabel->minimumSize();
}

bool FeedItem::loadImage(net::HttpConnection &connection)
{
    if (m_image.isEmpty())
        return true;
    QByteArray data;
    if (!connection.get(m_image, &data))
        return false;
    QString refusal;
    const QImage picture = newspicture::decode(data, m_pictureCover, &refusal);
    if (picture.isNull()) {
        Logger::instance().crit(QStringLiteral("news picture refused: ") + m_image.toString() +
                                QStringLiteral(": ") + refusal);
        return false;
    }
    QMetaObject::invokeMethod(
        this, [this, picture] { showPicture(picture); }, Qt::QueuedConnection);
    return true;
}

void FeedItem::markRead()
{
    if (m_read || m_viewed || m_id.isEmpty())
        return;
    QStringList ids = readNewsIds(m_settings);
    if (ids.contains(m_id))
        return;
    ids.append(m_id);
    m_settings->setValue(SettingsKey::ReadNews, ids);
    // A failed save is not worth a word to the player: the card is shown as seen either way.
    m_settings->save(Paths::settingsPath());
}

void FeedItem::mousePressEvent(QMouseEvent *event)
{
    QFrame::mousePressEvent(event);
    open();
}

void FeedItem::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        open();
        return;
    default:
        QFrame::keyPressEvent(event);
    }
}

QString FeedItem::summary() const
{
    return m_description + QStringLiteral(" (") + m_dateLabel->text() + QLatin1Char(')');
}

void FeedItem::open()
{
    // Only web pages: a feed is outside content, and any other scheme (file, javascript, a
    // custom handler) could start something on the player's machine.
    if (!Social::isOpenable(m_link) || !QDesktopServices::openUrl(m_link) || m_read)
        return;
    markRead();
    m_read = true;
    // The style sheet greys the texts of read cards.
    restyle(m_dateLabel);
    restyle(m_headerLabel);
    restyle(m_textLabel);
    emit readed();
}

void FeedItem::enterEvent(QEvent *event)
{
    QFrame::enterEvent(event);
    m_visitButton->setProperty("hovered", true);
    restyle(m_visitButton);
}

void FeedItem::leaveEvent(QEvent *event)
{
    QFrame::leaveEvent(event);
    m_visitButton->setProperty("hovered", false);
    restyle(m_visitButton);
}

void FeedItem::restyle(QWidget *widget)
{
    // Style sheet rules that select on a property apply a new value only after a re-polish.
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

void FeedItem::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    elideTexts();
    fitPicture();
}

void FeedItem::elideTexts()
{
    m_textLabel->setText(fittedText(m_textLabel, m_description));
    const QString title = fittedText(m_headerLabel, m_title);
    m_headerLabel->setText(title);
    m_headerLabel->setToolTip(title == m_title ? QString() : m_title);
}

void FeedItem::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (m_viewed || m_read)
        return;
    const QRect visible = visibleRegion().boundingRect();
    const qint64 whole = qint64(width()) * height();
    // Seen once three quarters of the card have been on screen.
    if (whole > 0 && qint64(visible.width()) * visible.height() * 4 > whole * 3) {
        markRead();
        m_viewed = true;
    }
}

void FeedItem::showPicture(const QImage &picture)
{
    m_picture = QPixmap::fromImage(picture);
    fitPicture();
    emit pictureShown();
}

void FeedItem::fitPicture()
{
    if (!m_picture.isNull())
        m_imageLabel->setPixmap(newspicture::fit(m_picture, m_imageLabel->size()));
}
