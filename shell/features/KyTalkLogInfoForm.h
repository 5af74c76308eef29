#pragma once

#include "KyLogPageForm.h"

// Talkback log page: talkback and broadcast calls.
class KyTalkLogInfoForm : public KyLogPageForm {
    Q_OBJECT
public:
    explicit KyTalkLogInfoForm(QWidget* parent = nullptr);

    // Translated text of a call type number; the number itself outside 0..4.
    static QString callTypeText(const std::string& type);

protected:
    void drawRow(int row, const KyLogEntry& entry) override;
};
