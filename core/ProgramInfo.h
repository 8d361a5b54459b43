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
};

// A program that says it lives in a given folder under a given name.
class FixedProgramInfo : public ProgramInfo
{
public:
    FixedProgramInfo(QString folder, QString fileName = QStringLiteral("109"),
                     QString version = QStringLiteral("0.0.0"))
        : m_folder(std::move(folder))
        , m_fileName(std::move(fileName))
        , m_version(std::move(version))
    {
    }

    QString fileName() const override { return m_fileName; }
    QString folder() const override { return m_folder; }
    QString version() const override { return m_version; }

private:
    QString m_folder;
    QString m_fileName;
    QString m_version;
};
