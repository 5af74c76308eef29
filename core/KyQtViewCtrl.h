#pragma once

#include <memory>

#include "KyQtViewSignal.h"

// View controller owned by a model store, one per watched list.
class KyQtViewCtrl {
public:
    KyQtViewCtrl();
    ~KyQtViewCtrl();

    KyQtViewSignal* viewSignal() const { return m_signal.get(); }

    void haveTerminals();
    void addTerminal(int id);
    void delTerminal(int id);
    void updateTerminal(int id);

private:
    std::unique_ptr<KyQtViewSignal> m_signal;
};

// A model object that owns a view controller (the capture list, ...).
class KyViewCtrlHolder {
public:
    virtual ~KyViewCtrlHolder() = default;
    virtual KyQtViewCtrl* viewCtrl() = 0;
};
