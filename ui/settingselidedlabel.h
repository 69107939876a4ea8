#pragma once

#include <QFrame>

// A multi-line label whose last visible line ends in an ellipsis when the text does not fit;
// the headings and status lines of the smaller dialogs.
class SettingsElidedLabel : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(bool isElided READ isElided)
public:
    explicit SettingsElidedLabel(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    bool isElided() const { return m_elided; }

signals:
    void elisionChanged(bool elided);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    bool m_elided = false;
};
