#pragma once

#include "KyLogPageForm.h"

// Terminal log page: what terminals did.
class KyTermLogInfoForm : public KyLogPageForm {
    Q_OBJECT
public:
    explicit KyTermLogInfoForm(QWidget* parent = nullptr);

protected:
    void drawRow(int row, const KyLogEntry& entry) override;
};
