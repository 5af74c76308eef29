#include "InfoCenterMgr.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTimerEvent>
#include <cstdio>

#include "KyFacade.h"
#include "KyManageCenter.h"
#include "KyManageContext.h"
#include "KySettings.h"
#include "KySystemSettingForm.h"
#include "KyTitleDClicked.h"
#include "ui_InfoCenterMgrClass.h"

namespace {

// Each row shows its panel of page buttons and the first page of the table on it.
struct NavigationRow {
    const char* text;
    const char* icon;
};

const NavigationRow kNavigation[] = {
    {QT_TRANSLATE_NOOP("InfoCenterMgr", "Programme Source"), ":/images/top_task32px.png"},
    {QT_TRANSLATE_NOOP("InfoCenterMgr", "Terminal Manage"), ":/images/top_terminal32px.png"},
    {QT_TRANSLATE_NOOP("InfoCenterMgr", "Advanced Setup "), ":/images/top_setting32px.png"},
    {QT_TRANSLATE_NOOP("InfoCenterMgr", "User Log"), ":/images/top_log32px.png"},
    {QT_TRANSLATE_NOOP("InfoCenterMgr", "Record"), ":/images/top_record.png"},
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

InfoCenterMgr::InfoCenterMgr(int maximize, const std::vector<KyPageEntry>& pages, QWidget* parent)
    : ShadowWidget<QMainWindow>(parent), ui(new Ui::InfoCenterMgrClass), m_mover(this), m_clock([] {
          KyManageCenter* center = contextCenter();
          return center ? center->systemTime() : std::string();
      })
{
    takePages(pages);
    ui->setupUi(this);
    setWindowIcon(QIcon(":/images/info32x32.png"));
    ui->icon_le->setPixmap(QPixmap(":/images/info32x32.png"));
    setWindowTitle(QStringLiteral("管理中心"));
    ui->title_name_le->setText(QStringLiteral("管理中心"));
    setPageIcons();

    ui->show_normal_btn->hide();
    ui->left_title_widget->hide();
    m_currentButton = ui->fMicGroupMgrBtn;
    m_currentButton->setEnabled(false);

    for (int p = 0; p < PageCount; ++p) {
        if (m_entries[p].eager)
            m_pages[p] = buildPage(Page(p));
    }
    auto* settings = qobject_cast<KySystemSettingForm*>(m_pages[PageSystemSet]);
    if (settings)
        slot_setTitleName(settings->titleName);
    for (QWidget* page : m_pages) {
        if (page)
            ui->fCenterRightStacked->addWidget(page);
    }
    if (settings)
        connect(settings, &KySystemSettingForm::sendTitleString, this, &InfoCenterMgr::slot_setTitleName);

    buildNavigation();
    buildStatusBar();

    setWindowFlags(Qt::FramelessWindowHint);
    setMouseTracking(true);
    for (QPushButton* b : {ui->mini_btn, ui->close_btn, ui->max_btn, ui->show_normal_btn})
        b->setFixedSize(23, 25);
    ui->max_btn->setStyleSheet(kMaxButtonStyle);
    ui->show_normal_btn->setStyleSheet(kNormalButtonStyle);

    for (const KyPageEntry& entry : m_entries) {
        if (entry.button && !entry.shown)
            (ui.get()->*entry.button)->hide();
    }
    connectButtons();

    ui->title_widget->installEventFilter(new KyTitleDClicked(this, ui->title_widget, [this] {
        if (isMaximised())
            normalWindow();
        else
            maxWindow();
    }));
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

// Indexed by page; an id twice or out of range is reported and dropped.
void InfoCenterMgr::takePages(const std::vector<KyPageEntry>& pages)
{
    for (const KyPageEntry& entry : pages) {
        if (entry.id < 0 || entry.id >= PageCount || m_entries[entry.id].create || !entry.create || !entry.button) {
            fprintf(stderr, "main window: page entry %d dropped\n", entry.id);
            continue;
        }
        m_entries[entry.id] = entry;
    }
    for (int p = 0; p < PageCount; ++p) {
        if (!m_entries[p].create)
            fprintf(stderr, "main window: no entry for page %d\n", p);
    }
}

QPushButton* InfoCenterMgr::pageButton(int index)
{
    return index >= 0 && index < PageCount && m_entries[index].button ? ui.get()->*m_entries[index].button : nullptr;
}

void InfoCenterMgr::setPageIcons()
{
    for (const KyPageEntry& entry : m_entries) {
        if (entry.button)
            (ui.get()->*entry.button)->setIcon(QIcon(entry.icon));
    }
}

QWidget* InfoCenterMgr::buildPage(Page page)
{
    return m_entries[page].create(ui->centralWidget);
}

void InfoCenterMgr::ensurePage(Page page)
{
    if (m_pages[page])
        return;
    m_pages[page] = buildPage(page);
    ui->fCenterRightStacked->addWidget(m_pages[page]);
}

void InfoCenterMgr::showPage(Page page)
{
    if (!m_entries[page].create)
        return;
    ensurePage(page);
    if (m_currentButton)
        m_currentButton->setEnabled(true);
    QPushButton* button = pageButton(page);
    QFont font = button->font();
    font.setWeight(75);
    button->setFont(font);
    button->setEnabled(false);
    m_currentButton = button;
    ui->fCenterRightStacked->setCurrentWidget(m_pages[page]);
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
    ui->TopLayout->addWidget(m_navigation);
    connect(m_navigation, &QListWidget::currentItemChanged, this, &InfoCenterMgr::changePage);
    m_navigation->setCurrentRow(0);
}

void InfoCenterMgr::buildStatusBar()
{
    m_statusBar = new QStatusBar(this);
    ui->statusLayout->addWidget(m_statusBar);
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
    for (const KyPageEntry& entry : m_entries) {
        if (entry.button)
            connect(ui.get()->*entry.button, &QPushButton::clicked, this, [this, page = Page(entry.id)] { showPage(page); });
    }
    connect(ui->close_btn, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->max_btn, &QPushButton::clicked, this, &InfoCenterMgr::maxWindow);
    connect(ui->show_normal_btn, &QPushButton::clicked, this, &InfoCenterMgr::normalWindow);
    connect(ui->mini_btn, &QPushButton::clicked, this, &QWidget::showMinimized);
}

void InfoCenterMgr::normalWindow()
{
    if (!m_maximised)
        return;
    m_maximised = false;
    const int s = shadowMargin();
    ui->centralWidgetGridLayout->setContentsMargins(s, s, s, s);
    setGeometry(m_normalGeometry);
    ui->max_btn->show();
    ui->show_normal_btn->hide();
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    move((desktop.width() - width()) / 2, (desktop.height() - height()) / 2);
}

void InfoCenterMgr::maxWindow()
{
    if (m_maximised)
        return;
    m_maximised = true;
    ui->centralWidgetGridLayout->setContentsMargins(0, 0, 0, 0);
    ui->max_btn->hide();
    ui->show_normal_btn->show();
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
    ui->fCenterLeftStacked->setCurrentIndex(row);
    for (const KyPageEntry& entry : m_entries) {
        if (entry.create && entry.row == row) {
            showPage(Page(entry.id));
            return;
        }
    }
}

void InfoCenterMgr::slot_scrollCaption()
{
    static int position = 0;
    if (position > m_caption.length())
        position = 0;
    ui->fScrollText->setText(m_caption.mid(position));
    ++position;
}

void InfoCenterMgr::slot_setTitleName(QString title)
{
    setWindowTitle(title);
    ui->title_name_le->setText(title);
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
        ui->mSrvDateLe->setText(date);
        ui->mSrvTimeLe->setText(time);
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
