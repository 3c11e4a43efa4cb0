#include "MsgBoxScript.h"

#include "platform/MsgBox.h"

#include <cstdio>

MsgBoxScript::MsgBoxScript()
{
    setMsgBoxHandler([this](const QString& prompt, int style, const QString& title) {
        m_shown.push_back({prompt, style, title});
        fprintf(stderr, "MsgBox: %s|%d|%s\n", qPrintable(prompt), style, qPrintable(title));
        if (m_onShow)
            m_onShow(m_shown.back());
        if (m_answers.empty())
            return MsgBoxDefaultAnswer(style);
        const int a = m_answers.front();
        m_answers.pop_front();
        return a;
    });
}

MsgBoxScript::~MsgBoxScript() { setMsgBoxHandler({}); }

MsgBoxScript& MsgBoxScript::answer(int code)
{
    m_answers.push_back(code);
    return *this;
}
