#include "PanelFixture.h"

#include "ColorButton.h"
#include "Fonts.h"
#include "OleColor.h"

#include <QLabel>
#include <QRadioButton>

class tst_DisplayOptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }

    // A user picture that is missing leaves the board silently, one that is no
    // picture is told; the ticket numbers take the state's colour in every case.
    void backlightPictures_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("file"); // "missing", "text" or "picture"
        QTest::addColumn<QString>("message");
        const QString invalid = QStringLiteral(
            "エラーです。\r\n\r\nエラーコード：481　指定した画像の内容が不正です。この部分では扱えません。");
        QTest::newRow("ON1, missing file") << 1 << "missing" << QString();
        QTest::newRow("ON2, not a picture") << 2 << "text" << invalid;
        QTest::newRow("ON1, picture") << 1 << "picture" << QString();
    }

    void backlightPictures()
    {
        QFETCH(int, state);
        QFETCH(QString, file);
        QFETCH(QString, message);
        PanelFixture f;
        const QImage before = f.board.Picture().toImage();
        f.option.Option3[1]->setChecked(true);                  // PanelEach
        f.option.Option3[state == 1 ? 2 : 5]->setChecked(true); // the state's user picture
        const QString path = f.path(QStringLiteral("panel.png"));
        QImage blue(40, 30, QImage::Format_RGB32);
        blue.fill(Qt::blue);
        if (file == QLatin1String("text"))
            f.write(QStringLiteral("panel.png"), "not a picture at all");
        else if (file == QLatin1String("picture"))
            blue.save(path);
        f.option.txtSelectPanel[state]->setText(path);
        f.option.Command5[state]->setBackColor(0x123456);
        PanelFixture::click(f.panel.Option4[state]);

        const FakeDialogs::Shown error{message, Dialogs::Ok, Dialogs::Stop, QStringLiteral("エラー")};
        QCOMPARE(f.dialogs.shown, message.isEmpty() ? QList<FakeDialogs::Shown>() : QList{error});
        QCOMPARE(f.board.Picture().toImage(), file == QLatin1String("picture") ? blue : before);
        for (int k = 1; k <= 24; ++k)
            QCOMPARE(f.board.lblSeiriNum[k]->palette().color(QPalette::WindowText), oleColor(0x123456));
    }
};

QTEST_MAIN(tst_DisplayOptions)
#include "tst_DisplayOptions.moc"
