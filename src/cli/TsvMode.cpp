// SPDX-License-Identifier: MIT
#include "TsvMode.h"

#include "DateLines.h"
#include "DateReading.h"
#include "TsvRows.h"

namespace WetonCli {

int runTsv(QIODevice &in, QIODevice &out, QIODevice &err)
{
    TsvRows rows;
    return answerDateLines(in, out, err, [&rows](BufferedOutput &output, QByteArrayView text, QDate date) {
        const std::optional<modJavaneseAstrology::Sign> sign = signOf(date);
        if (!sign)
            return false;
        output.append(text);
        output.append('\t');
        output.append(rows.tailOf(*sign));
        return true;
    });
}

}  // namespace WetonCli
