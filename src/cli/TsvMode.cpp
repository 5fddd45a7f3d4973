#include "TsvMode.h"

#include "BufferedOutput.h"
#include "DateLineText.h"
#include "DateReading.h"
#include "IsoDate.h"
#include "LineReader.h"
#include "TsvRows.h"

namespace WetonCli {
namespace {

void reportLine(QIODevice &err, qint64 number, const QString &problem)
{
    err.write(QStringLiteral("weton: line %1: %2\n").arg(number).arg(problem).toUtf8());
}

}  // namespace

int runTsv(QIODevice &in, QIODevice &out, QIODevice &err)
{
    LineReader reader(in);
    BufferedOutput output(out);
    TsvRows rows;
    bool allDates = true;
    while (reader.next()) {
        if (reader.tooLong()) {
            reportLine(err, reader.lineNumber(),
                       QStringLiteral("longer than %1 bytes, not a date").arg(LineReader::MaxLineLength));
            allDates = false;
            continue;
        }
        const QByteArrayView text = dateLineText(reader.text(), reader.lineNumber() == 1);
        const ParsedDate parsed = parseIsoDate(text);
        const std::optional<modJavaneseAstrology::Sign> sign = signOf(parsed.date);
        if (parsed.problem != DateProblem::None || !sign) {
            reportLine(err, reader.lineNumber(), describeProblem(text, parsed.problem));
            allDates = false;
            continue;
        }
        output.append(text);
        output.append('\t');
        output.append(rows.tailOf(*sign));
    }
    const bool written = output.flush();
    if (reader.readFailed())
        err.write("weton: cannot read standard input: " + in.errorString().toUtf8() + '\n');
    if (!written)
        err.write("weton: cannot write the output: " + out.errorString().toUtf8() + '\n');
    return allDates && written && !reader.readFailed() ? 0 : 1;
}

}  // namespace WetonCli
