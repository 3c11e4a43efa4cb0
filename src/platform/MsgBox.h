// The program's one message box, taking the classic style numbers and returning answer codes.
#pragma once

#include <QList>
#include <QString>

#include <functional>

// Style numbers, added together: buttons + icon + default button.
namespace MsgStyle {
inline constexpr int OKOnly = 0;
inline constexpr int OKCancel = 1;
inline constexpr int AbortRetryIgnore = 2;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int RetryCancel = 5;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
inline constexpr int DefaultButton2 = 256;
inline constexpr int DefaultButton3 = 512;
}

// Answer codes.
namespace MsgAnswer {
inline constexpr int OK = 1;
inline constexpr int Cancel = 2;
inline constexpr int Abort = 3;
inline constexpr int Retry = 4;
inline constexpr int Ignore = 5;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
}

// The answer codes of the style's buttons, left to right.
QList<int> MsgBoxButtons(int style);

// The answer of the style's default button (the first unless 256 or 512 name another).
int MsgBoxDefaultAnswer(int style);

// Shows the box modally and returns the answer. The default title is the program's name.
int MsgBox(const QString& prompt, int style = MsgStyle::OKOnly, const QString& title = QStringLiteral("Zelvane"));

// Tests put a script of answers in place of the real box; an empty function restores it.
using MsgBoxHandler = std::function<int(const QString& prompt, int style, const QString& title)>;
void setMsgBoxHandler(MsgBoxHandler handler);
