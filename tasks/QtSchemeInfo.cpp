#include "QtSchemeInfo.h"

#include "BaseMessageDialog.h"
#include "KyQtViewCtrl.h"
#include "KySchemeDataMgr.h"
#include "KySchemeViewCtrl.h"
#include "KyTextUtil.h"
#include "KyTipsInfo.h"
#include "QtSchemePropertyDialog.h"
#include "ui_QtSchemeInfo.h"

namespace {
const char* const kCaptions[] = {QT_TRANSLATE_NOOP("QtSchemeInfo", "Play Task"),
                                 QT_TRANSLATE_NOOP("QtSchemeInfo", "Amp Task"),
                                 QT_TRANSLATE_NOOP("QtSchemeInfo", "Power Task"),
                                 QT_TRANSLATE_NOOP("QtSchemeInfo", "Volume Task")};
const int kDefaultScheme = 1;
}

QtSchemeInfo::QtSchemeInfo(QWidget* parent, int kind) : QWidget(parent), ui(new Ui::QtSchemeInfo), m_kind(kind)
{
    ui->setupUi(this);
    if (kind >= 0 && kind < KySchemeDataMgr::KIND_COUNT)
        ui->fCaptionLabel->setText(tr(kCaptions[kind]));
    ui->fCaptionLabel->hide();
    m_view.reset(new KySchemeViewCtrl(ui->fSchemeTableWidget));
    initConnections();
}

QtSchemeInfo::~QtSchemeInfo() = default;

QTableWidget* QtSchemeInfo::table() const
{
    return ui->fSchemeTableWidget;
}

void QtSchemeInfo::initConnections()
{
    KySchemeDataMgr* store = KySchemeDataMgr::instance();
    if (KyQtViewCtrl* ctrl = store->viewCtrl(m_kind)) {
        KyQtViewSignal* sig = ctrl->viewSignal();
        connect(sig, &KyQtViewSignal::haveTerminals, this, &QtSchemeInfo::showScheme);
        connect(sig, &KyQtViewSignal::addTerminal, this, &QtSchemeInfo::addScheme);
        connect(sig, &KyQtViewSignal::delTerminal, this, &QtSchemeInfo::deleteScheme);
        connect(sig, &KyQtViewSignal::updateTerminal, this, &QtSchemeInfo::updateScheme);
    }
    connect(ui->fAddSchemeBtn, &QPushButton::clicked, this, &QtSchemeInfo::addSchemeClicked);
    connect(ui->fDelSchemeBtn, &QPushButton::clicked, this, &QtSchemeInfo::delSchemeClicked);
    connect(ui->fEditSchemeBtn, &QPushButton::clicked, this, &QtSchemeInfo::editSchemeClicked);
    connect(ui->fEnableSchemeBtn, &QPushButton::clicked, this, &QtSchemeInfo::startOrStopSchemeClicked);
    connect(ui->fSchemeTableWidget, &QTableWidget::cellDoubleClicked, this, &QtSchemeInfo::editSchemeClicked);
    connect(ui->fSchemeTableWidget, &QTableWidget::cellClicked, this, &QtSchemeInfo::showTask);

    // Without a list the store asks the server, whose reply reaches
    // showScheme. A list already received is shown once the owner has
    // connected to showTaskInfo.
    if (store->lockSchemes(m_kind)) {
        store->unlock();
        QMetaObject::invokeMethod(this, "showScheme", Qt::QueuedConnection);
    }
}

void QtSchemeInfo::showScheme()
{
    KySchemeDataMgr* store = KySchemeDataMgr::instance();
    std::list<KyScheme>* list = store->lockSchemes(m_kind);
    if (!list || list->empty()) {
        if (list)
            store->unlock();
        emit showTaskInfo(-1);
        return;
    }
    m_view->showSchemes(*list);
    const int first = list->front().id;
    store->unlock();
    emit showTaskInfo(first);
    ui->fSchemeTableWidget->selectRow(0);
}

void QtSchemeInfo::addScheme(int id)
{
    KyScheme scheme;
    if (!KySchemeDataMgr::instance()->findScheme(id, m_kind, &scheme))
        return;
    // A push and the reply to our own add may both report the scheme.
    if (!m_view->updateScheme(scheme))
        m_view->appendScheme(scheme);
}

void QtSchemeInfo::updateScheme(int id)
{
    KyScheme scheme;
    if (KySchemeDataMgr::instance()->findScheme(id, m_kind, &scheme))
        m_view->updateScheme(scheme);
}

void QtSchemeInfo::deleteScheme(int id)
{
    m_view->removeScheme(id);
}

void QtSchemeInfo::showTask()
{
    emit showTaskInfo(m_view->currentId());
}

bool QtSchemeInfo::currentScheme(KyScheme& out)
{
    return KySchemeDataMgr::instance()->findScheme(m_view->currentId(), m_kind, &out);
}

void QtSchemeInfo::message(const char* text)
{
    BaseMessageDialog msg(KyTipsInfo::tips(), QString::fromUtf8(text), 1);
    msg.exec();
}

void QtSchemeInfo::addSchemeClicked()
{
    QtSchemePropertyDialog dlg(this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    KyScheme scheme;
    scheme.id = -1;
    scheme.kind = m_kind;
    scheme.enable = 1;
    scheme.name = dlg.schemeName();
    scheme.comment = dlg.schemeComment();
    if (KySchemeDataMgr::instance()->addScheme(scheme, m_kind) != 0)
        message("方案添加失败!");
}

void QtSchemeInfo::editSchemeClicked()
{
    KyScheme stored;
    if (!currentScheme(stored))
        return;
    QtSchemePropertyDialog dlg(this);
    dlg.setValues(localToQString(stored.name), localToQString(stored.comment));
    if (dlg.exec() != QDialog::Accepted)
        return;
    KyScheme changed = stored;
    changed.name = dlg.keptName(stored.name);
    changed.comment = dlg.keptComment(stored.comment);
    if (changed.name == stored.name && changed.comment == stored.comment)
        return;
    KySchemeDataMgr::instance()->modifyScheme(changed, m_kind);
}

void QtSchemeInfo::startOrStopSchemeClicked()
{
    KyScheme stored;
    if (currentScheme(stored))
        KySchemeDataMgr::instance()->enableScheme(stored, m_kind);
}

void QtSchemeInfo::delSchemeClicked()
{
    KyScheme stored;
    if (!currentScheme(stored))
        return;
    if (stored.id == kDefaultScheme) {
        message("默认方案不可以删除！");
        return;
    }
    BaseMessageDialog ask(KyTipsInfo::tips(), QString::fromUtf8("确认删除方案？"), 1);
    if (ask.exec() != 1)
        return;
    KySchemeDataMgr* store = KySchemeDataMgr::instance();
    const int id = stored.id;
    switch (store->deleteScheme(id, m_kind)) {
    case 0:
        store->onSchemeDeleted(id, m_kind);
        m_view->removeScheme(id);
        break;
    case 1:
        message("删除方案失败，如有任务请先删除!");
        break;
    case 3:
        message("等待超时!");
        break;
    default:
        break;
    }
}
