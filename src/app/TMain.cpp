#include "app/TMain.h"

#include "app/DialDialog.h"
#include "app/ImageList.h"
#include "app/PhonebookDialog.h"
#include "connection/ConnectionService.h"
#include "connection/DialupOperations.h"
#include "core/Clock.h"
#include "core/DataFolder.h"
#include "core/Prompter.h"
#include "core/TextForms.h"
#include "core/Version.h"
#include "monitor/SessionMonitor.h"
#include "store/ConfigDocument.h"
#include "store/MonthStatistics.h"
#include "widgets/TrendGraph.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QVBoxLayout>

const QString TMain::kExitQuestion =
    QStringLiteral("If you will close program now, connection data may be incorrect.\r\n"
                   "Do you want to close the program?");
const QString TMain::kInitialGraphCaption = QStringLiteral("5 Kb/s");

namespace {

constexpr int kClientWidth = 322;
constexpr int kClientHeight = 321;
constexpr int kStatusBarHeight = 19;
constexpr int kBalloonMs = 4000;
const QColor kCaptionBlue(126, 161, 200);

// Texts of the tray hint and balloon use "\r\n" between lines; the desktop
// wants plain line feeds.
QString desktopLines(const QString &text)
{
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return lines;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

// A figure: right-aligned bold text in a flat frame.
QLabel *makeFigure(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    QLabel *label = makeLabel(parent, name, text, geometry);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A flat one-pixel edge, the same under every widget style.
    label->setStyleSheet(
        QStringLiteral("QLabel { border: 1px solid rgb(160, 160, 160); padding: 0 2px; }"));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QGroupBox *makeGroup(QWidget *parent, const char *name, const QString &title, const QRect &geometry)
{
    auto *group = new QGroupBox(title, parent);
    group->setObjectName(QLatin1String(name));
    group->setGeometry(geometry);
    group->setAutoFillBackground(true);
    QPalette palette = group->palette();
    palette.setColor(QPalette::Window, Qt::white);
    // The title takes the group's text colour; the labels inside set black.
    palette.setColor(QPalette::WindowText, kCaptionBlue);
    group->setPalette(palette);
    return group;
}

} // namespace

TMain::TMain(ConnectionService &service, Prompter &prompter, const Clock &clock,
             const QString &dataFolder, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                              Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      m_service(service), m_prompter(prompter), m_clock(clock), m_dataFolder(dataFolder)
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QString::fromLatin1(kApplicationName));
    for (int i = 0; i < int(m_icons.size()); ++i)
        m_icons[i] = ImageList::icon(i);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(SessionMonitor::intervalMs());
    connect(Timer1, &QTimer::timeout, this, &TMain::Timer1Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(kBalloonMs);
    connect(Timer2, &QTimer::timeout, this, &TMain::Timer2Timer);

    buildLayout();
    buildMenus();
    buildTray();
    FormCreate();
}

TMain::~TMain()
{
    FormDestroy();
}

void TMain::buildLayout()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(kClientWidth, kClientHeight - kStatusBarHeight);
    QFont small = client->font();
    small.setPixelSize(11);
    client->setFont(small);
    setCentralWidget(client);

    Panel1 = new QFrame(client);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 8, 305, 263);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(2);
    Panel1->setAutoFillBackground(true);
    QPalette white = Panel1->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    Panel1->setPalette(white);

    // Positions inside the panel are its own; the graph stands at (12, 13) of
    // the window.
    TrendGraph1 = new TrendGraph(Panel1);
    TrendGraph1->setObjectName(QStringLiteral("TrendGraph1"));
    TrendGraph1->setGeometry(4, 5, 221, 60);
    TrendGraph1->setCaption(kInitialGraphCaption);
    TrendGraph1->setColor(kCaptionBlue);
    QFont graphFont = small;
    graphFont.setBold(true);
    TrendGraph1->setFont(graphFont);
    TrendGraph1->setMaxVal(5120);
    TrendGraph1->setDivisions(240);
    TrendGraph1->setStyle(TrendGraph::tsFilled);
    TrendGraph1->setBackGroundColor(QColor(240, 251, 255));
    TrendGraph1->setGridXstep(50);
    TrendGraph1->setGridYstep(2048);
    TrendGraph1->setDescret(5120);
    connect(TrendGraph1, &TrendGraph::OnChangeDescret, this, &TMain::TrendGraph1ChangeDescret);

    QFont bold = small;
    bold.setBold(true);
    makeLabel(Panel1, "Label_ISP", QStringLiteral("ISP"), QRect(232, 6, 68, 14));
    QLabel *lblISP = makeLabel(Panel1, "lblISP", QStringLiteral("None"), QRect(232, 20, 68, 14));
    lblISP->setFont(bold);
    makeLabel(Panel1, "Label_user", QStringLiteral("User"), QRect(232, 38, 68, 14));
    QLabel *lblUserName =
        makeLabel(Panel1, "lblUserName", QStringLiteral("None"), QRect(232, 52, 68, 14));
    lblUserName->setFont(bold);
    m_fields[int(Field::Provider)] = lblISP;
    m_fields[int(Field::UserName)] = lblUserName;

    GroupBox1 = makeGroup(Panel1, "GroupBox1", QStringLiteral("Connection"), QRect(8, 70, 289, 89));
    QFont head = small;
    head.setPixelSize(16);
    for (auto [name, text, x] :
         {std::tuple{"Label_time", "Time", 124}, std::tuple{"Label_cost", "Cost", 210}}) {
        QLabel *label = makeLabel(GroupBox1, name, QLatin1String(text), QRect(x, 14, 76, 20));
        label->setAlignment(Qt::AlignCenter);
        label->setFont(head);
        QPalette navy = label->palette();
        navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
        label->setPalette(navy);
    }
    makeLabel(GroupBox1, "Label_current", QStringLiteral("Current connection:"),
              QRect(6, 38, 112, 18));
    makeLabel(GroupBox1, "Label_month", QStringLiteral("Current month:"), QRect(6, 62, 112, 18));
    const QString zeroTime = TextForms::durationText(0);
    const QString zeroMoney = TextForms::moneyText(0);
    m_fields[int(Field::CurTime)] =
        makeFigure(GroupBox1, "StaticText_curtime", zeroTime, QRect(120, 38, 80, 18));
    m_fields[int(Field::CurCost)] =
        makeFigure(GroupBox1, "StaticText_curcost", zeroMoney, QRect(206, 38, 76, 18));
    m_fields[int(Field::MonthTime)] =
        makeFigure(GroupBox1, "StaticText_monthtime", zeroTime, QRect(120, 62, 80, 18));
    m_fields[int(Field::MonthCost)] =
        makeFigure(GroupBox1, "StaticText_monthcost", zeroMoney, QRect(206, 62, 76, 18));

    GroupBox2 = makeGroup(Panel1, "GroupBox2", QStringLiteral("State"), QRect(8, 164, 289, 89));
    Led_R = new QLabel(GroupBox2);
    Led_R->setObjectName(QStringLiteral("Led_R"));
    Led_R->setGeometry(120, 15, 16, 16);
    makeLabel(GroupBox2, "Label_in", QStringLiteral("Received"), QRect(140, 15, 60, 16));
    Led_S = new QLabel(GroupBox2);
    Led_S->setObjectName(QStringLiteral("Led_S"));
    Led_S->setGeometry(206, 15, 16, 16);
    makeLabel(GroupBox2, "Label_out", QStringLiteral("Sent"), QRect(226, 15, 56, 16));
    Led_R->setPixmap(image(LightIdle));
    Led_S->setPixmap(image(LightIdle));

    makeLabel(GroupBox2, "Label_bytes", QStringLiteral("Bytes:"), QRect(6, 34, 100, 16));
    makeLabel(GroupBox2, "Label_pack", QStringLiteral("Packs:"), QRect(6, 51, 100, 16));
    makeLabel(GroupBox2, "Label_comp", QStringLiteral("Compression:"), QRect(6, 68, 100, 16));
    m_fields[int(Field::AccByte)] =
        makeFigure(GroupBox2, "StaticText_accbyte", QStringLiteral("0"), QRect(120, 34, 80, 16));
    m_fields[int(Field::SentByte)] =
        makeFigure(GroupBox2, "StaticText_sentbyte", QStringLiteral("0"), QRect(206, 34, 76, 16));
    m_fields[int(Field::AccPack)] =
        makeFigure(GroupBox2, "StaticText_accpack", QStringLiteral("0"), QRect(120, 51, 80, 16));
    m_fields[int(Field::SentPack)] =
        makeFigure(GroupBox2, "StaticText_sentpack", QStringLiteral("0"), QRect(206, 51, 76, 16));
    m_fields[int(Field::AccComp)] =
        makeFigure(GroupBox2, "StaticText_acccomp", QStringLiteral("0%"), QRect(120, 68, 80, 16));
    m_fields[int(Field::SentComp)] =
        makeFigure(GroupBox2, "StaticText_sentcomp", QStringLiteral("0%"), QRect(206, 68, 76, 16));

    makeLabel(client, "Label_speed", QStringLiteral("Speed:"), QRect(8, 278, 40, 18));
    QLabel *speed =
        makeFigure(client, "StaticText_speed", QStringLiteral("0 KBps"), QRect(48, 278, 90, 18));
    speed->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_fields[int(Field::Speed)] = speed;

    btnDisconnect = new QPushButton(QStringLiteral("Disconnect"), client);
    btnDisconnect->setObjectName(QStringLiteral("btnDisconnect"));
    btnDisconnect->setGeometry(150, 275, 80, 24);
    connect(btnDisconnect, &QPushButton::clicked, this, &TMain::DisconnectClick);
    btnClose = new QPushButton(QStringLiteral("Close"), client);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setGeometry(236, 275, 77, 24);
    btnClose->setDefault(true);
    btnClose->setAutoDefault(true);
    connect(btnClose, &QPushButton::clicked, this, &TMain::CloseClick);

    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(kStatusBarHeight);
    bar->setFont(small);
    m_statusGlyphLabel = new QLabel(bar);
    m_statusGlyphLabel->setObjectName(QStringLiteral("StatusBar1Glyph"));
    m_statusGlyphLabel->setFixedSize(22, kStatusBarHeight);
    m_statusGlyphLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_statusGlyphLabel->setContentsMargins(1, 3, 0, 0);
    m_statusTextLabel = new QLabel(QStringLiteral("Disconnected..."), bar);
    m_statusTextLabel->setObjectName(QStringLiteral("StatusBar1Text"));
    m_statusTextLabel->setMinimumWidth(80);
    bar->addWidget(m_statusGlyphLabel);
    bar->addWidget(m_statusTextLabel);
    StatusBar1DrawPanel();

    for (int i = 0; i < MonitorView::kFieldCount; ++i)
        Q_ASSERT(m_fields[i] &&
                 m_fields[i]->objectName() == QLatin1String(MonitorView::objectName(Field(i))));

    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TMain::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu *main = bar->addMenu(QStringLiteral("Main"));
    main->setObjectName(QStringLiteral("Main1"));
    QAction *statistic =
        main->addAction(QStringLiteral("Statistic"), this, &TMain::StatisticsClick);
    statistic->setObjectName(QStringLiteral("Statistic2"));
    QAction *settings = main->addAction(QStringLiteral("Settings"), this, &TMain::SettingsClick);
    settings->setObjectName(QStringLiteral("Settings2"));
    main->addSeparator()->setObjectName(QStringLiteral("N2"));
    Connections1 = main->addMenu(QStringLiteral("Connections"));
    Connections1->setObjectName(QStringLiteral("Connections1"));
    Connections1->menuAction()->setObjectName(QStringLiteral("Connections1"));
    QAction *disconnect =
        main->addAction(QStringLiteral("Disconnect"), this, &TMain::DisconnectClick);
    disconnect->setObjectName(QStringLiteral("Disconnect2"));
    main->addSeparator()->setObjectName(QStringLiteral("N3"));
    QAction *close = main->addAction(QStringLiteral("Close"), this, &TMain::CloseClick);
    close->setObjectName(QStringLiteral("Close1"));
    QAction *exit = main->addAction(QStringLiteral("Exit"), this, &TMain::ExitClick);
    exit->setObjectName(QStringLiteral("Exit2"));
    QMenu *help = bar->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("Help1"));
    QAction *about = help->addAction(QStringLiteral("About"), this, &TMain::AboutClick);
    about->setObjectName(QStringLiteral("About2"));

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QAction *show =
        PopupMenu1->addAction(QStringLiteral("Show counter"), this, &TMain::ShowcounterClick);
    show->setObjectName(QStringLiteral("Showcounter1"));
    QFont boldFont = show->font();
    boldFont.setBold(true);
    show->setFont(boldFont);
    PopupMenu1->setDefaultAction(show);
    PopupMenu1->addAction(QStringLiteral("Statistic"), this, &TMain::StatisticsClick)
        ->setObjectName(QStringLiteral("Statistic1"));
    PopupMenu1->addAction(QStringLiteral("Settings"), this, &TMain::SettingsClick)
        ->setObjectName(QStringLiteral("Settings1"));
    PopupMenu1->addSeparator()->setObjectName(QStringLiteral("N4"));
    ConnectionsMenu = PopupMenu1->addMenu(QStringLiteral("Connections"));
    ConnectionsMenu->setObjectName(QStringLiteral("ConnectionsMenu"));
    ConnectionsMenu->menuAction()->setObjectName(QStringLiteral("ConnectionsMenu"));
    PopupMenu1->addAction(QStringLiteral("Disconnect"), this, &TMain::DisconnectClick)
        ->setObjectName(QStringLiteral("Disconnect1"));
    PopupMenu1->addAction(QStringLiteral("About"), this, &TMain::AboutClick)
        ->setObjectName(QStringLiteral("About1"));
    PopupMenu1->addSeparator()->setObjectName(QStringLiteral("N1"));
    PopupMenu1->addAction(QStringLiteral("Exit"), this, &TMain::ExitClick)
        ->setObjectName(QStringLiteral("Exit1"));
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TMain::PopupMenu1Popup);
}

void TMain::buildTray()
{
    CoolTrayIcon1 = new QSystemTrayIcon(this);
    CoolTrayIcon1->setObjectName(QStringLiteral("CoolTrayIcon1"));
    CoolTrayIcon1->setContextMenu(PopupMenu1);
    connect(CoolTrayIcon1, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::DoubleClick)
                    CoolTrayIcon1DblClick();
            });
    // A tray that speaks the desktop's notification protocol over D-Bus shows
    // balloons as notifications, which cannot be taken back: those get the
    // balloon's lifetime up front instead of being hidden by Timer2.
    QDBusConnection bus = QDBusConnection::sessionBus();
    m_balloonHidesItself =
        bus.isConnected() && bus.interface() &&
        bus.interface()->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher"));
}

void TMain::FormCreate()
{
    m_entryList.clear();
    m_logsDir = logsDir(m_dataFolder);
    ensureFolder(m_logsDir); // a failure shows when the month's file is written
    m_statsFileName = statsFileName(m_clock.now().date());
    m_statistics =
        std::make_unique<MonthStatistics>(QDir(m_logsDir).filePath(m_statsFileName), m_clock);
    m_monitor =
        std::make_unique<SessionMonitor>(m_service, m_config, *m_statistics, m_clock, *this);

    const QString tableError = m_statistics->open();
    m_configPath = configPath(m_dataFolder);
    OpenConfig(m_configPath, m_config, m_clock);

    setText(Field::MonthTime, TextForms::durationText(m_statistics->MonthTime()));
    setText(Field::MonthCost, TextForms::moneyText(m_statistics->MonthCost()));

    SetTrayImage(TrayDisconnected);
    CoolTrayIcon1->show();
    applyGraphSettings();
    Timer1->start();

    // Reported once the loop runs, so start-up is not held by a message box.
    if (!tableError.isEmpty()) {
        QTimer::singleShot(0, this, [this, tableError] {
            m_prompter.message(QString::fromLatin1(kApplicationName), tableError,
                               Prompter::Icon::Critical);
        });
    }
}

void TMain::applyGraphSettings()
{
    const QString vert =
        GetSectionValue(m_config, QStringLiteral("Graph"), QStringLiteral("VertAx"));
    const QString hor = GetSectionValue(m_config, QStringLiteral("Graph"), QStringLiteral("HorAx"));
    const QString one = QStringLiteral("1");
    TrendGraph::TGridStyle grid;
    if ((vert == one && hor == one) || (vert.isEmpty() && hor.isEmpty()))
        grid = TrendGraph::gsFull;
    else if (vert == one)
        grid = TrendGraph::gsXGrid;
    else if (hor == one)
        grid = TrendGraph::gsYGrid;
    else
        grid = TrendGraph::gsNone;
    TrendGraph1->setGridStyle(grid);

    const QString type = GetSectionValue(m_config, QStringLiteral("Graph"), QStringLiteral("Type"));
    bool ok = false;
    const int number = type.trimmed().toInt(&ok);
    TrendGraph::TTrendStyle style = TrendGraph::tsFilled;
    if (ok) {
        switch (number) {
        case 0:
            style = TrendGraph::ts3D;
            break;
        case 2:
            style = TrendGraph::tsLine;
            break;
        case 3:
            style = TrendGraph::tsScatter;
            break;
        default:
            break;
        }
    }
    TrendGraph1->setStyle(style);
}

void TMain::FormShow()
{
    Led_S->setPixmap(image(LightIdle));
    Led_R->setPixmap(image(LightIdle));
    buildConnectionsMenu(Connections1);
}

void TMain::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        if (!m_shownOnce) {
            m_shownOnce = true;
            if (QScreen *screen = this->screen()) {
                const QRect area = screen->availableGeometry();
                const QSize size = frameGeometry().size();
                move(area.center() - QPoint(size.width() / 2, size.height() / 2));
            }
        }
        FormShow();
    }
    QMainWindow::showEvent(event);
}

bool TMain::trayAvailable() const
{
    if (m_trayOverride)
        return *m_trayOverride;
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TMain::closeEvent(QCloseEvent *event)
{
    event->ignore();
    // Only the tray can bring a hidden window back; without one the window
    // goes to the task bar so the program stays within reach.
    if (trayAvailable())
        hide();
    else
        showMinimized();
}

void TMain::CloseClick()
{
    close();
}

void TMain::ExitClick()
{
    if (m_rasDialogOpen)
        return;
    const Prompter::Button answer =
        m_prompter.question(QString::fromLatin1(kApplicationName), kExitQuestion,
                            Prompter::Yes | Prompter::Cancel, Prompter::Icon::Warning);
    if (answer != Prompter::Yes)
        return;
    emit exitConfirmed();
}

void TMain::FormDestroy()
{
    if (m_destroyed)
        return;
    m_destroyed = true;
    Timer1->stop();
    Timer2->stop();
    if (m_statistics)
        m_statistics->save();
    m_entryList.clear();
}

void TMain::SettingsClick()
{
    // The settings dialog plugs in here; whatever it changed, the next ticks
    // price with the provider element as the document now stands.
    m_monitor->refindProvider();
}

void TMain::StatisticsClick()
{
    // The statistics window plugs in here.
}

void TMain::AboutClick()
{
    m_prompter.message(QStringLiteral("About %1").arg(QString::fromLatin1(kApplicationName)),
                       QStringLiteral("%1\n%2").arg(QString::fromLatin1(kApplicationName),
                                                    QString::fromLatin1(kVersionText)),
                       Prompter::Icon::Information);
}

void TMain::ShowcounterClick()
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void TMain::CoolTrayIcon1DblClick()
{
    if (isVisible() && isMinimized())
        showNormal();
    // The double click ends in the tray menu's default item.
    if (QAction *item = PopupMenu1->defaultAction())
        item->trigger();
}

void TMain::DisconnectClick()
{
    HangUpAll(m_service);
}

void TMain::PopupMenu1Popup()
{
    buildConnectionsMenu(ConnectionsMenu);
}

void TMain::buildConnectionsMenu(QMenu *menu)
{
    menu->clear();
    GetPhonebookEntries(m_service, m_entryList);
    for (const QString &name : std::as_const(m_entryList)) {
        // "&" would mark an accelerator; doubled it shows as itself, and the
        // entry name travels with the item so any name dials as written.
        QString caption = name;
        caption.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction *item = menu->addAction(caption);
        item->setData(name);
        connect(item, &QAction::triggered, this, [this, item] { DialEntryClick(item); });
    }
    menu->addSeparator();
    menu->addAction(QStringLiteral("Setting"), this, &TMain::PhonebookClick);
}

void TMain::DialEntryClick(QAction *item)
{
    if (!item)
        return;
    const QVariant data = item->data();
    const QString entry = data.isValid() ? data.toString() : EntryNameFromCaption(item->text());
    m_rasDialogOpen = true;
    DialDialog::run(m_service, entry, this);
    m_rasDialogOpen = false;
}

void TMain::PhonebookClick()
{
    m_rasDialogOpen = true;
    PhonebookDialog::run(m_service, m_prompter, this);
    m_rasDialogOpen = false;
}

void TMain::Timer1Timer()
{
    m_monitor->Timer1Timer();
}

void TMain::Timer2Timer()
{
    if (!m_balloonHidesItself)
        CoolTrayIcon1->showMessage(QString(), QString(), QSystemTrayIcon::NoIcon, 0);
    Timer2->stop();
}

void TMain::TrendGraph1ChangeDescret(TrendGraph *sender, quint16 Level)
{
    Q_UNUSED(sender);
    TrendGraph1->setCaption(QString::number(int(Level) * 5) + QLatin1String("Kb/s"));
}

void TMain::StatusBar1DrawPanel()
{
    setStatusGlyph(m_monitor && m_monitor->WasConnected() ? ConnectedGlyph : DisconnectedGlyph);
}

QPixmap TMain::image(int index) const
{
    return ImageList::pixmap(index, 16, devicePixelRatioF());
}

void TMain::setText(Field field, const QString &text)
{
    QLabel *label = m_fields[int(field)];
    if (label->text() != text)
        label->setText(text);
}

void TMain::setLightImage(Light light, int image)
{
    (light == Light::Sent ? Led_S : Led_R)->setPixmap(this->image(image));
}

void TMain::setStatusGlyph(int image)
{
    m_statusGlyph = image;
    m_statusGlyphLabel->setPixmap(this->image(image));
}

void TMain::setStatusText(const QString &text)
{
    m_statusTextLabel->setText(text);
}

void TMain::SetTrayImage(int index)
{
    if (index < 0 || index >= int(m_icons.size()))
        return;
    m_trayImage = index;
    CoolTrayIcon1->setIcon(m_icons[index]);
    QApplication::setWindowIcon(m_icons[index]);
}

void TMain::setTrayHint(const QString &hint)
{
    const QString lines = desktopLines(hint);
    // The hint is set on every tick; an unchanged text costs the desktop nothing.
    if (CoolTrayIcon1->toolTip() != lines)
        CoolTrayIcon1->setToolTip(lines);
}

void TMain::showBalloon(const QString &title, const QString &text, int timeoutSeconds)
{
    const int ms = m_balloonHidesItself ? kBalloonMs : timeoutSeconds * 1000;
    CoolTrayIcon1->showMessage(title, desktopLines(text), QSystemTrayIcon::Information, ms);
}

void TMain::startBalloonTimer()
{
    Timer2->start();
}

void TMain::AddValue(qint32 value)
{
    TrendGraph1->AddValue(value);
}
