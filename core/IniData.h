#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// The settings record, block by block in the order of the settings file.
// Check fields are 0/1, Choice fields -1 (selected) / 0, Index fields a list
// row (-1 = none), colours 0x00BBGGRR.

struct DataDirInfo
{
    QString HyDir; // folder of the fare data files (*.hy3)
    QString TpDir; // folder of the announcement files (*tp.csv)
};

struct PanelInfo
{
    qint16 UseAutoSeiriNum = 0; // show the 整理券 number row above the cells
    qint32 SeiriNumColorOff = 0;
    qint32 SeiriNumColorOn1 = 0;
    qint32 SeiriNumColorOn2 = 0;
    qint16 SeiriNumFormat = 0; // numbering scheme of the ticket-number row
    qint16 SeiriNumZero = 0;   // write one-digit ticket numbers with a leading 0
    qint16 PanelAuto = 0;
    qint16 PanelEach = 0;
    qint16 PanelOffBuiltIn = 0;
    qint16 PanelOffUser = 0;
    qint16 PanelOn1BuiltIn = 0;
    qint16 PanelOn1User = 0;
    qint16 PanelOn2BuiltIn = 0;
    qint16 PanelOn2User = 0;
    QString PanelOffFile;
    QString PanelOn1File;
    QString PanelOn2File;
};

// Colours of the numeric cells, and the information digits: cells (コマ) that
// show a stop order, ticket number, route number or data column instead of a fare.
struct DegitInfo
{
    qint32 DegitBackColor = 0;
    qint32 DegitBaseForeColor = 0; // unlit segments
    qint32 DegitForeColor = 0;     // lit segments
    qint16 ShowStopNo = 0;
    qint16 StopNoKoma = 0;
    qint16 StopNoFromZero = 0;
    qint16 ShowSeiriNo = 0;
    qint16 SeiriNoKoma = 0;
    qint16 ShowKeitoNo = 0;
    qint16 KeitoNoKoma = 0;
    qint16 ShowDataCol = 0;
    qint16 DataColNo = 0;
    qint16 DataColKoma = 0;
};

// The stop-name (地名) display.
struct ChimeiInfo
{
    qint32 ChimeiBackColor = 0;
    qint32 ChimeiForeColor = 0;
    qint16 ChimeiFontMode = 0;
    qint16 ChimeiFontBold = 0;
};

// Sound file paths; empty means no sound.
struct SoundInfo
{
    QString KeitoSound;
    QString ResetSound;
    qint16 FareSoundAlways = 0;
    qint16 FareSoundByData = 0;
    qint16 FareSoundSync = 0;
    qint16 FareSoundAsync = 0;
    QString FareSoundFile;
    qint16 FareSoundCol = 0;
    QString FareSound1;
    QString FareSound2;
    QString FareSound3;
    qint16 TapeSoundAlways = 0;
    qint16 TapeSoundByFlag = 0;
    qint16 TapeSoundSync = 0;
    qint16 TapeSoundAsync = 0;
    QString TapeSoundFile;
    QString TapeSound1;
    QString TapeSound2;
    QString TapeSound3;
};

// The 整理券 preview.
struct SeiriPrevInfo
{
    qint16 UseSeiriPrev = 0;
    QString SeiriPlgPath; // the ticket plug-in (.4SP)
    qint16 DateByPrint = 0;
    qint16 DateByKeito = 0;
    qint16 DateFixed = 0;
    QString FixedDate; // "yyyy/mm/dd"
};

// The operating panel's own state.
struct CtrlDataInfo
{
    qint16 CtlPage = 0;
    qint32 CtlHScroll0 = 0; // scroll speed of the stop name
    qint32 CtlHScroll1 = 0; // pause before a scroll starts
    qint16 CtlShinya = 0;   // 深夜料金: late-night fares
    qint16 CtlPreview = 0;
    qint32 CtlLeft = 0; // twips
    qint32 CtlTop = 0;
};

struct FormInfo
{
    qint32 FormLeft = 0; // twips
    qint32 FormTop = 0;
};

// What the user sets on one fare cell by double-clicking it.
struct DegitUserInfo
{
    qint16 Shift = 0;
    qint16 ZeroMode = 0;
    qint16 FillZero = 0;
};

struct IniRecord
{
    static constexpr int CellCount = 24;
    static constexpr int CustColorCount = 17;

    ::DataDirInfo DataDirInfo;
    ::PanelInfo PanelInfo;
    ::DegitInfo DegitInfo;
    ::ChimeiInfo ChimeiInfo;
    ::SoundInfo SoundInfo;
    ::SeiriPrevInfo SeiriPrevInfo;
    ::CtrlDataInfo CtrlDataInfo;
    ::FormInfo FormInfo;
    std::array<qint32, CustColorCount> CustColors{};
    qint16 DegitCount = 0;                                // read and ignored; written as 24
    std::array<DegitUserInfo, CellCount + 1> DegitUser{}; // DegitUser[1..24]; [0] unused
};

// Visits every field of the record in file order: v(name, field) with field a
// QString&, qint16& or qint32&. Load and save both walk this one list.
template<class Visitor>
void visitIniFields(IniRecord &r, Visitor &&v)
{
    auto &dd = r.DataDirInfo;
    v("HyDir", dd.HyDir);
    v("TpDir", dd.TpDir);

    auto &p = r.PanelInfo;
    v("UseAutoSeiriNum", p.UseAutoSeiriNum);
    v("SeiriNumColorOff", p.SeiriNumColorOff);
    v("SeiriNumColorOn1", p.SeiriNumColorOn1);
    v("SeiriNumColorOn2", p.SeiriNumColorOn2);
    v("SeiriNumFormat", p.SeiriNumFormat);
    v("SeiriNumZero", p.SeiriNumZero);
    v("PanelAuto", p.PanelAuto);
    v("PanelEach", p.PanelEach);
    v("PanelOffBuiltIn", p.PanelOffBuiltIn);
    v("PanelOffUser", p.PanelOffUser);
    v("PanelOn1BuiltIn", p.PanelOn1BuiltIn);
    v("PanelOn1User", p.PanelOn1User);
    v("PanelOn2BuiltIn", p.PanelOn2BuiltIn);
    v("PanelOn2User", p.PanelOn2User);
    v("PanelOffFile", p.PanelOffFile);
    v("PanelOn1File", p.PanelOn1File);
    v("PanelOn2File", p.PanelOn2File);

    auto &d = r.DegitInfo;
    v("DegitBackColor", d.DegitBackColor);
    v("DegitBaseForeColor", d.DegitBaseForeColor);
    v("DegitForeColor", d.DegitForeColor);
    v("ShowStopNo", d.ShowStopNo);
    v("StopNoKoma", d.StopNoKoma);
    v("StopNoFromZero", d.StopNoFromZero);
    v("ShowSeiriNo", d.ShowSeiriNo);
    v("SeiriNoKoma", d.SeiriNoKoma);
    v("ShowKeitoNo", d.ShowKeitoNo);
    v("KeitoNoKoma", d.KeitoNoKoma);
    v("ShowDataCol", d.ShowDataCol);
    v("DataColNo", d.DataColNo);
    v("DataColKoma", d.DataColKoma);

    auto &c = r.ChimeiInfo;
    v("ChimeiBackColor", c.ChimeiBackColor);
    v("ChimeiForeColor", c.ChimeiForeColor);
    v("ChimeiFontMode", c.ChimeiFontMode);
    v("ChimeiFontBold", c.ChimeiFontBold);

    auto &s = r.SoundInfo;
    v("KeitoSound", s.KeitoSound);
    v("ResetSound", s.ResetSound);
    v("FareSoundAlways", s.FareSoundAlways);
    v("FareSoundByData", s.FareSoundByData);
    v("FareSoundSync", s.FareSoundSync);
    v("FareSoundAsync", s.FareSoundAsync);
    v("FareSoundFile", s.FareSoundFile);
    v("FareSoundCol", s.FareSoundCol);
    v("FareSound1", s.FareSound1);
    v("FareSound2", s.FareSound2);
    v("FareSound3", s.FareSound3);
    v("TapeSoundAlways", s.TapeSoundAlways);
    v("TapeSoundByFlag", s.TapeSoundByFlag);
    v("TapeSoundSync", s.TapeSoundSync);
    v("TapeSoundAsync", s.TapeSoundAsync);
    v("TapeSoundFile", s.TapeSoundFile);
    v("TapeSound1", s.TapeSound1);
    v("TapeSound2", s.TapeSound2);
    v("TapeSound3", s.TapeSound3);

    auto &sp = r.SeiriPrevInfo;
    v("UseSeiriPrev", sp.UseSeiriPrev);
    v("SeiriPlgPath", sp.SeiriPlgPath);
    v("DateByPrint", sp.DateByPrint);
    v("DateByKeito", sp.DateByKeito);
    v("DateFixed", sp.DateFixed);
    v("FixedDate", sp.FixedDate);

    auto &cd = r.CtrlDataInfo;
    v("CtlPage", cd.CtlPage);
    v("CtlHScroll0", cd.CtlHScroll0);
    v("CtlHScroll1", cd.CtlHScroll1);
    v("CtlShinya", cd.CtlShinya);
    v("CtlPreview", cd.CtlPreview);
    v("CtlLeft", cd.CtlLeft);
    v("CtlTop", cd.CtlTop);

    v("FormLeft", r.FormInfo.FormLeft);
    v("FormTop", r.FormInfo.FormTop);

    for (qint32 &colour : r.CustColors)
        v("CustColors", colour);

    v("DegitCount", r.DegitCount);

    for (int i = 1; i <= IniRecord::CellCount; ++i) {
        v("Shift", r.DegitUser[i].Shift);
        v("ZeroMode", r.DegitUser[i].ZeroMode);
        v("FillZero", r.DegitUser[i].FillZero);
    }
}
