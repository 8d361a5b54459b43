// Commands from other programs, on a whole run on fakes: each line of the
// input is one command. Whatever a line of text holds, the run goes on and the
// reply is one line: a JSON object, "ok", "ok: ..." (help) or "error: ...".

#include "OffscreenRun.h"
#include "RemoteControl.h"
#include "TestApp.h"

#include <QEvent>

#include <cstdlib>

namespace {

bool oneLine(const QString &reply)
{
    if (reply.contains(u'\n') || reply.contains(u'\r'))
        return false;
    return reply == u"ok" || reply.startsWith(u"ok: ") || reply.startsWith(u"error: ")
        || reply.startsWith(u'{');
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    OffscreenRun::start();
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
        // What the socket would refuse never reaches run().
        QString text;
        if (RemoteControl::isTextLine(line, text) && !oneLine(remote.run(text)))
            std::abort();
    }
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
