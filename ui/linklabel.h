#pragma once

#include <QLabel>

// A clickable text of the settings panel; reports which link it stands for. Reached by Tab
// and opened with Enter or Space as well.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(const QString &link, QWidget *parent = nullptr);

    QString link() const { return m_link; }
    // What a click does: reports the link.
    void activate();

signals:
    void onClick(const QString &link);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_link;
};
