#include "SpeechText.h"

namespace SpeechText {

namespace {

qsizetype utf8Size(QStringView s)
{
    qsizetype n = 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t u = s[i].unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < s.size() && QChar::isLowSurrogate(s[i + 1].unicode())) {
            n += 4;
            ++i;
        } else {
            n += u < 0x80 ? 1 : u < 0x800 ? 2 : 3;
        }
    }
    return n;
}

// Cuts after every character for which isEnd is true; the cut mark stays
// with the part before it.
QStringList cutAfter(const QString &text, bool (*isEnd)(QChar))
{
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isEnd(text[i])) {
            parts << text.mid(start, i + 1 - start);
            start = i + 1;
        }
    }
    if (start < text.size())
        parts << text.mid(start);
    return parts;
}

bool isSentenceEnd(QChar c)
{
    return c == u'。' || c == u'！' || c == u'？' || c == u'!' || c == u'?';
}

bool isClauseEnd(QChar c)
{
    return c == u'、' || c == u'，' || c == u',';
}

// A part that is still too long is cut between characters, never inside a
// surrogate pair.
void appendHardCut(QStringList &out, const QString &part)
{
    QString piece;
    for (qsizetype i = 0; i < part.size(); ++i) {
        qsizetype width = 1;
        if (part[i].isHighSurrogate() && i + 1 < part.size() && part[i + 1].isLowSurrogate())
            width = 2;
        const QStringView ch = QStringView(part).mid(i, width);
        if (utf8Size(piece) + utf8Size(ch) > MaxPieceBytes) {
            out << piece;
            piece.clear();
        }
        piece += ch;
        i += width - 1;
    }
    if (!piece.isEmpty())
        out << piece;
}

void appendSentence(QStringList &out, const QString &sentence)
{
    if (utf8Size(sentence) <= MaxPieceBytes) {
        out << sentence;
        return;
    }
    QString packed;
    for (const QString &clause : cutAfter(sentence, isClauseEnd)) {
        if (!packed.isEmpty() && utf8Size(packed) + utf8Size(clause) > MaxPieceBytes) {
            out << packed;
            packed.clear();
        }
        if (utf8Size(clause) > MaxPieceBytes)
            appendHardCut(out, clause);
        else
            packed += clause;
    }
    if (!packed.isEmpty())
        out << packed;
}

bool isHiragana(QChar c)
{
    return c.unicode() >= 0x3041 && c.unicode() <= 0x309F;
}

// Where the first words of a sentence without a comma end: after the kana of
// a particle or an ending, where a word in kanji or katakana begins.
qsizetype firstWordsEnd(const QString &sentence)
{
    for (qsizetype i = FirstWordsMinChars; i < sentence.size() && i <= FirstWordsMaxChars; ++i) {
        // お and ご begin the word that follows them (お気をつけ, ご乗車): the
        // cut comes before them, never after.
        auto isPrefix = [&](qsizetype at) {
            return (sentence[at] == u'お' || sentence[at] == u'ご') && at + 1 < sentence.size()
                && !isHiragana(sentence[at + 1]) && sentence[at + 1].isLetterOrNumber();
        };
        if (!isHiragana(sentence[i - 1]) || isPrefix(i - 1))
            continue;
        if ((!isHiragana(sentence[i]) && sentence[i].isLetterOrNumber()) || isPrefix(i))
            return i;
    }
    return -1;
}

// The first sentence in short pieces, so that its first words can sound while
// the rest is still being made: cut after each comma, or, without one, after
// its first words. Later sentences are made while it sounds.
QStringList firstSentenceInPieces(const QString &sentence)
{
    QStringList parts;
    for (const QString &clause : cutAfter(sentence, isClauseEnd)) {
        if (parts.isEmpty() && clause.size() > FirstWordsMaxChars) {
            if (const qsizetype end = firstWordsEnd(clause); end > 0) {
                parts << clause.left(end) << clause.mid(end);
                continue;
            }
        }
        parts << clause;
    }
    // A part with nothing to say goes with the one before it.
    QStringList out;
    for (const QString &part : std::as_const(parts)) {
        if (!out.isEmpty() && !isSpeakable(part))
            out.back() += part;
        else
            out << part;
    }
    return out;
}

} // namespace

bool isSpeakable(QStringView text)
{
    for (char32_t c : text.toUcs4()) {
        if (QChar::isLetterOrNumber(c))
            return true;
    }
    return false;
}

QStringList pieces(const QString &text)
{
    QString flat = text.left(MaxChars);
    flat.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    flat.replace(u'\r', u'\n');
    QStringList lines;
    for (const QString &line : flat.split(u'\n')) {
        const QString t = line.trimmed();
        if (!t.isEmpty())
            lines << t;
    }
    // A line that ends without a mark of its own gets a pause before the next.
    QString joined;
    for (const QString &line : std::as_const(lines)) {
        if (!joined.isEmpty() && !isSentenceEnd(joined.back()) && !isClauseEnd(joined.back()))
            joined += u'、';
        joined += line;
    }
    QStringList out;
    for (const QString &sentence : cutAfter(joined, isSentenceEnd)) {
        const QString trimmed = sentence.trimmed();
        if (out.isEmpty() && utf8Size(trimmed) <= MaxPieceBytes && isSpeakable(trimmed))
            out << firstSentenceInPieces(trimmed);
        else
            appendSentence(out, trimmed);
    }
    out.removeIf([](const QString &p) { return !isSpeakable(p); });
    return out;
}

} // namespace SpeechText
