#include "KyTaskEditCommon.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimeEdit>
#include <cstdlib>

#include "BaseMessageDialog.h"
#include "KyCFtpClient.h"
#include "KyCapList.h"
#include "KyFtpMng.h"
#include "KyKeptValue.h"
#include "KyListLock.h"
#include "KySsTask.h"
#include "KyTableBatch.h"
#include "KyTableUtil.h"
#include "KyTaskMediaListViewCtrl.h"
#include "KyTaskVocabulary.h"
#include "KyTextUtil.h"
#include "KyTipsInfo.h"

namespace {
const int kNewTaskVolume = 75;
const int kDurationId = 1;
const int kCountId = 2;
const QTime kMidnight(0, 0);
const QTime kOneMinute(0, 1);

int secondsOf(const QTime& t)
{
    return t.hour() * 3600 + t.minute() * 60 + t.second();
}
}  // namespace

KyTaskEditCommon::KyTaskEditCommon(const KyTaskEditWidgets& widgets, KySsTask* task, QWidget* owner)
    : w(widgets), m_task(task), m_playModeGroup(new QButtonGroup(owner))
{
}

KyTaskEditCommon::~KyTaskEditCommon() = default;

bool KyTaskEditCommon::isNew() const
{
    return m_task->id == 0;
}

void KyTaskEditCommon::openVolume()
{
    const int volume = isNew() ? kNewTaskVolume : m_task->playVol;
    w.volume->setRange(0, 100);
    w.volumeSlider->setRange(0, 100);
    w.volume->setValue(volume);
    w.volumeSlider->setValue(volume);
    m_shownName = w.name->text().toUtf8().toStdString();
    m_shownVolume = w.volume->value();
}

void KyTaskEditCommon::openPlayMode()
{
    m_playModeGroup->setExclusive(true);
    m_playModeGroup->addButton(w.playTimeBox, kDurationId);
    m_playModeGroup->addButton(w.playCountBox, kCountId);
    w.playCount->setValidator(new QIntValidator(0, 9999, w.playCount));
    w.playCount->setEnabled(false);
    w.playTime->setDisplayFormat("hh:mm:ss");
    w.playTime->setEnabled(false);

    if (isNew()) {
        w.playCountBox->setChecked(true);
        w.playCount->setText("1");
        w.playCount->setEnabled(true);
        w.playTimeBox->setChecked(false);
        w.playTime->setTime(kOneMinute);
    } else if (m_task->playTimes == 0) {
        const int d = m_task->duration;
        const QTime shown(d / 3600, (d / 60) % 60, d % 60);
        if (shown.isValid())   // 24 hours or more cannot be shown
            w.playTime->setTime(shown);
        w.playTimeBox->setChecked(true);
        w.playTime->setEnabled(true);
        m_shownDuration = secondsOf(w.playTime->time());
    } else {
        w.playCountBox->setChecked(true);
        w.playCount->setText(QString::number(m_task->playTimes));
        w.playCount->setEnabled(true);
    }
}

void KyTaskEditCommon::openContent(const QStringList& capHeaders, bool sizeColumnToContents)
{
    for (int type = KY_BROADCAST_FILES; type <= KY_BROADCAST_TTS; ++type)
        w.type->addItem(broadcastTypeText(type), type);
    const int current = w.type->findData(m_task->sourceType);
    if (current >= 0)
        w.type->setCurrentIndex(current);

    m_playList.clear();
    m_storedFiles.clear();
    if (m_task->sourceType == KY_BROADCAST_FILES)
        splitToStrings(m_task->sourceContent, &m_storedFiles, TaskFileListSeparator);
    m_mediaTableCtrl.setTable(w.mediaTable, 2);
    m_playTableCtrl.setTable(w.playTable, 1);
    openMediaBrowser(sizeColumnToContents);
    fillCapTable(capHeaders);
    if (m_task->sourceType > 0)
        w.pages->setCurrentIndex(m_task->sourceType - 1);
    showStoredContent();
    if (isNew())
        showTtsCounter();
    const int storedType = m_task->sourceType;
    m_storedContent = m_task->sourceContent;
    if (readEnteredContent() == ContentOk)
        m_shownContent = m_task->sourceContent;
    m_shownType = m_task->sourceType;
    m_task->sourceType = storedType;
    m_task->sourceContent = m_storedContent;
}

void KyTaskEditCommon::openMediaBrowser(bool sizeColumnToContents)
{
    if (!m_mediaBrowser)
        m_mediaBrowser.reset(new KyTaskMediaListViewCtrl(w.mediaTable));
    if (KyCFtpClient* client = KyFtpMng::instance()->ftpClient())
        client->taskMediaListener = m_mediaBrowser.get();
    // The name column widens to its names; the last column stretches.
    QHeaderView* header = w.mediaTable->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    if (sizeColumnToContents && w.mediaTable->columnCount() > 1)
        header->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_mediaBrowser->refreshCurrentDir();
}

void KyTaskEditCommon::fillCapTable(const QStringList& headers)
{
    QTableWidget* table = w.capTable;
    table->setColumnCount(headers.size());
    table->setHorizontalHeaderLabels(headers);
    setupTableWidget(table);
    table->setSelectionMode(QAbstractItemView::SingleSelection);

    KyCapList* caps = KyCapList::instance();
    if (!KyListLock(caps))
        caps->init();
    KyListLock list(caps);
    if (!list)
        return;
    KyTableBatch rows(table);
    for (const KyCap& cap : *list) {
        const int row = rows.appendRow();
        rows.setItem(row, 0, KyTableUtil::checkableItem(localToQString(cap.name), Qt::Unchecked, cap.id));
        rows.setItem(row, 1, new QTableWidgetItem(QString::number(cap.id)));
        rows.setItem(row, 2, new QTableWidgetItem(localToQString(cap.ip)));
    }
}

void KyTaskEditCommon::showStoredContent()
{
    switch (m_task->sourceType) {
    case KY_BROADCAST_FILES:
        for (const std::string& piece : m_storedFiles)
            appendPlayEntry(localToQString(piece), localToQString(fileNameOfPath(piece)));
        break;
    case KY_BROADCAST_CAP: {
        const int id = std::atoi(m_task->sourceContent.c_str());
        for (int row = 0; row < w.capTable->rowCount(); ++row) {
            QTableWidgetItem* item = w.capTable->item(row, 0);
            if (item && item->data(Qt::UserRole).toInt() == id) {
                item->setCheckState(Qt::Checked);
                m_chosenCapRow = row;
                w.capTable->selectRow(row);
                break;
            }
        }
        break;
    }
    case KY_BROADCAST_TTS:
        w.tts->setPlainText(localToQString(m_task->sourceContent));
        showTtsCounter();
        break;
    default:
        break;
    }
}

void KyTaskEditCommon::appendPlayEntry(const QString& path, const QString& fileName)
{
    KyMediaFile_t entry;
    entry.path = path;
    entry.fileName = fileName;
    m_playList.append(entry);
    m_playTableCtrl.addMediaName(fileName.toLocal8Bit().toStdString());
}

void KyTaskEditCommon::showTtsCounter()
{
    const int left = std::max(0, kTtsLimit - w.tts->toPlainText().length());
    w.ttsCounter->setText(QString("%1/%2").arg(left).arg(kTtsLimit));
}

void KyTaskEditCommon::refuse(const QString& text)
{
    BaseMessageDialog msg(KyTipsInfo::tips(), text, 1);
    msg.exec();
}

void KyTaskEditCommon::playTimeToggled()
{
    w.playTime->setEnabled(w.playTimeBox->isChecked());
    if (w.playTime->time() == kMidnight)
        w.playTime->setTime(kOneMinute);
}

void KyTaskEditCommon::playCountToggled()
{
    w.playCount->setEnabled(w.playCountBox->isChecked());
    if (w.playCount->text().toInt() == 0)
        w.playCount->setText("1");
}

void KyTaskEditCommon::capItemClicked(QTableWidgetItem* item)
{
    if (!item)
        return;
    QTableWidget* table = w.capTable;
    if (m_chosenCapRow >= 0 && table->item(m_chosenCapRow, 0))
        table->item(m_chosenCapRow, 0)->setCheckState(Qt::Unchecked);
    m_chosenCapRow = item->row();
    if (QTableWidgetItem* first = table->item(m_chosenCapRow, 0))
        first->setCheckState(Qt::Checked);
}

void KyTaskEditCommon::capCellChanged(int row, int column)
{
    QTableWidgetItem* item = w.capTable->item(row, column);
    if (item && item->checkState() == Qt::Checked)
        w.capTable->selectRow(row);
}

void KyTaskEditCommon::addSelectedFiles()
{
    if (!m_mediaBrowser)
        return;
    for (QTableWidgetItem* item : w.mediaTable->selectedItems()) {
        if (item->column() != 0 || !m_mediaBrowser->hasSizeItem(item->row()))
            continue;
        appendPlayEntry(m_mediaBrowser->absolutePath(item->text()), item->text());
    }
}

void KyTaskEditCommon::removePlayRow(int row)
{
    if (row < 0 || row >= w.playTable->rowCount())
        return;
    if (row < m_playList.size())
        m_playList.removeAt(row);
    w.playTable->removeRow(row);
}

void KyTaskEditCommon::removeSelectedPlayRows()
{
    QList<int> rows;
    for (QTableWidgetItem* item : w.playTable->selectedItems()) {
        if (item->column() == 0 && !rows.contains(item->row()))
            rows.append(item->row());
    }
    std::sort(rows.begin(), rows.end(), std::greater<int>());   // highest first: lower rows keep their index
    for (int row : rows)
        removePlayRow(row);
}

void KyTaskEditCommon::moveCurrentPlayRow(int step)
{
    const int row = w.playTable->currentRow();
    const int other = row + step;
    if (row < 0 || other < 0 || other >= w.playTable->rowCount() || other >= m_playList.size())
        return;
    m_playList.swapItemsAt(row, other);
    swapTableRows(w.playTable, other, row, w.playTable->columnCount());
}

void KyTaskEditCommon::limitTtsText()
{
    QString text = w.tts->toPlainText();
    if (text.length() > kTtsLimit) {
        const int surplus = text.length() - kTtsLimit;
        const int cursor = w.tts->textCursor().position();
        int keep = cursor - surplus;
        if (keep >= 0) {
            text.remove(keep, surplus);
        } else {   // the cursor stands too near the start: keep the first characters
            text.truncate(kTtsLimit);
            keep = std::min(cursor, kTtsLimit);
        }
        {
            const QSignalBlocker blocker(w.tts);
            w.tts->setPlainText(text);
        }
        QTextCursor c = w.tts->textCursor();
        c.setPosition(keep);
        w.tts->setTextCursor(c);
    }
    showTtsCounter();
}

bool KyTaskEditCommon::readNameAndVolume()
{
    const QString name = w.name->text();
    if (name.isEmpty())
        return false;
    const std::string entered = name.toUtf8().toStdString();
    m_task->name = isNew() ? entered : kyKeptValue(m_task->name, m_shownName, entered);
    m_task->playVol = isNew() ? w.volume->value() : kyKeptValue(m_task->playVol, m_shownVolume, w.volume->value());
    return true;
}

KyTaskEditCommon::PlayModeCheck KyTaskEditCommon::readPlayMode()
{
    if (!w.playTimeBox->isChecked() && !w.playCountBox->isChecked())
        return NoPlayMode;
    if (w.playTimeBox->isChecked()) {
        const int entered = secondsOf(w.playTime->time());
        m_task->duration = m_shownDuration >= 0 ? kyKeptValue(m_task->duration, m_shownDuration, entered) : entered;
        m_task->playTimes = 0;
        return m_task->duration == 0 ? ZeroDuration : PlayModeOk;
    }
    m_task->playTimes = w.playCount->text().toInt();
    m_task->duration = 0;
    return m_task->playTimes == 0 ? ZeroCount : PlayModeOk;
}

KyTaskEditCommon::ContentCheck KyTaskEditCommon::readContent()
{
    // Left as shown (file names or a text that are not UTF-8, an empty last
    // file entry, line ends the text edit rewrites): the stored content.
    const ContentCheck check = readEnteredContent();
    if (check == ContentOk && !isNew() && m_task->sourceType == m_shownType && m_task->sourceContent == m_shownContent)
        m_task->sourceContent = m_storedContent;
    return check;
}

KyTaskEditCommon::ContentCheck KyTaskEditCommon::readEnteredContent()
{
    m_task->sourceType = w.type->currentData().toInt();
    switch (m_task->sourceType) {
    case KY_BROADCAST_FILES: {
        if (m_playList.isEmpty())
            return NoPlayFile;
        QStringList paths;
        for (const KyMediaFile_t& entry : m_playList)
            paths << entry.path;
        m_task->sourceContent = paths.join(TaskFileListSeparator).toUtf8().toStdString();
        return ContentOk;
    }
    case KY_BROADCAST_CAP: {
        QTableWidgetItem* item = w.capTable->item(w.capTable->currentRow(), 0);
        if (!item)
            return NoCapTerminal;
        m_task->sourceContent = std::to_string(item->data(Qt::UserRole).toInt());
        return ContentOk;
    }
    default: {
        const QString text = w.tts->toPlainText();
        if (text.isEmpty())
            return NoTtsText;
        m_task->sourceContent = text.toUtf8().toStdString();
        return ContentOk;
    }
    }
}
