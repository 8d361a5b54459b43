#include "PanelClicks.h"
#include "PanelFixture.h"
#include "RemoteClient.h"
#include "RemoteControl.h"

#include "Fonts.h"

#include <QCheckBox>
#include <QJsonDocument>
#include <QMessageBox>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextStream>

#include <atomic>
#include <thread>

// Commands from other programs through a real socket; each action's command
// is tested with its key in tst_PanelKeys.
class tst_RemoteControl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void routeAndStatus();
    void badInput_data();
    void badInput();
    void tooManyConnections();
    void heldUnderAMessageBox();
    void firstRunKeepsTheSocket();
    void sendFromTheCommandLine();

private:
    QTemporaryDir m_sockets;
    QString socket() const { return m_sockets.filePath(QStringLiteral("109.socket")); }
};

// route keys the digits into the displays and sets the route; several commands
// are answered in order; status tells what the board shows. With the list page
// in front nothing is keyed.
void tst_RemoteControl::routeAndStatus()
{
    PanelFixture f(false, socket());
    f.write(QStringLiteral("12.hy3"), fareRows(8));
    RemoteClient c(socket());
    const QStringList replies = c.exchange("route 00012 005\nnext\nlate-night\nbacklight on2\nstatus\n", 5);
    QCOMPARE(replies.mid(0, 4), QStringList(4, "ok"));
    QCOMPARE(f.panel.Label2[0]->text() + u'-' + f.panel.Label2[2]->text(), QStringLiteral("00012-005"));
    QCOMPARE(f.stopName(), QStringLiteral("S6"));
    const QJsonObject status = QJsonDocument::fromJson(replies.value(4).toUtf8()).object();
    QCOMPARE(status,
             QJsonObject({{"route", "00012"},
                          {"section", 5},
                          {"row", 6},
                          {"rows", 8},
                          {"stop", "S6"},
                          {"ticket", 6},
                          {"tapePosition", 0},
                          {"tapeCount", 0},
                          {"lateNight", true},
                          {"erase", false},
                          {"backlight", "on2"},
                          {"keyedRoute", "00012"},
                          {"keyedSection", "005"}}));

    f.panel.Frame1_DblClick(1);
    QCOMPARE(c.exchange("route 3 1\n"), QStringList{"error: the keypad is not available now"});
    QCOMPARE(f.panel.Label2[0]->text(), QStringLiteral("00012"));
}

void tst_RemoteControl::badInput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("hangsUp");
    const QString usage =
        QStringLiteral("error: route takes a route of 1 to 5 digits and a section of 1 to 3");
    const QString tooLong = QStringLiteral("error: line longer than 1024 bytes");
    const QString notText = QStringLiteral("error: not a line of UTF-8 text");
    const QByteArray longLine(RemoteControl::MaxLineBytes + 1, 'a');
    QTest::newRow("unknown") << QByteArray("fly\n") << "error: unknown command: fly (try help)" << false;
    QTest::newRow("digit 12") << QByteArray("digit 12\n") << "error: unknown command: digit 12 (try help)"
                              << false;
    QTest::newRow("route, no section") << QByteArray("route 12\n") << usage << false;
    QTest::newRow("route of 6 digits") << QByteArray("route 123456 1\n") << usage << false;
    QTest::newRow("blank") << QByteArray(" \n") << "error: empty command" << false;
    QTest::newRow("over 1 KiB") << longLine + '\n' << tooLong << true;
    QTest::newRow("over 1 KiB, no end") << longLine + longLine << tooLong << true;
    QTest::newRow("invalid UTF-8") << QByteArray("next\xff\xfe\n") << notText << true;
    QTest::newRow("NUL") << QByteArray("ne\0xt\n", 6) << notText << true;
}

// Bad input is answered with an error, and the worst with a hang-up; the panel
// and board stay as they were, and the program answers on.
void tst_RemoteControl::badInput()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reply);
    QFETCH(bool, hangsUp);
    PanelFixture f(false, socket());
    f.write(QStringLiteral("5.hy3"), fareRows(4));
    f.setRoute(QStringLiteral("5"), QStringLiteral("1"));
    PanelClicks clicks(f.panel);
    const QString before = PanelClicks::state(f.panel) + f.stopName();
    RemoteClient c(socket());
    QCOMPARE(c.exchange(bytes), QStringList{reply});
    QCOMPARE(PanelClicks::state(f.panel) + f.stopName(), before);
    QCOMPARE(clicks.clicked, QStringList());
    if (hangsUp) {
        QVERIFY(c.hungUp());
        QCOMPARE(RemoteClient(socket()).exchange("digit 1\n"), QStringList{"ok"});
    } else {
        QCOMPARE(c.exchange("digit 1\n"), QStringList{"ok"});
    }
}

// Clients beyond the limit are told and turned away; the others are answered, and later ones again.
void tst_RemoteControl::tooManyConnections()
{
    PanelFixture f(false, socket());
    std::vector<std::unique_ptr<RemoteClient>> clients;
    for (int i = 0; i < RemoteControl::MaxClients + 4; ++i)
        clients.push_back(std::make_unique<RemoteClient>(socket()));
    QStringList replies;
    for (auto &c : clients)
        replies << c->exchange("status\n").value(0).left(6);
    QCOMPARE(replies.count("error:"), 4);
    QCOMPARE(replies.count("{\"back"), RemoteControl::MaxClients);
    clients.clear();
    QTRY_COMPARE(RemoteClient(socket()).exchange("digit 1\n"), QStringList{"ok"});
}

// A second start leaves the first one's socket alone and takes no commands;
// a file there that nobody answers is taken over.
// A command that comes while a message box waits for its answer runs after it, as a click
// could not get through either.
void tst_RemoteControl::heldUnderAMessageBox()
{
    PanelFixture f(false, socket());
    RemoteClient c(socket());
    QMessageBox box(QMessageBox::Question, QStringLiteral("109"), QStringLiteral("?"));
    box.setModal(true);
    box.show();
    QVERIFY(QApplication::activeModalWidget());
    c.socket.write("late-night\n");
    c.socket.flush();
    for (int i = 0; i < 50; ++i)
        QCoreApplication::processEvents();
    QVERIFY(!c.socket.canReadLine());
    QVERIFY(!f.panel.Check2->isChecked());
    box.close();
    QCOMPARE(c.exchange({}), QStringList{"ok"});
    QVERIFY(f.panel.Check2->isChecked());
}

void tst_RemoteControl::firstRunKeepsTheSocket()
{
    QFile stale(socket());
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.close();
    PanelFixture first(false, socket());
    PanelFixture second(false, socket());
    QVERIFY(first.app->remote() && !second.app->remote());
    QVERIFY(second.panel.close());
    QCOMPARE(RemoteClient(socket()).exchange("digit 7\n"), QStringList{"ok"});
    QCOMPARE(first.panel.Label2[2]->text() + second.panel.Label2[2]->text(), QStringLiteral("7"));
    QVERIFY(first.panel.close());
    QVERIFY(!QFile::exists(socket()));
}

// 109 --send prints each reply and exits 0; 1 when a reply is an error; 2 when no 109 runs.
void tst_RemoteControl::sendFromTheCommandLine()
{
    PanelFixture f(false, socket());
    QString out, err;
    const auto send = [&](const QStringList &words) {
        out.clear();
        std::atomic<bool> done = false;
        int code = -1;
        // The program answers from this thread's events while the client waits on its own.
        std::thread client([&] {
            QTextStream o(&out), e(&err);
            code = sendToRunning(socket(), words, o, e);
            done = true;
        });
        static_cast<void>(QTest::qWaitFor([&] { return done.load(); }, 20000));
        client.join();
        return code;
    };
    QCOMPARE(send({"keito", ";", "digit", "4", ";", "help"}), 0);
    QCOMPARE(out.section(u'\n', 0, 1), QStringLiteral("ok\nok"));
    QVERIFY(out.section(u'\n', 2).startsWith(QLatin1String("ok: digit 0, digit 1")));
    QCOMPARE(send({"next"}), 1);
    QCOMPARE(out, QStringLiteral("error: next is not available now\n"));
    QCOMPARE(err, QString());
    QVERIFY(f.panel.close());
    QCOMPARE(send({"status"}), 2);
    QCOMPARE(err, QStringLiteral("109: no running 109 to send to\n"));
}

QTEST_MAIN(tst_RemoteControl)
#include "tst_RemoteControl.moc"
