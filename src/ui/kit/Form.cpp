// SPDX-License-Identifier: MIT
#include "Form.h"

#include "Controls.h"
#include "Look.h"
#include "ScreenPlacement.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <utility>

template <class Base>
Form<Base>::Form(const QString &caption, int clientWidthTwips, int clientHeightTwips, const QColor &background)
{
    dress(caption);
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

template <class Base>
Form<Base>::Form(const QString &caption, const QColor &background) : m_client(this)
{
    dress(caption);
    Controls::setBackground(this, background);
}

template <class Base>
void Form<Base>::dress(const QString &caption)
{
    this->setWindowTitle(caption);
    this->setWindowIcon(Look::programIcon());
    this->setFont(Look::verdana(8.25));
}

template <class Base>
QMenuBar *Form<Base>::menuBar()
{
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(this);
        m_menuBar->setNativeMenuBar(false);
        this->layout()->setMenuBar(m_menuBar);
    }
    return m_menuBar;
}

template <class Base>
void Form<Base>::nameForWindowManager()
{
    if (this->windowRole() != this->objectName())
        this->setWindowRole(this->objectName());
}

template <class Base>
void Form<Base>::centre()
{
    if (m_centred)
        return;
    m_centred = true;
    nameForWindowManager();
    this->adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        this->move(ScreenPlacement::centredTopLeft(this->frameGeometry().size(), screen->availableGeometry()));
}

template <class Base>
void Form<Base>::showInFront()
{
    nameForWindowManager();
    this->show();
    this->raise();
    this->activateWindow();
}

template <class Base>
void Form<Base>::finishClosing()
{
    if (std::exchange(m_closing, true))
        return;
    closeStep();
    announceClosed();
}

template <class Base>
void Form<Base>::keyPressEvent(QKeyEvent *event)
{
    // Return and keypad Enter press the button that has the focus, as Space does. No button is a default
    // button by accident, so in a text box or a list the keys do nothing, unless a dialog has a default
    // button by design. A held key presses once.
    const bool enter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
                       && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    auto *button = qobject_cast<QPushButton *>(this->focusWidget());
    if (!enter || !button || m_closing) {
        Base::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat() && button->isVisible() && button->isEnabled())
        button->click();
}

template class Form<QWidget>;
template class Form<QDialog>;
