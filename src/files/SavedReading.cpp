#include "SavedReading.h"

#include "TextScrambling.h"
#include "Windows1252.h"
#include "weton/Calendar.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <array>

namespace SavedReading {
namespace {

constexpr int LineCount = 4;
// A scrambled line holds at most 32,767 single-byte characters, plus its CR LF.
constexpr qsizetype LongestLine = 32767;
constexpr qsizetype MostBytesRead = LineCount * (LongestLine + 2);
const QByteArray LineEnd = QByteArrayLiteral("\r\n");

QByteArray storedLine(const QString &plain)
{
    return Windows1252::encode(modHelp::ScrambleText(plain)) + LineEnd;
}

// Lines end at CR LF, a lone CR or a lone LF. Only the first four are taken; the last may lack its end.
std::optional<std::array<QByteArrayView, LineCount>> firstLines(QByteArrayView bytes)
{
    std::array<QByteArrayView, LineCount> lines;
    qsizetype start = 0;
    for (int line = 0; line < LineCount; ++line) {
        if (start >= bytes.size())
            return std::nullopt;  // fewer than four lines
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        if (end - start > LongestLine)
            return std::nullopt;
        lines[line] = bytes.sliced(start, end - start);
        start = end;
        if (start < bytes.size() && bytes[start] == '\r') {
            ++start;
            if (start < bytes.size() && bytes[start] == '\n')
                ++start;
        } else if (start < bytes.size()) {
            ++start;  // a lone LF
        }
    }
    return lines;
}

bool isListedDay(const QString &day)
{
    bool ok = false;
    const int value = day.toInt(&ok);
    return ok && value >= 1 && value <= 31 && QString::number(value) == day;
}

bool isListedYear(const QString &year)
{
    bool ok = false;
    const int value = year.toInt(&ok);
    return ok && value >= Calendar::FirstWeekdayYear && value <= Calendar::LastYear && QString::number(value) == year;
}

} // namespace

QByteArray compose(const CurrentReading &reading)
{
    return storedLine(reading.PersonName) + storedLine(QString::number(reading.BirthDay))
           + storedLine(reading.BirthMonth) + storedLine(QString::number(reading.BirthYear));
}

QString unstorableCharacters(const QString &name)
{
    QString left;
    for (QChar character : name) {
        const std::optional<uchar> code = Windows1252::fromUnicode(character);
        if ((!code || *code > 255 - 85) && !left.contains(character))
            left.append(character);
    }
    return left;
}

std::optional<Fields> parse(QByteArrayView bytes)
{
    const auto lines = firstLines(bytes);
    if (!lines)
        return std::nullopt;
    const auto plain = [&](int line) { return modHelp::UnscrambleText(Windows1252::decode((*lines)[line])); };
    Fields fields{plain(0), plain(1), plain(2), plain(3)};
    if (!isListedDay(fields.day) || !Calendar::monthIndex(fields.month) || !isListedYear(fields.year))
        return std::nullopt;
    return fields;
}

std::optional<Fields> readFile(const QString &path)
{
    // Only a regular file: a folder cannot be read, and opening a FIFO would wait for a writer.
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(MostBytesRead);
    return parse(bytes);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // A short write or a failed flush would still let commit() replace the old file with a truncated one
    // (seen with Qt 6.4 on a full disk), so both are checked and the write is cancelled first.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

bool hasSavedReadingExtension(const QString &path)
{
    return path.endsWith(QLatin1String("jav"), Qt::CaseSensitive);
}

} // namespace SavedReading
