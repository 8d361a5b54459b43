#include "mdlM_Tape.h"

#include "FilePaths.h"
#include "PanelRules.h"
#include "Readings.h"
#include "SpeechEngine.h"
#include "mdlSndAPI.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>

mdlM_Tape::mdlM_Tape(mdlSndAPI &sound, SoundSettings soundSettings, SpeechFactory createSpeech, OsName osName)
    : m_sound(sound)
    , m_soundSettings(std::move(soundSettings))
    , m_createSpeech(std::move(createSpeech))
    , m_osName(std::move(osName))
{
}

mdlM_Tape::~mdlM_Tape() = default;

void mdlM_Tape::setFrame(bool enabled, const QString *caption)
{
    if (!m_grpM_Tape)
        return;
    m_grpM_Tape->setEnabled(enabled);
    if (caption)
        m_grpM_Tape->setTitle(*caption);
}

void mdlM_Tape::tellChanged() const
{
    if (changed)
        changed();
}

void mdlM_Tape::InitSpeech(const TapeControls &controls)
{
    m_grpM_Tape = controls.grpM_Tape;
    m_buttons = {controls.cmdTapeNext, controls.cmdTapeBack, controls.cmdTapeStop, controls.cmdTapeSet};
    const QString unavailable = unavailableCaption();
    if (m_osName() == vista()) {
        m_speechReady = false;
        setFrame(false, &unavailable);
        return;
    }
    m_speech = m_createSpeech ? m_createSpeech() : nullptr;
    m_speechReady = bool(m_speech);
    const QString ready = readyCaption();
    setFrame(m_speechReady, m_speechReady ? &ready : &unavailable);
}

void mdlM_Tape::LoadTape(const QString &folder, const QString &routeText)
{
    if (m_osName() == vista())
        return;
    loadFile(folder, routeText);
    tellChanged();
}

void mdlM_Tape::loadFile(const QString &folder, const QString &routeText)
{
    const QString dir = FilePaths::withTrailingSeparator(folder);
    m_tapeCount = 0;
    m_tapeLoaded = false;
    loadReadings(dir);

    QFile file(FilePaths::resolveIgnoringCase(dir + routeText + QStringLiteral("tp.csv")));
    // A missing file, a folder of that name, an unreadable or an oversized one
    // all leave the tape empty and its frame disabled.
    if (!QFileInfo(file.fileName()).isFile() || file.size() > TapeFile::MaxFileBytes
        || !file.open(QIODevice::ReadOnly)) {
        setFrame(false);
        return;
    }
    const TapeFile::Contents contents = TapeFile::read(file.read(TapeFile::MaxFileBytes));
    file.close();

    m_tapeCount = contents.entryCount;
    m_tapeEntries = QList<TapeEntry>(qsizetype(m_tapeCount) + 1);
    for (qsizetype i = 0; i < contents.entries.size(); ++i)
        m_tapeEntries[i + 1] = contents.entries[i];
    if (!contents.ok()) {
        m_tapePosition = contents.failedEntry;
        setFrame(false);
        return;
    }
    if (m_speechReady) {
        setFrame(true);
        for (const QPointer<QAbstractButton> &button : std::as_const(m_buttons)) {
            if (button)
                button->setEnabled(true);
        }
    }
    m_tapePosition = 0;
    m_tapeLoaded = true;
}

void mdlM_Tape::loadReadings(const QString &dir)
{
    if (!m_speech)
        return;
    QList<Readings::Entry> entries;
    QFile file(FilePaths::resolveIgnoringCase(dir + YomiFile::fileName()));
    if (QFileInfo(file.fileName()).isFile() && file.open(QIODevice::ReadOnly))
        entries = YomiFile::parse(file.read(YomiFile::MaxFileBytes));
    m_speech->setUserReadings(entries);
}

qint16 mdlM_Tape::TapeAdvanceFlag(int position) const
{
    return isEntry(position) ? m_tapeEntries[position].AdvanceFlag : qint16(0);
}

qint16 mdlM_Tape::TapeSoundFlag(int position) const
{
    return isEntry(position) ? m_tapeEntries[position].SoundFlag : qint16(0);
}

QString mdlM_Tape::soundOfFlag(const SoundInfo &s, int position) const
{
    return PanelRules::soundForFlag(TapeSoundFlag(position), s.TapeSound1, s.TapeSound2, s.TapeSound3);
}

void mdlM_Tape::SpeakTapeEntry(int position)
{
    if (!m_speech || !isEntry(position))
        return;
    m_speech->StopSpeaking();
    m_speech->Speak(m_tapeEntries[position].Text);
    if (m_speech->Status() == SpeechEngine::StatusFailed)
        m_speech->StopSpeaking();
}

void mdlM_Tape::TapeNext()
{
    ++m_tapePosition;
    if (m_tapePosition > m_tapeCount) {
        m_tapePosition = m_tapeCount;
        tellChanged();
        return;
    }
    const SoundInfo s = m_soundSettings ? m_soundSettings() : SoundInfo{};
    const QString sound = s.TapeSoundAlways ? s.TapeSoundFile : soundOfFlag(s, m_tapePosition);
    if (!sound.isEmpty())
        m_sound.PlaySoundFile(sound, QStringLiteral("S3"), s.TapeSoundSync != 0, 0);
    tellChanged();
    SpeakTapeEntry(m_tapePosition);
}

void mdlM_Tape::TapeBack()
{
    --m_tapePosition;
    if (m_tapePosition < 1) {
        m_tapePosition = 1;
        tellChanged();
        return;
    }
    const SoundInfo s = m_soundSettings ? m_soundSettings() : SoundInfo{};
    const QString sound = soundOfFlag(s, m_tapePosition);
    if (!sound.isEmpty())
        m_sound.PlaySoundFile(sound, QStringLiteral("S2"), s.TapeSoundSync != 0, 0);
    tellChanged();
    SpeakTapeEntry(m_tapePosition);
}

void mdlM_Tape::TapeStop()
{
    if (m_speech)
        m_speech->StopSpeaking();
}

void mdlM_Tape::ShowVoiceSettings()
{
    if (!m_speech)
        return;
    QWidget *owner = m_grpM_Tape ? m_grpM_Tape->window() : nullptr;
    m_speech->ShowVoiceDialog(owner, voiceDialogTitle());
}

void mdlM_Tape::ReleaseSpeech()
{
    m_speech.reset();
}
