#include "VoiceDialog.h"

#include "FakeAudioOut.h"
#include "OpenJTalkSpeech.h"

#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class tst_VoiceDialog : public QObject
{
    Q_OBJECT

private slots:
    void engineKeepsWhatTheDialogConfirms_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("OK") << true;
        QTest::newRow("cancel") << false;
    }

    void engineKeepsWhatTheDialogConfirms()
    {
        QFETCH(bool, confirm);
        QTemporaryDir dir;
        const OpenJTalkSetup setup{
            "/nonexistent/open_jtalk", {}, {"/v/a.htsvoice"}, dir.filePath("speech.ini")};
        FakeAudioOut audio;
        OpenJTalkSpeech engine(setup, audio);
        QWidget owner;
        QTimer::singleShot(0, this, [&] {
            auto *d = qobject_cast<VoiceDialog *>(QApplication::activeModalWidget());
            QVERIFY(d && d->parentWidget() == &owner);
            d->speed->setValue(1.75);
            d->volume->setValue(40);
            d->listen->click(); // cannot start the program here, and must not break the dialog
            confirm ? d->accept() : d->reject();
        });
        engine.ShowVoiceDialog(&owner, QString());
        QCOMPARE(engine.voiceSettings().speed, confirm ? 1.75 : 1.0);
        QCOMPARE(VoiceSettings::load(setup.settingsFile).volume, confirm ? 40 : 100);
        QCOMPARE(engine.Status(), SpeechEngine::StatusIdle);
    }
};

QTEST_MAIN(tst_VoiceDialog)
#include "tst_VoiceDialog.moc"
