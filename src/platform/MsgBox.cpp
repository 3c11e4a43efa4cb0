#include "platform/MsgBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

MsgBoxHandler& handler()
{
    static MsgBoxHandler h;
    return h;
}

QMessageBox::StandardButton buttonFor(int answer)
{
    switch (answer) {
    case MsgAnswer::Cancel: return QMessageBox::Cancel;
    case MsgAnswer::Abort: return QMessageBox::Abort;
    case MsgAnswer::Retry: return QMessageBox::Retry;
    case MsgAnswer::Ignore: return QMessageBox::Ignore;
    case MsgAnswer::Yes: return QMessageBox::Yes;
    case MsgAnswer::No: return QMessageBox::No;
    default: return QMessageBox::Ok;
    }
}

QMessageBox::Icon iconFor(int style)
{
    switch (style & 0x70) {
    case MsgStyle::Critical: return QMessageBox::Critical;
    case MsgStyle::Question: return QMessageBox::Question;
    case MsgStyle::Exclamation: return QMessageBox::Warning;
    case MsgStyle::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

} // namespace

QList<int> MsgBoxButtons(int style)
{
    using namespace MsgAnswer;
    switch (style & 7) {
    case MsgStyle::OKCancel: return {OK, Cancel};
    case MsgStyle::AbortRetryIgnore: return {Abort, Retry, Ignore};
    case MsgStyle::YesNoCancel: return {Yes, No, Cancel};
    case MsgStyle::YesNo: return {Yes, No};
    case MsgStyle::RetryCancel: return {Retry, Cancel};
    default: return {OK};
    }
}

int MsgBoxDefaultAnswer(int style)
{
    const QList<int> answers = MsgBoxButtons(style);
    const int index = (style & 0x300) >> 8;
    return index < answers.size() ? answers[index] : answers.front();
}

void setMsgBoxHandler(MsgBoxHandler h) { handler() = std::move(h); }

int MsgBox(const QString& prompt, int style, const QString& title)
{
    if (handler())
        return handler()(prompt, style, title);

    // Prompts end their lines with CR, as the classic box breaks them; Qt breaks only at LF.
    QString shown = prompt;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(iconFor(style), title, shown, QMessageBox::NoButton, QApplication::activeWindow());
    // Prompts carry file names and game descriptions; none of them is markup.
    box.setTextFormat(Qt::PlainText);
    const QList<int> answers = MsgBoxButtons(style);
    for (int answer : answers)
        box.addButton(buttonFor(answer));
    box.setDefaultButton(buttonFor(MsgBoxDefaultAnswer(style)));
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (int answer : answers)
        if (buttonFor(answer) == clicked)
            return answer;
    // Closed without a button: the cancel answer where the box has one, else the last button.
    return answers.contains(MsgAnswer::Cancel) ? MsgAnswer::Cancel : answers.back();
}
