#pragma once

#include "IniData.h"

#include <QStringList>
#include <QVariant>

#include <type_traits>

// Every text, colour and index of the dialog's blocks different from its design
// value and from each other; every choice group on a button other than its default.
inline IniRecord everyFieldChanged()
{
    IniRecord r;
    qint32 colour = 0x102030;
    visitIniFields(r, [&](const char *name, auto &value) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, QString>)
            value = QStringLiteral("/data/%1").arg(QString::fromLatin1(name));
        else if constexpr (std::is_same_v<std::decay_t<decltype(value)>, qint32>)
            value = colour += 0x010101;
    });
    // The flags not set here stay 0.
    PanelInfo &p = r.PanelInfo;
    p.SeiriNumFormat = 7;
    p.SeiriNumZero = 1;
    p.PanelEach = p.PanelOffUser = p.PanelOn1BuiltIn = p.PanelOn2User = -1;
    DegitInfo &d = r.DegitInfo;
    d.ShowStopNo = d.StopNoFromZero = d.ShowKeitoNo = d.ShowDataCol = 1;
    d.StopNoKoma = 3;
    d.SeiriNoKoma = 23;
    d.KeitoNoKoma = 11;
    d.DataColNo = 149;
    d.DataColKoma = 5;
    r.ChimeiInfo.ChimeiFontMode = 4;
    r.ChimeiInfo.ChimeiFontBold = 1;
    r.SoundInfo.FareSoundByData = r.SoundInfo.FareSoundSync = -1;
    r.SoundInfo.TapeSoundByFlag = r.SoundInfo.TapeSoundAsync = -1;
    r.SoundInfo.FareSoundCol = 99;
    r.SeiriPrevInfo.UseSeiriPrev = 1;
    r.SeiriPrevInfo.DateFixed = -1;
    r.SeiriPrevInfo.FixedDate = QStringLiteral("2024/01/02");
    return r;
}

// The record as "name=value" in file order, up to the field named last, so
// that a failed comparison names the field.
inline QStringList iniFields(IniRecord r, const char *last = nullptr)
{
    QStringList out;
    bool done = false;
    visitIniFields(r, [&](const char *name, auto &value) {
        if (!done)
            out << QString::fromLatin1(name) + u'=' + QVariant::fromValue(value).toString();
        done = done || (last && qstrcmp(name, last) == 0);
    });
    return out;
}
