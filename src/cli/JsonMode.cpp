#include "JsonMode.h"

#include "BufferedOutput.h"
#include "DateLineText.h"
#include "IsoDate.h"
#include "JsonRecords.h"
#include "LineReader.h"

namespace WetonCli {
namespace {

int finish(BufferedOutput &output, QIODevice &out, QIODevice &err, bool complete)
{
    if (output.flush())
        return complete ? 0 : 1;
    err.write("weton: cannot write the output: " + out.errorString().toUtf8() + '\n');
    return 1;
}

}  // namespace

int runJson(const QList<QDate> &dates, QIODevice &out, QIODevice &err)
{
    BufferedOutput output(out);
    JsonRecords records;
    for (const QDate &date : dates)
        records.append(output, date.toString(Qt::ISODate).toLatin1(), date);
    return finish(output, out, err, true);
}

int runJsonLines(QIODevice &in, QIODevice &out, QIODevice &err)
{
    LineReader reader(in);
    BufferedOutput output(out);
    JsonRecords records;
    bool allDates = true;
    while (reader.next()) {
        const QByteArrayView text = dateLineText(reader.text(), reader.lineNumber() == 1);
        const ParsedDate parsed = reader.tooLong() ? ParsedDate{} : parseIsoDate(text);
        if (parsed.problem != DateProblem::None) {
            const QString problem =
                reader.tooLong() ? QStringLiteral("longer than %1 bytes, not a date").arg(LineReader::MaxLineLength)
                                 : describeProblem(text, parsed.problem);
            err.write(QStringLiteral("weton: line %1: %2\n").arg(reader.lineNumber()).arg(problem).toUtf8());
            allDates = false;
            continue;
        }
        records.append(output, text, parsed.date);
    }
    if (reader.readFailed())
        err.write("weton: cannot read standard input: " + in.errorString().toUtf8() + '\n');
    return finish(output, out, err, allDates && !reader.readFailed());
}

}  // namespace WetonCli
