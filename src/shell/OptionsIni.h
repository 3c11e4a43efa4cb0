// The keys of options.ini: one table of section, key, type, default and the record member.
#pragma once

#include "platform/RuntimeError.h"
#include "state/AppState.h"

#include <QString>

#include <variant>

enum class IniType {
    Boolean, // "True"/"False", read leniently
    Long,    // signed 32-bit; written in decimal, read also in the runtime's &H and &O forms
    Integer, // 16-bit, read alike: a fraction rounds halves to even, outside -32768..32767 fails
    String,  // at most 254 characters
};

// Which batch of writes a key belongs to.
enum class OptionBatch {
    None,        // written on its own (single-key batches) or never
    Preferences, // the options wizard's OK
    Directories, // the options wizard's OK, after the preferences
    View,        // shutdown
};

using BoolMember = bool& (*)(AppState&);
using LongMember = qint32& (*)(AppState&);
using StringMember = QString& (*)(AppState&);

struct OptionKey {
    const char* section;
    const char* key;
    IniType type;
    const char* defaultText;
    OptionBatch batch;
    std::variant<BoolMember, LongMember, StringMember> member;
};

inline constexpr const char* kOptionsVersion = "4.0.0"; // what this program writes
inline constexpr qint32 kOldestOptionsVersion = 341;

// The recorded version as a number: its dots removed, converted to a 16-bit integer.
Result<qint32> OptionsVersionNumber(const QString& recorded);

// Reads every key of the table into the state; the first value that fails its conversion is
// reported and stops the reading (the caller recreates the file).
Status ReadOptions(const QString& iniPath, AppState& state);

// Writes the keys of one batch in table order (without the flush write).
void WriteOptionBatch(const QString& iniPath, const AppState& state, OptionBatch batch);

// Writes one key of the table from the state (without the flush write).
void WriteOptionKey(const QString& iniPath, const AppState& state, const char* key);

// errOptions could not keep the file as options.ini.bak: the program ends and leaves it alone.
QString OptionsBackupFailedText(const QString& iniPath, const RuntimeError& error);
