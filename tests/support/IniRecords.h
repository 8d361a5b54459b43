#pragma once

#include "IniData.h"

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
    PanelInfo &p = r.PanelInfo;
    p.UseAutoSeiriNum = 0;
    p.SeiriNumFormat = 7;
    p.SeiriNumZero = 1;
    p.PanelAuto = 0;
    p.PanelEach = -1;
    p.PanelOffBuiltIn = 0;
    p.PanelOffUser = -1;
    p.PanelOn1BuiltIn = -1;
    p.PanelOn1User = 0;
    p.PanelOn2BuiltIn = 0;
    p.PanelOn2User = -1;
    DegitInfo &d = r.DegitInfo;
    d.ShowStopNo = 1;
    d.StopNoKoma = 3;
    d.StopNoFromZero = 1;
    d.ShowSeiriNo = 0;
    d.SeiriNoKoma = 23;
    d.ShowKeitoNo = 1;
    d.KeitoNoKoma = 11;
    d.ShowDataCol = 1;
    d.DataColNo = 149;
    d.DataColKoma = 5;
    r.ChimeiInfo.ChimeiFontMode = 4;
    r.ChimeiInfo.ChimeiFontBold = 1;
    SoundInfo &s = r.SoundInfo;
    s.FareSoundAlways = 0;
    s.FareSoundByData = -1;
    s.FareSoundSync = -1;
    s.FareSoundAsync = 0;
    s.FareSoundCol = 99;
    s.TapeSoundAlways = 0;
    s.TapeSoundByFlag = -1;
    s.TapeSoundSync = 0;
    s.TapeSoundAsync = -1;
    SeiriPrevInfo &v = r.SeiriPrevInfo;
    v.UseSeiriPrev = 1;
    v.DateByPrint = 0;
    v.DateByKeito = 0;
    v.DateFixed = -1;
    v.FixedDate = QStringLiteral("2024/01/02");
    return r;
}
