#include "Readings.h"

namespace {

// Where 行き names the bus's destination (北部車庫行き) it is ゆき; as a verb
// (行きます) the dictionary's いき stands.
struct BuiltIn
{
    QStringView text;
    QStringView reading;
    bool afterName; // only right after a name, and not as a verb
};

// "お降りの方" is a person, かた, where the dictionary reads the side, ほう.
constexpr BuiltIn builtIns[] = {
    {u"お降りの方", u"おおりのかた", false}, {u"お越しの方", u"おこしのかた", false},
    {u"お乗りの方", u"おのりのかた", false}, {u"お急ぎの方", u"おいそぎのかた", false},
    {u"お降り", u"おおり", false},           {u"行き先", u"ゆきさき", false},
    {u"前扉", u"まえとびら", false},         {u"後扉", u"うしろとびら", false},
    {u"中扉", u"なかとびら", false},         {u"行き", u"ゆき", true},
};

bool isNameChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x4E00 && u <= 0x9FFF) // kanji
        || (u >= 0x30A1 && u <= 0x30FA) // katakana
        || u == 0x30FC                  // ー
        || u == 0x3005                  // 々
        || (u >= 0xFF10 && u <= 0xFF5A) // full-width digits and letters
        || (u < 0x80 && c.isLetterOrNumber());
}

// Before 行き a particle makes it the verb (駅に行き、); any other kana ends a
// name written in kana (みなとみらい行き).
bool endsName(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 0x3041 && u <= 0x3096)
        return !QStringView(u"にへをがでともはて").contains(c);
    return isNameChar(c);
}

bool isVerbEnding(QChar c)
{
    return c == u'ま' || c == u'た' || c == u'な';
}

bool matchesAt(const QString &text, qsizetype at, QStringView key)
{
    return !key.isEmpty() && QStringView(text).sliced(at).startsWith(key);
}

} // namespace

Readings::Readings() = default;

void Readings::setUserEntries(QList<Entry> entries)
{
    m_user = std::move(entries);
    m_byFirst.clear();
    for (qsizetype i = 0; i < m_user.size(); ++i) {
        if (!m_user[i].text.isEmpty())
            m_byFirst[m_user[i].text[0].unicode()].append(i);
    }
}

QString Readings::apply(const QString &text) const
{
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const Entry *bestUser = nullptr;
        for (qsizetype index : m_byFirst.value(text[i].unicode())) {
            const Entry &e = m_user[index];
            if (matchesAt(text, i, e.text) && (!bestUser || e.text.size() > bestUser->text.size()))
                bestUser = &e;
        }
        if (bestUser) {
            out += bestUser->reading;
            i += bestUser->text.size();
            continue;
        }
        const BuiltIn *best = nullptr;
        for (const BuiltIn &b : builtIns) {
            if (!matchesAt(text, i, b.text))
                continue;
            if (b.afterName) {
                const qsizetype end = i + b.text.size();
                if (i == 0 || !endsName(text[i - 1]) || (end < text.size() && isVerbEnding(text[end])))
                    continue;
            }
            if (!best || b.text.size() > best->text.size())
                best = &b;
        }
        if (best) {
            out += best->reading;
            i += best->text.size();
            continue;
        }
        out += text[i];
        ++i;
    }
    return out;
}
