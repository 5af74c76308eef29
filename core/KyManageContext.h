#pragma once

class KyManageCenter;
class KyLevelList;
class KyCapList;
class KyCreateViewCtrMgr;
class KySchemeDataMgr;

// Process-wide context: ties the hub to the stores that start-up registers.
// The model objects are forward-declared here; start-up sets them.
class KyManageContext {
public:
    // Creates the context once; later calls return the same object.
    static KyManageContext* create(KyManageCenter* center);
    // Null until start-up has created it.
    static KyManageContext* instance();
    static void destroy();

    KyManageCenter* manageCenter() const { return m_center; }
    KyCreateViewCtrMgr* viewCtrlMgr() const { return m_viewMgr; }

    KyLevelList* levelList() const { return m_levelList; }
    void setLevelList(KyLevelList* list) { m_levelList = list; }
    KyCapList* capList() const { return m_capList; }
    void setCapList(KyCapList* list) { m_capList = list; }
    KySchemeDataMgr* schemeStore() const { return m_schemes; }
    void setSchemeStore(KySchemeDataMgr* store) { m_schemes = store; }

private:
    explicit KyManageContext(KyManageCenter* center);

    KyManageCenter* m_center;
    KyCreateViewCtrMgr* m_viewMgr;
    KyLevelList* m_levelList = nullptr;
    KyCapList* m_capList = nullptr;
    KySchemeDataMgr* m_schemes = nullptr;
};
