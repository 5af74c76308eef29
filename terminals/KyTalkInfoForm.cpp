#include "KyTalkInfoForm.h"

#include <QCoreApplication>
#include <QTableWidget>

#include "BaseMessageDialog.h"
#include "KyMic.h"
#include "KyTipsInfo.h"

namespace {
const char* const kStates[] = {
    QT_TRANSLATE_NOOP("KyTalkInfoForm", "Login Out"),
    QT_TRANSLATE_NOOP("KyTalkInfoForm", "Idle"),
    QT_TRANSLATE_NOOP("KyTalkInfoForm", "Sound Source Broadcast"),
    QT_TRANSLATE_NOOP("KyTalkInfoForm", "Mic Broadcast"),
    QT_TRANSLATE_NOOP("KyTalkInfoForm", "Ring By Call"),
    QT_TRANSLATE_NOOP("KyTalkInfoForm", "Talking"),
    QT_TRANSLATE_NOOP("KyTalkInfoForm", "Monitor"),
    QT_TRANSLATE_NOOP("KyTalkInfoForm", "EmergencyBroadcast"),
};
const int kEmergencyState = 7;
}  // namespace

KyTalkInfoForm::KyTalkInfoForm(QWidget* parent) : QWidget(parent) {}

QString KyTalkInfoForm::pageText(const char* source) const
{
    // Sources are static texts: translated once, shared by the rows.
    auto it = m_texts.find(source);
    if (it == m_texts.end())
        it = m_texts.emplace(source, QCoreApplication::translate(metaObject()->className(), source)).first;
    return it->second;
}

QByteArray KyTalkInfoForm::cellText(const char* source) const
{
    return pageText(source).toLocal8Bit();
}

const char* KyTalkInfoForm::stateSource(int state) const
{
    return kStates[state < 0 || state > kEmergencyState ? 0 : state];
}

void KyTalkInfoForm::colourState(QTableWidgetItem* item, int state) const
{
    static const QBrush red(QColor(255, 0, 0));
    static const QBrush black(QColor(0, 0, 0));
    item->setForeground(state == kEmergencyState ? red : black);
}

void KyTalkInfoForm::setStateCell(int row, int column, int state)
{
    colourState(setCellText(pageText(stateSource(state)), row, column, 0), state);
}

void KyTalkInfoForm::addRow(const KyMic& mic)
{
    table()->insertRow(0);
    writeRow(0, mic);
}

void KyTalkInfoForm::showRows(const std::list<KyMic>& list)
{
    fillTopDown(list, [this](int row, const KyMic& mic) { writeRow(row, mic); });
}

void KyTalkInfoForm::applyRowChange(int id)
{
    KyMic mic;
    if (!copyRecord(id, mic))
        return;
    const int row = findRowById(id);
    if (row < 0)
        addRow(mic);
    else
        updateRow(row, id);
}

bool KyTalkInfoForm::copyCurrent(KyMic& out)
{
    const int id = cellInt(table()->currentRow(), 0);
    return id != -1 && copyRecord(id, out);
}

void KyTalkInfoForm::deleteSelected()
{
    const QList<QTableWidgetItem*> items = table()->selectedItems();
    if (items.isEmpty())
        return;
    BaseMessageDialog ask(KyTipsInfo::tips(), KyTipsInfo::deleteCurrentRecord(), 1);
    if (ask.exec() != 1)
        return;
    // Ids first: a message box runs the event loop, and a removed row takes its items along.
    QList<int> ids;
    for (int i = items.size() - 1; i >= 0; --i) {
        if (items.at(i)->column() == 0)
            ids << items.at(i)->data(Qt::UserRole).toInt();
    }
    for (int id : ids) {
        KyMic mic;
        if (!copyRecord(id, mic))
            continue;
        if (!isOffline(mic.state)) {
            BaseMessageDialog msg(KyTipsInfo::tips(), KyTipsInfo::terminalMustBeOffline(), 1);
            msg.exec();
        } else if (removeRecord(mic) != 0) {
            showError(QT_TRANSLATE_NOOP("KyTalkInfoForm", "Delete Error!"));
        }
    }
}

void KyTalkInfoForm::showError(const char* source) const
{
    BaseMessageDialog msg(KyTipsInfo::tips(), pageText(source), 1);
    msg.exec();
}
