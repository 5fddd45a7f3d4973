// SPDX-License-Identifier: MIT
#include "JsonMode.h"

#include "BufferedOutput.h"
#include "DateLines.h"
#include "JsonRecords.h"

namespace WetonCli {
int runJson(const QList<QDate> &dates, QIODevice &out, QIODevice &err)
{
    BufferedOutput output(out);
    JsonRecords records;
    for (const QDate &date : dates)
        records.append(output, date.toString(Qt::ISODate).toLatin1(), date);
    if (output.flush())
        return 0;
    err.write(output.failureMessage());
    return 1;
}

int runJsonLines(QIODevice &in, QIODevice &out, QIODevice &err)
{
    JsonRecords records;
    return answerDateLines(in, out, err, [&records](BufferedOutput &output, QByteArrayView text, QDate date) {
        records.append(output, text, date);
        return true;
    });
}

}  // namespace WetonCli
