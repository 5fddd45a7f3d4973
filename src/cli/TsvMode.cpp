#include "TsvMode.h"

#include "BufferedOutput.h"
#include "DateReading.h"
#include "IsoDate.h"
#include "LineReader.h"
#include "RefusedLines.h"
#include "TsvRows.h"

namespace WetonCli {
namespace {

constexpr QByteArrayView Utf8ByteOrderMark("\xEF\xBB\xBF");
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Spaces and tabs around a date are forgiven, and so is the byte-order mark some editors put first.
QByteArrayView dateText(QByteArrayView line, bool firstLine)
{
    if (firstLine && line.startsWith(Utf8ByteOrderMark))
        line = line.sliced(Utf8ByteOrderMark.size());
    while (!line.isEmpty() && isBlank(line.front()))
        line = line.sliced(1);
    while (!line.isEmpty() && isBlank(line.back()))
        line.chop(1);
    return line;
}

}  // namespace

int runTsv(QIODevice &in, QIODevice &out, QIODevice &err)
{
    LineReader reader(in);
    BufferedOutput output(out);
    TsvRows rows;
    RefusedLines refused(err);
    for (;;) {
        // The answers so far go out before the reader may wait for more input, so a pipeline gets each
        // one at once; a whole file is still written in large blocks, once for each block read. When
        // the answers cannot be written, reading more is of no use.
        if (reader.mustRead() && !output.flush())
            break;
        if (!reader.next())
            break;
        if (reader.tooLong()) {
            refused.add(reader.lineNumber(), [] {
                return QStringLiteral("longer than %1 bytes, not a date").arg(LineReader::MaxLineLength);
            });
            continue;
        }
        const QByteArrayView text = dateText(reader.text(), reader.lineNumber() == 1);
        const ParsedDate parsed = parseIsoDate(text);
        const std::optional<modJavaneseAstrology::Sign> sign = signOf(parsed.date);
        if (parsed.problem != DateProblem::None || !sign) {
            refused.add(reader.lineNumber(), [&] { return describeProblem(text, parsed.problem); });
            continue;
        }
        output.append(text);
        output.append('\t');
        output.append(rows.tailOf(*sign));
    }
    const bool written = output.flush();
    refused.finish();
    if (reader.readFailed())
        err.write("weton: cannot read standard input: " + in.errorString().toUtf8() + '\n');
    if (!written)
        err.write(output.failureMessage());
    return refused.none() && written && !reader.readFailed() ? 0 : 1;
}

}  // namespace WetonCli
