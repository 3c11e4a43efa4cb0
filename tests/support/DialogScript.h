// Replaces the folder browser and the colour dialog for one test: scripted answers in, a record
// of every title and starting colour out.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

class DialogScript {
public:
    DialogScript();
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    // The next browse returns this folder; nothing queued means the user closed the browser.
    DialogScript& folder(const QString& path);
    DialogScript& closeBrowser();
    // The next colour dialog returns this colour; nothing queued means the user cancelled.
    DialogScript& color(const QColor& color);

    const QStringList& browseTitles() const { return m_titles; }
    const std::deque<QColor>& colorsOffered() const { return m_offered; }

private:
    std::deque<std::optional<QString>> m_folders;
    std::deque<QColor> m_colors;
    QStringList m_titles;
    std::deque<QColor> m_offered;
};
