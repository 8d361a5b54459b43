#include "Dialogs.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QTest>
#include <QTimer>

class tst_Dialogs : public QObject
{
    Q_OBJECT

private slots:
    void qtFileFilter_data()
    {
        QTest::addColumn<QString>("pairs");
        QTest::addColumn<QString>("filter");
        QTest::newRow("patterns in the description")
            << Dialogs::filterOf({{u"Waveサウンド(*.wav)", u"*.wav"}, {u"整理券プラグイン(*.4SP)", u"*.4SP"}})
            << "Waveサウンド(*.wav);;整理券プラグイン(*.4SP)";
        QTest::newRow("patterns added")
            << Dialogs::filterOf({{u"画像", u"*.bmp;*.gif;*.jpg"}}) << "画像 (*.bmp *.gif *.jpg)";
        QTest::newRow("other patterns in the description")
            << Dialogs::filterOf({{u"MIDI(*.mid)", u"*.mid;*.midi"}}) << "MIDI(*.mid) (*.mid *.midi)";
    }

    void qtFileFilter()
    {
        QFETCH(QString, pairs);
        QFETCH(QString, filter);
        QCOMPARE(Dialogs::qtFileFilter(pairs), filter);
    }

    // Under an English or C locale the calendar still names months and days in Japanese.
    void dateDialogIsJapanese()
    {
        QLocale::setDefault(QLocale::c());
        QtDialogs dialogs;
        QLocale shown = QLocale::c();
        QTimer::singleShot(0, this, [&shown] {
            auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(box);
            shown = box->findChild<QCalendarWidget *>()->locale();
            box->reject();
        });
        DateRecord date{};
        QCOMPARE(dialogs.Call_dlg111(nullptr, date), 0);
        QCOMPARE(shown.language(), QLocale::Japanese);
    }
};

QTEST_MAIN(tst_Dialogs)
#include "tst_Dialogs.moc"
