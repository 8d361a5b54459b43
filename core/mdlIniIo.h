#pragma once

#include "IniData.h"
#include "RuntimeError.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

class ProgramInfo;

struct IniLoadResult
{
    bool read = false;            // the file was read; the start-up applies it only then
    std::optional<Failure> error; // an error to report (a missing file is not one)
};

// The settings record and its file beside the program (<program>.in4).
class mdlIniIo
{
public:
    // Every field's width in file order: a file whose texts are all empty.
    static constexpr qsizetype EmptyFileBytes = 382;

    explicit mdlIniIo(const ProgramInfo &program);

    IniRecord IniData;

    // <program folder>/<program base name>.in4; no second separator when the
    // folder already ends in one.
    QString iniPath() const;

    // Reads the file into IniData. A missing file or a name that cannot be
    // used is not read and not an error. A short file reads zeros and empty
    // texts past its end; bytes past the layout are ignored.
    IniLoadResult LoadIni();

    // Writes IniData. The old file stays whole unless the new one was written
    // completely.
    std::optional<Failure> SaveIni();

    // The three-line message of a failure while loading or applying settings,
    // and the two-line one of a failure while saving.
    static QString loadErrorMessage(const Failure &f);
    static QString saveErrorMessage(const Failure &f);

    // The file's bytes, both ways; DegitCount is written as 24 whatever it holds.
    static IniRecord parse(QByteArrayView bytes);
    static QByteArray serialize(const IniRecord &record);

private:
    const ProgramInfo &m_program;
};
