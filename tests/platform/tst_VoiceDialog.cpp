#include "VoiceDialog.h"

#include "FakeAudioOut.h"
#include "OpenJTalkSpeech.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class tst_VoiceDialog : public QObject
{
    Q_OBJECT

    const QStringList m_voices{QStringLiteral("/v/mei.htsvoice"), QStringLiteral("/v/nitech_m001.htsvoice")};

private slots:
    void showsTheCurrentVoice()
    {
        const VoiceSettings current{m_voices[1], 1.2, -3, 0.5, 60};
        VoiceDialog d(nullptr, QStringLiteral("音声の調節"), m_voices, current);
        QCOMPARE(d.windowTitle(), QStringLiteral("音声の調節"));
        QCOMPARE(d.voice->count(), 2);
        QCOMPARE(d.voice->itemText(0), QStringLiteral("mei"));
        QCOMPARE(d.voice->currentText(), QStringLiteral("nitech_m001"));
        QCOMPARE(d.settings(), current);
        QCOMPARE(d.listen->text(), QStringLiteral("試聴"));
    }

    void valuesStayInTheirRanges()
    {
        VoiceDialog d(nullptr, QString(), m_voices, VoiceSettings{});
        d.speed->setValue(5);
        d.pitch->setValue(-40);
        d.timbre->setValue(0);
        d.volume->setValue(300);
        const VoiceSettings s = d.settings();
        QCOMPARE(s.speed, VoiceSettings::MaxSpeed);
        QCOMPARE(s.pitch, VoiceSettings::MinPitch);
        QCOMPARE(s.timbre, VoiceSettings::MinTimbre);
        QCOMPARE(s.volume, VoiceSettings::MaxVolume);
        QCOMPARE(s.voice, m_voices[0]);
    }

    void listenGivesTheValuesShown()
    {
        VoiceDialog d(nullptr, QString(), m_voices, VoiceSettings{});
        QSignalSpy heard(&d, &VoiceDialog::listenRequested);
        d.speed->setValue(1.5);
        d.voice->setCurrentIndex(1);
        d.listen->click();
        QCOMPARE(heard.size(), 1);
        const auto s = heard.at(0).at(0).value<VoiceSettings>();
        QCOMPARE(s.speed, 1.5);
        QCOMPARE(s.voice, m_voices[1]);
    }

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
        OpenJTalkSetup setup;
        setup.program = QStringLiteral("/nonexistent/open_jtalk");
        setup.voices = m_voices;
        setup.settingsFile = dir.filePath(QStringLiteral("speech.ini"));
        FakeAudioOut audio;
        OpenJTalkSpeech engine(setup, audio);
        QWidget owner;
        QString title;
        QTimer::singleShot(0, this, [&] {
            auto *d = qobject_cast<VoiceDialog *>(QApplication::activeModalWidget());
            QVERIFY(d);
            title = d->windowTitle();
            QCOMPARE(d->parentWidget(), &owner);
            d->speed->setValue(1.75);
            d->volume->setValue(40);
            d->listen->click(); // cannot start the program here, and must not break the dialog
            confirm ? d->accept() : d->reject();
        });
        engine.ShowVoiceDialog(&owner, QStringLiteral("音声の調節"));
        QCOMPARE(title, QStringLiteral("音声の調節"));
        QCOMPARE(engine.voiceSettings().speed, confirm ? 1.75 : 1.0);
        QCOMPARE(VoiceSettings::load(setup.settingsFile).volume, confirm ? 40 : 100);
        QCOMPARE(engine.Status(), SpeechEngine::StatusIdle);
    }
};

QTEST_MAIN(tst_VoiceDialog)
#include "tst_VoiceDialog.moc"
