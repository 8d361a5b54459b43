#include "VoiceDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

namespace {

QDoubleSpinBox *spinBox(QWidget *parent, double low, double high, double step, int decimals, double value)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setRange(low, high);
    box->setSingleStep(step);
    box->setDecimals(decimals);
    box->setValue(value);
    return box;
}

} // namespace

VoiceDialog::VoiceDialog(QWidget *owner, const QString &title, const QStringList &voices,
                         const VoiceSettings &current)
    : QDialog(owner)
{
    setWindowTitle(title);
    const VoiceSettings s = current.bounded(voices);

    voice = new QComboBox(this);
    for (const QString &path : voices)
        voice->addItem(QFileInfo(path).completeBaseName(), path);
    voice->setCurrentIndex(qMax(0, voices.indexOf(s.voice)));
    speed = spinBox(this, VoiceSettings::MinSpeed, VoiceSettings::MaxSpeed, 0.05, 2, s.speed);
    pitch = spinBox(this, VoiceSettings::MinPitch, VoiceSettings::MaxPitch, 0.5, 1, s.pitch);
    pitch->setSuffix(QStringLiteral(" 半音"));
    timbre = spinBox(this, VoiceSettings::MinTimbre, VoiceSettings::MaxTimbre, 0.01, 2, s.timbre);
    volume = new QSpinBox(this);
    volume->setRange(VoiceSettings::MinVolume, VoiceSettings::MaxVolume);
    volume->setSuffix(QStringLiteral(" %"));
    volume->setValue(s.volume);

    auto *form = new QFormLayout(this);
    form->addRow(QStringLiteral("音声ファイル"), voice);
    form->addRow(QStringLiteral("速さ"), speed);
    form->addRow(QStringLiteral("高さ"), pitch);
    form->addRow(QStringLiteral("声質"), timbre);
    form->addRow(QStringLiteral("音量"), volume);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    listen = buttons->addButton(QStringLiteral("試聴"), QDialogButtonBox::ActionRole);
    connect(listen, &QPushButton::clicked, this, [this] { emit listenRequested(settings()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

VoiceSettings VoiceDialog::settings() const
{
    VoiceSettings s;
    s.voice = voice->currentData().toString();
    s.speed = speed->value();
    s.pitch = pitch->value();
    s.timbre = timbre->value();
    s.volume = volume->value();
    return s;
}
