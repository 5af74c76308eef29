// The page's dialog buttons (hidden on this page): TCP/UDP mode and default setting.
#include "KyPlayerInfoForm.h"

#include "KyManageContext.h"
#include "KyPlayTermListMgr.h"
#include "KySetTCPForm.h"
#include "KyTerDefaultSetCtr.h"

namespace {

// Hands each collected copy to the list manager, in row order; the results
// are not examined.
void setTerminals(const std::list<KyTerminal>& terms)
{
    KyPlayTermListMgr* mgr = KyPlayTermListMgr::instance();
    for (const KyTerminal& term : terms) {
        KyTerminal copy = term;
        KyManageContext* context = KyManageContext::instance();
        mgr->setTerminal(context ? context->manageCenter() : nullptr, &copy);
    }
}

}  // namespace

void KyPlayerInfoForm::tcpModeClicked()
{
    KySetTCPForm dialog(1);
    if (dialog.exec() != 0)
        setTerminals(dialog.changedTerminals());
}

void KyPlayerInfoForm::defaultSetClicked()
{
    KyTerDefaultSetCtr dialog;
    dialog.showTerminals();
    if (dialog.exec() != 0)
        setTerminals(dialog.collectedTerminals());
}
