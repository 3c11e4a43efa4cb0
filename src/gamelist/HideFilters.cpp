#include "gamelist/HideFilters.h"

namespace {

// The eight flags that look at other fields than Source, in the order they are tested.
constexpr std::array<bool ListFilters::*, 8> kOtherFlags = {
    &ListFilters::blnHideClones, &ListFilters::blnHidePreliminary, &ListFilters::blnHideVs,
    &ListFilters::blnHideYear,   &ListFilters::blnHideBootleg,     &ListFilters::blnHideTest,
    &ListFilters::blnHideCHD,    &ListFilters::blnHideImperfect,
};

// Whether `system` names the record's Source: today's MAME writes "neogeo/neogeo.cpp" where the
// older one wrote "neogeo.c".
bool namesSource(const SystemFilter& system, const QString& source)
{
    if (source.contains(QLatin1Char('/'))) {
        for (const char* file : system.current)
            if (file && source == QLatin1String(file))
                return true;
        return false;
    }
    QStringView file(source);
    if (file.endsWith(QLatin1String(".cpp")))
        file.chop(2);
    return file == QLatin1String(system.source);
}

// Years compare as text, so a wholly unknown year would pass any limit: the older MAME wrote
// "19??" for one, today's writes "????" too. A year known in part ("199?", "20??") is compared:
// at "1990" a "199?" is dropped, since a "?" sorts after every digit.
bool yearUnknown(const GameRecord& record)
{
    const QString& year = record[GameColumn::Year];
    return year == QLatin1String("19??") || (year == QLatin1String("????") && FromTodaysMame(record));
}

} // namespace

bool IsHidden(const GameRecord& record, const ListFilters& filters)
{
    bool anySystem = filters.blnHideStandard;
    for (const SystemFilter& system : kSystemFilters)
        anySystem = anySystem || filters.*system.flag;
    if (anySystem) {
        const QString& source = record[GameColumn::Source];
        bool listedSystem = false;
        for (const SystemFilter& system : kSystemFilters) {
            if (namesSource(system, source)) {
                if (filters.*system.flag)
                    return true;
                listedSystem = true;
            }
        }
        if (filters.blnHideStandard && !listedSystem)
            return true;
    }
    if (filters.blnHideClones && record[GameColumn::Origin].startsWith(QLatin1String("Clone of")))
        return true;
    if (filters.blnHidePreliminary && record[GameColumn::Status] == QLatin1String("Preliminary"))
        return true;
    // The description, not the ROM name: "Vs. Super Mario Bros." and "VS Tennis" alike.
    if (filters.blnHideVs && record[GameColumn::Game].left(2).toLower() == QLatin1String("vs"))
        return true;
    if (filters.blnHideYear && !yearUnknown(record) && record[GameColumn::Year].compare(filters.strHideYear) > 0)
        return true;
    if (filters.blnHideBootleg && record[GameColumn::Manufacturer] == QLatin1String("bootleg"))
        return true;
    const QString& rom = record[GameColumn::ROM];
    if (filters.blnHideTest && (rom == QLatin1String("ctsttape") || rom == QLatin1String("sentetst")))
        return true;
    if (filters.blnHideCHD && record[GameColumn::CHD] == QLatin1String("Yes"))
        return true;
    if (filters.blnHideImperfect && record[GameColumn::Status] == QLatin1String("Imperfect"))
        return true;
    return false;
}

bool FiltersApplied(const ListFilters& filters)
{
    if (filters.blnHideStandard)
        return true;
    for (const SystemFilter& system : kSystemFilters)
        if (filters.*system.flag)
            return true;
    for (bool ListFilters::* flag : kOtherFlags)
        if (filters.*flag)
            return true;
    return false;
}
