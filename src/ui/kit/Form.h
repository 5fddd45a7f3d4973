// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QDialog>
#include <QWidget>

class QMenuBar;

// What every window of the program has, whether a plain window or a dialog (Base is QWidget or QDialog):
// the caption, icon and font, a fixed client area designed in twips, a menu bar when asked for, a place
// in the middle of the screen, and Return pressing the focused button.
template <class Base>
class Form : public Base
{
public:
    Form(const QString &caption, int clientWidthTwips, int clientHeightTwips, const QColor &background);

    QWidget *client() const { return m_client; }
    QMenuBar *menuBar();

    bool isClosing() const { return m_closing; }

protected:
    // Centred on the screen the first time it is shown.
    void centre();
    // True once only, for the close that starts now.
    bool startClosing();

    // Return and keypad Enter press the focused button.
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *m_client = nullptr;
    QMenuBar *m_menuBar = nullptr;
    bool m_centred = false;
    bool m_closing = false;
};

extern template class Form<QWidget>;
extern template class Form<QDialog>;
