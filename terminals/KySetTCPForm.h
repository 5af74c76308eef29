#pragma once

#include <list>
#include <memory>

#include "KyBaseDialog.h"
#include "KyTableUtil.h"
#include "KyTerminal.h"

namespace Ui {
class QtSetTCPForm;
}

// Firewall-mode dialog: one check box per play terminal (TCP through a
// firewall or UDP). OK collects copies of the terminals whose box differs
// from the loaded value; the dialog sends nothing.
class KySetTCPForm : public KyBaseDialog {
    Q_OBJECT
public:
    // kind 1: the play terminals (the only list offered).
    explicit KySetTCPForm(int kind);
    ~KySetTCPForm() override;

    // Filled by accept(), in row order.
    const std::list<KyTerminal>& changedTerminals() const { return m_changed; }

public slots:
    void setAlltoTcp();
    void setAlltoUdp();
    void accept() override;

private:
    void fillPlayTerminals();
    void setAllBoxes(bool checked);

    int m_kind = 0;
    std::unique_ptr<Ui::QtSetTCPForm> m_tcpForm;
    KyTableUtil m_tableUtil;
    std::list<KyTerminal> m_changed;
};
