// SPDX-License-Identifier: MIT
#include "LengthLimit.h"

#include "weton/Text.h"

#include <QLineEdit>

LengthLimit::LengthLimit(qsizetype limit, QObject *parent) : QValidator(parent), m_limit(limit) {}

QValidator::State LengthLimit::validate(QString &input, int &pos) const
{
    if (input.size() > m_limit) {
        Text::Cut cut = Text::cutInsertion(input, pos, m_limit);
        input = std::move(cut.text);
        pos = int(cut.cursor);
    }
    return Acceptable;
}

void LengthLimit::apply(QLineEdit *box, qsizetype limit)
{
    // The box itself still stops a paste a little beyond the limit: it keeps an undo step per character,
    // and a paste of megabytes would cost as many.
    box->setMaxLength(int(limit + Text::CutContext));
    box->setValidator(new LengthLimit(limit, box));
}
