#pragma once

#include "ProgramInfo.h"

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
    QString configFolder() const override { return m_folder + QStringLiteral("/config"); }

private:
    QString m_folder;
    QString m_fileName;
    QString m_version;
};
