// Replaces the message box for one test: scripted answers in, a record of every box out.
#pragma once

#include <QString>

#include <deque>
#include <functional>
#include <vector>

class MsgBoxScript {
public:
    struct Shown {
        QString prompt;
        int style;
        QString title;
    };

    // Each box is also written to standard error as "MsgBox: prompt|style|title": a death test's
    // child shows its boxes there, where the parent's matcher reads them.
    MsgBoxScript();
    ~MsgBoxScript();
    MsgBoxScript(const MsgBoxScript&) = delete;
    MsgBoxScript& operator=(const MsgBoxScript&) = delete;

    // Queues the answer for the next box; without one, a box answers with its default button.
    MsgBoxScript& answer(int code);

    // Called as each box is shown, while the program waits for the answer.
    void onShow(std::function<void(const Shown&)> check) { m_onShow = std::move(check); }

    const std::vector<Shown>& shown() const { return m_shown; }
    void clearShown() { m_shown.clear(); }
    QString lastPrompt() const { return m_shown.empty() ? QString() : m_shown.back().prompt; }

private:
    std::deque<int> m_answers;
    std::vector<Shown> m_shown;
    std::function<void(const Shown&)> m_onShow;
};
