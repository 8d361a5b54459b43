#include "PanelFixture.h"

#include "ColorButton.h"
#include "Dialogs.h"
#include "Fonts.h"
#include "M_Degit.h"
#include "OleColor.h"
#include "PictureBox.h"
#include "Twips.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

QColor ticketColor(const Form1 &board, int k)
{
    return board.lblSeiriNum[k]->palette().color(QPalette::WindowText);
}

// A small picture file of one colour.
QString pictureFile(const PanelFixture &f, const QString &name, QColor color)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(color);
    const QString path = f.path(name);
    image.save(path);
    return path;
}

} // namespace

class tst_DisplayOptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void displayEraseAndBack();
    void eraseBackWithoutSpeechKeepsTheTapeOff();
    void backlightPictures_data();
    void backlightPictures();
    void backlightBuiltInPictures();
    void pageSwitchAlternates();
    void previewWidening();
    void previewCopy();
};

void tst_DisplayOptions::displayEraseAndBack()
{
    PanelFixture f(true);
    f.write(QStringLiteral("12.hy3"), fareRows(6));
    f.write(QStringLiteral("12tp.csv"), tapeFile({{QStringLiteral("一"), 0, 0}}));
    f.setRoute(QStringLiteral("12"), QStringLiteral("5"));
    PanelFixture::click(f.panel.Command2[1]);
    // A model with its clock shown: the clock stops with the display and runs again after.
    f.board.TimeDegit[0]->show();
    f.board.Timer1->start();
    QVERIFY(f.panel.grpM_Tape->isEnabled());

    PanelFixture::click(f.panel.Check1);
    QVERIFY(f.panel.Check1->isChecked());
    for (int k = 1; k <= 24; ++k)
        QCOMPARE(f.cell(k), QVariant(QString()));
    QCOMPARE(f.stopName(), QString());
    for (QWidget *w :
         {static_cast<QWidget *>(f.panel.Frame1[0]), static_cast<QWidget *>(f.panel.Frame1[1]),
          static_cast<QWidget *>(f.panel.Command2[0]), static_cast<QWidget *>(f.panel.Command2[1]),
          static_cast<QWidget *>(f.panel.grpM_Tape), static_cast<QWidget *>(f.panel.Frame6)})
        QVERIFY(!w->isEnabled());
    for (QWidget *w : {static_cast<QWidget *>(f.panel.Frame2), static_cast<QWidget *>(f.panel.Check4),
                       static_cast<QWidget *>(f.panel.Command4), static_cast<QWidget *>(f.panel.Command8)})
        QVERIFY(w->isEnabled());
    QVERIFY(!f.board.Timer1->isActive());
    QCOMPARE(f.board.TimeDegit[0]->Value(), QVariant(QString()));
    // The backlight still works on an erased unit.
    PanelFixture::click(f.panel.Option4[1]);
    QCOMPARE(ticketColor(f.board, 1), oleColor(f.option.SeiriNumColorOn1()));

    PanelFixture::click(f.panel.Check1);
    QCOMPARE(f.stopName(), QStringLiteral("S6"));
    for (int k = 1; k <= 4; ++k)
        QCOMPARE(f.cell(k), QVariant(QString())); // below the section: dark
    QCOMPARE(f.cell(5), QVariant(qint16(65)));
    QVERIFY(f.panel.Command2[0]->isEnabled());
    QVERIFY(f.panel.grpM_Tape->isEnabled());
    QVERIFY(f.panel.Frame6->isEnabled());
    QVERIFY(f.board.Timer1->isActive());
    f.board.TimeDegit[0]->hide();
    PanelFixture::click(f.panel.Check1);
    PanelFixture::click(f.panel.Check1);
    QVERIFY(!f.board.Timer1->isActive());
}

void tst_DisplayOptions::eraseBackWithoutSpeechKeepsTheTapeOff()
{
    PanelFixture f;
    f.write(QStringLiteral("12.hy3"), fareRows(3));
    f.setRoute(QStringLiteral("12"), QStringLiteral("1"));
    PanelFixture::click(f.panel.Check1);
    PanelFixture::click(f.panel.Check1);
    QVERIFY(!f.panel.grpM_Tape->isEnabled());
    QVERIFY(f.panel.Command2[1]->isEnabled());
}

void tst_DisplayOptions::backlightPictures_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("file"); // "missing", "text" or "picture"
    QTest::addColumn<QString>("message");

    const QString invalid = QStringLiteral(
        "エラーです。\r\n\r\nエラーコード：481　指定した画像の内容が不正です。この部分では扱えません。");
    QTest::newRow("ON1, missing file") << 1 << "missing"
                                       << "";
    QTest::newRow("ON2, not a picture") << 2 << "text" << invalid;
    QTest::newRow("OFF, not a picture") << 0 << "text" << invalid;
    QTest::newRow("ON1, picture") << 1 << "picture"
                                  << "";
    QTest::newRow("ON2, picture") << 2 << "picture"
                                  << "";
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
    QString path = f.path(QStringLiteral("panel.bmp"));
    if (file == QLatin1String("text"))
        f.write(QStringLiteral("panel.bmp"), "not a picture at all");
    else if (file == QLatin1String("picture"))
        path = pictureFile(f, QStringLiteral("panel.png"), Qt::blue);
    f.option.txtSelectPanel[state]->setText(path);
    f.option.Command5[state]->setBackColor(0x123456);

    if (state == 0)
        f.panel.Option4_Click(0); // already selected: the options dialog calls it so
    else
        PanelFixture::click(f.panel.Option4[state]);

    if (message.isEmpty()) {
        QVERIFY(f.dialogs.shown.isEmpty());
    } else {
        QCOMPARE(f.dialogs.shown.size(), 1);
        QCOMPARE(f.dialogs.shown[0],
                 (FakeDialogs::Shown{message, Dialogs::Ok, Dialogs::Stop, QStringLiteral("エラー")}));
    }
    const QImage after = f.board.Picture().toImage();
    if (file == QLatin1String("picture")) {
        QCOMPARE(after.size(), QSize(40, 30));
        QCOMPARE(after.pixelColor(5, 5), QColor(Qt::blue));
    } else {
        QCOMPARE(after, before);
    }
    // The ticket numbers take the state's colour in every case.
    for (int k = 1; k <= 24; ++k)
        QCOMPARE(ticketColor(f.board, k), oleColor(0x123456));
}

void tst_DisplayOptions::backlightBuiltInPictures()
{
    PanelFixture f;
    // A user picture chosen, but per-state pictures not on: the built-in one.
    f.option.Option3[2]->setChecked(true);
    f.option.txtSelectPanel[1]->setText(pictureFile(f, QStringLiteral("on1.png"), Qt::blue));
    f.board.imgRes[1]->setPixmap(QPixmap::fromImage(QImage(8, 8, QImage::Format_RGB32)));
    PanelFixture::click(f.panel.Option4[1]);
    QCOMPARE(f.board.Picture().size(), QSize(8, 8));
    QCOMPARE(ticketColor(f.board, 24), QColor(0, 192, 0));
    PanelFixture::click(f.panel.Option4[0]);
    QCOMPARE(f.board.Picture().toImage(), f.board.imgRes[0]->pixmap().toImage());
    QCOMPARE(ticketColor(f.board, 24), QColor(0, 128, 0));

    // Per-state pictures on, but this state set to the built-in one.
    f.option.Option3[1]->setChecked(true);
    f.option.Option3[3]->setChecked(true);
    PanelFixture::click(f.panel.Option4[1]);
    QCOMPARE(f.board.Picture().size(), QSize(8, 8));
}

void tst_DisplayOptions::pageSwitchAlternates()
{
    PanelFixture f;
    QCOMPARE(f.frontPage(), 1);
    const QPoint free(f.panel.Frame1[1]->width() - 4, f.panel.Frame1[1]->height() - 4);

    QTest::mouseDClick(f.panel.Frame1[1], Qt::LeftButton, {}, free);
    QCOMPARE(f.panel.CtlPage, qint16(1));
    QCOMPARE(f.frontPage(), 0);

    QTest::mouseDClick(f.panel.Frame1[0], Qt::LeftButton, {}, free);
    QCOMPARE(f.panel.CtlPage, qint16(0));
    QCOMPARE(f.frontPage(), 1);

    f.panel.Frame1_DblClick(2);
    QCOMPARE(f.panel.CtlPage, qint16(0));

    // A double-click on a label of the page is not one on the page.
    QTest::mouseDClick(f.panel.Label2[0], Qt::LeftButton);
    QCOMPARE(f.frontPage(), 1);
}

void tst_DisplayOptions::previewWidening()
{
    PanelFixture f;
    const int narrow = f.panel.width();
    QCOMPARE(narrow, twipsToPixels(5385 - 90));
    QCOMPARE(f.panel.Check4->toolTip(), QStringLiteral("整理券プレビューを開きます"));

    PanelFixture::click(f.panel.Check4);
    QCOMPARE(f.panel.width(), twipsToPixels(9000 - 90));
    QCOMPARE(f.panel.Check4->text(), QStringLiteral("<<"));
    QCOMPARE(f.panel.Check4->toolTip(), QStringLiteral("整理券プレビューを隠します"));
    QVERIFY(f.panel.rect().contains(f.panel.picSeirikenPrev->geometry()));
    QVERIFY(f.panel.rect().contains(f.panel.Combo1->geometry()));

    PanelFixture::click(f.panel.Check4);
    QCOMPARE(f.panel.width(), narrow);
    QCOMPARE(f.panel.Check4->text(), QStringLiteral(">>"));
    QVERIFY(!f.panel.rect().intersects(f.panel.picSeirikenPrev->geometry()));

    // A saved state of 1 widens the panel before anything is clicked.
    f.app->iniIo.IniData.CtrlDataInfo.CtlPreview = 1;
    f.panel.SetCtrlDataInfo();
    QCOMPARE(f.panel.width(), twipsToPixels(9000 - 90));
    QCOMPARE(f.panel.Check4->text(), QStringLiteral("<<"));
}

void tst_DisplayOptions::previewCopy()
{
    PanelFixture f;
    f.panel.picSeirikenPrev->Image().fill(Qt::green);
    bool menuShown = false;
    QTimer::singleShot(0, [&] {
        menuShown = f.panel.MnuHide->isVisible();
        f.panel.MnuHide->close();
    });
    QTest::mousePress(f.panel.picSeirikenPrev, Qt::RightButton, {}, QPoint(10, 10));
    QTRY_VERIFY(menuShown);
    QCOMPARE(f.panel.MnuHideCopy->text(), QStringLiteral("コピー(&C)"));

    f.panel.MnuHideCopy->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), f.panel.picSeirikenPrev->size());
    QCOMPARE(copied.pixelColor(3, 3), QColor(Qt::green));
}

QTEST_MAIN(tst_DisplayOptions)
#include "tst_DisplayOptions.moc"
