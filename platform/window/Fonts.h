#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The program names its typefaces as the original unit's software did; these
// names are mapped onto installed faces before any window is built.
struct FontSubstitution
{
    QString name;   // the name the program uses
    QString family; // the installed face it stands for
};

// Every face name the program uses, with the face that serves it.
const std::vector<FontSubstitution> &fontSubstitutions();

// Maps each name to its face with QFont::insertSubstitution. Safe to call more than once.
void installFontSubstitutions();

// The names whose face did not resolve (its package is missing), as "name (family)".
QStringList unresolvedFonts();
