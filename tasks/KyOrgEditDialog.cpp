#include "KyOrgEditDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTableWidget>

#include "KyKeptValue.h"
#include "KyOrgPageUtil.h"
#include "KyTableBatch.h"
#include "KyTableUtil.h"
#include "KyTextUtil.h"
#include "KyTipsInfo.h"

void KyOrgEditDialog::setupEditor(const KyOrgEditWidgets& form, QStringList headers, bool isNew,
                                  const char* newTitle, const char* editTitle, const std::string& name)
{
    m_form = form;
    form.icon->setPixmap(QPixmap(":/images/edit20x20.png"));
    setWindowIcon(QIcon(":/images/edit20x20.png"));
    form.close->setFixedSize(23, 25);
    form.name->setMaxLength(32);

    headers.prepend(makeColumnKeyName());
    form.members->setColumnCount(headers.size());
    form.members->setHorizontalHeaderLabels(headers);
    setupTableWidget(form.members);

    const QString title = text(isNew ? newTitle : editTitle);
    setWindowTitle(title);
    form.title->setText(title);
    if (!isNew)
        form.name->setText(localToQString(name));
    m_shownName = form.name->text().toLocal8Bit().toStdString();

    connect(form.selectAll, &QCheckBox::stateChanged, this, &KyOrgEditDialog::slot_stateChanged);
    connect(form.ok, &QPushButton::clicked, this, &KyOrgEditDialog::slot_ok_clicked);
    connect(form.cancel, &QPushButton::clicked, this, &KyOrgEditDialog::reject);
    connect(form.close, &QPushButton::clicked, this, &KyOrgEditDialog::close);
}

std::string KyOrgEditDialog::keptName(const std::string& stored, const std::string& entered) const
{
    return kyKeptValue(stored, m_shownName, entered);
}

QString KyOrgEditDialog::text(const char* source) const
{
    return QCoreApplication::translate(metaObject()->className(), source);
}

void KyOrgEditDialog::appendMemberRow(KyTableBatch& rows, const QStringList& cells, int id, bool checked)
{
    const int row = rows.appendRow();
    for (int c = 0; c < cells.size(); ++c)
        rows.setItem(row, c,
                     c == 0 ? KyTableUtil::checkableItem(cells[c], checked ? Qt::Checked : Qt::Unchecked, id)
                            : new QTableWidgetItem(cells[c]));
}

std::vector<std::pair<int, QString>> KyOrgEditDialog::checkedRows() const
{
    std::vector<std::pair<int, QString>> rows;
    QTableWidget* table = m_form.members;
    for (int row = 0; row < table->rowCount(); ++row) {
        QTableWidgetItem* item = table->item(row, 0);
        if (item && item->checkState() == Qt::Checked)
            rows.emplace_back(item->data(Qt::UserRole).toInt(), item->text());
    }
    return rows;
}

void KyOrgEditDialog::slot_stateChanged(int state)
{
    QTableWidget* table = m_form.members;
    for (int row = 0; row < table->rowCount(); ++row) {
        if (QTableWidgetItem* item = table->item(row, 0))
            item->setCheckState(static_cast<Qt::CheckState>(state));
    }
}

void KyOrgEditDialog::slot_ok_clicked()
{
    const QString name = m_form.name->text();
    if (name.isEmpty()) {
        kyShowTips(text("The name cannot be empty!"));
        return;
    }
    store(name.toLocal8Bit().toStdString());
    accept();
}
