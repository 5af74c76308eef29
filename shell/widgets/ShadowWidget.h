#pragma once

#include <QPainter>
#include <QPixmap>
#include <QWidget>

// Frameless, translucent window with a painted 6-pixel shadow around a white body.
template <class Base>
class ShadowWidget : public Base {
public:
    explicit ShadowWidget(QWidget* parent = nullptr) : Base(parent)
    {
        Base::setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint |
                             Qt::WindowMaximizeButtonHint);
        Base::setAttribute(Qt::WA_TranslucentBackground);
    }

    static constexpr int kShadow = 6;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        Q_UNUSED(event);
        const int s = kShadow;
        const int w = Base::width();
        const int h = Base::height();
        QPainter p(this);
        const QPixmap left(":/images/shadow/shadow-left");
        const QPixmap right(":/images/shadow/shadow-right");
        const QPixmap top(":/images/shadow/shadow-top");
        const QPixmap bottom(":/images/shadow/shadow-bottom");
        p.drawPixmap(0, 0, s, s, QPixmap(":/images/shadow/shadow-left-top"));
        p.drawPixmap(w - s, 0, s, s, QPixmap(":/images/shadow/shadow-right-top"));
        p.drawPixmap(0, h - s, s, s, QPixmap(":/images/shadow/shadow-left-bottom"));
        p.drawPixmap(w - s, h - s, s, s, QPixmap(":/images/shadow/shadow-right-bottom"));
        p.drawPixmap(0, s, left.scaled(s, h - 2 * s));
        p.drawPixmap(w - s, s, right.scaled(s, h - 2 * s));
        p.drawPixmap(s, 0, top.scaled(w - 2 * s, s));
        p.drawPixmap(s, h - s, bottom.scaled(w - 2 * s, s));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRect(QPoint(s, s), QPoint(w - s - 1, h - s - 1)));
    }
};
