#include "RemoteControl.h"

#include "PanelKeys.h"
#include "PanelRules.h"
#include "Session.h"
#include "Waits.h"
#include "frmCtl.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLocalSocket>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTextStream>

namespace {

// How long a newly started 109 tries the socket before it takes it for stale.
constexpr int ProbeMs = 500;
// How soon the queue is looked at again while a wait holds it.
constexpr int RetryMs = 10;

const QString Ok = QStringLiteral("ok");

QString error(const QString &what)
{
    return QStringLiteral("error: ") + what;
}

// A number of 1 to maxDigits digits, as the keypad takes it.
bool allDigits(const QString &text, int maxDigits)
{
    return !text.isEmpty() && PanelRules::isKeyedNumber(text, maxDigits);
}

} // namespace

bool RemoteControl::isTextLine(const QByteArray &bytes, QString &text)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    text = utf8.decode(bytes);
    if (utf8.hasError())
        return false;
    for (QChar c : std::as_const(text)) {
        if ((c < u' ' && c != u'\t') || c == QChar(0x7f))
            return false;
    }
    return true;
}

RemoteControl::RemoteControl(Session &session)
    : m_session(session)
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &RemoteControl::acceptClients);
    m_retry.setSingleShot(true);
    m_retry.setInterval(RetryMs);
    connect(&m_retry, &QTimer::timeout, this, &RemoteControl::runQueued);
}

RemoteControl::~RemoteControl()
{
    close();
}

QString RemoteControl::defaultSocketPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("109.socket"));
}

RemoteControl::Listening RemoteControl::listen(const QString &path)
{
    // Two programs started together could both find the socket free; the
    // lock decides which listens. A lock whose program has ended is taken over.
    m_lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        m_lock.reset();
        return Listening::AnotherRuns;
    }
    {
        QLocalSocket probe;
        probe.connectToServer(path);
        if (probe.waitForConnected(ProbeMs)) {
            probe.abort();
            m_lock.reset();
            return Listening::AnotherRuns;
        }
    }
    // Nobody answers: a file left there by a run that ended without its quit.
    if (QFile::exists(path))
        QLocalServer::removeServer(path);
    if (m_server.listen(path))
        return Listening::Yes;
    m_lock.reset();
    return Listening::Failed;
}

void RemoteControl::close()
{
    m_retry.stop();
    m_server.close();
    m_lock.reset();
    m_queue.clear();
    for (QLocalSocket *client : std::as_const(m_clients)) {
        client->disconnect(this);
        client->abort();
        client->deleteLater();
    }
    m_clients.clear();
}

void RemoteControl::acceptClients()
{
    while (QLocalSocket *client = m_server.nextPendingConnection()) {
        if (m_clients.size() >= MaxClients) {
            refuse(client, error(QStringLiteral("too many connections")));
            continue;
        }
        m_clients.append(client);
        auto *idle = new QTimer(client);
        idle->setSingleShot(true);
        idle->setInterval(IdleMs);
        // Idle means nothing sent and nothing waiting for its reply: a
        // route setting may keep a client waiting on a message box.
        connect(idle, &QTimer::timeout, this, [this, client, idle] {
            if (m_runningFor == client || queuedFrom(client) > 0)
                idle->start();
            else
                client->disconnectFromServer();
        });
        idle->start();
        connect(client, &QLocalSocket::readyRead, this, [this, client, idle] {
            idle->start();
            readFrom(client);
            runSoon();
        });
        connect(client, &QLocalSocket::disconnected, this, [this, client] {
            m_clients.removeOne(client);
            client->deleteLater();
        });
        if (client->bytesAvailable() > 0)
            readFrom(client);
    }
    runSoon();
}

void RemoteControl::runSoon()
{
    // Never inside a socket's own signal: a command may run an event loop of
    // its own (the lamp test, a message box), in which that very socket may
    // go, and in which its further lines must still be read.
    QMetaObject::invokeMethod(this, &RemoteControl::runQueued, Qt::QueuedConnection);
}

void RemoteControl::refuse(QLocalSocket *client, const QString &reply)
{
    m_queue.removeIf([client](const Queued &q) { return q.from == client; });
    client->disconnect(this);
    m_clients.removeOne(client);
    client->readAll();
    client->write(reply.toUtf8() + '\n');
    client->disconnectFromServer();
    connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
    if (client->state() == QLocalSocket::UnconnectedState)
        client->deleteLater();
}

void RemoteControl::readFrom(QLocalSocket *client)
{
    for (;;) {
        const QByteArray ahead = client->peek(MaxLineBytes + 2);
        const qsizetype end = ahead.indexOf('\n');
        if (end < 0) {
            if (ahead.size() > MaxLineBytes + 1)
                refuse(client, error(QStringLiteral("line longer than %1 bytes").arg(MaxLineBytes)));
            return;
        }
        QByteArray bytes = client->read(end + 1);
        bytes.chop(1);
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        if (bytes.size() > MaxLineBytes) {
            refuse(client, error(QStringLiteral("line longer than %1 bytes").arg(MaxLineBytes)));
            return;
        }
        QString line;
        if (!isTextLine(bytes, line)) {
            refuse(client, error(QStringLiteral("not a line of UTF-8 text")));
            return;
        }
        if (queuedFrom(client) >= MaxQueuedLines) {
            refuse(client, error(QStringLiteral("too many commands at once")));
            return;
        }
        m_queue.append({client, line});
    }
}

qsizetype RemoteControl::queuedFrom(const QLocalSocket *client) const
{
    return std::count_if(m_queue.cbegin(), m_queue.cend(),
                         [client](const Queued &q) { return q.from == client; });
}

void RemoteControl::runQueued()
{
    // One command at a time, and none inside a wait or under a message box:
    // like a click, it runs after the lamp test, the sound or the question it
    // arrived during.
    if (m_running)
        return;
    const auto held = [this] { return m_session.waits.waiting() || QApplication::activeModalWidget(); };
    if (held()) {
        m_retry.start();
        return;
    }
    m_running = true;
    while (!m_queue.isEmpty() && !held()) {
        const Queued next = m_queue.takeFirst();
        m_runningFor = next.from;
        const QString reply = run(next.line);
        m_runningFor = nullptr;
        if (next.from && next.from->state() == QLocalSocket::ConnectedState) {
            next.from->write(reply.toUtf8() + '\n');
            next.from->flush();
        }
    }
    m_running = false;
    if (!m_queue.isEmpty())
        m_retry.start();
}

QString RemoteControl::run(const QString &line)
{
    const QStringList words =
        line.toLower().split(QRegularExpression(QStringLiteral("[ \t]+")), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return error(QStringLiteral("empty command"));
    const QString &name = words.first();
    if (name == u"status" && words.size() == 1)
        return status();
    if (name == u"help" && words.size() == 1)
        return help();
    if (name == u"route")
        return route(words);
    const QString command = words.join(u' ');
    const PanelAction *action = actionForCommand(command);
    if (!action)
        return error(QStringLiteral("unknown command: %1 (try help)").arg(command.left(64)));
    return m_session.panel->perform(*action) ? Ok
                                             : error(QStringLiteral("%1 is not available now").arg(command));
}

QString RemoteControl::route(const QStringList &words)
{
    if (words.size() != 3 || !allDigits(words[1], frmCtl::KeitoDigits)
        || !allDigits(words[2], frmCtl::KukanDigits))
        return error(QStringLiteral("route takes a route of 1 to 5 digits and a section of 1 to 3"));
    frmCtl &panel = *m_session.panel;
    const auto press = [&panel](const QString &command) { return panel.perform(*actionForCommand(command)); };
    // 系統 first: when it cannot be pressed, nothing has been keyed.
    if (!press(QStringLiteral("keito")))
        return error(QStringLiteral("the keypad is not available now"));
    for (QChar d : words[1])
        press(QStringLiteral("digit ") + d);
    press(QStringLiteral("kukan"));
    for (QChar d : words[2])
        press(QStringLiteral("digit ") + d);
    press(QStringLiteral("reset"));
    return Ok;
}

QString RemoteControl::status() const
{
    const DataIo &route = m_session.dataIo;
    const frmCtl &panel = *m_session.panel;
    const int row = route.heldRows() > 0 ? route.DataPos + 1 : 0;
    const HyRecord &shown = route.HyTable[std::size_t(row)];
    QString backlight = QStringLiteral("off");
    if (panel.Option4[1]->isChecked())
        backlight = QStringLiteral("on1");
    else if (panel.Option4[2]->isChecked())
        backlight = QStringLiteral("on2");
    const QJsonObject state{
        {QStringLiteral("route"), route.KeitoNo},
        {QStringLiteral("section"), route.KukanNo},
        {QStringLiteral("row"), row},
        {QStringLiteral("rows"), route.heldRows()},
        {QStringLiteral("stop"), row > 0 ? shown.TeiName : QString()},
        {QStringLiteral("ticket"), row > 0 ? shown.SeiriNo : 0},
        {QStringLiteral("tapePosition"), m_session.tape.TapePosition()},
        {QStringLiteral("tapeCount"), m_session.tape.TapeCount()},
        {QStringLiteral("lateNight"), panel.Check2->isChecked()},
        {QStringLiteral("erase"), panel.Check1->isChecked()},
        {QStringLiteral("backlight"), backlight},
        {QStringLiteral("keyedRoute"), panel.Label2[0]->text()},
        {QStringLiteral("keyedSection"), panel.Label2[2]->text()},
    };
    return QString::fromUtf8(QJsonDocument(state).toJson(QJsonDocument::Compact));
}

QString RemoteControl::help()
{
    QStringList names;
    for (const PanelAction &action : panelActions())
        names << action.command;
    names << QStringLiteral("route NUMBER SECTION") << QStringLiteral("status") << QStringLiteral("help");
    return Ok + QStringLiteral(": ") + names.join(QStringLiteral(", "));
}

int sendToRunning(const QString &socketPath, const QStringList &words, QTextStream &out, QTextStream &err)
{
    // How long one reply may take: a route setting holds its lamp test, and a
    // message it shows waits for the user.
    constexpr int ReplyMs = 120000;
    QStringList commands;
    QStringList current;
    for (const QString &word : words) {
        if (word == u";") {
            if (!current.isEmpty())
                commands << current.join(u' ');
            current.clear();
        } else {
            current << word;
        }
    }
    if (!current.isEmpty())
        commands << current.join(u' ');
    if (commands.isEmpty()) {
        err << "109: --send needs a command, e.g. 109 --send status\n";
        return 2;
    }
    // Each command goes as one line: a word of several lines would send
    // commands whose replies nobody waits for.
    for (const QString &command : std::as_const(commands)) {
        QString line;
        if (!RemoteControl::isTextLine(command.toUtf8(), line)) {
            err << "109: a command must be one line of text\n";
            return 2;
        }
    }

    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(ProbeMs * 4)) {
        err << "109: no running 109 to send to\n";
        return 2;
    }
    QByteArray request;
    for (const QString &command : std::as_const(commands))
        request += command.toUtf8() + '\n';
    socket.write(request);
    socket.flush();

    int result = 0;
    for (qsizetype i = 0; i < commands.size(); ++i) {
        while (!socket.canReadLine()) {
            if (!socket.waitForReadyRead(ReplyMs)) {
                // A refusal comes with its reason before the hang-up.
                const QByteArray rest = socket.readAll().trimmed();
                if (!rest.isEmpty())
                    out << QString::fromUtf8(rest) << '\n';
                err << "109: the running 109 did not answer every command\n";
                return 1;
            }
        }
        const QString reply = QString::fromUtf8(socket.readLine()).trimmed();
        out << reply << '\n';
        if (reply.startsWith(QLatin1String("error")))
            result = 1;
    }
    return result;
}
