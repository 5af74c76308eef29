#pragma once

#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <type_traits>

#include "KyCompositing.h"

// Frameless window with a white body. Where the window system composites it
// is translucent, with a painted 6-pixel shadow in its form's outer margin;
// elsewhere it is opaque and that margin is taken off (no black frame).
template <class Base>
class ShadowWidget : public Base {
public:
    explicit ShadowWidget(QWidget* parent = nullptr) : Base(parent), m_shadow(KyCompositing::active() ? kShadow : 0)
    {
        Base::setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint |
                             Qt::WindowMaximizeButtonHint);
        if (m_shadow)
            Base::setAttribute(Qt::WA_TranslucentBackground);
    }

    static constexpr int kShadow = 6;

    // The shadow's width: kShadow, or 0 without compositing.
    int shadowMargin() const { return m_shadow; }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::Polish && !m_shadow)
            dropShadowMargin();
        return Base::event(event);
    }

    void paintEvent(QPaintEvent* event) override
    {
        Q_UNUSED(event);
        QPainter p(this);
        const int s = m_shadow;
        const int w = Base::width();
        const int h = Base::height();
        if (s) {
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
        }
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRect(QPoint(s, s), QPoint(w - s - 1, h - s - 1)));
    }

private:
    // The form's outer layout keeps kShadow pixels on each side for the
    // shadow: without one they go.
    void dropShadowMargin()
    {
        QLayout* outer = Base::layout();
        if constexpr (std::is_base_of<QMainWindow, Base>::value)
            outer = Base::centralWidget() ? Base::centralWidget()->layout() : nullptr;
        if (!outer)
            return;
        const QMargins m = outer->contentsMargins();
        auto less = [](int margin) { return qMax(0, margin - kShadow); };
        outer->setContentsMargins(less(m.left()), less(m.top()), less(m.right()), less(m.bottom()));
    }

    const int m_shadow;
};
