#include "OpenJTalkSpeech.h"

#include "AudioOut.h"
#include "SpeechText.h"
#include "VoiceDialog.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStandardPaths>

Q_LOGGING_CATEGORY(lcSpeech, "speech", QtWarningMsg)

namespace {

bool isWav(const QByteArray &bytes)
{
    return bytes.size() > 44 && bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE";
}

QString number(double value)
{
    return QString::number(value, 'f', 3);
}

} // namespace

OpenJTalkPlaces OpenJTalkPlaces::standard(const QString &programFolder)
{
    OpenJTalkPlaces p;
    if (!programFolder.isEmpty())
        p.voiceFolders << QDir(programFolder).filePath(QStringLiteral("voices"));
    p.settingsFile = QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
                         .filePath(QStringLiteral("speech.ini"));
    return p;
}

std::optional<OpenJTalkSetup> OpenJTalkSetup::find(const OpenJTalkPlaces &places)
{
    OpenJTalkSetup s;
    s.program = QStandardPaths::findExecutable(places.program, places.programFolders);
    if (s.program.isEmpty())
        return std::nullopt;
    if (!QFileInfo(QDir(places.dictionary).filePath(QStringLiteral("sys.dic"))).isFile())
        return std::nullopt;
    s.dictionary = places.dictionary;
    for (const QString &folder : places.voiceFolders) {
        QDirIterator it(folder, {QStringLiteral("*.htsvoice")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            s.voices << it.next();
    }
    if (s.voices.isEmpty())
        return std::nullopt;
    s.voices.sort();
    s.voices.removeDuplicates();
    s.settingsFile = places.settingsFile;
    return s;
}

QString OpenJTalkSpeech::sampleSentence()
{
    return QStringLiteral("次は、市役所前です。お降りの方は、お近くのボタンでお知らせください。");
}

std::unique_ptr<SpeechEngine> OpenJTalkSpeech::create(AudioOut &audio, const OpenJTalkPlaces &places)
{
    std::optional<OpenJTalkSetup> setup = OpenJTalkSetup::find(places);
    if (!setup) {
        qCInfo(lcSpeech) << "Open JTalk, its dictionary or a voice is missing: no speech";
        return nullptr;
    }
    return std::make_unique<OpenJTalkSpeech>(std::move(*setup), audio);
}

OpenJTalkSpeech::OpenJTalkSpeech(OpenJTalkSetup setup, AudioOut &audio, QObject *parent)
    : SpeechEngine(parent)
    , m_setup(std::move(setup))
    , m_audio(&audio)
{
    m_settings = VoiceSettings::load(m_setup.settingsFile).bounded(m_setup.voices);
    m_speaking = m_settings;
    connect(&audio, &AudioOut::finished, this, &OpenJTalkSpeech::audioFinished);
    // A voice that was sounding on a mixer that is gone will never report its end.
    connect(&audio, &QObject::destroyed, this, [this] {
        m_audio = nullptr;
        if (m_status == StatusSpeaking)
            lostTheMixer();
    });
}

OpenJTalkSpeech::~OpenJTalkSpeech()
{
    StopSpeaking();
}

QStringList OpenJTalkSpeech::arguments(const VoiceSettings &settings) const
{
    const VoiceSettings s = settings.bounded(m_setup.voices);
    return {QStringLiteral("-x"), m_setup.dictionary, QStringLiteral("-m"),  s.voice,
            QStringLiteral("-r"), number(s.speed),    QStringLiteral("-fm"), number(s.pitch),
            QStringLiteral("-a"), number(s.timbre),   QStringLiteral("-ow"), QStringLiteral("/dev/stdout")};
}

void OpenJTalkSpeech::setVoiceSettings(const VoiceSettings &settings)
{
    m_settings = settings.bounded(m_setup.voices);
    if (!m_setup.settingsFile.isEmpty() && !m_settings.save(m_setup.settingsFile))
        qCWarning(lcSpeech) << "could not write" << m_setup.settingsFile;
}

void OpenJTalkSpeech::setUserReadings(const QList<Readings::Entry> &entries)
{
    m_readings.setUserEntries(entries);
}

void OpenJTalkSpeech::Speak(const QString &text)
{
    speakWith(m_settings, text);
}

void OpenJTalkSpeech::speakWith(const VoiceSettings &settings, const QString &text)
{
    StopSpeaking();
    m_speaking = settings;
    m_queue = SpeechText::pieces(m_readings.apply(text));
    if (m_queue.isEmpty())
        return;
    m_status = StatusSpeaking;
    startSynthesis();
}

void OpenJTalkSpeech::startSynthesis()
{
    if (m_process || m_queue.isEmpty() || !m_ready.isEmpty())
        return;
    if (!m_audio) {
        lostTheMixer();
        return;
    }
    if (!QFileInfo(m_setup.program).isExecutable()) {
        // Gone since it was found: the caller reads the failure from Status().
        m_queue.clear();
        m_status = StatusFailed;
        return;
    }
    const QString piece = m_queue.takeFirst();
    const quint64 generation = m_generation;
    auto *process = new QProcess(this);
    m_process = process;
    process->setProgram(m_setup.program);
    process->setArguments(arguments(m_speaking));
    process->setStandardErrorFile(QProcess::nullDevice());
    connect(process, &QProcess::finished, this,
            [this, generation, process] { synthesised(generation, process); });
    connect(process, &QProcess::errorOccurred, this, [this, generation, process](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            failedToStart(generation, process);
    });
    process->start();
    if (process != m_process)
        return; // it could not start, and has been told so already
    process->write(piece.toUtf8() + '\n');
    process->closeWriteChannel();
}

void OpenJTalkSpeech::synthesised(quint64 generation, QProcess *process)
{
    if (process != m_process || generation != m_generation)
        return;
    m_process = nullptr;
    process->deleteLater();
    const QByteArray wav = process->readAllStandardOutput();
    if (process->exitStatus() != QProcess::NormalExit || process->exitCode() != 0 || !isWav(wav)) {
        qCWarning(lcSpeech) << "open_jtalk failed:" << process->errorString() << process->exitCode();
    } else {
        m_ready = wav;
        if (!m_playing)
            playReady();
    }
    startSynthesis();
    finishIfDone();
}

void OpenJTalkSpeech::failedToStart(quint64 generation, QProcess *process)
{
    if (process != m_process || generation != m_generation)
        return;
    m_process = nullptr;
    process->deleteLater();
    // As when the program has gone: no later piece would start either, and the
    // caller reads the failure from Status().
    qCWarning(lcSpeech) << "open_jtalk did not start:" << process->errorString();
    m_queue.clear();
    m_status = StatusFailed;
}

void OpenJTalkSpeech::lostTheMixer()
{
    // Nothing more can sound: the rest is not made, and the caller reads the
    // failure from Status().
    qCWarning(lcSpeech) << "no mixer to play the voice on";
    StopSpeaking();
    m_status = StatusFailed;
}

void OpenJTalkSpeech::playReady()
{
    if (!m_audio) {
        lostTheMixer();
        return;
    }
    QString error;
    const QByteArray wav = std::exchange(m_ready, {});
    if (!m_audio->openWav(AudioOut::SpeechChannel, wav, &error)) {
        // This piece is lost; the rest of the text is still said.
        qCWarning(lcSpeech) << "the voice could not be played:" << error;
        startSynthesis();
        finishIfDone();
        return;
    }
    m_audio->setVolume(AudioOut::SpeechChannel, m_speaking.volume);
    m_audio->play(AudioOut::SpeechChannel);
    m_playing = true;
    emit pieceStarted();
    startSynthesis();
}

void OpenJTalkSpeech::audioFinished(int channel)
{
    if (channel == AudioOut::SpeechChannel && m_playing)
        voiceEnded();
}

void OpenJTalkSpeech::voiceEnded()
{
    m_playing = false;
    if (!m_ready.isEmpty())
        playReady();
    finishIfDone();
}

void OpenJTalkSpeech::finishIfDone()
{
    if (!m_playing && !m_process && m_ready.isEmpty() && m_queue.isEmpty() && m_status == StatusSpeaking)
        m_status = StatusIdle;
}

void OpenJTalkSpeech::StopSpeaking()
{
    ++m_generation;
    if (QProcess *process = std::exchange(m_process, nullptr)) {
        process->disconnect(this);
        process->kill();
        process->waitForFinished(1000);
        delete process;
    }
    m_queue.clear();
    m_ready.clear();
    if (m_playing && m_audio)
        m_audio->stop(AudioOut::SpeechChannel);
    m_playing = false;
    m_status = StatusIdle;
}

void OpenJTalkSpeech::ShowVoiceDialog(QWidget *owner, const QString &title)
{
    VoiceDialog dialog(owner, title, m_setup.voices, m_settings);
    connect(&dialog, &VoiceDialog::listenRequested, this,
            [this](const VoiceSettings &s) { speakWith(s.bounded(m_setup.voices), sampleSentence()); });
    const bool kept = dialog.exec() == QDialog::Accepted;
    StopSpeaking();
    if (kept)
        setVoiceSettings(dialog.settings());
}

QByteArray OpenJTalkSpeech::synthesize(const QString &piece, int timeoutMs) const
{
    QProcess process;
    process.setProgram(m_setup.program);
    process.setArguments(arguments(m_settings));
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted(timeoutMs))
        return {};
    process.write(piece.toUtf8() + '\n');
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs) || process.exitCode() != 0)
        return {};
    const QByteArray wav = process.readAllStandardOutput();
    return isWav(wav) ? wav : QByteArray();
}
