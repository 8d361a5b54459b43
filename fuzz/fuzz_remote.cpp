// Commands from other programs, on a whole run on fakes: each line of the
// input is one command. Whatever a line holds, the run goes on and the reply
// is one line: a JSON object, "ok", "ok: ..." (help) or "error: ...".

#include "Fonts.h"
#include "RemoteControl.h"
#include "TestApp.h"

#include <QApplication>
#include <QEvent>

#include <cstdio>
#include <cstdlib>

namespace {

void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

bool oneLine(const QString &reply)
{
    if (reply.contains(u'\n') || reply.contains(u'\r'))
        return false;
    return reply == u"ok" || reply.startsWith(u"ok: ") || reply.startsWith(u"error: ") || reply.startsWith(u'{');
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(quietMessages);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "dummy");
    static int argc = 1;
    static char name[] = "fuzz_remote";
    static char *argv[] = {name, nullptr};
    static const QApplication *application = new QApplication(argc, argv);
    Q_UNUSED(application);
    installFontSubstitutions();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TestApp t;
    t.app->startUp();
    RemoteControl remote(*t.app);
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    int lines = 0;
    for (const QByteArray &line : bytes.toByteArray().split('\n')) {
        if (++lines > 32)
            break;
        if (!oneLine(remote.run(QString::fromUtf8(line))))
            std::abort();
    }
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
