#pragma once

#include <QWidget>
#include <memory>

#include "KyTerBaseCtr.h"

namespace Ui {
class fCommonTableForm;
}
struct KyCap;

// Capture-terminal list page: name, capture volume, quality, state and
// address; edits one terminal and deletes offline ones.
class KyCapInfoForm : public QWidget, public KyTerBaseCtr {
    Q_OBJECT
public:
    KyCapInfoForm();
    ~KyCapInfoForm() override;

    QWidget* widget() override { return this; }
    QTableWidget* table() override;
    void updateRow(int row, int id) override;
    void applyRowChange(int id) override;

    Ui::fCommonTableForm& form() { return *ui; }

    static QString qualityText(int samplerate);
    static QString stateText(int state);

public slots:
    void showCaps();
    void delCap(int id);
    void updateCap(int id);
    void capTableSelected();
    void slot_setNameClicked();
    void delClicked();
    void tcpModeClicked();

private:
    void setupPage();
    void connectSignals();
    void insertTopRow(const KyCap& cap);
    void writeCells(int row, const KyCap& cap);

    std::unique_ptr<Ui::fCommonTableForm> ui;
    std::map<int, QString> m_qualityTexts;
    std::map<int, QString> m_stateTexts;
};
