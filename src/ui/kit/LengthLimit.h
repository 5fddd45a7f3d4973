// SPDX-License-Identifier: MIT
#pragma once

#include <QValidator>

class QLineEdit;

// Holds a one-line box to a number of UTF-16 units in place of the box's own maximum, which cuts a
// paste at a fixed unit and can leave half of an emoji behind. What was typed or pasted is cut at its
// end, between whole characters (Text::cutInsertion).
class LengthLimit final : public QValidator
{
    Q_OBJECT
public:
    LengthLimit(qsizetype limit, QObject *parent);

    State validate(QString &input, int &pos) const override;

    // The box must see a paste beyond the limit for the cut to fall between characters, so its own maximum
    // is raised above the limit.
    static void apply(QLineEdit *box, qsizetype limit);

private:
    qsizetype m_limit;
};
