// 109: a simulator of a route bus's fare display unit.

#include "App.h"
#include "ByteStrings.h"
#include "Clock.h"
#include "Dialogs.h"
#include "ElapsedClock.h"
#include "Fonts.h"
#include "OpenJTalkSpeech.h"
#include "ProgramInfo.h"
#include "QtJapanese.h"
#include "SdlAudioOut.h"
#include "Shell.h"
#include "Waits.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    installFontSubstitutions();
    // Qt's own buttons and dialogs in Japanese, like the rest of the program.
    if (!installQtJapanese())
        qWarning("109: Qt's Japanese translation is not installed");
    // A missing face is drawn in a fallback one; say so, but run on.
    for (const QString &missing : unresolvedFonts())
        qWarning("109: typeface not installed: %s", qPrintable(missing));

    QtDialogs dialogs;
    SdlAudioOut audio;
    EventLoopWaits waits;
    SystemClock clock;
    ExecutableProgramInfo program;
    DesktopShell shell;
    App app({dialogs, audio, waits, clock, nullptr, program, shell,
             [&] { return OpenJTalkSpeech::create(audio, OpenJTalkPlaces::standard(program.folder())); },
             [] { return GetOsInfo(); }, [] { QCoreApplication::exit(0); }});
    app.startUp();
    return qapp.exec();
}
