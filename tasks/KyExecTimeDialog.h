#pragma once

#include <QDialog>
#include <QTime>
#include <memory>

#include "KyShadowDialog.h"

struct KyExecTime;
namespace Ui {
class fExectTimeDialog;
}

// Enters or changes one execution time: a label and a time of day.
class KyExecTimeDialog : public KyShadowDialog {
    Q_OBJECT
public:
    // now: the clock, read once by the caller; the time field starts three
    // minutes later, on a whole minute.
    explicit KyExecTimeDialog(const QTime& now = QTime::currentTime());
    ~KyExecTimeDialog() override;

    void setExecTime(const KyExecTime& t);
    // An empty name keeps t's label; the label is cut to 31 bytes.
    void getExecTime(KyExecTime* t) const;

    Ui::fExectTimeDialog& form() { return *ui; }

public slots:
    // Refuses a label holding an entry or list separator of the stored text.
    void accept() override;

private:
    std::unique_ptr<Ui::fExectTimeDialog> ui;
};
