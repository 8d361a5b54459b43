#pragma once

#include <QString>

// Where the program runs from: the settings file lives beside it and is named
// after it. Tests give a temporary folder instead.
class ProgramInfo
{
public:
    virtual ~ProgramInfo() = default;

    // The executable's file name, e.g. "109" (or "abc.exe").
    virtual QString fileName() const = 0;
    // The folder holding the executable, as the system gives it.
    virtual QString folder() const = 0;
    // "major.minor.patch" of this build.
    virtual QString version() const = 0;
    // The program's own configuration folder (speech.ini, state.ini), not the settings file's.
    virtual QString configFolder() const = 0;

    // The file name without its last extension: "109", "abc".
    QString baseName() const;
};

// The running executable.
class ExecutableProgramInfo : public ProgramInfo
{
public:
    QString fileName() const override;
    QString folder() const override;
    QString version() const override;
    QString configFolder() const override;
};
