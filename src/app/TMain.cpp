#include "app/TMain.h"

#include "access/TfrmAuthorization.h"
#include "app/DialDialog.h"
#include "app/ImageList.h"
#include "app/PhonebookDialog.h"
#include "app/ProgramState.h"
#include "app/TrayIcon.h"
#include "connection/DialupOperations.h"
#include "core/Prompter.h"
#include "core/TextForms.h"
#include "core/Version.h"
#include "monitor/SessionMonitor.h"
#include "planview/TPlan.h"
#include "settings/GraphSettings.h"
#include "settings/TSettings.h"
#include "stats/TStatistic.h"
#include "store/ConfigDocument.h"
#include "store/MonthStatistics.h"
#include "widgets/TrendGraph.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

QString TMain::exitQuestion()
{
    return tr("If you will close program now, connection data may be incorrect.\r\n"
              "Do you want to close the program?");
}
const QString TMain::kInitialGraphCaption = QStringLiteral("5 Kb/s");

namespace {

constexpr int kClientWidth = 322;
constexpr int kClientHeight = 321;
constexpr int kStatusBarHeight = 19;
// As long as the connection balloon; Timer2 takes either away after 4 seconds.
constexpr int kAuthorizationBalloonSeconds = 10;
const QColor kCaptionBlue(126, 161, 200);

// How a control of the form looks.
enum class Look {
    Panel,  // the white bevelled panel
    Graph,  // the trend graph
    Group,  // a white group box with a blue caption
    Label,  // plain black text
    Bold,   // bold black text
    Head,   // a navy column head, centred, 16 pixels
    Figure, // right-aligned bold text in a flat frame
    Speed,  // a figure aligned left
    Light,  // a 16 x 16 activity light
    Button,
};

struct Control
{
    const char *name;
    const char *parent; // "ClientArea" or a control above in the table
    Look look;
    // Texts are translated where shown; figures are not: time and money take
    // the locale's zero.
    const char *text;
    QRect place; // within the parent
};

// The form, top to bottom. Places inside the panel are the panel's own: the
// graph stands at (12, 13) of the window.
const Control kLayout[] = {
    {"Panel1", "ClientArea", Look::Panel, "", {8, 8, 305, 263}},
    {"TrendGraph1", "Panel1", Look::Graph, "5 Kb/s", {4, 5, 221, 60}},
    {"Label_ISP", "Panel1", Look::Label, QT_TRANSLATE_NOOP("TMain", "ISP"), {232, 6, 68, 14}},
    {"lblISP", "Panel1", Look::Bold, QT_TRANSLATE_NOOP("TMain", "None"), {232, 20, 68, 14}},
    {"Label_user", "Panel1", Look::Label, QT_TRANSLATE_NOOP("TMain", "User"), {232, 38, 68, 14}},
    {"lblUserName", "Panel1", Look::Bold, QT_TRANSLATE_NOOP("TMain", "None"), {232, 52, 68, 14}},
    {"GroupBox1",
     "Panel1",
     Look::Group,
     QT_TRANSLATE_NOOP("TMain", "Connection"),
     {8, 70, 289, 89}},
    {"Label_time", "GroupBox1", Look::Head, QT_TRANSLATE_NOOP("TMain", "Time"), {124, 14, 76, 20}},
    {"Label_cost", "GroupBox1", Look::Head, QT_TRANSLATE_NOOP("TMain", "Cost"), {210, 14, 76, 20}},
    {"Label_current",
     "GroupBox1",
     Look::Label,
     QT_TRANSLATE_NOOP("TMain", "Current connection:"),
     {6, 38, 112, 18}},
    {"Label_month",
     "GroupBox1",
     Look::Label,
     QT_TRANSLATE_NOOP("TMain", "Current month:"),
     {6, 62, 112, 18}},
    {"StaticText_curtime", "GroupBox1", Look::Figure, "", {120, 38, 80, 18}},
    {"StaticText_curcost", "GroupBox1", Look::Figure, "", {206, 38, 76, 18}},
    {"StaticText_monthtime", "GroupBox1", Look::Figure, "", {120, 62, 80, 18}},
    {"StaticText_monthcost", "GroupBox1", Look::Figure, "", {206, 62, 76, 18}},
    {"GroupBox2", "Panel1", Look::Group, QT_TRANSLATE_NOOP("TMain", "State"), {8, 164, 289, 89}},
    {"Led_R", "GroupBox2", Look::Light, "", {120, 15, 16, 16}},
    {"Label_in",
     "GroupBox2",
     Look::Label,
     QT_TRANSLATE_NOOP("TMain", "Received"),
     {140, 15, 60, 16}},
    {"Led_S", "GroupBox2", Look::Light, "", {206, 15, 16, 16}},
    {"Label_out", "GroupBox2", Look::Label, QT_TRANSLATE_NOOP("TMain", "Sent"), {226, 15, 56, 16}},
    {"Label_bytes",
     "GroupBox2",
     Look::Label,
     QT_TRANSLATE_NOOP("TMain", "Bytes:"),
     {6, 34, 100, 16}},
    {"Label_pack",
     "GroupBox2",
     Look::Label,
     QT_TRANSLATE_NOOP("TMain", "Packs:"),
     {6, 51, 100, 16}},
    {"Label_comp",
     "GroupBox2",
     Look::Label,
     QT_TRANSLATE_NOOP("TMain", "Compression:"),
     {6, 68, 100, 16}},
    {"StaticText_accbyte", "GroupBox2", Look::Figure, "0", {120, 34, 80, 16}},
    {"StaticText_sentbyte", "GroupBox2", Look::Figure, "0", {206, 34, 76, 16}},
    {"StaticText_accpack", "GroupBox2", Look::Figure, "0", {120, 51, 80, 16}},
    {"StaticText_sentpack", "GroupBox2", Look::Figure, "0", {206, 51, 76, 16}},
    {"StaticText_acccomp", "GroupBox2", Look::Figure, "0%", {120, 68, 80, 16}},
    {"StaticText_sentcomp", "GroupBox2", Look::Figure, "0%", {206, 68, 76, 16}},
    {"Label_speed",
     "ClientArea",
     Look::Label,
     QT_TRANSLATE_NOOP("TMain", "Speed:"),
     {8, 278, 40, 18}},
    {"StaticText_speed", "ClientArea", Look::Speed, "0 KBps", {48, 278, 90, 18}},
    {"btnDisconnect",
     "ClientArea",
     Look::Button,
     QT_TRANSLATE_NOOP("TMain", "Disconnect"),
     {150, 275, 80, 24}},
    {"btnClose",
     "ClientArea",
     Look::Button,
     QT_TRANSLATE_NOOP("TMain", "Close"),
     {236, 275, 77, 24}},
};

void setColor(QWidget *widget, QPalette::ColorRole role, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

QWidget *makeControl(const Control &control, QWidget *parent)
{
    const QString text = QCoreApplication::translate("TMain", control.text);
    QWidget *widget = nullptr;
    switch (control.look) {
    case Look::Panel: {
        auto *panel = new QFrame(parent);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setLineWidth(2);
        panel->setAutoFillBackground(true);
        setColor(panel, QPalette::Window, Qt::white);
        setColor(panel, QPalette::WindowText, Qt::black);
        widget = panel;
        break;
    }
    case Look::Graph:
        widget = new TrendGraph(parent);
        break;
    case Look::Group: {
        auto *group = new QGroupBox(text, parent);
        group->setAutoFillBackground(true);
        setColor(group, QPalette::Window, Qt::white);
        // The title takes the group's text colour; the labels inside set black.
        setColor(group, QPalette::WindowText, kCaptionBlue);
        widget = group;
        break;
    }
    case Look::Light:
        widget = new QLabel(parent);
        break;
    case Look::Button:
        widget = new QPushButton(text, parent);
        break;
    case Look::Label:
    case Look::Bold:
    case Look::Head:
    case Look::Figure:
    case Look::Speed: {
        auto *label = new QLabel(text, parent);
        setColor(label, QPalette::WindowText, Qt::black);
        QFont font = label->font();
        font.setBold(control.look == Look::Bold || control.look == Look::Figure ||
                     control.look == Look::Speed);
        if (control.look == Look::Head) {
            font.setPixelSize(16);
            label->setAlignment(Qt::AlignCenter);
            setColor(label, QPalette::WindowText, QColor(0, 0, 128));
        } else if (control.look == Look::Figure) {
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        } else if (control.look == Look::Speed) {
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        }
        if (control.look == Look::Figure || control.look == Look::Speed) {
            // A flat one-pixel edge, the same under every widget style.
            label->setStyleSheet(
                QStringLiteral("QLabel { border: 1px solid rgb(160, 160, 160); padding: 0 2px; }"));
        }
        label->setFont(font);
        widget = label;
        break;
    }
    }
    widget->setObjectName(QLatin1String(control.name));
    widget->setGeometry(control.place);
    return widget;
}

} // namespace

TMain::TMain(ConnectionService &service, Prompter &prompter, const Clock &clock,
             const QString &dataFolder, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                              Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      m_state(std::make_unique<ProgramState>(service, prompter, clock, dataFolder))
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QString::fromLatin1(kApplicationName));

    m_tray = new TrayIcon(*m_state, this, this);
    connect(m_tray, &TrayIcon::showCounterRequested, this, &TMain::ShowcounterClick);
    connect(m_tray, &TrayIcon::statisticsRequested, this, &TMain::StatisticsClick);
    connect(m_tray, &TrayIcon::planRequested, this, &TMain::PlanClick);
    connect(m_tray, &TrayIcon::settingsRequested, this, &TMain::SettingsClick);
    connect(m_tray, &TrayIcon::disconnectRequested, this, &TMain::DisconnectClick);
    connect(m_tray, &TrayIcon::aboutRequested, this, &TMain::AboutClick);
    connect(m_tray, &TrayIcon::exitRequested, this, &TMain::ExitClick);
    connect(m_tray, &TrayIcon::dialRequested, this, &TMain::DialEntryClick);
    connect(m_tray, &TrayIcon::phonebookRequested, this, &TMain::PhonebookClick);

    buildLayout();
    buildMenus();
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

    QHash<QByteArray, QWidget *> controls{{"ClientArea", client}};
    for (const Control &control : kLayout)
        controls.insert(control.name, makeControl(control, controls.value(control.parent)));
    for (int i = 0; i < MonitorView::kFieldCount; ++i) {
        m_fields[i] = qobject_cast<QLabel *>(controls.value(MonitorView::objectName(Field(i))));
        Q_ASSERT(m_fields[i]);
    }
    const QString zeroTime = TextForms::durationText(0);
    const QString zeroMoney = TextForms::moneyText(0);
    m_fields[int(Field::CurTime)]->setText(zeroTime);
    m_fields[int(Field::MonthTime)]->setText(zeroTime);
    m_fields[int(Field::CurCost)]->setText(zeroMoney);
    m_fields[int(Field::MonthCost)]->setText(zeroMoney);

    TrendGraph1 = qobject_cast<TrendGraph *>(controls.value("TrendGraph1"));
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

    Led_R = qobject_cast<QLabel *>(controls.value("Led_R"));
    Led_S = qobject_cast<QLabel *>(controls.value("Led_S"));
    Led_R->setPixmap(image(LightIdle));
    Led_S->setPixmap(image(LightIdle));

    auto *btnDisconnect = qobject_cast<QPushButton *>(controls.value("btnDisconnect"));
    connect(btnDisconnect, &QPushButton::clicked, this, &TMain::DisconnectClick);
    auto *btnClose = qobject_cast<QPushButton *>(controls.value("btnClose"));
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
    m_statusTextLabel = new QLabel(tr("Disconnected..."), bar);
    m_statusTextLabel->setObjectName(QStringLiteral("StatusBar1Text"));
    m_statusTextLabel->setMinimumWidth(80);
    m_tariffLabel = new QLabel(bar);
    m_tariffLabel->setObjectName(QStringLiteral("StatusBar1Tariff"));
    m_tariffLabel->setAccessibleName(tr("Tariff in force"));
    bar->addWidget(m_statusGlyphLabel);
    bar->addWidget(m_statusTextLabel);
    bar->addWidget(m_tariffLabel, 1);
    StatusBar1DrawPanel();

    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TMain::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu *main = bar->addMenu(tr("Main"));
    main->setObjectName(QStringLiteral("Main1"));
    QAction *statistic = main->addAction(tr("Statistic"), this, &TMain::StatisticsClick);
    statistic->setObjectName(QStringLiteral("Statistic2"));
    main->addAction(tr("Plan"), this, &TMain::PlanClick)->setObjectName(QStringLiteral("Plan2"));
    QAction *settings = main->addAction(tr("Settings"), this, &TMain::SettingsClick);
    settings->setObjectName(QStringLiteral("Settings2"));
    main->addSeparator()->setObjectName(QStringLiteral("N2"));
    Connections1 = main->addMenu(tr("Connections"));
    Connections1->setObjectName(QStringLiteral("Connections1"));
    Connections1->menuAction()->setObjectName(QStringLiteral("Connections1"));
    QAction *disconnect = main->addAction(tr("Disconnect"), this, &TMain::DisconnectClick);
    disconnect->setObjectName(QStringLiteral("Disconnect2"));
    main->addSeparator()->setObjectName(QStringLiteral("N3"));
    QAction *close = main->addAction(tr("Close"), this, &TMain::CloseClick);
    close->setObjectName(QStringLiteral("Close1"));
    QAction *exit = main->addAction(tr("Exit"), this, &TMain::ExitClick);
    exit->setObjectName(QStringLiteral("Exit2"));
    QMenu *help = bar->addMenu(tr("Help"));
    help->setObjectName(QStringLiteral("Help1"));
    QAction *about = help->addAction(tr("About"), this, &TMain::AboutClick);
    about->setObjectName(QStringLiteral("About2"));
}

void TMain::FormCreate()
{
    const QString tableError = m_state->start(*this);
    // User mode: every connection that comes up opens its own log-in dialog.
    m_state->monitor().setAuthorizationHook([this](XmlDocument &config) {
        ShowAuthorization(
            AuthorizationContext{m_state->service(), config, m_state->ConfigPath(),
                                 [this](const QString &name) { m_state->setCurrentUserName(name); },
                                 &m_state->prompter(),
                                 [this](const QString &title, const QString &text) {
                                     m_state->view().showBalloon(title, text,
                                                                 kAuthorizationBalloonSeconds);
                                 },
                                 nullptr},
            m_state.get());
    });
    setText(Field::MonthTime, TextForms::durationText(m_state->MonthTime()));
    setText(Field::MonthCost, TextForms::moneyText(m_state->MonthCost()));
    SetTrayImage(TrayDisconnected);
    m_tray->show();
    applyGraphSettings();

    // Reported once the loop runs, so start-up is not held by a message box.
    if (!tableError.isEmpty()) {
        QTimer::singleShot(0, this, [this, tableError] {
            m_state->prompter().message(QString::fromLatin1(kApplicationName), tableError,
                                        Prompter::Icon::Critical);
        });
    }
}

void TMain::applyGraphSettings()
{
    GraphSettings::apply(m_state->config(), *TrendGraph1);
}

void TMain::FormShow()
{
    Led_S->setPixmap(image(LightIdle));
    Led_R->setPixmap(image(LightIdle));
    TrayIcon::buildConnectionsMenu(
        Connections1, *m_state, [this](QAction *item) { DialEntryClick(item); },
        [this] { PhonebookClick(); });
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

void TMain::closeEvent(QCloseEvent *event)
{
    event->ignore();
    // Only the tray can bring a hidden window back; without one the window
    // goes to the task bar so the program stays within reach.
    if (m_tray->isAvailable())
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
    if (m_state->RasDialogOpen())
        return;
    const Prompter::Button answer =
        m_state->prompter().question(QString::fromLatin1(kApplicationName), exitQuestion(),
                                     Prompter::Yes | Prompter::Cancel, Prompter::Icon::Warning);
    if (answer != Prompter::Yes)
        return;
    emit exitConfirmed();
}

void TMain::FormDestroy()
{
    m_tray->Timer2()->stop();
    m_state->finish();
}

QWidget *TMain::modalWindowInFront() const
{
    // Each of these windows is opened from the one in front and is a child of
    // it or of the main window, created after it: the last one in the tree's
    // order is in front.
    QWidget *front = nullptr;
    for (QWidget *widget : findChildren<QWidget *>()) {
        if (widget->isWindow() && widget->isVisible() && widget->windowModality() != Qt::NonModal)
            front = widget;
    }
    return front;
}

bool TMain::bringModalWindowForward()
{
    QWidget *front = modalWindowInFront();
    if (!front)
        return false;
    front->raise();
    front->activateWindow();
    return true;
}

void TMain::SettingsClick()
{
    if (bringModalWindowForward())
        return;
    ProgramState &state = *m_state;
    // Each Apply takes effect at once (which connections count, WatchAll);
    // after the dialog, whatever it changed, the next ticks price with the
    // provider element as the document now stands.
    ShowSettingsDialog(SettingsContext(state.config(), state.ConfigPath(), state.service(),
                                       state.prompter(), TrendGraph1,
                                       [&state] { state.settingsClosed(); }),
                       this);
    state.settingsClosed();
}

void TMain::StatisticsClick()
{
    if (bringModalWindowForward())
        return;
    ProgramState &program = state();
    TStatistic::ShowStatistics(program.MemTable(), program.LogsDir(),
                               program.statistics().filePath(), program.prompter(), this);
}

void TMain::PlanClick()
{
    // A window of the main window's would be blocked like the main window.
    if (bringModalWindowForward())
        return;
    ProgramState &program = state();
    const bool connected = program.isStarted() && program.monitor().WasConnected();
    TPlan::ShowPlan(program.plans(), connected ? program.EntryName() : QString(), this);
}

void TMain::AboutClick()
{
    if (bringModalWindowForward())
        return;
    m_state->prompter().message(tr("About %1").arg(QString::fromLatin1(kApplicationName)),
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
    // A window open over the main window comes with it, in front.
    if (!bringModalWindowForward())
        activateWindow();
}

void TMain::DisconnectClick()
{
    m_state->HangUpAll();
}

void TMain::DialEntryClick(QAction *item)
{
    if (!item)
        return;
    const QVariant data = item->data();
    // One dial at a time: the tray menu stays usable while one runs.
    if (m_state->RasDialogOpen()) {
        if (auto *open = findChild<DialDialog *>()) {
            open->raise();
            open->activateWindow();
        }
        return;
    }
    const QString entry = data.isValid() ? data.toString() : EntryNameFromCaption(item->text());
    m_state->setRasDialogOpen(true);
    if (m_state->confirmDial(entry))
        DialDialog::run(m_state->service(), entry, this);
    m_state->setRasDialogOpen(false);
}

void TMain::PhonebookClick()
{
    if (bringModalWindowForward())
        return;
    // Not a dial: Exit stays possible while the phonebook is edited.
    PhonebookDialog::run(m_state->service(), m_state->prompter(), this);
}

void TMain::TrendGraph1ChangeDescret(TrendGraph *sender, quint16 Level)
{
    Q_UNUSED(sender);
    TrendGraph1->setCaption(QString::number(int(Level) * 5) + QLatin1String("Kb/s"));
}

void TMain::StatusBar1DrawPanel()
{
    const bool connected = m_state->isStarted() && m_state->monitor().WasConnected();
    setStatusGlyph(connected ? ConnectedGlyph : DisconnectedGlyph);
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
    m_statusGlyphLabel->setPixmap(this->image(image));
}

void TMain::setStatusText(const QString &text)
{
    m_statusTextLabel->setText(text);
}

void TMain::SetTrayImage(int index)
{
    m_tray->SetTrayImage(index);
}

void TMain::setTrayHint(const QString &hint)
{
    m_tray->setHint(hint);
}

void TMain::showBalloon(const QString &title, const QString &text, int timeoutSeconds)
{
    m_tray->showBalloon(title, text, timeoutSeconds);
}

void TMain::startBalloonTimer()
{
    m_tray->startBalloonTimer();
}

void TMain::AddValue(qint32 value)
{
    TrendGraph1->AddValue(value);
}

void TMain::setTariffText(const QString &text)
{
    if (m_tariffLabel->text() != text)
        m_tariffLabel->setText(text);
}
