#include "PanelClicks.h"
#include "PanelFixture.h"
#include "RemoteClient.h"

#include "Fonts.h"

#include <QTemporaryDir>

// The panel's actions from the keyboard, typed into the windows as the window
// system hands keys over, and as commands through the running program's socket.
class tst_PanelKeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void actionClicksItsControl_data();
    void actionClicksItsControl();
    void nothingWhereTheControlCannotBeClicked();
    void focusedControlsTakeNoKeys();

private:
    QTemporaryDir m_sockets;
    QString socket() const { return m_sockets.filePath(QStringLiteral("109.socket")); }
};

namespace {

// Route 5 set at section 2, and a tape of three entries that leave the board where it is.
void setRouteWithTape(PanelFixture &f)
{
    f.write(QStringLiteral("5.hy3"), fareRows(3));
    f.write(QStringLiteral("5tp.csv"),
            tapeFile({{QStringLiteral("一"), 0, 0}, {QStringLiteral("二"), 0, 0}}));
    f.setRoute(QStringLiteral("5"), QStringLiteral("2"));
}

void type(QWidget *window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(window->windowHandle(), Qt::Key(key), modifiers);
}

} // namespace

void tst_PanelKeys::actionClicksItsControl_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("control");
    const struct
    {
        int key;
        bool keypad;
        const char *command, *control;
    } rows[] = {
        {Qt::Key_0, false, "digit 0", "CommandButton1(0)"},
        {Qt::Key_9, true, "digit 9", "CommandButton1(9)"},
        {Qt::Key_K, false, "keito", "CommandButton1(10)"},
        {Qt::Key_Asterisk, true, "keito", "CommandButton1(10)"},
        {Qt::Key_S, false, "kukan", "CommandButton1(11)"},
        {Qt::Key_Slash, true, "kukan", "CommandButton1(11)"},
        {Qt::Key_Return, false, "reset", "Command1(1)"},
        {Qt::Key_Enter, true, "reset", "Command1(1)"},
        {Qt::Key_Right, false, "next", "Command2(1)"},
        {Qt::Key_PageDown, false, "next", "Command2(1)"},
        {Qt::Key_Left, false, "back", "Command2(0)"},
        {Qt::Key_PageUp, false, "back", "Command2(0)"},
        {Qt::Key_N, false, "tape-next", "cmdTapeNext"},
        {Qt::Key_MediaNext, false, "tape-next", "cmdTapeNext"},
        {Qt::Key_B, false, "tape-back", "cmdTapeBack"},
        {Qt::Key_MediaPrevious, false, "tape-back", "cmdTapeBack"},
        {Qt::Key_Period, true, "tape-stop", "cmdTapeStop"},
        {Qt::Key_MediaStop, false, "tape-stop", "cmdTapeStop"},
        {Qt::Key_L, false, "late-night", "Check2"},
        {Qt::Key_E, false, "erase", "Check1"},
        {Qt::Key_F2, false, "backlight off", "Option4(0)"},
        {Qt::Key_F3, false, "Backlight  ON1\r", "Option4(1)"},
        {Qt::Key_F4, false, "backlight on2", "Option4(2)"},
        {Qt::Key_P, false, "preview", "Check4"},
    };
    for (const auto &r : rows)
        QTest::newRow(
            (r.control + QByteArray(r.keypad ? " keypad " : " ") + QByteArray::number(r.key)).constData())
            << r.key << r.keypad << QString::fromLatin1(r.command) << QString::fromLatin1(r.control);
}

// The key typed in the panel, in the board, and the command each click the
// control once and nothing else. Held down, a key clicks once; with Ctrl it
// is the window's own.
void tst_PanelKeys::actionClicksItsControl()
{
    QFETCH(int, key);
    QFETCH(bool, keypad);
    QFETCH(QString, command);
    QFETCH(QString, control);
    PanelFixture f(true, socket());
    setRouteWithTape(f);
    PanelClicks clicks(f.panel);
    const Qt::KeyboardModifiers modifiers = keypad ? Qt::KeypadModifier : Qt::NoModifier;

    type(&f.panel, key, modifiers);
    type(&f.board, key, modifiers);
    QCOMPARE(RemoteClient(socket()).exchange(command.toUtf8() + '\n'), QStringList{"ok"});
    QCOMPARE(clicks.clicked, QStringList(3, control));
    QKeyEvent repeat(QEvent::KeyPress, key, modifiers, QString(), true);
    QCoreApplication::sendEvent(&f.panel, &repeat);
    type(&f.board, key, modifiers | Qt::ControlModifier);
    QCOMPARE(clicks.clicked.size(), 3);
}

// Before a route is set the steps, erase and the tape are greyed; with the
// list page in front the keypad takes no keys and Enter is that page's
// リセット; with the display erased the keypad and steps are greyed again.
// Keys typed in a dialog are not the panel's.
void tst_PanelKeys::nothingWhereTheControlCannotBeClicked()
{
    PanelFixture f(true, socket());
    PanelClicks clicks(f.panel);
    for (int key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_E, Qt::Key_N, Qt::Key_B, Qt::Key_Period})
        type(&f.panel, key);
    QCOMPARE(RemoteClient(socket()).exchange("next\n"), QStringList{"error: next is not available now"});

    f.panel.Frame1_DblClick(1);
    for (int key : {Qt::Key_K, Qt::Key_1, Qt::Key_S, Qt::Key_2})
        type(&f.board, key);
    QCOMPARE(clicks.clicked, QStringList());
    type(&f.panel, Qt::Key_Return);
    QCOMPARE(clicks.clicked, QStringList{"Command1(0)"});

    f.panel.Frame1_DblClick(0);
    setRouteWithTape(f);
    clicks.clicked.clear();
    type(&f.panel, Qt::Key_E);
    for (int key : {Qt::Key_Right, Qt::Key_N, Qt::Key_1, Qt::Key_Return})
        type(&f.panel, key);
    QCOMPARE(clicks.clicked, QStringList{"Check1"});
    QCOMPARE(f.panel.Label2[0]->text() + f.panel.Label2[2]->text(), QStringLiteral("52"));

    // Typed in the options dialog, the keys are typing there.
    f.option.show();
    f.option.Text2[0]->clear();
    QTest::keyClicks(f.option.Text2[0], QStringLiteral("K12S3.E"));
    QTest::keyClick(f.option.Text2[0], Qt::Key_Return);
    QCOMPARE(f.option.Text2[0]->text(), QStringLiteral("K12S3.E"));
    QCOMPARE(clicks.clicked, QStringList{"Check1"});
}

// A control clicked with the mouse does not take the keyboard: Space or an
// arrow typed next changes nothing on the panel.
void tst_PanelKeys::focusedControlsTakeNoKeys()
{
    PanelFixture f;
    f.write(QStringLiteral("5.hy3"), fareRows(3));
    f.setRoute(QStringLiteral("5"), QStringLiteral("1"));
    QListWidget *list = f.panel.List2[0];
    const std::pair<QWidget *, int> clicks[] = {{f.panel.Check2, Qt::Key_Space},
                                                {f.panel.Option4[1], Qt::Key_Down},
                                                {f.panel.Check4, Qt::Key_Space},
                                                {f.panel.CommandButton1[5], Qt::Key_Space},
                                                {list->viewport(), Qt::Key_Down}};
    for (const auto &[target, key] : clicks) {
        const bool isList = target == list->viewport();
        if (isList)
            f.panel.Frame1_DblClick(1);
        QTest::mouseClick(target, Qt::LeftButton, {},
                          isList ? list->visualItemRect(list->item(4)).center()
                                 : QPoint(6, target->height() / 2));
        const QString before = PanelClicks::state(f.panel);
        type(&f.panel, key);
        QCOMPARE(PanelClicks::state(f.panel), before);
    }
    QCOMPARE(f.panel.focusWidget(), nullptr);
}

QTEST_MAIN(tst_PanelKeys)
#include "tst_PanelKeys.moc"
