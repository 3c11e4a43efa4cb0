#include "platform/MsgBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "support/MsgBoxScript.h"

#include <functional>
#include <tuple>

namespace {

// Shows the real box and hands it to `act` once it is up; `act` must close it.
int showBox(const QString& prompt, int style, const std::function<void(QMessageBox&)>& act)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(*box);
        }
    });
    poll->start(5);
    return MsgBox(prompt, style, QStringLiteral("Title"));
}

// Clicks the box's button that carries `button`.
int answerWith(int style, QMessageBox::StandardButton button)
{
    return showBox(QStringLiteral("Question?"), style, [button](QMessageBox& box) {
        QAbstractButton* b = box.button(button);
        if (!b) {
            ADD_FAILURE() << "the box lacks the button";
            box.done(0);
            return;
        }
        b->click();
    });
}

int pressKey(int style, Qt::Key key)
{
    return showBox(QStringLiteral("Question?"), style, [key](QMessageBox& box) { QTest::keyClick(&box, key); });
}

} // namespace

TEST(MsgBox, EachButtonGivesItsAnswerCode)
{
    struct Case {
        int style;
        QMessageBox::StandardButton button;
        int answer;
    };
    const Case cases[] = {
        {0, QMessageBox::Ok, 1},
        {1, QMessageBox::Ok, 1}, {1, QMessageBox::Cancel, 2},
        {2, QMessageBox::Abort, 3}, {2, QMessageBox::Retry, 4}, {2, QMessageBox::Ignore, 5},
        {3, QMessageBox::Yes, 6}, {3, QMessageBox::No, 7}, {3, QMessageBox::Cancel, 2},
        {4 + 32, QMessageBox::Yes, 6}, {4 + 32, QMessageBox::No, 7},
        {5, QMessageBox::Retry, 4}, {5, QMessageBox::Cancel, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(answerWith(c.style, c.button), c.answer) << "style " << c.style;
}

TEST(MsgBox, ShowsOnlyTheStylesButtonsIconTitleAndPlainPrompt)
{
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title, text;
    const QString prompt = QStringLiteral("Cannot find <b>C:\\Games\\a&b</b>");
    showBox(prompt, 3 + 48, [&](QMessageBox& box) {
        buttons = box.standardButtons();
        icon = box.icon();
        title = box.windowTitle();
        text = box.text();
        EXPECT_EQ(box.textFormat(), Qt::PlainText);
        box.button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(title, "Title");
    EXPECT_EQ(text, prompt);

    const std::pair<int, QMessageBox::Icon> icons[] = {
        {16, QMessageBox::Critical}, {32, QMessageBox::Question},
        {64, QMessageBox::Information}, {0, QMessageBox::NoIcon}};
    for (const auto& [style, expected] : icons) {
        showBox(QStringLiteral("x"), style, [&, expected = expected](QMessageBox& box) {
            EXPECT_EQ(box.icon(), expected);
            box.button(QMessageBox::Ok)->click();
        });
    }
}

TEST(MsgBox, CarriageReturnsBreakTheLines)
{
    QString text;
    showBox(QStringLiteral("One.\rTwo.\r\rFour.\r\nFive."), 0, [&](QMessageBox& box) {
        text = box.text();
        box.button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(text, "One.\nTwo.\n\nFour.\nFive.");
}

TEST(MsgBox, EnterPressesTheDefaultButtonAndEscapeCancelsWhereTheBoxHasCancel)
{
    const std::tuple<int, Qt::Key, int> cases[] = {
        {4, Qt::Key_Return, MsgAnswer::Yes}, {4 + 256, Qt::Key_Return, MsgAnswer::No},
        {3 + 512, Qt::Key_Return, MsgAnswer::Cancel}, {2 + 512, Qt::Key_Return, MsgAnswer::Ignore},
        // A default beyond the box's buttons falls back to the first.
        {1 + 512, Qt::Key_Return, MsgAnswer::OK},
        {1, Qt::Key_Escape, MsgAnswer::Cancel}, {3, Qt::Key_Escape, MsgAnswer::Cancel},
        {0, Qt::Key_Escape, MsgAnswer::OK},
    };
    for (const auto& [style, key, answer] : cases)
        EXPECT_EQ(pressKey(style, key), answer) << "style " << style;
}

TEST(MsgBoxScript, RecordsEachBoxAndGivesScriptedThenDefaultAnswers)
{
    MsgBoxScript script;
    script.answer(MsgAnswer::No);
    EXPECT_EQ(MsgBox("Delete?", 4 + 32, "Zelvane"), MsgAnswer::No);
    EXPECT_EQ(MsgBox("Delete?", 4 + 256), MsgAnswer::No);
    EXPECT_EQ(MsgBox("Which?", 2 + 512), MsgAnswer::Ignore);
    EXPECT_EQ(MsgBox("Done."), MsgAnswer::OK);
    ASSERT_EQ(script.shown().size(), 4u);
    EXPECT_EQ(script.shown()[0].prompt, "Delete?");
    EXPECT_EQ(script.shown()[0].style, 36);
    EXPECT_EQ(script.shown()[3].title, "Zelvane");
    EXPECT_EQ(script.lastPrompt(), "Done.");
}

TEST(MsgBoxScript, RestoresTheRealBoxWhenItEnds)
{
    {
        MsgBoxScript script;
        MsgBox("scripted");
    }
    EXPECT_EQ(answerWith(4, QMessageBox::No), MsgAnswer::No);
}
