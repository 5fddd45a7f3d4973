#include "FormWindow.h"

#include "Accessibility.h"
#include "Controls.h"
#include "Look.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPointer>
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
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
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

void FormWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_closing)
        return;
    m_closing = true;
    closeStep();
    emit closed();
}
