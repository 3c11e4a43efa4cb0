#include "options/SettingsFile.h"

#include "options/CurrentOptions.h"
#include "platform/AnsiText.h"
#include "platform/RuntimeErrorText.h"
#include "platform/RuntimeText.h"
#include "shell/IniFile.h"

namespace {

const OptionDef& def(size_t row) { return kOptionCatalogue[row]; }
QString text(const char* s) { return QString::fromLatin1(s); }

QString readValue(const QString& file, size_t row)
{
    return ReadINI(file, text(def(row).section), text(def(row).key), text(def(row).defaultText));
}

// The INI service reads a value trimmed of blanks, and without quotes that close it on both
// sides: such a text is stored in quotes of its own, which the reading takes off.
QString storedText(const QString& value)
{
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    const bool quoted = value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
                        value.back() == value.front();
    if (value.isEmpty() || (!blank(value.front()) && !blank(value.back()) && !quoted))
        return value;
    return u'"' + value + u'"';
}

const QString kRebuildAdvice =
    QStringLiteral("You should run Rebuild Settings from the Tools pull-down menu above to correct this problem.");

} // namespace

SettingsValues DefaultSettings(MameLayout layout)
{
    SettingsValues values;
    for (size_t row = 0; row < values.size(); ++row)
        values[row] = text(def(row).defaultText);
    if (layout == MameLayout::Current)
        for (const CurrentDefault& today : kCurrentDefaults)
            values[static_cast<size_t>(findOptionRow(today.control))] = text(today.value);
    return values;
}

bool AtDefaults(const SettingsValues& values, MameLayout layout)
{
    const SettingsValues defaults = DefaultSettings(layout);
    for (size_t row = 0; row < kOtherCommandsRow; ++row) {
        if (def(row).kind == OptionKind::Check) {
            if (values[row].toInt() != defaults[row].toInt())
                return false;
        } else if (values[row] != defaults[row]) {
            return false;
        }
    }
    return values[kOtherCommandsRow].isEmpty();
}

Status SaveSettings(const QString& file, const SettingsValues& values)
{
    for (size_t row = 0; row < values.size(); ++row)
        WriteINI(file, text(def(row).section), text(def(row).key),
                 row == kOtherCommandsRow ? storedText(values[row]) : values[row]);
    Status failed = SaveINI(file);
    if (failed)
        RevertINI(file);
    return failed;
}

LoadedSettings ReadSettings(const QString& file, const OptionLists& lists)
{
    LoadedSettings loaded;
    for (size_t row = 0; row < kOtherCommandsRow; ++row) {
        const std::optional<QString> value = AcceptedValue(lists, static_cast<int>(row), readValue(file, row));
        if (value) {
            loaded.values[row] = *value;
        } else {
            loaded.values[row] = text(def(row).defaultText);
            loaded.refusedRows.push_back(static_cast<int>(row));
        }
    }
    loaded.values[kOtherCommandsRow] = readValue(file, kOtherCommandsRow);
    return loaded;
}

RepairedSettings RepairSettings(const QString& file, const OptionLists& lists)
{
    RepairedSettings repaired{ReadSettings(file, lists), std::nullopt};
    if (repaired.loaded.refusedRows.empty())
        return repaired;
    for (int row : repaired.loaded.refusedRows) {
        const OptionDef& option = def(static_cast<size_t>(row));
        WriteINI(file, text(option.section), text(option.key), text(option.defaultText));
    }
    repaired.unsaved = SaveINI(file);
    // Repairs that were not stored must not reach the file unseen with some later save.
    if (repaired.unsaved)
        RevertINI(file);
    return repaired;
}

Result<bool> SameSettings(const QString& baseFile, const QString& customFile)
{
    for (size_t row = 0; row < kOtherCommandsRow; ++row) {
        const QString base = readValue(baseFile, row);
        const QString custom = readValue(customFile, row);
        if (def(row).kind == OptionKind::Check) {
            const std::optional<qint16> a = ParseInteger(base);
            const std::optional<qint16> b = ParseInteger(custom);
            if (!a || !b) {
                const bool overflow = IsNumeric(a ? custom : base);
                return MakeRuntimeError(overflow ? ErrorNumber::Overflow : ErrorNumber::TypeMismatch,
                                        static_cast<int>(row) + 1);
            }
            if (*a != *b)
                return false;
        } else if (base != custom) {
            return false;
        }
    }
    return readValue(baseFile, kOtherCommandsRow) == readValue(customFile, kOtherCommandsRow);
}

std::optional<QString> OtherCommandsRefusal(const QString& otherCommands)
{
    const qsizetype bytes = toAnsi(otherCommands).size();
    if (bytes <= kOtherCommandsLimit)
        return std::nullopt;
    return QStringLiteral("Other Commands can hold at most %1 bytes in a settings file; these take %2.  Please "
                          "shorten them.")
        .arg(kOtherCommandsLimit)
        .arg(bytes);
}

QString LoadErrorText(int row)
{
    const OptionDef& option = def(static_cast<size_t>(row));
    return QStringLiteral("Error loading %1.  The M.A.M.E. default value '%2' will be used.\r\n")
               .arg(text(option.label), text(option.defaultText)) +
           kRebuildAdvice;
}

QString CompareSettingsErrorText(const RuntimeError& error)
{
    return QStringLiteral("Error In CompareSettings: %1\rLine Number: %2\r").arg(error.description).arg(error.line) +
           kRebuildAdvice;
}
