#include "KyQtViewCtrl.h"

KyQtViewCtrl::KyQtViewCtrl() : m_signal(new KyQtViewSignal) {}

KyQtViewCtrl::~KyQtViewCtrl() = default;

void KyQtViewCtrl::haveTerminals() { emit m_signal->haveTerminals(); }
void KyQtViewCtrl::addTerminal(int id) { emit m_signal->addTerminal(id); }
void KyQtViewCtrl::delTerminal(int id) { emit m_signal->delTerminal(id); }
void KyQtViewCtrl::updateTerminal(int id) { emit m_signal->updateTerminal(id); }
