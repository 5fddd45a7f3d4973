// SPDX-License-Identifier: MIT
#include "JsonMode.h"

#include "BufferedOutput.h"
#include "DateLines.h"
#include "JsonRecords.h"

namespace WetonCli {
int runJson(const QList<Birth> &births, QIODevice &out, QIODevice &err)
{
    BufferedOutput output(out);
    JsonRecords records;
    for (const Birth &birth : births)
        records.append(output, birth.date.toString(Qt::ISODate).toLatin1(), birth.date, birth.afterSunset);
    if (output.flush())
        return 0;
    err.write(output.failureMessage());
    return 1;
}

int runJsonLines(QIODevice &in, QIODevice &out, QIODevice &err, bool afterSunset)
{
    JsonRecords records;
    return answerDateLines(in, out, err, [&](BufferedOutput &output, QByteArrayView text, QDate date) {
        records.append(output, text, date, afterSunset);
        return true;
    });
}

}  // namespace WetonCli
