#include "DialogScript.h"

#include "platform/Dialogs.h"

DialogScript::DialogScript()
{
    setFolderBrowserHandler([this](QWidget*, const QString& title) -> std::optional<QString> {
        m_titles << title;
        if (m_folders.empty())
            return std::nullopt;
        const std::optional<QString> answer = m_folders.front();
        m_folders.pop_front();
        return answer;
    });
    setColorDialogHandler([this](QWidget*, const QColor& initial) -> std::optional<QColor> {
        m_offered.push_back(initial);
        if (m_colors.empty())
            return std::nullopt;
        const QColor answer = m_colors.front();
        m_colors.pop_front();
        return answer;
    });
}

DialogScript::~DialogScript()
{
    setFolderBrowserHandler({});
    setColorDialogHandler({});
}

DialogScript& DialogScript::folder(const QString& path)
{
    m_folders.push_back(path);
    return *this;
}

DialogScript& DialogScript::closeBrowser()
{
    m_folders.push_back(std::nullopt);
    return *this;
}

DialogScript& DialogScript::color(const QColor& color)
{
    m_colors.push_back(color);
    return *this;
}
