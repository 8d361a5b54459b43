#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringEncoder>
#include <QVariant>

#include <algorithm>

// Builds .in4 bytes field by field by name, from its own copy of the layout,
// so that tests compare the program's file against an independent writing.
class In4Writer
{
public:
    enum Kind { Text, Int16, Int32 };
    struct Field
    {
        QString name; // "HyDir", "CustColors[3]", "DegitUser[5].Shift"
        Kind kind;
    };

    static const QList<Field> &layout()
    {
        static const QList<Field> fields = [] {
            QList<Field> f;
            auto add = [&f](const char *names, Kind kind) {
                for (const QString &n : QString::fromLatin1(names).split(u' '))
                    f.append({n, kind});
            };
            add("HyDir TpDir", Text);
            add("UseAutoSeiriNum", Int16);
            add("SeiriNumColorOff SeiriNumColorOn1 SeiriNumColorOn2", Int32);
            add("SeiriNumFormat SeiriNumZero PanelAuto PanelEach PanelOffBuiltIn PanelOffUser "
                "PanelOn1BuiltIn PanelOn1User PanelOn2BuiltIn PanelOn2User",
                Int16);
            add("PanelOffFile PanelOn1File PanelOn2File", Text);
            add("DegitBackColor DegitBaseForeColor DegitForeColor", Int32);
            add("ShowStopNo StopNoKoma StopNoFromZero ShowSeiriNo SeiriNoKoma ShowKeitoNo KeitoNoKoma "
                "ShowDataCol DataColNo DataColKoma",
                Int16);
            add("ChimeiBackColor ChimeiForeColor", Int32);
            add("ChimeiFontMode ChimeiFontBold", Int16);
            add("KeitoSound ResetSound", Text);
            add("FareSoundAlways FareSoundByData FareSoundSync FareSoundAsync", Int16);
            add("FareSoundFile", Text);
            add("FareSoundCol", Int16);
            add("FareSound1 FareSound2 FareSound3", Text);
            add("TapeSoundAlways TapeSoundByFlag TapeSoundSync TapeSoundAsync", Int16);
            add("TapeSoundFile TapeSound1 TapeSound2 TapeSound3", Text);
            add("UseSeiriPrev", Int16);
            add("SeiriPlgPath", Text);
            add("DateByPrint DateByKeito DateFixed", Int16);
            add("FixedDate", Text);
            add("CtlPage", Int16);
            add("CtlHScroll0 CtlHScroll1", Int32);
            add("CtlShinya CtlPreview", Int16);
            add("CtlLeft CtlTop FormLeft FormTop", Int32);
            for (int i = 0; i < 17; ++i)
                f.append({QStringLiteral("CustColors[%1]").arg(i), Int32});
            add("DegitCount", Int16);
            for (int i = 1; i <= 24; ++i)
                for (const char *n : {"Shift", "ZeroMode", "FillZero"})
                    f.append({QStringLiteral("DegitUser[%1].%2").arg(i).arg(QLatin1String(n)), Int16});
            return f;
        }();
        return fields;
    }

    // A text or a number; unset numbers are 0, unset texts empty, DegitCount 24 unless set.
    In4Writer &set(const QString &name, const QVariant &value)
    {
        Q_ASSERT(std::ranges::any_of(layout(), [&](const Field &f) { return f.name == name; }));
        m_values[name] = value;
        return *this;
    }

    QByteArray bytes() const
    {
        QByteArray out;
        QStringEncoder cp932("windows-31j", QStringConverter::Flag::Stateless);
        for (const Field &f : layout()) {
            const QVariant value =
                m_values.value(f.name, f.name == u"DegitCount" ? QVariant(24) : QVariant());
            if (f.kind == Text) {
                const QByteArray b = cp932(value.toString());
                put(out, b.size(), 2);
                out += b;
            } else {
                put(out, value.toLongLong(), f.kind == Int16 ? 2 : 4);
            }
        }
        return out;
    }

private:
    static void put(QByteArray &out, qint64 v, int size)
    {
        for (int i = 0; i < size; ++i)
            out.append(char((quint64(v) >> (8 * i)) & 0xFF));
    }

    QMap<QString, QVariant> m_values;
};
