#include "ui/accessibleroles.h"

#include "app/tr.h"
#include "ui/feeditem.h"
#include "ui/launcherfooter.h"
#include "ui/linklabel.h"
#include "ui/settingselidedlabel.h"
#include "ui/socialbutton.h"
#include "ui/tabbutton.h"
#include "ui/tabs.h"

#include <QAccessibleWidget>

#include <functional>
#include <utility>

namespace {

// A control with the role of what it does, pressed through its press action.
class PressableWidget : public QAccessibleWidget
{
public:
    PressableWidget(QWidget *widget, QAccessible::Role role, std::function<void()> press)
        : QAccessibleWidget(widget, role), m_press(std::move(press))
    {}

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction() && widget()->isEnabled())
            m_press();
        else
            QAccessibleWidget::doAction(actionName);
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    std::function<void()> m_press;
};

// A header button that opens one of the game's pages in the browser.
class PageLink : public PressableWidget
{
public:
    explicit PageLink(SocialButton *button)
        : PressableWidget(button, QAccessible::Link, [button] { button->animateClick(); })
    {}
};

// GAME or NEWS: selected while its page is shown.
class PageTab : public PressableWidget
{
public:
    explicit PageTab(TabButton *tab) : PressableWidget(tab, QAccessible::PageTab, [tab] { tab->click(); }) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const auto *tab = static_cast<const TabButton *>(widget());
        const int unread = tab->property("unread").toInt();
        return unread > 0 ? TR::tr("TabUnread", "", unread).arg(tab->text()) : tab->text();
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        const auto *tab = static_cast<const TabButton *>(widget());
        s.selectable = true;
        s.selected = tab->isChecked();
        return s;
    }
};

// A news card: opened in the browser like a link; its title is its name, the text and date
// its description.
class NewsCardLink : public PressableWidget
{
public:
    explicit NewsCardLink(FeedItem *card) : PressableWidget(card, QAccessible::Link, [card] { card->open(); })
    {}

    QString text(QAccessible::Text t) const override
    {
        const auto *card = static_cast<const FeedItem *>(widget());
        if (t == QAccessible::Name)
            return card->title();
        if (t == QAccessible::Description)
            return card->summary();
        return QAccessibleWidget::text(t);
    }
};

class DocumentLink : public PressableWidget
{
public:
    explicit DocumentLink(LinkLabel *link)
        : PressableWidget(link, QAccessible::Link, [link] { link->activate(); })
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const LinkLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

class PaintedText : public QAccessibleWidget
{
public:
    explicit PaintedText(SettingsElidedLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const SettingsElidedLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *launcherInterface(const QString &className, QObject *object)
{
    if (object == nullptr || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("SocialButton")) {
        // The settings button opens the panel; the visit icon only pictures what the card does.
        auto *button = static_cast<SocialButton *>(object);
        const QString name = button->objectName();
        if (name == QLatin1String("settings"))
            return nullptr;
        if (name == QLatin1String("visit"))
            return new QAccessibleWidget(button, QAccessible::Graphic);
        return new PageLink(button);
    }
    if (className == QLatin1String("TabButton"))
        return new PageTab(static_cast<TabButton *>(object));
    if (className == QLatin1String("Tabs"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::PageTabList);
    if (className == QLatin1String("FeedItem"))
        return new NewsCardLink(static_cast<FeedItem *>(object));
    if (className == QLatin1String("LinkLabel"))
        return new DocumentLink(static_cast<LinkLabel *>(object));
    if (className == QLatin1String("SettingsElidedLabel"))
        return new PaintedText(static_cast<SettingsElidedLabel *>(object));
    if (className == QLatin1String("LauncherFooter"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::StatusBar);
    return nullptr;
}

} // namespace

void installAccessibleRoles()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(launcherInterface);
}
