#pragma once

#include "ui/styleddialog.h"

#include <QHash>
#include <QList>

class QLabel;
class QPushButton;

// The launcher's message box: a title, a body text sized to its screen, and a centred row of
// OK / Yes / No buttons. exec() returns the code of the pressed button (the values of
// QMessageBox::StandardButton), or 0 when the box was closed otherwise.
class StyledMessageBox : public StyledDialog
{
    Q_OBJECT
public:
    enum Button { Ok = 0x400, Yes = 0x4000, No = 0x10000 };

    StyledMessageBox(const QString &title, const QString &text, int buttons, QWidget *parent = nullptr);

    // A button by its code, so a caller can change its text; null when the box has none.
    QPushButton *button(int code) const { return m_buttons.value(code); }
    // Fits the body to a screen area of this width; the constructor does it for the box's screen.
    void fitBodyToScreenWidth(int availableWidth);

    int exec() override;

protected slots:
    void onButtonClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void addButton(int code, const QString &text);
    void applyBodyWidth(int width);
    void elideTitle();

    QString m_title;
    QHash<int, QPushButton *> m_buttons;
    QList<QPushButton *> m_buttonOrder;
    QLabel *m_titleLabel;
    QLabel *m_bodyLabel;
    int m_bodyWidth = 0;
};

// The width rules of the box, over plain numbers.
namespace messagebox {
// The widest the body may grow on a screen area this wide.
int maximumBodyWidth(int availableWidth);
// The width a long text is wrapped to at least.
int targetBodyWidth(int availableWidth);
// Whether a text this wide (on one line) must wrap.
bool wrapsBody(int availableWidth, int naturalWidth);
// The body width for a text of this natural width and this wrapped size-hint width.
int bodyWidth(int availableWidth, int naturalWidth, int wrappedHintWidth);
// The body width once the button row (the buttons' size-hint widths) is taken into account.
int bodyWidthWithButtons(int bodyWidth, const QList<int> &buttonHintWidths);
// The width the title is elided to inside a title label this wide.
int titleWidth(int labelWidth, int foldWidth, int closeWidth);
} // namespace messagebox

// A modal box with one OK button.
void showMessage(QWidget *parent, const QString &title, const QString &text);
// A modal box with Yes and No; non-empty texts replace the buttons' own. True only for Yes.
bool askYesNo(QWidget *parent, const QString &title, const QString &text, const QString &yesText = QString(),
              const QString &noText = QString());
