#pragma once

#include <QLabel>

// A clickable text of the settings panel; reports which link it stands for.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(const QString &link, QWidget *parent = nullptr);

    QString link() const { return m_link; }

signals:
    void onClick(const QString &link);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_link;
};
