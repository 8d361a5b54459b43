#pragma once

#include "RuntimeError.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace FilePaths {

// A folder as typed in the settings, ready to have a file name appended:
// empty stays empty (the file name is then relative); otherwise a separator
// is added unless the folder already ends in '/' or '\'. A trailing '\' from
// a settings file written elsewhere is read as '/'.
QString withTrailingSeparator(const QString &folder);

// The path itself when a file or folder exists there; otherwise an entry of
// the same folder whose name differs only in letter case (12.HY3 for 12.hy3),
// or the path unchanged when there is none.
QString resolveIgnoringCase(const QString &path);

// True for a file that holds bytes: not a folder, a FIFO or a device, which
// a reader would wait on or read without end.
bool isOrdinaryFile(const QString &path);

// Replaces the file with these bytes, or leaves it as it was: the bytes go to
// a temporary file beside it that is renamed over it only once complete.
// Where the folder lets no file be made but the file itself may be written,
// the file is written in place. A limit on file sizes makes the write fail
// rather than end the process.
// On failure: 76 when the folder is missing, 75 when the file cannot be
// opened, 57 when writing fails; the description ends with the system's
// own words.
std::optional<Failure> writeWhole(const QString &path, const QByteArray &bytes);

// Removes the files beside path ("109.in4.save-Ab12Cd") that a write cut
// short by the end of the process left behind; no other file.
void removeSaveLeftovers(const QString &path);

} // namespace FilePaths
