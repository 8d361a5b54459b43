#pragma once

#include <QList>
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <memory>

class QLocalSocket;
class Session;

// Lets other programs on the same desktop drive the panel: a stream
// controller's button, a script. A local socket only the user may open takes
// one command a line and answers one line for each. Every command clicks the
// same control a key of the panel does, so what is disabled stays so.
class RemoteControl : public QObject
{
public:
    static constexpr int MaxLineBytes = 1024; // a longer line ends its connection
    static constexpr int MaxClients = 8;      // at once; more are turned away
    static constexpr int MaxQueuedLines = 64; // per connection, waiting their turn
    static constexpr int IdleMs = 10000;      // a connection that sends nothing this long is closed

    enum class Listening { Yes, AnotherRuns, Failed };

    explicit RemoteControl(Session &session);
    ~RemoteControl() override;

    // Where the user's running 109 listens: the user's runtime folder.
    static QString defaultSocketPath();

    // Listens at path, unless another program answers there already: the
    // first 109 keeps its socket. A socket file nobody answers is stale and
    // is replaced.
    Listening listen(const QString &path);
    // No more commands: the socket goes, the connections are closed.
    void close();
    bool isListening() const { return m_server.isListening(); }

    // A line as it came, without its end, as text: UTF-8 without ASCII
    // control characters (a tab aside). Only such a line is run.
    static bool isTextLine(const QByteArray &bytes, QString &text);
    // One command, run now, and its reply line (without the line end).
    QString run(const QString &line);
    // What the board and the panel show, as one line of JSON.
    QString status() const;

private:
    struct Queued
    {
        QPointer<QLocalSocket> from; // gone when the client has left; the command still runs
        QString line;
    };

    void acceptClients();
    void readFrom(QLocalSocket *client);
    // Answers a client that broke the rules, then hangs up on it.
    void refuse(QLocalSocket *client, const QString &reply);
    void runQueued();
    // runQueued from the event loop, once the signal that asks has returned.
    void runSoon();
    // How many of the client's lines wait their turn.
    qsizetype queuedFrom(const QLocalSocket *client) const;
    QString route(const QStringList &words);
    static QString help();

    Session &m_session;
    std::unique_ptr<QLockFile> m_lock; // held while listening
    QLocalServer m_server;
    QList<QLocalSocket *> m_clients;
    QList<Queued> m_queue;
    bool m_running = false;
    QPointer<QLocalSocket> m_runningFor; // whose command runs now
    QTimer m_retry;                      // while a wait runs, the queue is looked at again shortly
};

// 109 --send: sends the commands in words (several separated by a lone ";")
// to the running 109 at socketPath, writes each reply line to out and
// returns 0; 1 when a reply is an error or the answer is cut short; 2 when
// nothing could be sent, with the reason on err.
int sendToRunning(const QString &socketPath, const QStringList &words, QTextStream &out, QTextStream &err);
