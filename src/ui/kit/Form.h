// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QDialog>
#include <QWidget>

class QMenuBar;

// What every window of the program has, whether a plain window or a dialog (Base is QWidget or QDialog):
// the caption, icon and font, its ground, a menu bar when asked for, Return pressing the focused button,
// and one way to say it closed: its close step, then closed(), once, however it closed.
// A window is either designed in twips on a client area of fixed size (the reading's windows, the about
// box, the companion screen) or lays itself out and may be resized (the look-up windows).
template <class Base>
class Form : public Base
{
public:
    // Designed in twips: the client area has this fixed size, and the window cannot be resized.
    Form(const QString &caption, int clientWidthTwips, int clientHeightTwips, const QColor &background);
    // Laid out by the window itself: its layout goes on the window, which is then its own client area.
    Form(const QString &caption, const QColor &background);

    QWidget *client() const { return m_client; }
    QMenuBar *menuBar();

    bool isClosing() const { return m_closing; }

protected:
    // Centred on the screen the first time it is shown.
    void centre();
    // Shown modeless beside the other windows, brought to the front and given the focus.
    void showInFront();
    // The close that starts now: the close step runs and closed() is announced, the first time only.
    void finishClosing();
    // What the window does as it closes, before it announces it.
    virtual void closeStep() {}
    virtual void announceClosed() = 0;

    // Return and keypad Enter press the focused button.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void dress(const QString &caption);
    // Read by the window manager when the window first appears: the desktop and its scripts can tell the
    // program's windows apart by name.
    void nameForWindowManager();

    QWidget *m_client = nullptr;
    QMenuBar *m_menuBar = nullptr;
    bool m_centred = false;
    bool m_closing = false;
};

extern template class Form<QWidget>;
extern template class Form<QDialog>;
