// SPDX-License-Identifier: MIT
#include "SavedReading.h"

#include "FileNames.h"
#include "TextScrambling.h"
#include "Windows1252.h"
#include "weton/CoveredDays.h"
#include "weton/GregorianMonths.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QFileInfo>
#endif

namespace SavedReading {
namespace {

constexpr int LineCount = 4;
// A scrambled line holds at most as many single-byte characters as the longest name, plus its CR LF.
constexpr qsizetype LongestLine = LongestName;
const QByteArray LineEnd = QByteArrayLiteral("\r\n");
constexpr int LastListedDay = 31;  // the day list offers 1..31 for every month; the entry check does the rest

QByteArray storedLine(const QString &plain) { return Windows1252::encode(modHelp::ScrambleText(plain)) + LineEnd; }

// The fifth line as stored, without its line end: compared byte for byte, so a damaged copy is refused
// rather than read as the option or without it.
const QByteArray &storedAfterSunset()
{
    static const QByteArray line = storedLine(AfterSunsetLine).chopped(LineEnd.size());
    return line;
}

struct Line
{
    QByteArrayView text;
    qsizetype next = 0;  // where the following line starts
};

// The line that starts at `start`. Lines end at CR LF, a lone CR or a lone LF (a copy whose line ends some
// tool rewrote still opens); the last may lack its end. Empty at the end of the bytes and for a line
// longer than any saved line.
std::optional<Line> lineAt(QByteArrayView bytes, qsizetype start)
{
    if (start >= bytes.size())
        return std::nullopt;
    // The search stops one byte past the longest line, so a file of one endless line costs no time.
    const qsizetype limit = std::min(bytes.size(), start + LongestLine + 1);
    qsizetype end = start;
    while (end < limit && bytes[end] != '\r' && bytes[end] != '\n')
        ++end;
    if (end - start > LongestLine)
        return std::nullopt;
    qsizetype next = end;
    if (next < bytes.size() && bytes[next] == '\r') {
        ++next;
        if (next < bytes.size() && bytes[next] == '\n')
            ++next;
    } else if (next < bytes.size()) {
        ++next;  // a lone LF
    }
    return Line{bytes.sliced(start, end - start), next};
}

// Whether the after-sunset line follows the fourth line, alone and last; empty when anything else
// follows.
std::optional<bool> afterSunsetAt(QByteArrayView bytes, qsizetype start)
{
    if (start >= bytes.size())
        return false;
    const std::optional<Line> line = lineAt(bytes, start);
    if (line && line->next == bytes.size() && line->text == storedAfterSunset())
        return true;
    return std::nullopt;
}

// The entry window lists the numbers as plain decimals: "7" is an item, "07", "+7" and " 7" are not.
bool isListedNumber(const QString &text, int first, int last)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= first && value <= last && QString::number(value) == text;
}

// Opens only a regular file: a folder cannot be read, and a FIFO or a device would wait for a writer or
// never end. On Unix the type is checked on the opened descriptor, which is opened without waiting, so a
// FIFO put in the file's place between a check and the open cannot stall the program either.
bool openRegularFile(QFile &file, const QString &path)
{
#ifdef Q_OS_UNIX
    const int descriptor = ::open(FileNames::encode(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    struct stat status
    {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)
        || !file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return false;
    }
    return true;
#else
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
#endif
}

}  // namespace

QByteArray compose(const CurrentReading &reading)
{
    QByteArray bytes = storedLine(reading.PersonName) + storedLine(QString::number(reading.BirthDay))
                       + storedLine(reading.BirthMonth) + storedLine(QString::number(reading.BirthYear));
    if (reading.BornAfterSunset)
        bytes += storedLine(AfterSunsetLine);
    return bytes;
}

QString unstorableCharacters(const QString &name)
{
    QString left;
    for (qsizetype i = 0; i < name.size();) {
        // A character beyond the Basic Multilingual Plane is two UTF-16 units; it is reported whole,
        // never as a lone half.
        const bool pair = name.at(i).isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate();
        const QStringView character = QStringView(name).sliced(i, pair ? 2 : 1);
        i += character.size();
        if ((pair || !modHelp::survivesScrambling(character.front())) && !left.contains(character))
            left.append(character);
    }
    return left;
}

std::optional<Fields> parse(QByteArrayView bytes)
{
    std::array<QString, LineCount> plain;
    qsizetype start = 0;
    for (QString &text : plain) {
        const std::optional<Line> line = lineAt(bytes, start);
        if (!line)
            return std::nullopt;  // fewer than four lines, or one too long
        text = modHelp::UnscrambleText(Windows1252::decode(line->text));
        start = line->next;
    }
    const std::optional<bool> afterSunset = afterSunsetAt(bytes, start);
    Fields fields{plain[0], plain[1], plain[2], plain[3], afterSunset.value_or(false)};
    if (!afterSunset || !isListedNumber(fields.day, 1, LastListedDay) || !GregorianMonths::indexOf(fields.month)
        || !isListedNumber(fields.year, CoveredDays::FirstYear, CoveredDays::LastYear))
        return std::nullopt;
    return fields;
}

std::optional<Fields> readFile(const QString &path)
{
    QFile file;
    if (!openRegularFile(file, path))
        return std::nullopt;
    // Never more than the longest saved reading, and one byte to see that a file goes on after it: a huge
    // file costs no more than a saved reading.
    const qsizetype mostBytes =
        LineCount * (LongestLine + LineEnd.size()) + storedAfterSunset().size() + LineEnd.size();
    return parse(file.read(mostBytes + 1));
}

Written writeFile(const QString &path, const QByteArray &bytes)
{
    // Each step's cause is taken as soon as it fails, before the clean-up calls the system again.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return {false, errno};
    // A short write or a failed flush would still let commit() replace the old file with a truncated one
    // (seen with Qt 6.4 on a full disk), so both are checked and the write is cancelled first.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int cause = errno;
        file.cancelWriting();
        file.commit();
        return {false, cause};
    }
    errno = 0;
    if (!file.commit())
        return {false, errno};
    return {true, 0};
}

bool hasSavedReadingExtension(const QString &path) { return path.endsWith(Extension, Qt::CaseSensitive); }

}  // namespace SavedReading
