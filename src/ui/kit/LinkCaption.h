// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <functional>

// A caption that acts as a web link: underlined, our own pointer while the mouse is over it, and one
// click calls one page routine. Every window's links are of this class.
class LinkCaption : public QLabel
{
    Q_OBJECT
public:
    LinkCaption(const QString &caption, std::function<void()> onClick, QWidget *parent);

    static const QCursor &pointer();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};
