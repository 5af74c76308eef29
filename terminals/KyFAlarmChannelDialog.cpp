#include "KyFAlarmChannelDialog.h"

#include <QTableWidget>

#include "BaseMessageDialog.h"
#include "KySsTask.h"
#include "KyTextUtil.h"
#include "KyTipsInfo.h"
#include "ui_fFAlarmChannelDialog.h"

namespace {
const int kNameIdLayout = 4;
}  // namespace

KyFAlarmChannelDialog::KyFAlarmChannelDialog(const std::list<KySsTask>* tasks, int taskId, const QString& name)
    : ui(new Ui::fFAlarmChannelDialog), m_tasks(tasks), m_taskId(taskId), m_name(name)
{
    ui->setupUi(this);
    setMouseTracking(true);
    setTitleBar(ui->iconLabel, ui->titleNameLabel, ui->dialogCloseBtn, "通道配置");

    m_picker.setSingleTable(ui->fChannelTb, kNameIdLayout);
    if (m_tasks) {
        KySelectTableCtrl::Batch batch(m_picker);
        for (const KySsTask& task : *m_tasks)
            m_picker.addRow(task.id == m_taskId ? Qt::Checked : Qt::Unchecked, task.name, task.id, std::string());
    }
    ui->fChannelNameLe->setText(m_name);

    connect(ui->fOkBtn, &QPushButton::clicked, this, &KyFAlarmChannelDialog::slot_ok_clicked);
    connect(ui->fCancelBtn, &QPushButton::clicked, this, &KyFAlarmChannelDialog::reject);
    connect(ui->dialogCloseBtn, &QPushButton::clicked, this, &KyFAlarmChannelDialog::close);
}

KyFAlarmChannelDialog::~KyFAlarmChannelDialog() = default;

void KyFAlarmChannelDialog::slot_ok_clicked()
{
    const QString name = ui->fChannelNameLe->text();
    if (kyHasListSeparator(name.toLocal8Bit().toStdString())) {
        BaseMessageDialog msg(KyTipsInfo::tips(), KyTipsInfo::illegalName(), 1);
        msg.exec();
        return;
    }
    m_name = name;
    m_taskId = 0;
    QTableWidget* table = ui->fChannelTb;
    for (int row = 0; row < table->rowCount(); ++row) {
        QTableWidgetItem* item = table->item(row, 0);
        if (item && item->checkState() == Qt::Checked) {
            m_taskId = item->data(Qt::UserRole).toInt();
            break;
        }
    }
    accept();
}
