#pragma once

#include <QString>

// What the program keeps of one run for the next, beside speech.ini in its
// own configuration folder: the board's zoom and the route last set. None of
// it goes into 109.in4, whose layout stays as the unit's software wrote it.
struct RunState
{
    static constexpr int DefaultZoom = 100;

    int zoomPercent = DefaultZoom; // one of zoomSteps()
    QString route;                 // the route display's digits as keyed, at most five
    QString section;               // the section display's, at most three
    QString company;               // the company chosen in the ticket preview

    // The zooms the board offers, in percent.
    static const QList<int> &zoomSteps();

    // The file's path in the given configuration folder.
    static QString filePath(const QString &configFolder);

    // What the file holds; a missing, unreadable or odd value is left at its
    // default, so a damaged file never stops a start.
    static RunState load(const QString &file);
    // Writes the file, making its folder; false when it cannot be written.
    bool save(const QString &file) const;
};
