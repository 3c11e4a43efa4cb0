#include "gamelist/HideFilters.h"

namespace {

// The eight flags that look at other fields than Source, in the order they are tested.
constexpr std::array<bool ListFilters::*, 8> kOtherFlags = {
    &ListFilters::blnHideClones, &ListFilters::blnHidePreliminary, &ListFilters::blnHideVs,
    &ListFilters::blnHideYear,   &ListFilters::blnHideBootleg,     &ListFilters::blnHideTest,
    &ListFilters::blnHideCHD,    &ListFilters::blnHideImperfect,
};

// The driver file as the system table names it: the current MAME writes "neogeo/neogeo.cpp" for
// what the older one called "neogeo.c".
QStringView driverFile(const QString& source)
{
    QStringView file(source);
    file = file.sliced(file.lastIndexOf(QLatin1Char('/')) + 1);
    if (file.endsWith(QLatin1String(".cpp")))
        file.chop(2);
    return file;
}

// Years compare as text, so a year with unknown digits would pass any limit. The older MAME wrote
// only "19??" for one; today's writes "????", "20??", "198?" and the like.
bool yearUnknown(const GameRecord& record)
{
    const QString& year = record[GameColumn::Year];
    if (FromTodaysMame(record))
        return year.contains(QLatin1Char('?'));
    return year == QLatin1String("19??");
}

} // namespace

bool IsHidden(const GameRecord& record, const ListFilters& filters)
{
    bool anySystem = filters.blnHideStandard;
    for (const SystemFilter& system : kSystemFilters)
        anySystem = anySystem || filters.*system.flag;
    if (anySystem) {
        const QStringView source = driverFile(record[GameColumn::Source]);
        bool listedSystem = false;
        for (const SystemFilter& system : kSystemFilters) {
            if (source == QLatin1String(system.source)) {
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
