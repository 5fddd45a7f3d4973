// SPDX-License-Identifier: MIT
#include "DateLines.h"

#include "DateLineText.h"
#include "IsoDate.h"
#include "LineReader.h"
#include "RefusedLines.h"

#include <QCoreApplication>

namespace WetonCli {

int answerDateLines(QIODevice &in, QIODevice &out, QIODevice &err, const DateLineAnswer &answer)
{
    LineReader reader(in);
    BufferedOutput output(out);
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
                return QCoreApplication::translate("WetonCli", "longer than %1 bytes, not a date")
                    .arg(LineReader::MaxLineLength);
            });
            continue;
        }
        const QByteArrayView text = dateLineText(reader.text(), reader.lineNumber() == 1);
        const ParsedDate parsed = parseIsoDate(text);
        if (parsed.problem != DateProblem::None || !answer(output, text, parsed.date))
            refused.add(reader.lineNumber(), [&] { return describeProblem(text, parsed.problem); });
    }
    const bool written = output.flush();
    refused.finish();
    if (reader.readFailed())
        err.write(
            (QCoreApplication::translate("WetonCli", "weton: cannot read standard input: %1").arg(in.errorString())
             + QLatin1Char('\n'))
                .toUtf8());
    if (!written)
        err.write(output.failureMessage());
    return refused.none() && written && !reader.readFailed() ? 0 : 1;
}

}  // namespace WetonCli
