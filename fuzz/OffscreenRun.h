#pragma once

// What a fuzz target that runs the windows needs before its first input: an
// application on the offscreen platform, the dummy sound driver, the fonts
// mapped, and Qt's notes kept out of the fuzzer's output.

#include "Fonts.h"

#include <QApplication>

#include <cstdio>

namespace OffscreenRun {

// The offscreen platform's notes on every window (no raise(), no masks) would
// bury the fuzzer's own output; criticals and fatals still go through.
inline void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

inline void start()
{
    qInstallMessageHandler(quietMessages);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "dummy");
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    // Never destroyed: at exit, Qt's own statics go before any static of ours would.
    static const QApplication *application = new QApplication(argc, argv);
    Q_UNUSED(application);
    installFontSubstitutions();
}

} // namespace OffscreenRun
