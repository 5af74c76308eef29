#pragma once

#include <QMainWindow>
#include <QRect>
#include <QString>
#include <memory>
#include <vector>

#include "KyDragMoveHelper.h"
#include "KyPageEntry.h"
#include "KyServerClock.h"
#include "ShadowWidget.h"

namespace Ui {
class InfoCenterMgrClass;
}

class QListWidget;
class QListWidgetItem;
class QPushButton;
class QStatusBar;

// The one main window: navigation, page buttons, page stack and server clock.
// Its pages come from a table of KyPageEntry, one entry a page.
class InfoCenterMgr : public ShadowWidget<QMainWindow> {
    Q_OBJECT
public:
    // Page pointers, in member order.
    enum Page {
        PageSsTask, PageManualTask, PageSdkTask, PageTimerTask, PagePlayer, PageMic, PageCapture, PageTts,
        PageM02, PageM04, PageM12, PageFAlarm, PageMedia, PageMicGroup, PageRegion, PageSystemSet,
        PageUserLog, PageTalkLog, PageTermLog, PageTalkRecord, PageCount
    };

    InfoCenterMgr(int maximize, const std::vector<KyPageEntry>& pages, QWidget* parent = nullptr);
    ~InfoCenterMgr() override;

    QWidget* page(int index) const;
    QPushButton* pageButton(int index);
    // The navigation row whose panel holds the page's button.
    int navigationRow(Page page) const { return m_entries[page].row; }
    // Builds the page on first use, makes its button current and shows it.
    void showPage(Page page);
    QPushButton* currentPageButton() const { return m_currentButton; }
    QListWidget* navigationList() const { return m_navigation; }
    QStatusBar* statusBarWidget() const { return m_statusBar; }
    bool isMaximised() const { return m_maximised; }
    QRect rememberedGeometry() const { return m_normalGeometry; }
    uint64_t serverTime() const { return m_clock.serverTime(); }
    Ui::InfoCenterMgrClass& form() { return *ui; }

public slots:
    void normalWindow();
    void maxWindow();
    void showTopTermMgr();
    void showTopTaskMgr();
    void showTopSettingMgr();
    void showPlayerInfoForm();
    void showMicInfoForm();
    void showTtsInfoForm();
    void showCaptureInfoForm();
    void showM02InfoForm();
    void showM04InfoForm();
    void showM12InfoForm();
    void showFAlarmInfoForm();
    void showMediaInfoForm();
    void showMicGroupInfoForm();
    void showRegionInfoForm();
    void showSystemSetForm();
    void showSsTaskInfoForm();
    void showManualTaskInfoForm();
    void showTimerTaskInfoForm();
    void showSdkTaskInfoForm();
    void showUserLogInfoForm();
    void showTalkLogInfoForm();
    void showTermLogInfoForm();
    void showTalkRecordInfoForm();
    void changePage(QListWidgetItem* current, QListWidgetItem* previous);
    void slot_scrollCaption();
    void slot_setTitleName(QString title);

protected:
    void timerEvent(QTimerEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void takePages(const std::vector<KyPageEntry>& pages);
    QWidget* buildPage(Page page);
    void ensurePage(Page page);
    void setPageIcons();
    void buildNavigation();
    void buildStatusBar();
    void connectButtons();
    void startClock();

    QString m_caption;
    bool m_maximised = false;
    QPushButton* m_currentButton = nullptr;
    QListWidget* m_navigation = nullptr;
    KyPageEntry m_entries[PageCount];
    QWidget* m_pages[PageCount] = {};
    QStatusBar* m_statusBar = nullptr;
    QRect m_normalGeometry;
    std::unique_ptr<Ui::InfoCenterMgrClass> ui;
    KyDragMoveHelper m_mover;
    int m_clockTimer = 0;
    KyServerClock m_clock;
};
