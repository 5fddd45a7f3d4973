// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

// A line that says why something the user asked for did not happen. Screen readers hear it when it
// comes up: it is an alert to them, it appears anew each time, and an alert event goes out with it.
// Its place stays while it is out of sight, so nothing around it moves.
class AlertLabel final : public QLabel
{
    Q_OBJECT
public:
    explicit AlertLabel(QWidget *parent);

    void announce(const QString &text);
    void withdraw();
};
