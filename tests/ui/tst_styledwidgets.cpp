#include "app/tr.h"
#include "tests/support/modalanswer.h"
#include "ui/basebutton.h"
#include "ui/linklabel.h"
#include "ui/settingselidedlabel.h"
#include "ui/styleddialog.h"
#include "ui/styledmessagebox.h"
#include "ui/systembutton.h"
#include "ui/widgetblock.h"

#include <QApplication>
#include <QBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

namespace {

// A dialog that asks before closing and counts what a confirmed close does.
class ConfirmingDialog : public StyledDialog
{
public:
    explicit ConfirmingDialog(bool confirm, const QString &question = QString())
        : m_confirm(confirm), m_question(question)
    {
        setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
        auto *column = new QVBoxLayout(this);
        column->setContentsMargins(40, 60, 40, 40);
        column->addWidget(new QLabel(QStringLiteral("Some content"), this));
        m_button = new BaseButton(QStringLiteral("Press"), this);
        column->addWidget(m_button);
        resize(400, 300);
    }
    int closeActions = 0;
    BaseButton *button() const { return m_button; }

protected:
    bool needsCloseConfirmation(QString &question) override
    {
        question = m_question;
        return m_confirm;
    }
    void closeAction() override
    {
        ++closeActions;
        StyledDialog::closeAction();
    }

private:
    bool m_confirm;
    QString m_question;
    BaseButton *m_button = nullptr;
};

// A dialog whose title follows the interface language.
class TitledDialog : public StyledDialog
{
public:
    TitledDialog() { retranslate(); }
    int retranslations = 0;

protected:
    void retranslate() override
    {
        ++retranslations;
        setWindowTitle(TR::tr("LicDlgTitle"));
    }
};

StyledMessageBox *asMessageBox(QWidget *modal)
{
    return qobject_cast<StyledMessageBox *>(modal);
}

QString words(int characters)
{
    QString text;
    while (text.size() < characters)
        text += QStringLiteral("glimmer deep ");
    return text.left(characters);
}

} // namespace

class StyledWidgetsTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void bodyWidthRules_data();
    void bodyWidthRules();
    void buttonRowAndTitleRules_data();
    void buttonRowAndTitleRules();
    void oneWordBoxIsAsWideAsItsButtons_data();
    void oneWordBoxIsAsWideAsItsButtons();
    void longTextWrapsOnAWideScreen();
    void longTitleIsElided();
    void enterChoosesTheDefaultButton_data();
    void enterChoosesTheDefaultButton();
    void askYesNoAnswers_data();
    void askYesNoAnswers();
    void closeConfirmation_data();
    void closeConfirmation();
    void childDialogDimsTheParent();
    void dragging_data();
    void dragging();
    void dialogsFollowTheLanguage();
    void elidedLabelShowsWhatFits();
    void linkLabelReportsItsLink();
};

void StyledWidgetsTest::cleanup()
{
    qApp->setStyleSheet(QString());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void StyledWidgetsTest::bodyWidthRules_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("natural");
    QTest::addColumn<int>("wrappedHint");
    QTest::addColumn<bool>("wraps");
    QTest::addColumn<int>("expected");
    QTest::newRow("short text keeps its width") << 1920 << 60 << 60 << false << 60;
    QTest::newRow("exactly the target does not wrap") << 1920 << 500 << 500 << false << 500;
    QTest::newRow("long text takes its wrapped hint") << 1920 << 14000 << 700 << true << 700;
    QTest::newRow("narrow wrapped hint grows to the target") << 1920 << 14000 << 300 << true << 500;
    QTest::newRow("wide wrapped hint stops at 1000") << 1920 << 14000 << 1400 << true << 1000;
    QTest::newRow("1280 screen stops at screen - 480") << 1280 << 14000 << 900 << true << 800;
    QTest::newRow("1024 screen may use all of it") << 1024 << 9000 << 1200 << true << 1024;
    QTest::newRow("800 screen wraps above half") << 800 << 401 << 380 << true << 400;
    QTest::newRow("800 screen keeps half") << 800 << 400 << 400 << false << 400;
}

void StyledWidgetsTest::bodyWidthRules()
{
    QFETCH(int, screen);
    QFETCH(int, natural);
    QFETCH(int, wrappedHint);
    QFETCH(bool, wraps);
    QFETCH(int, expected);
    QCOMPARE(messagebox::wrapsBody(screen, natural), wraps);
    QCOMPARE(messagebox::bodyWidth(screen, natural, wrappedHint), expected);
}

void StyledWidgetsTest::buttonRowAndTitleRules_data()
{
    QTest::addColumn<int>("body");
    QTest::addColumn<QList<int>>("buttons");
    QTest::addColumn<int>("expectedBody");
    QTest::newRow("one button wider than a word") << 40 << QList<int>{124} << 144;
    QTest::newRow("three buttons") << 100 << QList<int>{124, 124, 130} << 438;
    QTest::newRow("text wider than the buttons") << 600 << QList<int>{124, 124} << 600;
    QTest::newRow("no buttons") << 80 << QList<int>{} << 80;
}

void StyledWidgetsTest::buttonRowAndTitleRules()
{
    QFETCH(int, body);
    QFETCH(QList<int>, buttons);
    QFETCH(int, expectedBody);
    QCOMPARE(messagebox::bodyWidthWithButtons(body, buttons), expectedBody);
    QCOMPARE(messagebox::titleWidth(body, 18, 18), body - 60);
}

void StyledWidgetsTest::oneWordBoxIsAsWideAsItsButtons_data()
{
    QTest::addColumn<QString>("styleSheet");
    QTest::addColumn<int>("minimum");
    QTest::newRow("no style") << QString() << 0;
    QTest::newRow("style minimum 250") << QStringLiteral("StyledMessageBox { min-width: 250px; }") << 250;
}

void StyledWidgetsTest::oneWordBoxIsAsWideAsItsButtons()
{
    QFETCH(QString, styleSheet);
    QFETCH(int, minimum);
    qApp->setStyleSheet(styleSheet);
    StyledMessageBox box(QStringLiteral("Title"), QStringLiteral("Done"), StyledMessageBox::Ok);
    int shownWidth = -1;
    answerNextModal(this, [&](QWidget *modal) {
        shownWidth = modal->width();
        QTest::mouseClick(asMessageBox(modal)->button(StyledMessageBox::Ok), Qt::LeftButton);
    });
    QCOMPARE(box.exec(), int(StyledMessageBox::Ok));
    const int buttonRow = box.button(StyledMessageBox::Ok)->sizeHint().width() + 20;
    QCOMPARE(shownWidth, std::max(buttonRow + 40, minimum));
}

void StyledWidgetsTest::longTextWrapsOnAWideScreen()
{
    StyledMessageBox box(QStringLiteral("Title"), words(2000), StyledMessageBox::Ok);
    box.fitBodyToScreenWidth(1920);
    auto *body = box.findChild<QLabel *>(QStringLiteral("body"));
    QVERIFY(body != nullptr);
    QVERIFY(body->wordWrap());
    QVERIFY2(body->width() >= 500 && body->width() <= 1000, qPrintable(QString::number(body->width())));
    QCOMPARE(box.width(), body->width() + 40);

    box.fitBodyToScreenWidth(1920 * 4);
    QVERIFY(body->width() <= 1000);
}

void StyledWidgetsTest::longTitleIsElided()
{
    qApp->setStyleSheet(QStringLiteral("SystemButton { width: 18px; height: 18px; }"
                                       "StyledMessageBox { min-width: 250px; }"));
    const QString title = words(300);
    StyledMessageBox box(title, QStringLiteral("Body"), StyledMessageBox::Ok);
    QString shownTitle;
    int labelWidth = 0;
    answerNextModal(this, [&](QWidget *modal) {
        auto *label = modal->findChild<QLabel *>(QStringLiteral("title"));
        shownTitle = label->text();
        labelWidth = label->width();
        modal->close();
    });
    QCOMPARE(box.exec(), 0);
    QCOMPARE(box.windowTitle(), title);
    QVERIFY2(shownTitle.endsWith(QChar(0x2026)), qPrintable(shownTitle + QString::number(labelWidth)));
    QVERIFY(title.startsWith(shownTitle.chopped(1)));
    QVERIFY(shownTitle.size() > 2);
    QVERIFY(box.fontMetrics().horizontalAdvance(shownTitle) <= labelWidth - 18 - 18 - 24);
}

void StyledWidgetsTest::enterChoosesTheDefaultButton_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("expected");
    QTest::newRow("Ok, Yes, No") << int(StyledMessageBox::Ok | StyledMessageBox::Yes | StyledMessageBox::No)
                                 << int(StyledMessageBox::No);
    QTest::newRow("Yes, No") << int(StyledMessageBox::Yes | StyledMessageBox::No)
                             << int(StyledMessageBox::No);
    QTest::newRow("Ok") << int(StyledMessageBox::Ok) << int(StyledMessageBox::Ok);
    QTest::newRow("Ok, Yes") << int(StyledMessageBox::Ok | StyledMessageBox::Yes)
                             << int(StyledMessageBox::Ok);
}

void StyledWidgetsTest::enterChoosesTheDefaultButton()
{
    QFETCH(int, buttons);
    QFETCH(int, expected);
    StyledMessageBox box(QStringLiteral("Title"), QStringLiteral("Which one?"), buttons);
    answerNextModal(this, [](QWidget *modal) { QTest::keyClick(modal, Qt::Key_Return); });
    QCOMPARE(box.exec(), expected);
}

void StyledWidgetsTest::askYesNoAnswers_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("yesText");
    QTest::addColumn<QString>("noText");
    QTest::addColumn<bool>("expected");
    QTest::newRow("yes") << "Yes" << QString() << QString() << true;
    QTest::newRow("no") << "No" << QString() << QString() << false;
    QTest::newRow("close button") << "close" << QString() << QString() << false;
    QTest::newRow("escape") << "escape" << QString() << QString() << false;
    QTest::newRow("own texts, yes") << "Yes"
                                    << "Retry"
                                    << "Exit" << true;
    QTest::newRow("own no text only") << "No" << QString() << "Exit" << false;
}

void StyledWidgetsTest::askYesNoAnswers()
{
    QFETCH(QString, action);
    QFETCH(QString, yesText);
    QFETCH(QString, noText);
    QFETCH(bool, expected);
    QStringList shownButtons;
    answerNextModal(this, [&](QWidget *modal) {
        StyledMessageBox *box = asMessageBox(modal);
        QCOMPARE(box->button(StyledMessageBox::Ok), nullptr);
        shownButtons << box->button(StyledMessageBox::Yes)->text()
                     << box->button(StyledMessageBox::No)->text();
        if (action == QLatin1String("Yes"))
            QTest::mouseClick(box->button(StyledMessageBox::Yes), Qt::LeftButton);
        else if (action == QLatin1String("No"))
            QTest::mouseClick(box->button(StyledMessageBox::No), Qt::LeftButton);
        else if (action == QLatin1String("close"))
            QTest::mouseClick(box->closeButton(), Qt::LeftButton);
        else
            QTest::keyClick(box, Qt::Key_Escape);
    });
    QCOMPARE(askYesNo(nullptr, QStringLiteral("Title"), QStringLiteral("Sure?"), yesText, noText), expected);
    QCOMPARE(shownButtons, (QStringList{yesText.isEmpty() ? TR::tr("BtnYes") : yesText,
                                        noText.isEmpty() ? TR::tr("BtnNo") : noText}));
}

void StyledWidgetsTest::closeConfirmation_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("expectedQuestion");
    QTest::newRow("no confirmation") << false << QString() << QString();
    QTest::newRow("default question") << true << QString() << TR::tr("ExitWarning");
    QTest::newRow("own question") << true << QStringLiteral("Abort the check?")
                                  << QStringLiteral("Abort the check?");
}

void StyledWidgetsTest::closeConfirmation()
{
    QFETCH(bool, confirm);
    QFETCH(QString, question);
    QFETCH(QString, expectedQuestion);
    ConfirmingDialog dialog(confirm, question);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QStringList asked;
    auto answer = [&](int code) {
        answerNextModal(this, [&asked, code](QWidget *modal) {
            StyledMessageBox *box = asMessageBox(modal);
            asked << box->windowTitle() + QLatin1Char('|') +
                         box->findChild<QLabel *>(QStringLiteral("body"))->text();
            QTest::mouseClick(box->button(code), Qt::LeftButton);
        });
    };
    if (confirm) {
        answer(StyledMessageBox::No);
        QTest::mouseClick(dialog.closeButton(), Qt::LeftButton);
        QCOMPARE(asked, QStringList{TR::tr("ProductName") + QLatin1Char('|') + expectedQuestion});
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.closeActions, 0);

        answer(StyledMessageBox::Yes);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(asked.size(), 2);
    } else {
        QTest::mouseClick(dialog.closeButton(), Qt::LeftButton);
        QVERIFY(asked.isEmpty());
    }
    QCOMPARE(dialog.closeActions, 1);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void StyledWidgetsTest::childDialogDimsTheParent()
{
    ConfirmingDialog dialog(false);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    WidgetBlock *block = dialog.blockOverlay();
    QVERIFY(!block->isVisible());

    bool coveredWhileOpen = false;
    answerNextModal(this, [&](QWidget *modal) {
        // The overlay fades in over the whole dialog while the child is open.
        QTRY_COMPARE(block->strength(), 1.0);
        coveredWhileOpen = block->isVisible() && block->geometry() == dialog.contentsRect();
        modal->close();
    });
    showMessage(&dialog, QStringLiteral("Title"), QStringLiteral("A child box"));
    QVERIFY(coveredWhileOpen);
    QTRY_VERIFY(!block->isVisible());
    QCOMPARE(block->strength(), 0.0);
}

void StyledWidgetsTest::dragging_data()
{
    QTest::addColumn<bool>("onButton");
    QTest::addColumn<QPoint>("expectedShift");
    QTest::newRow("empty area moves the window") << false << QPoint(40, 30);
    QTest::newRow("a button does not") << true << QPoint(0, 0);
}

void StyledWidgetsTest::dragging()
{
    QFETCH(bool, onButton);
    QFETCH(QPoint, expectedShift);
    ConfirmingDialog dialog(false);
    dialog.move(100, 100);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QPoint start = dialog.pos();

    // Through the window, as the system delivers a drag: the widget under the press gets the moves.
    QWindow *window = dialog.windowHandle();
    const QPoint from = onButton ? dialog.button()->geometry().center() : QPoint(10, 10);
    const QPoint cursorEnd = window->mapToGlobal(from) + QPoint(40, 30);
    QTest::mousePress(window, Qt::LeftButton, {}, from);
    QTest::mouseMove(window, from + QPoint(40, 30));
    QTest::mouseRelease(window, Qt::LeftButton, {}, window->mapFromGlobal(cursorEnd));
    QCOMPARE(dialog.pos() - start, expectedShift);
}

void StyledWidgetsTest::dialogsFollowTheLanguage()
{
    TitledDialog dialog;
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("LicDlgTitle"));
    const int before = dialog.retranslations;

    QTranslator german;
    QVERIFY(german.load(QStringLiteral(":/test-languages/de")));
    QVERIFY(QCoreApplication::installTranslator(&german));
    QTRY_COMPARE(dialog.windowTitle(), QStringLiteral("Lizenzvereinbarung"));
    QCOMPARE(dialog.retranslations, before + 1);

    QVERIFY(QCoreApplication::removeTranslator(&german));
    QTRY_COMPARE(dialog.windowTitle(), QStringLiteral("LicDlgTitle"));
}

void StyledWidgetsTest::elidedLabelShowsWhatFits()
{
    const QStringList lines{QStringLiteral("First line"), QStringLiteral("Second line of the status"),
                            QStringLiteral("Third line"), QStringLiteral("Fourth line"),
                            QStringLiteral("Fifth line")};
    SettingsElidedLabel label;
    QSignalSpy spy(&label, &SettingsElidedLabel::elisionChanged);
    label.setText(lines.join(QLatin1Char('\n')));
    const QFontMetrics metrics = label.fontMetrics();
    const int lineSpacing = metrics.lineSpacing();
    QCOMPARE(label.minimumHeight(), metrics.height() + lineSpacing);
    label.resize(metrics.horizontalAdvance(lines[1]) + 4, 2 * lineSpacing);

    auto painted = [&label] {
        QImage image(label.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    };
    // The right end of the ink in one line's band, or -1 for an empty band.
    auto inkEnd = [lineSpacing](const QImage &image, int line) {
        int end = -1;
        for (int y = line * lineSpacing; y < std::min((line + 1) * lineSpacing, image.height()); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) != 0)
                    end = std::max(end, x);
        return end;
    };
    // Whether ink ending there is this text, drawn whole: past its last character's start.
    auto drawsWhole = [&metrics](int inkEnd, const QString &text) {
        return inkEnd > metrics.horizontalAdvance(text.chopped(1)) &&
               inkEnd <= metrics.horizontalAdvance(text);
    };
    // What a player should see: the first line whole, the rest elided onto the second line.
    const QString elided =
        metrics.elidedText(lines.mid(1).join(QLatin1Char(' ')), Qt::ElideRight, label.width());
    QVERIFY(elided.endsWith(QChar(0x2026)));
    const QImage shortImage = painted();
    QVERIFY(drawsWhole(inkEnd(shortImage, 0), lines[0]));
    QVERIFY(drawsWhole(inkEnd(shortImage, 1), elided));
    QVERIFY(inkEnd(shortImage, 1) < label.width());
    QVERIFY(label.isElided());
    painted();
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), true);

    label.resize(label.width(), 6 * lineSpacing);
    const QImage tall = painted();
    QVERIFY(!label.isElided());
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy.at(1).at(0).toBool(), false);
    // Every line is painted whole.
    for (int line = 0; line < lines.size(); ++line)
        QVERIFY(drawsWhole(inkEnd(tall, line), lines[line]));
    QCOMPARE(inkEnd(tall, lines.size()), -1);
}

void StyledWidgetsTest::linkLabelReportsItsLink()
{
    LinkLabel label(QStringLiteral("privacy"));
    label.setText(QStringLiteral("Privacy policy"));
    label.resize(200, 30);
    QSignalSpy spy(&label, &LinkLabel::onClick);
    QTest::mouseClick(&label, Qt::RightButton);
    QCOMPARE(spy.size(), 0);
    QTest::mouseClick(&label, Qt::LeftButton);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("privacy"));
    QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
}

QTEST_MAIN(StyledWidgetsTest)
#include "tst_styledwidgets.moc"
