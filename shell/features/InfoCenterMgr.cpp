#include "InfoCenterMgr.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTimerEvent>

#include "KyFacade.h"
#include "KyManageCenter.h"
#include "KyManageContext.h"
#include "KyPageFactory.h"
#include "KySettings.h"
#include "KySystemSettingForm.h"
#include "KyTalkLogInfoForm.h"
#include "KyTalkRecordForm.h"
#include "KyTermLogInfoForm.h"
#include "KyTitleDClicked.h"
#include "KyUserLogInfoForm.h"

namespace {

struct PageInfo {
    const char* className;   // class of the page; built through the page factory unless a shell page
    int argument;            // constructor argument of the task pages
    const char* icon;        // icon of the page button
};

// Indexed by InfoCenterMgr::Page.
const PageInfo kPages[InfoCenterMgr::PageCount] = {
    {"KyPlanTaskMgrForm", 0, ":/images/task_ss.png"},
    {"KySsTaskMgrForm", 2, ":/images/task_manual.png"},
    {"KySsTaskMgrForm", 4, ":/images/task_sdk.png"},
    {"KyTimerTaskMgrForm", 3, ":/images/task_timer.png"},
    {"KyPlayerInfoForm", 0, ":/images/player_term.png"},
    {"KyMicInfoForm", 0, ":/images/server_mic.png"},
    {"KyCapInfoForm", 0, ":/images/plate_svr.png"},
    {"KyTtsInfoForm", 0, ":/images/term_tts.png"},
    {"KyM02InfoForm", 0, ":/images/call_mic.png"},
    {"KyM04InfoForm", 0, ":/images/alarm_info.png"},
    {"KyM12InfoForm", 0, ":/images/term_m12.png"},
    {"KyFAlarmInfoForm", 0, ":/images/term_falarm.png"},
    {"KyMediaMgrForm", 0, ":/images/media_mgr.png"},
    {"KyMicGroupInfoForm", 0, ":/images/server_group.png"},
    {"KyRegionMgrForm", 0, ":/images/region_mgr.png"},
    {"KySystemSettingForm", 0, ":/images/parameter_setting.png"},
    {"KyUserLogInfoForm", 0, ":/images/userlog.png"},
    {"KyTalkLogInfoForm", 0, ":/images/talklog.png"},
    {"KyTermLogInfoForm", 0, ":/images/termlog.png"},
    {"KyTalkRecordForm", 0, ":/images/talk_record.png"},
};

struct NavigationRow {
    const char* text;
    const char* icon;
    void (InfoCenterMgr::*show)();
};

const NavigationRow kNavigation[] = {
    {QT_TRANSLATE_NOOP("InfoCenterMgr", "Programme Source"), ":/images/top_task32px.png",
     &InfoCenterMgr::showSsTaskInfoForm},
    {QT_TRANSLATE_NOOP("InfoCenterMgr", "Terminal Manage"), ":/images/top_terminal32px.png",
     &InfoCenterMgr::showPlayerInfoForm},
    {QT_TRANSLATE_NOOP("InfoCenterMgr", "Advanced Setup "), ":/images/top_setting32px.png",
     &InfoCenterMgr::showMediaInfoForm},
    {QT_TRANSLATE_NOOP("InfoCenterMgr", "User Log"), ":/images/top_log32px.png",
     &InfoCenterMgr::showUserLogInfoForm},
    {QT_TRANSLATE_NOOP("InfoCenterMgr", "Record"), ":/images/top_record.png",
     &InfoCenterMgr::showTalkRecordInfoForm},
};
const int kNavigationRows = sizeof(kNavigation) / sizeof(kNavigation[0]);

const char* kReleasesLink = "https://example.org/kyconsole/releases";

const char* kMaxButtonStyle =
    "QPushButton{background-color: #334148;border-image:url(:/images/button/maximize_btn_normal.png);}"
    "QPushButton:hover{border-image:url(:/images/button/maximize_btn_hover.png);}"
    "QPushButton:hover:pressed{border-image:url(:/images/button/maximize_btn_pressed.png);};";
const char* kNormalButtonStyle =
    "QPushButton{background-color: #334148;border-image:url(:/images/button/show_normal_btn_normal.png);}"
    "QPushButton:hover{border-image:url(:/images/button/show_normal_btn_hover.png);}"
    "QPushButton:hover:pressed{border-image:url(:/images/button/show_normal_btn_pressed.png);};";

KyManageCenter* contextCenter()
{
    KyManageContext* context = KyManageContext::instance();
    return context ? context->manageCenter() : nullptr;
}

}  // namespace

InfoCenterMgr::InfoCenterMgr(int maximize, QWidget* parent)
    : ShadowWidget<QMainWindow>(parent), m_mover(this), m_clock([] {
          KyManageCenter* center = contextCenter();
          return center ? center->systemTime() : std::string();
      })
{
    ui.setupUi(this);
    setWindowIcon(QIcon(":/images/info32x32.png"));
    ui.icon_le->setPixmap(QPixmap(":/images/info32x32.png"));
    setWindowTitle(QStringLiteral("管理中心"));
    ui.title_name_le->setText(QStringLiteral("管理中心"));
    setPageIcons();

    ui.show_normal_btn->hide();
    ui.left_title_widget->hide();
    m_currentButton = ui.fMicGroupMgrBtn;
    m_currentButton->setEnabled(false);

    const Page eager[] = {PageSsTask, PagePlayer, PageMic, PageM12, PageMedia, PageMicGroup, PageSystemSet};
    for (Page p : eager)
        m_pages[p] = buildPage(p);
    auto* settings = static_cast<KySystemSettingForm*>(m_pages[PageSystemSet]);
    slot_setTitleName(settings->titleName);
    for (Page p : eager)
        ui.fCenterRightStacked->addWidget(m_pages[p]);
    connect(settings, &KySystemSettingForm::sendTitleString, this, &InfoCenterMgr::slot_setTitleName);

    buildNavigation();
    buildStatusBar();

    setWindowFlags(Qt::FramelessWindowHint);
    setMouseTracking(true);
    for (QPushButton* b : {ui.mini_btn, ui.close_btn, ui.max_btn, ui.show_normal_btn})
        b->setFixedSize(23, 25);
    ui.max_btn->setStyleSheet(kMaxButtonStyle);
    ui.show_normal_btn->setStyleSheet(kNormalButtonStyle);

    for (QPushButton* b : {ui.fSdkTaskMgrBtn, ui.fCallMicMgrBtn, ui.fEmMicMgrBtn, ui.fM12MgrBtn,
                           ui.fMicGroupMgrBtn, ui.fTalkLogMgrBtn})
        b->hide();
    connectButtons();

    ui.title_widget->installEventFilter(new KyTitleDClicked(this, ui.title_widget));
    m_normalGeometry = geometry();
    startClock();
    if (maximize != 0)
        maxWindow();
}

InfoCenterMgr::~InfoCenterMgr() = default;

QWidget* InfoCenterMgr::page(int index) const
{
    return index >= 0 && index < PageCount ? m_pages[index] : nullptr;
}

QPushButton* InfoCenterMgr::pageButton(int index)
{
    QPushButton* const buttons[PageCount] = {
        ui.fSsTaskMgrBtn, ui.fManualTaskMgrBtn, ui.fSdkTaskMgrBtn, ui.fTimerTaskMgrBtn, ui.fPlayerMgrBtn,
        ui.fMicMgrBtn, ui.fCapMgrBtn, ui.fTtsMgrBtn, ui.fCallMicMgrBtn, ui.fEmMicMgrBtn, ui.fM12MgrBtn,
        ui.fFAlarmMgrBtn, ui.fMediaMgrBtn, ui.fMicGroupMgrBtn, ui.fRegionMgrBtn, ui.fSystemSetMgrBtn,
        ui.fUserLogMgrBtn, ui.fTalkLogMgrBtn, ui.fTermLogMgrBtn, ui.fTalkRecordMgrBtn,
    };
    return index >= 0 && index < PageCount ? buttons[index] : nullptr;
}

void InfoCenterMgr::setPageIcons()
{
    for (int i = 0; i < PageCount; ++i)
        pageButton(i)->setIcon(QIcon(kPages[i].icon));
}

QWidget* InfoCenterMgr::buildPage(Page page)
{
    switch (page) {
    case PageSystemSet:
        return new KySystemSettingForm();
    case PageUserLog:
        return new KyUserLogInfoForm();
    case PageTalkLog:
        return new KyTalkLogInfoForm();
    case PageTermLog:
        return new KyTermLogInfoForm();
    case PageTalkRecord:
        return new KyTalkRecordForm(ui.centralWidget);
    default:
        return KyPageFactory::create(QString::fromLatin1(kPages[page].className), kPages[page].argument);
    }
}

void InfoCenterMgr::ensurePage(Page page)
{
    if (m_pages[page])
        return;
    m_pages[page] = buildPage(page);
    ui.fCenterRightStacked->addWidget(m_pages[page]);
}

void InfoCenterMgr::showPage(Page page)
{
    ensurePage(page);
    if (m_currentButton)
        m_currentButton->setEnabled(true);
    QPushButton* button = pageButton(page);
    QFont font = button->font();
    font.setWeight(75);
    button->setFont(font);
    button->setEnabled(false);
    m_currentButton = button;
    ui.fCenterRightStacked->setCurrentWidget(m_pages[page]);
}

void InfoCenterMgr::buildNavigation()
{
    m_navigation = new QListWidget();
    m_navigation->setObjectName(QStringLiteral("titlesListWidget"));
    m_navigation->setViewMode(QListView::IconMode);
    m_navigation->setMinimumSize(350, 80);
    m_navigation->setMaximumSize(1000, 80);
    m_navigation->setIconSize(QSize(32, 32));
    m_navigation->setMovement(QListView::Static);
    m_navigation->setLineWidth(-2);
    m_navigation->setAutoScrollMargin(8);
    m_navigation->setResizeMode(QListView::Adjust);
    m_navigation->setSpacing(6);
    m_navigation->setStyleSheet(QStringLiteral("color:#ffffff;"));
    for (const NavigationRow& row : kNavigation) {
        auto* item = new QListWidgetItem(QIcon(row.icon), tr(row.text), m_navigation);
        item->setTextAlignment(Qt::AlignHCenter);
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }
    m_navigation->item(kNavigationRows - 1)->setHidden(true);
    ui.TopLayout->addWidget(m_navigation);
    connect(m_navigation, &QListWidget::currentItemChanged, this, &InfoCenterMgr::changePage);
    m_navigation->setCurrentRow(0);
}

void InfoCenterMgr::buildStatusBar()
{
    m_statusBar = new QStatusBar(this);
    ui.statusLayout->addWidget(m_statusBar);
    auto* link = new QLabel(m_statusBar);
    link->setFrameShape(QFrame::NoFrame);
    link->setFrameShadow(QFrame::Plain);
    link->setText(QStringLiteral("<a style='color:white' href='%1'>获得最新软件版本</a>")
                      .arg(QString::fromLatin1(kReleasesLink)));
    link->setOpenExternalLinks(true);
    m_statusBar->addPermanentWidget(link);
    const QString version = QStringLiteral("v") + QStringList{"4", "9", "1777"}.join('.') + QStringLiteral(".sp");
    m_statusBar->addPermanentWidget(new QLabel(version, m_statusBar));
}

void InfoCenterMgr::connectButtons()
{
    const std::pair<QPushButton*, void (InfoCenterMgr::*)()> pages[] = {
        {ui.fSsTaskMgrBtn, &InfoCenterMgr::showSsTaskInfoForm},
        {ui.fTimerTaskMgrBtn, &InfoCenterMgr::showTimerTaskInfoForm},
        {ui.fManualTaskMgrBtn, &InfoCenterMgr::showManualTaskInfoForm},
        {ui.fSdkTaskMgrBtn, &InfoCenterMgr::showSdkTaskInfoForm},
        {ui.fPlayerMgrBtn, &InfoCenterMgr::showPlayerInfoForm},
        {ui.fMicMgrBtn, &InfoCenterMgr::showMicInfoForm},
        {ui.fCallMicMgrBtn, &InfoCenterMgr::showM02InfoForm},
        {ui.fEmMicMgrBtn, &InfoCenterMgr::showM04InfoForm},
        {ui.fCapMgrBtn, &InfoCenterMgr::showCaptureInfoForm},
        {ui.fTtsMgrBtn, &InfoCenterMgr::showTtsInfoForm},
        {ui.fFAlarmMgrBtn, &InfoCenterMgr::showFAlarmInfoForm},
        {ui.fM12MgrBtn, &InfoCenterMgr::showM12InfoForm},
        {ui.fMediaMgrBtn, &InfoCenterMgr::showMediaInfoForm},
        {ui.fMicGroupMgrBtn, &InfoCenterMgr::showMicGroupInfoForm},
        {ui.fRegionMgrBtn, &InfoCenterMgr::showRegionInfoForm},
        {ui.fSystemSetMgrBtn, &InfoCenterMgr::showSystemSetForm},
        {ui.fUserLogMgrBtn, &InfoCenterMgr::showUserLogInfoForm},
        {ui.fTalkLogMgrBtn, &InfoCenterMgr::showTalkLogInfoForm},
        {ui.fTermLogMgrBtn, &InfoCenterMgr::showTermLogInfoForm},
        {ui.fTalkRecordMgrBtn, &InfoCenterMgr::showTalkRecordInfoForm},
    };
    for (const auto& entry : pages)
        connect(entry.first, &QPushButton::clicked, this, entry.second);
    connect(ui.close_btn, &QPushButton::clicked, this, &QWidget::close);
    connect(ui.max_btn, &QPushButton::clicked, this, &InfoCenterMgr::maxWindow);
    connect(ui.show_normal_btn, &QPushButton::clicked, this, &InfoCenterMgr::normalWindow);
    connect(ui.mini_btn, &QPushButton::clicked, this, &QWidget::showMinimized);
}

void InfoCenterMgr::normalWindow()
{
    if (!m_maximised)
        return;
    m_maximised = false;
    ui.centralWidgetGridLayout->setContentsMargins(6, 6, 6, 6);
    setGeometry(m_normalGeometry);
    ui.max_btn->show();
    ui.show_normal_btn->hide();
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    move((desktop.width() - width()) / 2, (desktop.height() - height()) / 2);
}

void InfoCenterMgr::maxWindow()
{
    if (m_maximised)
        return;
    m_maximised = true;
    ui.centralWidgetGridLayout->setContentsMargins(0, 0, 0, 0);
    ui.max_btn->hide();
    ui.show_normal_btn->show();
    setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    setCursor(QCursor(Qt::ArrowCursor));
}

void InfoCenterMgr::showTopTermMgr() {}
void InfoCenterMgr::showTopTaskMgr() {}
void InfoCenterMgr::showTopSettingMgr() {}
void InfoCenterMgr::showPlayerInfoForm() { showPage(PagePlayer); }
void InfoCenterMgr::showMicInfoForm() { showPage(PageMic); }
void InfoCenterMgr::showTtsInfoForm() { showPage(PageTts); }
void InfoCenterMgr::showCaptureInfoForm() { showPage(PageCapture); }
void InfoCenterMgr::showM02InfoForm() { showPage(PageM02); }
void InfoCenterMgr::showM04InfoForm() { showPage(PageM04); }
void InfoCenterMgr::showM12InfoForm() { showPage(PageM12); }
void InfoCenterMgr::showFAlarmInfoForm() { showPage(PageFAlarm); }
void InfoCenterMgr::showMediaInfoForm() { showPage(PageMedia); }
void InfoCenterMgr::showMicGroupInfoForm() { showPage(PageMicGroup); }
void InfoCenterMgr::showRegionInfoForm() { showPage(PageRegion); }
void InfoCenterMgr::showSystemSetForm() { showPage(PageSystemSet); }
void InfoCenterMgr::showSsTaskInfoForm() { showPage(PageSsTask); }
void InfoCenterMgr::showManualTaskInfoForm() { showPage(PageManualTask); }
void InfoCenterMgr::showTimerTaskInfoForm() { showPage(PageTimerTask); }
void InfoCenterMgr::showSdkTaskInfoForm() { showPage(PageSdkTask); }
void InfoCenterMgr::showUserLogInfoForm() { showPage(PageUserLog); }
void InfoCenterMgr::showTalkLogInfoForm() { showPage(PageTalkLog); }
void InfoCenterMgr::showTermLogInfoForm() { showPage(PageTermLog); }
void InfoCenterMgr::showTalkRecordInfoForm() { showPage(PageTalkRecord); }

void InfoCenterMgr::changePage(QListWidgetItem* current, QListWidgetItem* previous)
{
    QListWidgetItem* item = current ? current : previous;
    if (!item)
        return;
    const int row = m_navigation->row(item);
    if (row < 0 || row >= kNavigationRows)
        return;
    ui.fCenterLeftStacked->setCurrentIndex(row);
    (this->*kNavigation[row].show)();
}

void InfoCenterMgr::slot_scrollCaption()
{
    static int position = 0;
    if (position > m_caption.length())
        position = 0;
    ui.fScrollText->setText(m_caption.mid(position));
    ++position;
}

void InfoCenterMgr::slot_setTitleName(QString title)
{
    setWindowTitle(title);
    ui.title_name_le->setText(title);
    std::unique_ptr<QSettings> settings = kyOpenSettings();
    if (settings->value(QStringLiteral("Setting/Title")).toString() != title)
        settings->setValue(QStringLiteral("Setting/Title"), title);
}

void InfoCenterMgr::startClock()
{
    if (KyManageCenter* center = contextCenter())
        mcRequestSystemTime(center);
    m_clock.start();
    m_clockTimer = startTimer(1000, Qt::CoarseTimer);
}

void InfoCenterMgr::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_clockTimer)
        return;
    QString date;
    QString time;
    if (m_clock.tick(&date, &time)) {
        ui.mSrvDateLe->setText(date);
        ui.mSrvTimeLe->setText(time);
    }
}

void InfoCenterMgr::mousePressEvent(QMouseEvent* event)
{
    m_mover.mousePress(event);
}

void InfoCenterMgr::mouseReleaseEvent(QMouseEvent* event)
{
    m_mover.mouseRelease(event);
}

void InfoCenterMgr::mouseMoveEvent(QMouseEvent* event)
{
    m_mover.mouseMove(event);
}
