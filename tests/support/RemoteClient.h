#pragma once

#include <QLocalSocket>
#include <QStringList>
#include <QTest>

// A client of the running program's socket: what it sends, and the lines it gets back.
struct RemoteClient
{
    QLocalSocket socket;

    explicit RemoteClient(const QString &path)
    {
        socket.connectToServer(path);
        QVERIFY(socket.waitForConnected(5000));
    }
    // Sends bytes, then waits (running the program's events) for that many reply lines or the hang-up.
    QStringList exchange(const QByteArray &bytes, int replies = 1)
    {
        socket.write(bytes);
        socket.flush();
        QStringList lines;
        const auto take = [&] {
            while (socket.canReadLine())
                lines << QString::fromUtf8(socket.readLine()).trimmed();
            return lines.size() >= replies || socket.state() != QLocalSocket::ConnectedState;
        };
        static_cast<void>(QTest::qWaitFor(take, 10000));
        take();
        return lines;
    }
    bool hungUp()
    {
        return QTest::qWaitFor([&] { return socket.state() == QLocalSocket::UnconnectedState; }, 10000);
    }
};
