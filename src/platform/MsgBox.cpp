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

struct ButtonSpec {
    QMessageBox::StandardButton button;
    int answer;
};

QList<ButtonSpec> buttonsFor(int style)
{
    switch (style & 7) {
    case MsgStyle::OKCancel:
        return {{QMessageBox::Ok, MsgAnswer::OK}, {QMessageBox::Cancel, MsgAnswer::Cancel}};
    case MsgStyle::AbortRetryIgnore:
        return {{QMessageBox::Abort, MsgAnswer::Abort}, {QMessageBox::Retry, MsgAnswer::Retry},
                {QMessageBox::Ignore, MsgAnswer::Ignore}};
    case MsgStyle::YesNoCancel:
        return {{QMessageBox::Yes, MsgAnswer::Yes}, {QMessageBox::No, MsgAnswer::No},
                {QMessageBox::Cancel, MsgAnswer::Cancel}};
    case MsgStyle::YesNo:
        return {{QMessageBox::Yes, MsgAnswer::Yes}, {QMessageBox::No, MsgAnswer::No}};
    case MsgStyle::RetryCancel:
        return {{QMessageBox::Retry, MsgAnswer::Retry}, {QMessageBox::Cancel, MsgAnswer::Cancel}};
    default:
        return {{QMessageBox::Ok, MsgAnswer::OK}};
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

void setMsgBoxHandler(MsgBoxHandler h) { handler() = std::move(h); }

int MsgBox(const QString& prompt, int style, const QString& title)
{
    if (handler())
        return handler()(prompt, style, title);

    QMessageBox box(iconFor(style), title, prompt, QMessageBox::NoButton, QApplication::activeWindow());
    const QList<ButtonSpec> specs = buttonsFor(style);
    for (const ButtonSpec& s : specs)
        box.addButton(s.button);
    const int defaultIndex = (style & 0x300) >> 8;
    if (defaultIndex < specs.size())
        box.setDefaultButton(specs[defaultIndex].button);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const ButtonSpec& s : specs)
        if (s.button == clicked)
            return s.answer;
    // Closed without a button: the cancel answer where the box has one, else the only button.
    for (const ButtonSpec& s : specs)
        if (s.answer == MsgAnswer::Cancel)
            return s.answer;
    return specs.back().answer;
}
