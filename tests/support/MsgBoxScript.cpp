#include "MsgBoxScript.h"

#include "platform/MsgBox.h"

namespace {

int defaultAnswer(int style)
{
    const int second = (style & MsgStyle::DefaultButton2) != 0;
    switch (style & 7) {
    case MsgStyle::OKCancel: return second ? MsgAnswer::Cancel : MsgAnswer::OK;
    case MsgStyle::AbortRetryIgnore: return second ? MsgAnswer::Retry : MsgAnswer::Abort;
    case MsgStyle::YesNoCancel:
    case MsgStyle::YesNo: return second ? MsgAnswer::No : MsgAnswer::Yes;
    case MsgStyle::RetryCancel: return second ? MsgAnswer::Cancel : MsgAnswer::Retry;
    default: return MsgAnswer::OK;
    }
}

} // namespace

MsgBoxScript::MsgBoxScript()
{
    setMsgBoxHandler([this](const QString& prompt, int style, const QString& title) {
        m_shown.push_back({prompt, style, title});
        if (m_answers.empty())
            return defaultAnswer(style);
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
