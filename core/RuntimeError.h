#pragma once

#include <QString>

// The error numbers every "Code:" message of the program shows. The numbers are
// the classic runtime ones, because users and some messages branch on them.
namespace RuntimeError {

enum Number : int {
    InvalidCall = 5,
    Overflow = 6,
    OutOfMemory = 7,
    SubscriptOutOfRange = 9,
    OutOfStackSpace = 28,
    InternalError = 51,
    BadFileName = 52,
    FileNotFound = 53,
    DeviceIo = 57,
    InputPastEnd = 62,
    DeviceUnavailable = 68,
    PathFileAccess = 75,
    PathNotFound = 76,
    ObjectNotSet = 91,
    InvalidPropertyValue = 380,
    InvalidPicture = 481,
};

// The Japanese description of a number; an unknown number gets a generic text
// that still names it.
QString description(int number);

} // namespace RuntimeError

// A failure as it travels back to whoever shows it.
struct Failure
{
    int number = 0;
    QString description;

    static Failure of(int number) { return {number, RuntimeError::description(number)}; }
    // The standard description followed by a line that says where it happened.
    static Failure of(int number, const QString &where)
    {
        return {number, RuntimeError::description(number) + QStringLiteral("\r\n") + where};
    }
};
