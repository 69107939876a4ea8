#pragma once

#include <QFrame>
#include <QHash>
#include <QPixmap>

class QAction;
class SocialButton;
class Tabs;

// The main window's top bar: the GAME and NEWS tabs, the buttons to the game's pages and the
// settings button, over a blurred copy of the window's backdrop.
class LauncherHeader : public QFrame
{
    Q_OBJECT
public:
    LauncherHeader(QWidget *parent, QWidget *backdrop);

    Tabs *tabs() const { return m_tabs; }
    SocialButton *settingsButton() const { return m_settings; }
    // A page's button by its object name ("home", "forum", "facebook", ...); null when its link is empty.
    SocialButton *socialButton(const QString &name) const { return m_social.value(name); }
    // The header's controls as the eye reads them: the tabs, the page buttons, settings.
    QList<QWidget *> readingOrder() const;
    double darkness() const { return m_darkness; }
    QPixmap blurredPicture() const { return m_blurred; }

    // Rebuilds the blurred picture after the backdrop's picture, position or opacity changed.
    void refreshBackground();

signals:
    void toggleSettings();

public slots:
    void setBackgroundDarked(double dark);
    void setBackgroundDarked();

protected:
    virtual void retranslate();
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createSocialButtons();
    QLayout *createButtonColumn();
    void renderBlurredPicture();

    QWidget *m_backdrop;
    QPixmap m_blurred;
    double m_darkness = 0.0;
    bool m_busy = false;
    SocialButton *m_settings;
    QHash<QString, SocialButton *> m_social;
    Tabs *m_tabs;
    QAction *m_gameAction;
    QAction *m_newsAction;
};
