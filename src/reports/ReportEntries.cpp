#include "reports/ReportEntries.h"

#include <algorithm>
#include <string_view>

namespace {

bool breaksRun(char c) { return c == '\t' || c == '\r' || c == '\n'; }

bool hasRunBreak(QByteArrayView text) { return std::any_of(text.begin(), text.end(), breaksRun); }

std::string_view view(QByteArrayView bytes) { return {bytes.data(), size_t(bytes.size())}; }

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

std::string reversed(QByteArrayView text) { return std::string(text.rbegin(), text.rend()); }

} // namespace

void ReportEntries::append(QByteArrayView lines)
{
    const qsizetype from = m_text.size();
    m_text.append(lines);
    const QByteArrayView text(m_text);
    qsizetype runStart = from;
    for (qsizetype i = from; i < text.size(); ++i) {
        if (!breaksRun(text[i]))
            continue;
        if (text[i] == '\t') {
            qsizetype afterEnd = i + 1;
            while (afterEnd < text.size() && !breaksRun(text[afterEnd]))
                ++afterEnd;
            addTab(text.sliced(runStart, i - runStart), text.sliced(i + 1, afterEnd - i - 1));
        }
        runStart = i + 1;
    }
}

void ReportEntries::addTab(QByteArrayView before, QByteArrayView after)
{
    m_tabs.push_back(Tab{std::string(view(before)), std::string(view(after))});
    m_byReversedBefore.emplace(reversed(before), m_tabs.size() - 1);
    m_afters.insert(m_tabs.back().after);
}

bool ReportEntries::contains(QByteArrayView name, QByteArrayView description) const
{
    if (hasRunBreak(name) || hasRunBreak(description)) {
        // Only a listing cut in odd places gives such titles: searched for as they stand.
        const QByteArray entry = name.toByteArray() + '\t' + description.toByteArray();
        return m_text.contains(entry);
    }
    const std::string_view wanted = view(description);
    if (name.isEmpty()) {
        const auto it = m_afters.lower_bound(std::string(wanted));
        return it != m_afters.end() && startsWith(*it, wanted);
    }
    // The runs that end with the name are those whose reversal begins with the name reversed.
    const std::string nameReversed = reversed(name);
    for (auto it = m_byReversedBefore.lower_bound({nameReversed, 0});
         it != m_byReversedBefore.end() && startsWith(it->first, nameReversed); ++it)
        if (startsWith(m_tabs[it->second].after, wanted))
            return true;
    return false;
}
