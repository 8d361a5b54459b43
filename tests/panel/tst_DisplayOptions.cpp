#include "PanelFixture.h"

#include "ColorButton.h"
#include "Fonts.h"
#include "OleColor.h"

#include <QLabel>
#include <QRadioButton>

namespace {

QColor ticketColor(const Form1 &board, int k)
{
    return board.lblSeiriNum[k]->palette().color(QPalette::WindowText);
}

} // namespace

class tst_DisplayOptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void backlightPictures_data();
    void backlightPictures();
};

void tst_DisplayOptions::backlightPictures_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("file"); // "missing", "text" or "picture"
    QTest::addColumn<QString>("message");

    const QString invalid = QStringLiteral(
        "エラーです。\r\n\r\nエラーコード：481　指定した画像の内容が不正です。この部分では扱えません。");
    QTest::newRow("ON1, missing file") << 1 << "missing" << QString();
    QTest::newRow("ON2, not a picture") << 2 << "text" << invalid;
    QTest::newRow("OFF, not a picture") << 0 << "text" << invalid;
    QTest::newRow("ON1, picture") << 1 << "picture" << QString();
}

void tst_DisplayOptions::backlightPictures()
{
    QFETCH(int, state);
    QFETCH(QString, file);
    QFETCH(QString, message);

    PanelFixture f;
    const QImage before = f.board.Picture().toImage();
    f.option.Option3[1]->setChecked(true); // PanelEach
    const int user[3] = {6, 2, 5};
    f.option.Option3[user[state]]->setChecked(true);
    const QString path = f.path(QStringLiteral("panel.png"));
    QImage blue(40, 30, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    if (file == QLatin1String("text"))
        f.write(QStringLiteral("panel.png"), "not a picture at all");
    else if (file == QLatin1String("picture"))
        blue.save(path);
    f.option.txtSelectPanel[state]->setText(path);
    f.option.Command5[state]->setBackColor(0x123456);
    if (state == 0)
        f.panel.Option4_Click(0); // already selected: the options dialog calls it so
    else
        PanelFixture::click(f.panel.Option4[state]);

    const FakeDialogs::Shown error{message, Dialogs::Ok, Dialogs::Stop, QStringLiteral("エラー")};
    QCOMPARE(f.dialogs.shown, message.isEmpty() ? QList<FakeDialogs::Shown>() : QList{error});
    QCOMPARE(f.board.Picture().toImage(), file == QLatin1String("picture") ? blue : before);
    // The ticket numbers take the state's colour in every case.
    for (int k = 1; k <= 24; ++k)
        QCOMPARE(ticketColor(f.board, k), oleColor(0x123456));
}

QTEST_MAIN(tst_DisplayOptions)
#include "tst_DisplayOptions.moc"
