#pragma once

#include <QObject>

class QAbstractButton;
class QSlider;

// Volume slider with two step buttons, shared by the pages that set a
// terminal's volume. sendVolume(v) is emitted when the value is to be sent:
// at a mouse release on the slider (keyboard and wheel changes send nothing),
// and 500 ms after the last release of a step button. A held button steps
// every 100 ms from its second repeat tick on; each release steps once more
// and restarts the 500 ms wait, each press cancels it.
class KyVolumeStepper : public QObject {
    Q_OBJECT
public:
    KyVolumeStepper(QSlider* slider, QAbstractButton* decButton, QAbstractButton* incButton,
                    QObject* parent = nullptr);

    // Range 0..100, the shared look, value 75.
    static void setupSlider(QSlider* slider);
    static QString sliderStyleSheet();

    // The last value the slider reported.
    int currentValue() const { return m_current; }
    bool timersIdle() const { return m_repeatTimer == -1 && m_sendTimer == -1; }

signals:
    void sendVolume(int volume);

public slots:
    void addVolumnPressed() { stepPressed(1); }
    void decVolumnPressed() { stepPressed(-1); }
    void addVolumnReleased() { stepReleased(); }
    void decVolumnReleased() { stepReleased(); }
    void doChangeVol();
    void slot_sliderChanged(int volume) { m_current = volume; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void stepPressed(int step);
    void stepReleased();
    void stopTimer(int& id);

    QSlider* m_slider;
    int m_current;
    int m_step = 1;
    bool m_skipFirstTick = false;
    int m_repeatTimer = -1;
    int m_sendTimer = -1;
};
