#include "PanelClicks.h"
#include "PanelFixture.h"
#include "RemoteControl.h"

#include "Fonts.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTextStream>

#include <atomic>
#include <thread>

// Commands from other programs, through a real socket.
class tst_RemoteControl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void commandClicksItsControl_data();
    void commandClicksItsControl();
    void routeAndStatus();
    void badInput_data();
    void badInput();
    void tooManyConnections();
    void firstRunKeepsTheSocket();
    void sendFromTheCommandLine();

private:
    QTemporaryDir m_sockets;
    QString socketPath() const { return m_sockets.filePath(QStringLiteral("109.socket")); }
};

namespace {

// A client of the running program: what it sends, and the lines it gets back.
struct Client
{
    QLocalSocket socket;

    explicit Client(const QString &path)
    {
        socket.connectToServer(path);
        QVERIFY(socket.waitForConnected(5000));
    }
    // Sends bytes and waits for that many reply lines, or for the hang-up.
    QStringList exchange(const QByteArray &bytes, int replies = 1)
    {
        socket.write(bytes);
        socket.flush();
        QStringList lines;
        static_cast<void>(QTest::qWaitFor(
            [&] {
                while (socket.canReadLine())
                    lines << readLine();
                return lines.size() >= replies || socket.state() != QLocalSocket::ConnectedState;
            },
            10000));
        while (socket.canReadLine())
            lines << readLine();
        return lines;
    }
    bool hungUp()
    {
        return QTest::qWaitFor([&] { return socket.state() == QLocalSocket::UnconnectedState; }, 10000);
    }
    QString readLine() { return QString::fromUtf8(socket.readLine()).trimmed(); }
};

// Route 5 set at section 2 of 4 stops, with a tape of three entries for the tape's commands.
void setRouteWithTape(PanelFixture &f)
{
    f.write(QStringLiteral("5.hy3"), fareRows(4));
    f.write(
        QStringLiteral("5tp.csv"),
        tapeFile({{QStringLiteral("一"), 0, 0}, {QStringLiteral("二"), 0, 0}, {QStringLiteral("三"), 0, 0}}));
    f.setRoute(QStringLiteral("5"), QStringLiteral("2"));
}

} // namespace

void tst_RemoteControl::commandClicksItsControl_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("control");
    const std::pair<const char *, const char *> rows[] = {
        {"digit 0", "CommandButton1(0)"},
        {"digit 9", "CommandButton1(9)"},
        {"keito", "CommandButton1(10)"},
        {"kukan", "CommandButton1(11)"},
        {"reset", "Command1(1)"},
        {"next", "Command2(1)"},
        {"back", "Command2(0)"},
        {"tape-next", "cmdTapeNext"},
        {"tape-back", "cmdTapeBack"},
        {"tape-stop", "cmdTapeStop"},
        {"late-night", "Check2"},
        {"erase", "Check1"},
        {"backlight off", "Option4(0)"},
        {"backlight on1", "Option4(1)"},
        {"Backlight  ON2\r", "Option4(2)"},
        {"preview", "Check4"},
    };
    for (const auto &[command, control] : rows)
        QTest::newRow(command) << QString::fromLatin1(command) << QString::fromLatin1(control);
}

// Each command clicks its control once and answers ok; the same command with
// the control disabled (the display erased) clicks nothing and says so.
void tst_RemoteControl::commandClicksItsControl()
{
    QFETCH(QString, command);
    QFETCH(QString, control);
    PanelFixture f(true, socketPath());
    setRouteWithTape(f);
    PanelClicks clicks(f.panel);
    Client c(socketPath());
    QCOMPARE(c.exchange(command.toUtf8() + '\n'), QStringList{"ok"});
    QCOMPARE(clicks.clicked, QStringList{control});

    if (control == u"Check1")
        return;
    f.panel.Check1->click();
    clicks.clicked.clear();
    const QStringList reply = c.exchange(command.toUtf8() + '\n');
    // Erasing leaves the backlight and the preview working, and the erase box itself.
    const bool stillThere = control.startsWith(QLatin1String("Option4")) || control == u"Check4";
    QCOMPARE(reply.size(), 1);
    QCOMPARE(reply[0] == u"ok", stillThere);
    QCOMPARE(clicks.clicked, stillThere ? QStringList{control} : QStringList());
}

// route keys the displays as digits keyed and sets the route; status tells
// what the board shows. Several commands on one line each, answered in order.
void tst_RemoteControl::routeAndStatus()
{
    PanelFixture f(false, socketPath());
    f.write(QStringLiteral("12.hy3"), fareRows(8));
    Client c(socketPath());
    QCOMPARE(c.exchange("route 00012 005\nnext\nlate-night\nbacklight on2\nstatus\n", 5).mid(0, 4),
             (QStringList{"ok", "ok", "ok", "ok"}));
    // Keyed, not only set: the keypad's displays hold the digits, and the board the row after 5.
    QCOMPARE(f.panel.Label2[0]->text(), QStringLiteral("00012"));
    QCOMPARE(f.panel.Label2[2]->text(), QStringLiteral("005"));
    QCOMPARE(f.stopName(), QStringLiteral("S6"));
    // Late-night fares from the next refresh on.
    QCOMPARE(f.cell(24), QVariant(qint16(60 + 24)));

    const QJsonObject status = QJsonDocument::fromJson(c.exchange("status\n")[0].toUtf8()).object();
    QCOMPARE(status.value("route").toString(), QStringLiteral("00012"));
    QCOMPARE(status.value("section").toInt(), 5);
    QCOMPARE(status.value("row").toInt(), 6);
    QCOMPARE(status.value("stop").toString(), QStringLiteral("S6"));
    QCOMPARE(status.value("ticket").toInt(), 6);
    QCOMPARE(status.value("lateNight").toBool(), true);
    QCOMPARE(status.value("erase").toBool(), false);
    QCOMPARE(status.value("backlight").toString(), QStringLiteral("on2"));
    QCOMPARE(status.value("tapeCount").toInt(), 0);

    // With the list page in front the keypad cannot be keyed: nothing is.
    f.panel.Frame1_DblClick(1);
    QVERIFY(c.exchange("route 3 1\n")[0].startsWith(QLatin1String("error: ")));
    QCOMPARE(f.panel.Label2[0]->text(), QStringLiteral("00012"));
}

void tst_RemoteControl::badInput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("hangsUp");
    const QByteArray longLine(RemoteControl::MaxLineBytes + 1, 'a');
    QTest::newRow("unknown") << QByteArray("fly\n") << "error: unknown command: fly (try help)" << false;
    QTest::newRow("digit out of range")
        << QByteArray("digit 12\n") << "error: unknown command: digit 12 (try help)" << false;
    QTest::newRow("route without section")
        << QByteArray("route 12\n") << "error: route takes a route of 1 to 5 digits and a section of 1 to 3"
        << false;
    QTest::newRow("route too long") << QByteArray("route 123456 1\n")
                                    << "error: route takes a route of 1 to 5 digits and a section of 1 to 3"
                                    << false;
    QTest::newRow("empty") << QByteArray(" \n") << "error: empty command" << false;
    QTest::newRow("line over 1 KiB") << longLine + '\n' << "error: line longer than 1024 bytes" << true;
    QTest::newRow("no line end, over 1 KiB")
        << longLine + longLine << "error: line longer than 1024 bytes" << true;
    QTest::newRow("invalid UTF-8") << QByteArray("next\xff\xfe\n") << "error: not a line of UTF-8 text"
                                   << true;
    QTest::newRow("binary") << QByteArray("ne\0xt\n", 6) << "error: not a line of UTF-8 text" << true;
}

// Bad input gets an error, or the connection closed after one; the board
// stays as it was, and the program still answers.
void tst_RemoteControl::badInput()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reply);
    QFETCH(bool, hangsUp);
    PanelFixture f(false, socketPath());
    f.write(QStringLiteral("5.hy3"), fareRows(4));
    f.setRoute(QStringLiteral("5"), QStringLiteral("1"));
    PanelClicks clicks(f.panel);
    const QString before = PanelClicks::state(f.panel) + f.stopName();

    Client c(socketPath());
    QCOMPARE(c.exchange(bytes), QStringList{reply});
    if (hangsUp)
        QVERIFY(c.hungUp());
    else
        QCOMPARE(c.exchange("next\n"), QStringList{"ok"});
    QCOMPARE(clicks.clicked, hangsUp ? QStringList() : QStringList{"Command2(1)"});
    if (hangsUp)
        QCOMPARE(PanelClicks::state(f.panel) + f.stopName(), before);
    QVERIFY(Client(socketPath()).exchange("status\n")[0].startsWith(u'{'));
}

// Clients beyond the limit are told and turned away; the others, and later
// ones, are answered.
void tst_RemoteControl::tooManyConnections()
{
    PanelFixture f(false, socketPath());
    std::vector<std::unique_ptr<Client>> clients;
    for (int i = 0; i < RemoteControl::MaxClients + 4; ++i)
        clients.push_back(std::make_unique<Client>(socketPath()));
    int turnedAway = 0;
    for (auto &c : clients) {
        const QStringList reply = c->exchange("status\n");
        if (reply == QStringList{"error: too many connections"} && c->hungUp())
            ++turnedAway;
        else
            QVERIFY(reply.value(0).startsWith(u'{'));
    }
    QCOMPARE(turnedAway, 4);
    clients.clear();
    QTRY_VERIFY(Client(socketPath()).exchange("status\n").value(0).startsWith(u'{'));
}

// A second start leaves the first one's socket alone and takes no commands;
// a socket file nobody answers is taken over.
void tst_RemoteControl::firstRunKeepsTheSocket()
{
    {
        QFile stale(socketPath());
        QVERIFY(stale.open(QIODevice::WriteOnly));
    }
    PanelFixture first(false, socketPath());
    QVERIFY(first.app->remote() && first.app->remote()->isListening());
    PanelFixture second(false, socketPath());
    QVERIFY(!second.app->remote());
    QCOMPARE(Client(socketPath()).exchange("digit 7\n"), QStringList{"ok"});
    QCOMPARE(first.panel.Label2[2]->text(), QStringLiteral("7"));
    QCOMPARE(second.panel.Label2[2]->text(), QString());
    // The second one's quit leaves the socket to the first.
    QVERIFY(second.panel.close());
    QCOMPARE(Client(socketPath()).exchange("digit 8\n"), QStringList{"ok"});
    QCOMPARE(first.panel.Label2[2]->text(), QStringLiteral("78"));
    QVERIFY(first.panel.close());
    QVERIFY(!QFile::exists(socketPath()));
}

// 109 --send prints each reply; exit 0, 1 when a reply is an error, 2 when no 109 runs.
void tst_RemoteControl::sendFromTheCommandLine()
{
    PanelFixture f(false, socketPath());
    const auto send = [this](const QStringList &words, QString &out, QString &err) {
        std::atomic<bool> done = false;
        int code = -1;
        std::thread client([&] {
            QTextStream o(&out);
            QTextStream e(&err);
            code = sendToRunning(socketPath(), words, o, e);
            done = true;
        });
        // The program answers from this thread's events.
        static_cast<void>(QTest::qWaitFor([&] { return done.load(); }, 20000));
        client.join();
        return code;
    };
    QString out, err;
    QCOMPARE(send({"keito", ";", "digit", "4", ";", "status"}, out, err), 0);
    const QStringList lines = out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.mid(0, 2), (QStringList{"ok", "ok"}));
    QCOMPARE(QJsonDocument::fromJson(lines.value(2).toUtf8()).object().value("keyedRoute").toString(),
             QStringLiteral("4"));
    QCOMPARE(err, QString());

    out.clear();
    QCOMPARE(send({"next"}, out, err), 1);
    QCOMPARE(out, QStringLiteral("error: next is not available now\n"));

    QVERIFY(f.panel.close());
    out.clear();
    QCOMPARE(send({"status"}, out, err), 2);
    QCOMPARE(err, QStringLiteral("109: no running 109 to send to\n"));
    QCOMPARE(out, QString());
}

QTEST_MAIN(tst_RemoteControl)
#include "tst_RemoteControl.moc"
