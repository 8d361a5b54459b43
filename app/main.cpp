// 109: a simulator of a route bus's fare display unit.

#include "App.h"
#include "ByteStrings.h"
#include "Clock.h"
#include "Dialogs.h"
#include "ElapsedClock.h"
#include "Fonts.h"
#include "OpenJTalkSpeech.h"
#include "ProgramInfo.h"
#include "SdlAudioOut.h"
#include "Waits.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    installFontSubstitutions();
    // A missing face is drawn in a fallback one; say so, but run on.
    for (const QString &missing : unresolvedFonts())
        qWarning("109: typeface not installed: %s", qPrintable(missing));

    QtDialogs dialogs;
    SdlAudioOut audio;
    EventLoopWaits waits;
    SystemClock clock;
    ExecutableProgramInfo program;
    App app({dialogs, audio, waits, clock, nullptr, program,
             [&] { return OpenJTalkSpeech::create(audio, OpenJTalkPlaces::standard(program.folder())); },
             [] { return GetOsInfo(); }});
    app.startUp();
    return qapp.exec();
}
