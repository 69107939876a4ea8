#pragma once

#include <QStringList>
#include <QWidget>

// The sample game's only window: the game's name, the installed data version and the
// arguments it was started with, on a dark cavern-coloured background.
class SampleGameWindow : public QWidget
{
    Q_OBJECT
public:
    SampleGameWindow(const QString &version, const QStringList &arguments, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_version;
    QStringList m_arguments;
};
