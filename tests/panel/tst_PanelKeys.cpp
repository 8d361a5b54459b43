#include "PanelClicks.h"
#include "PanelFixture.h"

#include "Fonts.h"

#include <QLabel>

// The panel driven from the keyboard, through the windows as the window system hands keys to them.
class tst_PanelKeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void keyClicksItsControl_data();
    void keyClicksItsControl();
    void nothingWhereTheControlCannotBeClicked();
    void focusedControlsTakeNoKeys_data();
    void focusedControlsTakeNoKeys();
    void otherWindowsKeepTheirKeys();
    void tooltipsNameTheKeys();
};

namespace {

// Route 5 set, three stops, and a tape of three entries that leave the board where it is.
void setRouteWithTape(PanelFixture &f)
{
    f.write(QStringLiteral("5.hy3"), fareRows(3));
    f.write(
        QStringLiteral("5tp.csv"),
        tapeFile({{QStringLiteral("一"), 0, 0}, {QStringLiteral("二"), 0, 0}, {QStringLiteral("三"), 0, 0}}));
    f.setRoute(QStringLiteral("5"), QStringLiteral("2"));
}

void type(QWidget *window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(window->windowHandle(), Qt::Key(key), modifiers);
}

} // namespace

void tst_PanelKeys::keyClicksItsControl_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<QString>("control");
    const struct
    {
        const char *row;
        int key;
        bool keypad;
        const char *control;
    } rows[] = {
        {"0", Qt::Key_0, false, "CommandButton1(0)"},
        {"7", Qt::Key_7, false, "CommandButton1(7)"},
        {"keypad 3", Qt::Key_3, true, "CommandButton1(3)"},
        {"keypad 9", Qt::Key_9, true, "CommandButton1(9)"},
        {"K", Qt::Key_K, false, "CommandButton1(10)"},
        {"keypad *", Qt::Key_Asterisk, true, "CommandButton1(10)"},
        {"S", Qt::Key_S, false, "CommandButton1(11)"},
        {"keypad /", Qt::Key_Slash, true, "CommandButton1(11)"},
        {"Return", Qt::Key_Return, false, "Command1(1)"},
        {"keypad Enter", Qt::Key_Enter, true, "Command1(1)"},
        {"Right", Qt::Key_Right, false, "Command2(1)"},
        {"PageDown", Qt::Key_PageDown, false, "Command2(1)"},
        {"Left", Qt::Key_Left, false, "Command2(0)"},
        {"PageUp", Qt::Key_PageUp, false, "Command2(0)"},
        {"N", Qt::Key_N, false, "cmdTapeNext"},
        {"media next", Qt::Key_MediaNext, false, "cmdTapeNext"},
        {"B", Qt::Key_B, false, "cmdTapeBack"},
        {"media previous", Qt::Key_MediaPrevious, false, "cmdTapeBack"},
        {"period", Qt::Key_Period, false, "cmdTapeStop"},
        {"keypad period", Qt::Key_Period, true, "cmdTapeStop"},
        {"media stop", Qt::Key_MediaStop, false, "cmdTapeStop"},
        {"L", Qt::Key_L, false, "Check2"},
        {"E", Qt::Key_E, false, "Check1"},
        {"F2", Qt::Key_F2, false, "Option4(0)"},
        {"F3", Qt::Key_F3, false, "Option4(1)"},
        {"F4", Qt::Key_F4, false, "Option4(2)"},
        {"P", Qt::Key_P, false, "Check4"},
    };
    for (const auto &r : rows)
        QTest::newRow(r.row) << r.key << r.keypad << QString::fromLatin1(r.control);
}

// Each key, typed in the panel and again in the board, clicks its control once and nothing else;
// held down, it clicks once. A key with Ctrl is the window's own.
void tst_PanelKeys::keyClicksItsControl()
{
    QFETCH(int, key);
    QFETCH(bool, keypad);
    QFETCH(QString, control);
    PanelFixture f(true);
    setRouteWithTape(f);
    PanelClicks clicks(f.panel);
    const Qt::KeyboardModifiers modifiers = keypad ? Qt::KeypadModifier : Qt::NoModifier;

    type(&f.panel, key, modifiers);
    QCOMPARE(clicks.clicked, QStringList{control});
    type(&f.board, key, modifiers);
    QCOMPARE(clicks.clicked, (QStringList{control, control}));
    QKeyEvent repeat(QEvent::KeyPress, key, modifiers, QString(), true);
    QCoreApplication::sendEvent(&f.panel, &repeat);
    type(&f.board, key, modifiers | Qt::ControlModifier);
    QCOMPARE(clicks.clicked.size(), 2);
}

// Before a route is set the steps, erase and the tape are disabled; with the
// list page in front the keypad's keys do nothing, and Enter is that page's
// リセット; with the display erased the steps are disabled again.
void tst_PanelKeys::nothingWhereTheControlCannotBeClicked()
{
    PanelFixture f(true);
    PanelClicks clicks(f.panel);
    for (int key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_E, Qt::Key_N, Qt::Key_B, Qt::Key_Period})
        type(&f.panel, key);
    QCOMPARE(clicks.clicked, QStringList());

    f.panel.Frame1_DblClick(1);
    for (int key : {Qt::Key_K, Qt::Key_1, Qt::Key_S, Qt::Key_2})
        type(&f.board, key);
    QCOMPARE(clicks.clicked, QStringList());
    QCOMPARE(f.panel.Label2[2]->text(), QString());
    type(&f.panel, Qt::Key_Return);
    QCOMPARE(clicks.clicked, QStringList{"Command1(0)"});

    f.panel.Frame1_DblClick(0);
    setRouteWithTape(f);
    clicks.clicked.clear();
    type(&f.panel, Qt::Key_E);
    QVERIFY(f.panel.Check1->isChecked());
    for (int key : {Qt::Key_Right, Qt::Key_N, Qt::Key_1, Qt::Key_Return})
        type(&f.panel, key);
    QCOMPARE(clicks.clicked, QStringList{"Check1"});
    QCOMPARE(f.app->dataIo.DataPos, qint16(1));
}

void tst_PanelKeys::focusedControlsTakeNoKeys_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::newRow("late-night box, Space") << "Check2" << int(Qt::Key_Space);
    QTest::newRow("erase box, Space") << "Check1" << int(Qt::Key_Space);
    QTest::newRow("ON1, Down") << "Option4(1)" << int(Qt::Key_Down);
    QTest::newRow("ON1, Up") << "Option4(1)" << int(Qt::Key_Up);
    QTest::newRow("preview, Space") << "Check4" << int(Qt::Key_Space);
    QTest::newRow("digit key, Space") << "CommandButton1(5)" << int(Qt::Key_Space);
    QTest::newRow("route digits, Down") << "List2" << int(Qt::Key_Down);
    QTest::newRow("section digits, Up") << "List3" << int(Qt::Key_Up);
    QTest::newRow("company, Down") << "Combo1" << int(Qt::Key_Down);
}

// A control clicked with the mouse does not keep the keyboard: Space and the
// arrows typed next change nothing on the panel.
void tst_PanelKeys::focusedControlsTakeNoKeys()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    PanelFixture f;
    f.write(QStringLiteral("5.hy3"), fareRows(3));
    f.setRoute(QStringLiteral("5"), QStringLiteral("1"));
    for (QString company : {QStringLiteral("A"), QStringLiteral("B")})
        f.panel.Combo1->addItem(company);
    f.panel.Frame1_DblClick(control.startsWith(QLatin1String("List")) ? 1 : 0);

    QWidget *target = control == u"List2" ? f.panel.List2[0]
        : control == u"List3"             ? f.panel.List3[0]
        : control == u"Combo1"            ? static_cast<QWidget *>(f.panel.Combo1)
                                          : nullptr;
    for (const auto &[name, button] : PanelClicks::controls(f.panel)) {
        if (name == control)
            target = button;
    }
    QVERIFY(target);
    if (auto *list = qobject_cast<QListWidget *>(target))
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(4)).center());
    else if (!qobject_cast<QComboBox *>(target))
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(6, target->height() / 2));
    const QString before = PanelClicks::state(f.panel);
    type(&f.panel, key);
    QCOMPARE(PanelClicks::state(f.panel), before);
    QVERIFY(f.panel.focusWidget() != target);
}

// Typing in the options dialog or in a message box's window stays typing there.
void tst_PanelKeys::otherWindowsKeepTheirKeys()
{
    PanelFixture f;
    PanelClicks clicks(f.panel);
    f.option.show();
    f.option.Text2[0]->clear();
    QTest::keyClicks(f.option.Text2[0], QStringLiteral("K12S3.E"));
    QTest::keyClick(f.option.Text2[0], Qt::Key_Return);
    QCOMPARE(f.option.Text2[0]->text(), QStringLiteral("K12S3.E"));
    QCOMPARE(clicks.clicked, QStringList());
    QCOMPARE(f.panel.Label2[2]->text(), QString());
}

// Each control names its keys; the preview's tip keeps them when it turns.
void tst_PanelKeys::tooltipsNameTheKeys()
{
    PanelFixture f;
    QCOMPARE(f.panel.CommandButton1[10]->toolTip(), QStringLiteral("系統 (K, *)"));
    QCOMPARE(f.panel.Command1[0]->toolTip(), QStringLiteral("リセット (Enter)"));
    QCOMPARE(f.panel.Command2[1]->toolTip(), QStringLiteral("データ送り (→, PageDown)"));
    QCOMPARE(f.panel.Option4[2]->toolTip(), QStringLiteral("ON2 (F4)"));
    QCOMPARE(f.panel.cmdTapeStop->toolTip(), QStringLiteral("■ (.)"));
    QCOMPARE(f.panel.Check4->toolTip(), QStringLiteral("整理券プレビューを開きます (P)"));
    type(&f.panel, Qt::Key_P);
    QCOMPARE(f.panel.Check4->toolTip(), QStringLiteral("整理券プレビューを隠します (P)"));
}

QTEST_MAIN(tst_PanelKeys)
#include "tst_PanelKeys.moc"
