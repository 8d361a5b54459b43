#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include "VariantNumber.h"

// The stored design of a display element: named values in the order the
// element wrote them. A value equal to its default is left out, so reading a
// key that is not there yields the default the reader gives.
class PropertyBag
{
public:
    void write(const QString &key, const QVariant &value, const QVariant &defaultValue)
    {
        // Numbers compare by value across widths; a text never equals a number.
        const bool same =
            value.typeId() == defaultValue.typeId() || (isNumber(value) && isNumber(defaultValue));
        if (same && value == defaultValue)
            return;
        for (auto &entry : m_entries) {
            if (entry.first == key) {
                entry.second = value;
                return;
            }
        }
        m_entries.append({key, value});
    }

    QVariant read(const QString &key, const QVariant &defaultValue) const
    {
        for (const auto &entry : m_entries) {
            if (entry.first == key)
                return entry.second;
        }
        return defaultValue;
    }

    bool contains(const QString &key) const
    {
        for (const auto &entry : m_entries) {
            if (entry.first == key)
                return true;
        }
        return false;
    }

    QStringList keys() const
    {
        QStringList result;
        for (const auto &entry : m_entries)
            result << entry.first;
        return result;
    }

private:
    QList<QPair<QString, QVariant>> m_entries;
};
