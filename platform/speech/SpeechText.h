#pragma once

#include <QString>
#include <QStringList>

// Turns an announcement into the pieces the synthesiser is given one by one.
// Open JTalk speaks only the first line of its input, cuts it silently after
// 1023 bytes, and misbehaves on empty or punctuation-only input. So lines
// are joined with "、", the text is cut into sentences (each can sound while
// the next is made), long sentences are cut again at "、", and pieces with
// nothing to say are dropped. The first sentence is cut at each "、" (or,
// without one, after its first words): the voice starts after the first
// words are made, not the whole sentence.
namespace SpeechText {

// UTF-8 bytes of one piece, with room below the synthesiser's limit.
constexpr int MaxPieceBytes = 1000;
// The most of one text that is spoken; no announcement comes near it.
constexpr int MaxChars = 4000;
// A first clause longer than the most is cut after its first words, found
// from the least on.
constexpr int FirstWordsMinChars = 4;
constexpr int FirstWordsMaxChars = 12;

QStringList pieces(const QString &text);

// True when the text holds a letter or a digit.
bool isSpeakable(QStringView text);

} // namespace SpeechText
