#pragma once

#include <list>
#include <map>
#include <memory>
#include <vector>

#include "KyBaseDialog.h"
#include "KyTermTbCtrl.h"
#include "KyTerminal.h"

namespace Ui {
class TerDefaultSetForm;
}

// Default volume, default power and "defaults specified" of every play
// terminal with a primary id; a subordinate stands grey below its master.
// OK collects a copy of every listed terminal; the dialog sends nothing.
class KyTerDefaultSetCtr : public KyBaseDialog, private KyTermTbCtrl {
    Q_OBJECT
public:
    KyTerDefaultSetCtr();
    ~KyTerDefaultSetCtr() override;

    void showTerminals();
    // Filled by accept(), in row order.
    const std::list<KyTerminal>& collectedTerminals() const { return m_collected; }

public slots:
    void tableSelected();
    void openAmpClicked();
    void closeAmpClicked();
    void volumnSpinChanged(int valumn);
    void accept() override;

private:
    QWidget* widget() override { return nullptr; }
    QTableWidget* table() override;
    void initColumns() override;
    int addTerminalRow(KyTerminal* term) override;
    static std::vector<const KyTerminal*> rowOrder(const std::list<KyTerminal>& list);
    void writeRow(int row, const KyTerminal& term);
    int masterRowBelow(int masterId);

    std::unique_ptr<Ui::TerDefaultSetForm> m_setForm;
    std::list<KyTerminal> m_collected;
    bool m_loading = false;
    std::map<int, QString> m_ampTexts;
};
