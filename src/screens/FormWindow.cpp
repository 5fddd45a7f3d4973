// SPDX-License-Identifier: MIT
#include "FormWindow.h"

#include "Accessibility.h"
#include "Controls.h"
#include "Look.h"
#include "ScreenPlacement.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

FormWindow::FormWindow(const QString &caption, int clientWidthTwips, int clientHeightTwips, const QColor &background)
{
    Accessibility::install();
    setWindowTitle(caption);
    setWindowIcon(Look::programIcon());
    setFont(Look::verdana(8.25));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);  // the window cannot be resized
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setFixedSize(Look::px(clientWidthTwips), Look::px(clientHeightTwips));
    Controls::setBackground(m_client, background);
    layout->addWidget(m_client);
}

QMenuBar *FormWindow::menuBar()
{
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(this);
        m_menuBar->setNativeMenuBar(false);
        layout()->setMenuBar(m_menuBar);
    }
    return m_menuBar;
}

void FormWindow::centre()
{
    if (m_centred)
        return;
    m_centred = true;
    // Read by the window manager when the window first appears: the desktop and its scripts can tell the
    // program's windows apart by name.
    setWindowRole(objectName());
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(ScreenPlacement::centredTopLeft(frameGeometry().size(), screen->availableGeometry()));
}

void FormWindow::showCentred()
{
    centre();
    show();
}

void FormWindow::showModal()
{
    centre();
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    connect(this, &FormWindow::closed, &loop, &QEventLoop::quit);
    show();
    loop.exec();
}

void FormWindow::keyPressEvent(QKeyEvent *event)
{
    // Return and keypad Enter press the button that has the focus, as Space does. No button becomes a
    // default button: in a text box or a list the keys still do nothing. A held key presses once.
    const bool enter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
                       && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    auto *button = qobject_cast<QPushButton *>(focusWidget());
    if (!enter || !button || m_closing) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat() && button->isVisible() && button->isEnabled())
        button->click();
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_closing)
        return;
    m_closing = true;
    closeStep();
    emit closed();
}
