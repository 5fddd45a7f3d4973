// SPDX-License-Identifier: MIT
#pragma once

#include "weton/CurrentReading.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// The saved-reading file (".jav"): four lines (name, day, month name, year), each scrambled, each ended
// by CR LF, stored as Windows-1252 bytes. A birth after sunset adds a fifth line, "after sunset" scrambled
// the same way; a reading without it is the four lines exactly as ever. No results are stored: they are
// always reckoned afresh.
namespace SavedReading {

struct Fields
{
    QString name;
    QString day;    // "1" .. "31"
    QString month;  // "January" .. "December"
    QString year;   // "1901" .. "2036"
    bool afterSunset = false;

    friend bool operator==(const Fields &, const Fields &) = default;
};

// What the file dialogs offer and add to a name typed without an extension.
inline const QString FileFilter = QStringLiteral("Wetonara (*.jav)");
inline const QString Extension = QStringLiteral("jav");

// A stored line holds at most this many single-byte characters, the name too.
constexpr qsizetype LongestName = 32767;

// The plain text of the fifth line that says the person was born after sunset.
inline const QString AfterSunsetLine = QStringLiteral("after sunset");

// The bytes of the file for a reading: four lines, and the fifth for a birth after sunset.
[[nodiscard]] QByteArray compose(const CurrentReading &reading);

// The characters of a name that the file cannot hold, each once, in order of first appearance.
[[nodiscard]] QString unstorableCharacters(const QString &name);

// The unscrambled lines of a saved reading; empty when the bytes are not a complete one: fewer than four
// lines, a line longer than any saved line can be, a day, month or year that the entry window does not
// list, or anything after the fourth line but the after-sunset line (a line this program does not know
// could change the reading, so the file is refused rather than read without it). An empty name is a
// complete reading (the entry check refuses it later).
[[nodiscard]] std::optional<Fields> parse(QByteArrayView bytes);

// Reads at most the first bytes that a saved reading can take; refuses anything but a readable regular
// file.
[[nodiscard]] std::optional<Fields> readFile(const QString &path);

struct Written
{
    bool saved = false;
    int cause = 0;  // the system's error number (errno) of the step that failed; 0 when it gave none

    explicit operator bool() const { return saved; }
};

// Replaces the file as a whole or not at all: on any failure an earlier file stays as it was.
[[nodiscard]] Written writeFile(const QString &path, const QByteArray &bytes);

// Only a path whose last three characters are exactly "jav" is opened.
[[nodiscard]] bool hasSavedReadingExtension(const QString &path);

}  // namespace SavedReading
