// The error a core procedure reports to its caller in place of the runtime's error object.
#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

struct RuntimeError {
    int number = 0;          // the runtime's error number where one applies (68, 75, 481, ...)
    QString description;     // the text shown after "Error In <procedure>: "
    int line = 0;            // the failing line where the message shows "Line Number: "
};

// Runtime error numbers that callers tell apart.
namespace ErrorNumber {
inline constexpr int TypeMismatch = 13;
inline constexpr int Overflow = 6;
inline constexpr int FileNotFound = 53;
inline constexpr int InputPastEnd = 62;
inline constexpr int DeviceUnavailable = 68;
inline constexpr int PathNotFound = 76;
inline constexpr int PathFileAccess = 75;
inline constexpr int InvalidPicture = 481;
}

// A value or the error that prevented it.
template <class T>
class Result {
public:
    Result(T value) : m_v(std::move(value)) {}
    Result(RuntimeError error) : m_v(std::move(error)) {}
    bool ok() const { return m_v.index() == 0; }
    explicit operator bool() const { return ok(); }
    const T& value() const { return std::get<0>(m_v); }
    T& value() { return std::get<0>(m_v); }
    const T& operator*() const { return value(); }
    const T* operator->() const { return &value(); }
    const RuntimeError& error() const { return std::get<1>(m_v); }

private:
    std::variant<T, RuntimeError> m_v;
};

// For procedures that return nothing but may fail.
using Status = std::optional<RuntimeError>;
