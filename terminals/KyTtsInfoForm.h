#pragma once

#include <QWidget>

// TTS terminal page (staged: an empty page until its screen is built).
class KyTtsInfoForm : public QWidget {
    Q_OBJECT
public:
    KyTtsInfoForm();
};
