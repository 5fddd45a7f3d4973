// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QWidget>

class QMenuBar;

// A top-level window of the program: a fixed client area designed in twips, an optional menu bar
// above it, and a close step that runs however the window is closed. After its close step the window
// announces closed(), and the window set discards it.
class FormWindow : public QWidget
{
    Q_OBJECT
public:
    FormWindow(const QString &caption, int clientWidthTwips, int clientHeightTwips, const QColor &background);

    QWidget *client() const { return m_client; }
    QMenuBar *menuBar();

    // Modeless, centred on the screen the first time it is shown.
    void showCentred();
    // Application-modal: returns when the window has been closed.
    void showModal();

    bool isClosing() const { return m_closing; }

signals:
    void closed();

protected:
    virtual void closeStep() {}
    void closeEvent(QCloseEvent *event) override;
    // Return and keypad Enter press the focused button, in every window.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void centre();

    QWidget *m_client = nullptr;
    QMenuBar *m_menuBar = nullptr;
    bool m_centred = false;
    bool m_closing = false;
};
