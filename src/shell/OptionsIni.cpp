#include "shell/OptionsIni.h"

#include "platform/RuntimeText.h"
#include "shell/FolderTable.h"
#include "shell/IniFile.h"

#include <QDir>

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace {

template <auto Record, auto Member>
constexpr auto field = +[](AppState& s) -> auto& { return (s.*Record).*Member; };

template <auto Member>
constexpr auto top = +[](AppState& s) -> auto& { return s.*Member; };

constexpr auto B = IniType::Boolean;
constexpr auto L = IniType::Long;
constexpr auto I = IniType::Integer;
constexpr auto S = IniType::String;
constexpr auto Pref = OptionBatch::Preferences;
constexpr auto Dirs = OptionBatch::Directories;
constexpr auto View = OptionBatch::View;
constexpr auto None = OptionBatch::None;

using F = ListFilters;
using A = ListAppearance;
using G = GeneralPreferences;
using V = ViewState;
constexpr auto filters = &AppState::filters;
constexpr auto look = &AppState::appearance;
constexpr auto prefs = &AppState::prefs;
constexpr auto dirs = &AppState::dirs;
constexpr auto view = &AppState::view;
constexpr auto web = &AppState::web;

// The keys read before the folders' (kLaterKeys: after them).
const std::array kEarlierKeys = std::to_array<OptionKey>({
    {"Preferences", "HideArcadia", B, "False", Pref, field<filters, &F::blnHideArcadia>},
    {"Preferences", "HideBabyPhoenix", B, "False", Pref, field<filters, &F::blnHideBabyPhoenix>},
    {"Preferences", "HideCassette", B, "False", Pref, field<filters, &F::blnHideCassette>},
    {"Preferences", "HideCrystal", B, "False", Pref, field<filters, &F::blnHideCrystal>},
    {"Preferences", "HideCVS", B, "False", Pref, field<filters, &F::blnHideCVS>},
    {"Preferences", "HideHyperNeo", B, "False", Pref, field<filters, &F::blnHideHyperNeo>},
    {"Preferences", "HideMaxAFlex", B, "False", Pref, field<filters, &F::blnHideMaxAFlex>},
    {"Preferences", "HideSEGAC2.C", B, "False", Pref, field<filters, &F::blnHideSEGAC2>},
    {"Preferences", "HideMultiCassette", B, "False", Pref, field<filters, &F::blnHideMultiCassette>},
    {"Preferences", "HideNeoGeo", B, "False", Pref, field<filters, &F::blnHideNeoGeo>},
    {"Preferences", "HideNintendo", B, "False", Pref, field<filters, &F::blnHideNintendo>},
    {"Preferences", "HidePGM", B, "False", Pref, field<filters, &F::blnHidePGM>},
    {"Preferences", "HidePlayChoice", B, "False", Pref, field<filters, &F::blnHidePlayChoice>},
    {"Preferences", "HideZN.C", B, "False", Pref, field<filters, &F::blnHideZN>},
    {"Preferences", "HideStandard", B, "False", Pref, field<filters, &F::blnHideStandard>},
    {"Preferences", "HideST-V", B, "False", Pref, field<filters, &F::blnHideSTV>},
    {"Preferences", "HideKaneko", B, "False", Pref, field<filters, &F::blnHideKaneko>},
    {"Preferences", "HideSystemGX", B, "False", Pref, field<filters, &F::blnHideSystemGX>},
    {"Preferences", "HideMPU4", B, "False", Pref, field<filters, &F::blnHideMPU4>},
    {"Preferences", "HideClones", B, "False", Pref, field<filters, &F::blnHideClones>},
    {"Preferences", "HidePreliminary", B, "False", Pref, field<filters, &F::blnHidePreliminary>},
    {"Preferences", "HideVs", B, "False", Pref, field<filters, &F::blnHideVs>},
    {"Preferences", "HideYear", B, "False", Pref, field<filters, &F::blnHideYear>},
    {"Preferences", "HideBootleg", B, "False", Pref, field<filters, &F::blnHideBootleg>},
    {"Preferences", "HideTest", B, "False", Pref, field<filters, &F::blnHideTest>},
    {"Preferences", "HideCHD", B, "False", Pref, field<filters, &F::blnHideCHD>},
    {"Preferences", "HideImperfect", B, "False", Pref, field<filters, &F::blnHideImperfect>},
    {"Preferences", "Year", S, "", Pref, field<filters, &F::strHideYear>},
    {"Preferences", "DisableHotKeys", B, "False", Pref, field<prefs, &G::blnDisableHotKeys>},
    {"Preferences", "CloneShots", B, "False", Pref, field<prefs, &G::blnCloneShots>},
    {"Preferences", "UseStarfield", B, "False", Pref, field<look, &A::blnUseStarfield>},
    {"Preferences", "BackColor", L, "-2147483643", Pref, field<look, &A::lngBackColor>},
    {"Preferences", "FontColor", L, "16777215", Pref, field<look, &A::lngFontColor>},
    {"Preferences", "FontSize", S, "8", Pref, field<look, &A::strFontSize>},
    {"Preferences", "GradientColor", L, "-2147483632", None, field<look, &A::lngGradientColor>},
});

// One key of the Directories section per row of the folder table.
template <size_t... I>
std::array<OptionKey, sizeof...(I)> folderKeys(std::index_sequence<I...>)
{
    return {{{"Directories", kFolders[I].key, S, "", Dirs, field<dirs, kFolders[I].path>}...}};
}

template <size_t... N>
std::array<OptionKey, (N + ...)> joined(const std::array<OptionKey, N>&... parts)
{
    std::array<OptionKey, (N + ...)> all;
    auto next = all.begin();
    ((next = std::copy(parts.begin(), parts.end(), next)), ...);
    return all;
}

const std::array kLaterKeys = std::to_array<OptionKey>({
    {"Miscellaneous", "MAMESize", L, "0", None, top<&AppState::lngMAMESize>},
    {"Miscellaneous", "News", S, "", None, field<web, &WebRequest::strLastNews>},
    {"Miscellaneous", "AutoRun", B, "False", None, field<prefs, &G::blnAutoRun>},
    {"View", "Scroll", B, "True", None, field<view, &V::blnScroll>},
    {"View", "GameView", S, "All Games", View, field<view, &V::strGameView>},
    {"View", "ScreenShots", B, "False", View, field<view, &V::blnScreenShots>},
    {"View", "Favorites", B, "False", View, field<view, &V::blnFavorites>},
    {"View", "WindowState", I, "0", View, field<view, &V::intWindowState>},
    // The selected indexes are read as 32-bit numbers: a list may hold more than 32,767 games.
    {"View", "AllIndex", L, "1", View, field<view, &V::intAllIndex>},
    {"View", "AllSortKey", I, "0", View, field<view, &V::intAllSortKey>},
    {"View", "AllSortOrder", I, "0", View, field<view, &V::intAllSortOrder>},
    {"View", "InstalledIndex", L, "1", View, field<view, &V::intInstalledIndex>},
    {"View", "InstalledSortKey", I, "0", View, field<view, &V::intInstalledSortKey>},
    {"View", "InstalledSortOrder", I, "0", View, field<view, &V::intInstalledSortOrder>},
    {"View", "UninstalledIndex", L, "1", View, field<view, &V::intUninstalledIndex>},
    {"View", "UninstalledSortKey", I, "0", View, field<view, &V::intUninstalledSortKey>},
    {"View", "UninstalledSortOrder", I, "0", View, field<view, &V::intUninstalledSortOrder>},
});

// Every key but ZelvaneVersion, in the order in which the start-up reads them.
const std::array kKeys = joined(kEarlierKeys, folderKeys(std::make_index_sequence<kFolders.size()>()), kLaterKeys);

RuntimeError conversionError(const OptionKey& k, const QString& text, bool overflow)
{
    return RuntimeError{overflow ? ErrorNumber::Overflow : ErrorNumber::TypeMismatch,
                        QStringLiteral("%1 in [%2] %3: \"%4\"")
                            .arg(overflow ? QStringLiteral("Overflow") : QStringLiteral("Type mismatch"),
                                 QLatin1String(k.section), QLatin1String(k.key), text)};
}

// Converts one stored text into its member; an error when it does not convert.
Status assign(const OptionKey& k, const QString& text, AppState& state)
{
    switch (k.type) {
    case IniType::Boolean:
        if (const auto b = ParseBoolean(text)) {
            std::get<BoolMember>(k.member)(state) = *b;
            return std::nullopt;
        }
        return conversionError(k, text, false);
    case IniType::Long:
    case IniType::Integer: {
        const std::optional<qint32> n = k.type == IniType::Long ? ParseLong(text)
                                                                : std::optional<qint32>(ParseInteger(text));
        if (n) {
            std::get<LongMember>(k.member)(state) = *n;
            return std::nullopt;
        }
        return conversionError(k, text, IsNumeric(text));
    }
    case IniType::String:
        std::get<StringMember>(k.member)(state) = text;
        return std::nullopt;
    }
    return std::nullopt;
}

IniValue valueOf(const OptionKey& k, const AppState& state)
{
    AppState& s = const_cast<AppState&>(state); // the accessors only read here
    switch (k.type) {
    case IniType::Boolean: return std::get<BoolMember>(k.member)(s);
    case IniType::Long:
    case IniType::Integer: return std::get<LongMember>(k.member)(s);
    case IniType::String: return std::get<StringMember>(k.member)(s);
    }
    return QString();
}

} // namespace

Result<qint32> OptionsVersionNumber(const QString& recorded)
{
    QString digits = recorded;
    digits.remove(QLatin1Char('.'));
    if (const auto n = ParseInteger(digits))
        return qint32(*n);
    return RuntimeError{IsNumeric(digits) ? ErrorNumber::Overflow : ErrorNumber::TypeMismatch,
                        QStringLiteral("ZelvaneVersion \"%1\" is not a version number").arg(recorded)};
}

Status ReadOptions(const QString& iniPath, AppState& state)
{
    for (const OptionKey& k : kKeys) {
        const QString text = ReadINI(iniPath, QLatin1String(k.section), QLatin1String(k.key), k.defaultText);
        if (Status error = assign(k, text, state))
            return error;
    }
    return std::nullopt;
}

void WriteOptionBatch(const QString& iniPath, const AppState& state, OptionBatch batch)
{
    for (const OptionKey& k : kKeys)
        if (k.batch == batch)
            WriteINI(iniPath, QLatin1String(k.section), QLatin1String(k.key), valueOf(k, state));
}

void WriteOptionKey(const QString& iniPath, const AppState& state, const char* key)
{
    for (const OptionKey& k : kKeys)
        if (std::strcmp(k.key, key) == 0)
            WriteINI(iniPath, QLatin1String(k.section), QLatin1String(k.key), valueOf(k, state));
}

QString OptionsBackupFailedText(const QString& iniPath, const RuntimeError& error)
{
    return QStringLiteral("Problem in options.ini file, and Zelvane could not keep it as %1.bak: %2.\r"
                          "Zelvane will end now and leave the file as it is.")
        .arg(QDir::toNativeSeparators(iniPath), error.description);
}
