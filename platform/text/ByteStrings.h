#pragma once

#include <QString>

// Texts measured and cut by their code page 932 bytes: 2 for a full-width
// character, 1 for a half-width one (and for a character written as '?').

int LenB_ASCII(const QString &text);

// count bytes from the 1-based byte start. Past the end: the empty text; a
// start below 1 counts from 1; a count beyond the end takes what is there.
// A double-byte character that the slice cuts in two becomes one half-width
// space for its byte inside the slice, so the result is always exactly as
// many bytes long as the slice it stands for.
QString MidB_ASCII(const QString &text, int start, int count);
