#pragma once

#include "KyBaseMgr.h"
#include "KyCommandRequest.h"

// Primary base of the terminal and task managers, with a request of its own.
class KyTermBaseManage : public KyBaseMgr {
public:
    using KyBaseMgr::KyBaseMgr;

    KyCommandRequest& request() { return m_request; }

protected:
    KyCommandRequest m_request;
};
