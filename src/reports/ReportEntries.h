// The lines of a growing report, searchable for a "name TAB description" entry anywhere in its
// text, as a plain text search would find it, without reading the whole report for each entry.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <set>
#include <string>
#include <utility>
#include <vector>

class ReportEntries {
public:
    // Appends text to the report; it must begin where a line begins.
    void append(QByteArrayView lines);

    // Whether `name` TAB `description` stands anywhere in the report, across line ends too.
    bool contains(QByteArrayView name, QByteArrayView description) const;

    const QByteArray& text() const { return m_text; }

private:
    // Around each TAB of the report: the run of text before it and the run after it, each up to
    // the nearest TAB or line end. An entry without those characters can only stand across a
    // TAB, ending its run before and beginning its run after.
    struct Tab {
        std::string before;
        std::string after;
    };
    void addTab(QByteArrayView before, QByteArrayView after);

    QByteArray m_text;
    std::vector<Tab> m_tabs;
    std::set<std::pair<std::string, size_t>> m_byReversedBefore; // the run before, reversed; tab
    std::set<std::string> m_afters;
};
