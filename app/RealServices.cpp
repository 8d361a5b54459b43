#include "RealServices.h"

#include "Fonts.h"
#include "OpenJTalkSpeech.h"
#include "OsInfo.h"
#include "QtJapanese.h"
#include "RemoteControl.h"

#include <QCoreApplication>

void prepareWindowing()
{
    installFontSubstitutions();
    // Qt's own buttons and dialogs in Japanese, like the rest of the program.
    if (!installQtJapanese())
        qWarning("109: Qt's Japanese translation is not installed");
    // A missing face is drawn in a fallback one; say so, but run on.
    for (const QString &missing : unresolvedFonts())
        qWarning("109: typeface not installed: %s", qPrintable(missing));
}

AppServices RealServices::services()
{
    return {{dialogs, audio, waits, clock, nullptr, program, shell,
             [this] { return OpenJTalkSpeech::create(audio, OpenJTalkPlaces::standard(program.folder())); },
             [] { return GetOsInfo(); }},
            [] { QCoreApplication::exit(0); },
            RemoteControl::defaultSocketPath()};
}
