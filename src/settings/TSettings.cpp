#include "settings/TSettings.h"

#include "access/TfrmPasswordBox.h"
#include "core/Prompter.h"
#include "core/TextForms.h"
#include "core/Version.h"
#include "cost/ProviderPlan.h"
#include "settings/AutostartEntry.h"
#include "settings/ConfigLists.h"
#include "settings/FormParts.h"
#include "settings/GraphSettings.h"
#include "settings/NumericPriceBox.h"
#include "settings/ProviderIdleBox.h"
#include "settings/TISPEdit.h"
#include "settings/TRangeTimeEdit.h"
#include "settings/TTariffTypesEdit.h"
#include "store/ConfigDocument.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cstring>

namespace {

// Reads a setting of the working copy, adding its element when missing.
QString readSetting(XmlDocument &config, const ConfigKey &key)
{
    return GetSectionValue(config, key.sectionName(), key.keyName());
}

void writeSetting(XmlDocument &config, const ConfigKey &key, const QString &value)
{
    SetSectionValue(config, key.sectionName(), key.keyName(), value);
}
const QString kOne = QStringLiteral("1");
const QString kZero = QStringLiteral("0");
const QStringList kGraphTypes = {QStringLiteral("3D"), QStringLiteral("Filled"),
                                 QStringLiteral("Line"), QStringLiteral("Scatter")};
// How often the Apply button looks at the live document, which other parts
// of the program (the log-in of user mode) may change while the dialog is open.
constexpr int kLiveCheckMs = 1000;

QString title()
{
    return QString::fromLatin1(kApplicationName);
}

// Names and values are short: comparing in place beats a library call.
inline bool sameText(const char *a, const char *b)
{
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

bool sameAttributes(pugi::xml_node a, pugi::xml_node b)
{
    pugi::xml_attribute x = a.first_attribute();
    pugi::xml_attribute y = b.first_attribute();
    for (; x && y; x = x.next_attribute(), y = y.next_attribute())
        if (!sameText(x.name(), y.name()) || !sameText(x.value(), y.value()))
            return false;
    return !x && !y;
}

// Whether two nodes would serialize to the same text: the same type, name,
// value and attributes, and children alike in the same order. Walking both
// trees is much quicker than writing them out.
bool sameContent(pugi::xml_node a, pugi::xml_node b, bool withChildren = true)
{
    if (a.type() != b.type() || !sameText(a.name(), b.name()) || !sameText(a.value(), b.value()) ||
        !sameAttributes(a, b))
        return false;
    if (!withChildren)
        return true;
    pugi::xml_node x = a.first_child();
    pugi::xml_node y = b.first_child();
    for (; x && y; x = x.next_sibling(), y = y.next_sibling())
        if (!sameContent(x, y))
            return false;
    return !x && !y;
}

QString trafficCapText(const ProviderPlan &plan)
{
    return plan.hasTrafficCap() ? TextForms::numberText(plan.trafficCapMB) : QString();
}

QCheckBox *checkBox(QWidget *parent, const QString &caption, const char *name)
{
    auto *result = new QCheckBox(caption, parent);
    result->setObjectName(QString::fromLatin1(name));
    return result;
}

} // namespace

TSettings::TSettings(const SettingsContext &context, QWidget *parent)
    : QDialog(parent), m_context(context), FConfig(context.config)
{
    setObjectName(QStringLiteral("Settings"));
    setWindowTitle(QStringLiteral("Settings"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(buildGeneralTab(), QStringLiteral("&General"));
    PageControl1->addTab(buildTariffsTab(), QStringLiteral("&Tariffs"));
    PageControl1->addTab(buildUsersTab(), QStringLiteral("&Users"));
    PageControl1->addTab(buildGraphTab(), QStringLiteral("Traffic g&raph"));

    btnApply = FormParts::button(this, QStringLiteral("&Apply"), "btnApply");
    btnOk = FormParts::button(this, QStringLiteral("Ok"), "btnOk");
    btnCancel = FormParts::button(this, QStringLiteral("Cancel"), "btnCancel");
    connect(btnApply, &QPushButton::clicked, this, &TSettings::btnApplyClick);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnApply);
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    layout->addLayout(buttons);
    resize(460, 500);

    // The working copy starts as the live document's text in memory.
    FWorkConfig.parse(FConfig.serialize());
    PageControl1->setCurrentIndex(0);
    LoadSettings();

    m_idleCheck = new QTimer(this);
    m_idleCheck->setInterval(kLiveCheckMs);
    connect(m_idleCheck, &QTimer::timeout, this, &TSettings::ctnApplyUpdate);
    m_idleCheck->start();
    ctnApplyUpdate();
}

TSettings::~TSettings()
{
    // The base class hides the dialog after the working copy is gone; the
    // fee box must not store into it when it loses the focus then.
    edtPayConn->disconnect(this);
    for (QObject *box : std::initializer_list<QObject *>{spnPeriodStart, spnAlertAt, edtTrafficCap,
                                                         edtCostCap, chbHangUpAtCap})
        box->disconnect(this);
}

QWidget *TSettings::buildGeneralTab()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    chbStartUp = checkBox(page, QStringLiteral("&Start with the desktop session"), "chbStartUp");
    chbCalculate = checkBox(page, QStringLiteral("&Calculate cost"), "chbCalculate");
    chbUserMode = checkBox(page, QStringLiteral("Used user &mode"), "chbUserMode");
    chbWatchAll = checkBox(page, QStringLiteral("&Watch every network connection"), "chbWatchAll");
    chbPassword =
        checkBox(page, QStringLiteral("Set &password to protect your settings"), "chbPassword");
    btnPassword = FormParts::button(page, QStringLiteral("Set passwor&d..."), "btnPassword");
    chbFlyingWindow = checkBox(page, QStringLiteral("Flying window"), "chbFlyingWindow");
    chbFlyingWindow->setVisible(false);

    connect(chbCalculate, &QCheckBox::toggled, this, &TSettings::chbCalculateClick);
    connect(chbUserMode, &QCheckBox::toggled, this, &TSettings::chbUserModeClick);
    connect(chbWatchAll, &QCheckBox::toggled, this, &TSettings::chbWatchAllClick);
    connect(chbPassword, &QCheckBox::toggled, this, &TSettings::chbPasswordClick);
    connect(btnPassword, &QPushButton::clicked, this, &TSettings::btnPasswordClick);
    connect(chbFlyingWindow, &QCheckBox::toggled, this, &TSettings::chbFlyingWindowClick);
    connect(chbStartUp, &QCheckBox::toggled, this, &TSettings::ctnApplyUpdate);

    auto *passwordRow = new QHBoxLayout;
    passwordRow->addSpacing(20);
    passwordRow->addWidget(btnPassword);
    passwordRow->addStretch();
    auto *layout = new QVBoxLayout(page);
    for (QWidget *widget : {chbStartUp, chbCalculate, chbUserMode, chbWatchAll, chbPassword})
        layout->addWidget(widget);
    layout->addLayout(passwordRow);
    layout->addWidget(chbFlyingWindow);
    layout->addStretch();
    return page;
}

QWidget *TSettings::buildTariffsTab()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));

    QLabel *ispLabel = nullptr;
    cmbISP = FormParts::labelledCombo(page, QStringLiteral("&ISP"), "Label4", "cmbISP", &ispLabel);
    btnEditISP = FormParts::ellipsisButton(page, "btnEditISP", QStringLiteral("Edit ISP"));
    connect(cmbISP, &QComboBox::activated, this, &TSettings::cmbISPSelect);
    connect(btnEditISP, &QPushButton::clicked, this, &TSettings::btnEditISPClick);

    GroupBox1 = new QGroupBox(page);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    QLabel *defLabel = nullptr;
    cmbDefCost = FormParts::labelledCombo(GroupBox1, QStringLiteral("&Default cost"), "Label3",
                                          "cmbDefCost", &defLabel);
    btnEditTariff =
        FormParts::ellipsisButton(GroupBox1, "btnEditTariff", QStringLiteral("Edit tariff type"));
    connect(cmbDefCost, &QComboBox::activated, this, &TSettings::cmbDefCostSelect);
    connect(btnEditTariff, &QPushButton::clicked, this, &TSettings::btnEditTariffClick);

    TreeView1 = new QTreeWidget(GroupBox1);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setAccessibleName(QStringLiteral("Time ranges by day"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(TreeView1, &QTreeWidget::itemDoubleClicked, this, &TSettings::TreeView1DblClick);
    connect(TreeView1, &QTreeWidget::itemSelectionChanged, this, [this] {
        keepSelectionInOneDay();
        ctnUpdateTariffUpdate();
    });
    connect(TreeView1, &QTreeWidget::currentItemChanged, this, &TSettings::ctnUpdateTariffUpdate);

    btnAddT = FormParts::button(GroupBox1, QStringLiteral("A&dd"), "btnAddT");
    btnEditT = FormParts::button(GroupBox1, QStringLiteral("&Edit"), "btnEditT");
    btnDelT = FormParts::button(GroupBox1, QStringLiteral("De&lete"), "btnDelT");
    connect(btnAddT, &QPushButton::clicked, this, &TSettings::btnAddTClick);
    connect(btnEditT, &QPushButton::clicked, this, &TSettings::EditTClick);
    connect(btnDelT, &QPushButton::clicked, this, &TSettings::btnDelTClick);

    auto *payLabel = new QLabel(QStringLiteral("&Pay"), GroupBox1);
    payLabel->setObjectName(QStringLiteral("Label1"));
    edtPayConn = new NumericPriceBox(GroupBox1);
    edtPayConn->setObjectName(QStringLiteral("edtPayConn"));
    edtPayConn->setAccessibleName(QStringLiteral("Pay for start of connection"));
    payLabel->setBuddy(edtPayConn);
    auto *payTail = new QLabel(QStringLiteral("for start of connection"), GroupBox1);
    payTail->setObjectName(QStringLiteral("Label2"));
    // Stored as it is typed as well, so Apply sees a fee not yet left.
    connect(edtPayConn, &NumericPriceBox::amountEdited, this, &TSettings::edtPayConnExit);
    connect(edtPayConn, &NumericPriceBox::exited, this, &TSettings::edtPayConnExit);

    auto *ispRow = new QHBoxLayout;
    ispRow->addWidget(ispLabel);
    ispRow->addWidget(cmbISP, 1);
    ispRow->addWidget(btnEditISP);
    auto *defRow = new QHBoxLayout;
    defRow->addWidget(defLabel);
    defRow->addWidget(cmbDefCost, 1);
    defRow->addWidget(btnEditTariff);
    auto *treeButtons = new QVBoxLayout;
    treeButtons->addWidget(btnAddT);
    treeButtons->addWidget(btnEditT);
    treeButtons->addWidget(btnDelT);
    treeButtons->addStretch();
    auto *treeRow = new QHBoxLayout;
    treeRow->addWidget(TreeView1, 1);
    treeRow->addLayout(treeButtons);
    auto *payRow = new QHBoxLayout;
    payRow->addWidget(payLabel);
    payRow->addWidget(edtPayConn);
    payRow->addWidget(payTail);
    payRow->addStretch();
    auto *groupLayout = new QVBoxLayout(GroupBox1);
    groupLayout->addLayout(defRow);
    groupLayout->addLayout(treeRow, 1);
    groupLayout->addLayout(payRow);

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(ispRow);
    layout->addWidget(GroupBox1, 1);
    layout->addWidget(buildPlanBox(page));
    auto *idle = new ProviderIdleBox(page);
    layout->addWidget(idle);
    connect(idle, &ProviderIdleBox::providerEdited, this, &TSettings::providerChanged);
    return page;
}

QGroupBox *TSettings::buildPlanBox(QWidget *page)
{
    grpPlan = new QGroupBox(QStringLiteral("Plan"), page);
    grpPlan->setObjectName(QStringLiteral("grpPlan"));
    const auto label = [this](const QString &caption, const char *name, QWidget *buddy) {
        auto *result = new QLabel(caption, grpPlan);
        result->setObjectName(QString::fromLatin1(name));
        result->setBuddy(buddy);
        buddy->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
        return result;
    };

    spnPeriodStart = new QSpinBox(grpPlan);
    spnPeriodStart->setObjectName(QStringLiteral("spnPeriodStart"));
    spnPeriodStart->setRange(1, 31);
    spnPeriodStart->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    spnPeriodStart->setToolTip(
        QStringLiteral("A day past the end of a month means the month's last day"));
    QLabel *periodLabel =
        label(QStringLiteral("Period &begins on day"), "lblPeriodStart", spnPeriodStart);

    spnAlertAt = new QSpinBox(grpPlan);
    spnAlertAt->setObjectName(QStringLiteral("spnAlertAt"));
    spnAlertAt->setRange(0, 100);
    spnAlertAt->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    spnAlertAt->setSuffix(QStringLiteral(" %"));
    spnAlertAt->setToolTip(QStringLiteral("Warn when this share of a cap is used"));
    QLabel *alertLabel = label(QStringLiteral("&Warn at"), "lblAlertAt", spnAlertAt);
    spnAlertAt->setAccessibleName(QStringLiteral("Warn at percent of a cap"));

    edtTrafficCap = new QLineEdit(grpPlan);
    edtTrafficCap->setObjectName(QStringLiteral("edtTrafficCap"));
    edtTrafficCap->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edtTrafficCap->setPlaceholderText(QStringLiteral("none"));
    edtTrafficCap->setValidator(new QRegularExpressionValidator(
        QRegularExpression(
            QStringLiteral("[0-9]{0,12}([.,][0-9]{0,%1})?").arg(NumericPriceBox::kDecimals)),
        edtTrafficCap));
    QLabel *trafficLabel = label(QStringLiteral("Tra&ffic cap"), "lblTrafficCap", edtTrafficCap);
    edtTrafficCap->setAccessibleName(QStringLiteral("Traffic cap in MB"));
    auto *trafficUnit = new QLabel(QStringLiteral("MB"), grpPlan);
    trafficUnit->setObjectName(QStringLiteral("lblTrafficUnit"));
    trafficUnit->setToolTip(QStringLiteral("Megabytes received plus sent per period"));

    edtCostCap = new NumericPriceBox(grpPlan);
    edtCostCap->setObjectName(QStringLiteral("edtCostCap"));
    edtCostCap->setZeroShownEmpty(true);
    edtCostCap->setPlaceholderText(QStringLiteral("none"));
    QLabel *costLabel = label(QStringLiteral("C&ost cap"), "lblCostCap", edtCostCap);

    chbHangUpAtCap =
        checkBox(grpPlan, QStringLiteral("&Hang up when a cap is reached"), "chbHangUpAtCap");

    // An edit stores only the value it changes, so a value the boxes cannot
    // show exactly (a fractional percent) is not rewritten on the way.
    connect(spnPeriodStart, &QSpinBox::valueChanged, this,
            [this](int day) { editPlan([day](ProviderPlan &plan) { plan.periodStart = day; }); });
    connect(spnAlertAt, &QSpinBox::valueChanged, this, [this](int percent) {
        editPlan([percent](ProviderPlan &plan) { plan.alertAt = percent; });
    });
    connect(edtTrafficCap, &QLineEdit::textEdited, this, [this](const QString &text) {
        double megabytes = 0;
        if (!NumericPriceBox::readAmount(text, &megabytes))
            megabytes = 0;
        editPlan([megabytes](ProviderPlan &plan) { plan.trafficCapMB = megabytes; });
    });
    // Typed with either separator, shown again in the regional form.
    connect(edtTrafficCap, &QLineEdit::editingFinished, this, [this] {
        if (const pugi::xml_node provider = currentProvider())
            edtTrafficCap->setText(trafficCapText(ReadProviderPlan(provider)));
    });
    connect(edtCostCap, &NumericPriceBox::amountEdited, this, [this] {
        const double money = edtCostCap->value();
        editPlan([money](ProviderPlan &plan) { plan.costCap = money; });
    });
    connect(chbHangUpAtCap, &QCheckBox::toggled, this, [this](bool hangUp) {
        editPlan([hangUp](ProviderPlan &plan) { plan.hangUpAtCap = hangUp; });
    });

    auto *trafficBox = new QHBoxLayout;
    trafficBox->addWidget(edtTrafficCap, 1);
    trafficBox->addWidget(trafficUnit);
    auto *layout = new QGridLayout(grpPlan);
    layout->addWidget(periodLabel, 0, 0);
    layout->addWidget(spnPeriodStart, 0, 1);
    layout->addWidget(alertLabel, 0, 3);
    layout->addWidget(spnAlertAt, 0, 4);
    layout->addWidget(trafficLabel, 1, 0);
    layout->addLayout(trafficBox, 1, 1);
    layout->addWidget(costLabel, 1, 3);
    layout->addWidget(edtCostCap, 1, 4);
    layout->addWidget(chbHangUpAtCap, 2, 0, 1, 5);
    layout->setColumnMinimumWidth(2, 12);
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(4, 1);
    return grpPlan;
}

QWidget *TSettings::buildUsersTab()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet3"));
    lstUser = new QListWidget(page);
    lstUser->setObjectName(QStringLiteral("lstUser"));
    lstUser->setAccessibleName(QStringLiteral("Users"));
    btnAddUser = FormParts::button(page, QStringLiteral("A&dd"), "btnAddUser");
    btnEditUser = FormParts::button(page, QStringLiteral("&Edit"), "btnEditUser");
    btnDelUser = FormParts::button(page, QStringLiteral("De&lete"), "btnDelUser");
    btnPasswordUser = FormParts::button(page, QStringLiteral("&Password"), "btnPasswordUser");
    connect(btnAddUser, &QPushButton::clicked, this, &TSettings::btnAddUserClick);
    connect(btnEditUser, &QPushButton::clicked, this, &TSettings::btnEditUserClick);
    connect(btnDelUser, &QPushButton::clicked, this, &TSettings::btnDelUserClick);
    connect(btnPasswordUser, &QPushButton::clicked, this, &TSettings::btnPasswordUserClick);
    connect(lstUser, &QListWidget::itemDoubleClicked, this, &TSettings::lstUserDblClick);
    connect(lstUser, &QListWidget::itemSelectionChanged, this, &TSettings::ctnUpdateUserUpdate);
    connect(lstUser, &QListWidget::currentRowChanged, this, &TSettings::ctnUpdateUserUpdate);

    auto *buttons = new QVBoxLayout;
    for (QWidget *widget : {btnAddUser, btnEditUser, btnDelUser, btnPasswordUser})
        buttons->addWidget(widget);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(page);
    layout->addWidget(lstUser, 1);
    layout->addLayout(buttons);
    return page;
}

QWidget *TSettings::buildGraphTab()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet4"));
    QLabel *typeLabel = nullptr;
    cmbGraphType = FormParts::labelledCombo(page, QStringLiteral("T&ype"), "Label5", "cmbGraphType",
                                            &typeLabel);
    cmbGraphType->setEditable(true);
    cmbGraphType->setInsertPolicy(QComboBox::NoInsert);
    cmbGraphType->addItems(kGraphTypes);
    chbVerticalAxis = checkBox(page, QStringLiteral("Show &vertical axis"), "chbVerticalAxis");
    chbHorizontalAxis =
        checkBox(page, QStringLiteral("Show &horizontal axis"), "chbHorizontalAxis");
    connect(cmbGraphType, &QComboBox::currentIndexChanged, this, &TSettings::cmbGraphTypeChange);
    connect(cmbGraphType, &QComboBox::editTextChanged, this, &TSettings::cmbGraphTypeChange);
    connect(chbVerticalAxis, &QCheckBox::toggled, this, &TSettings::chbVerticalAxisClick);
    connect(chbHorizontalAxis, &QCheckBox::toggled, this, &TSettings::chbHorizontalAxisClick);

    auto *typeRow = new QHBoxLayout;
    typeRow->addWidget(typeLabel);
    typeRow->addWidget(cmbGraphType);
    typeRow->addStretch();
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(typeRow);
    layout->addWidget(chbVerticalAxis);
    layout->addWidget(chbHorizontalAxis);
    layout->addStretch();
    return page;
}

void TSettings::keyPressEvent(QKeyEvent *event)
{
    // Neither Ok nor Cancel is the default or the cancel button: Enter and
    // Escape leave the dialog open.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void TSettings::changed()
{
    ctnApplyUpdate();
}

void TSettings::providerChanged(pugi::xml_node provider)
{
    if (m_providersKnown) {
        const pugi::xml_node liveProviders = ConfigLists::section(FConfig, "ISP");
        pugi::xml_node work = ConfigLists::section(FWorkConfig, "ISP").first_child();
        pugi::xml_node live = liveProviders.first_child();
        qsizetype position = 0;
        for (; work && work != provider; work = work.next_sibling(), live = live.next_sibling())
            ++position;
        if (work && position < m_providerSame.size())
            m_providerSame[position] = live && sameContent(work, live);
        else
            m_providersKnown = false;
    }
    ctnApplyUpdate();
}

void TSettings::providersChanged()
{
    m_providersKnown = false;
    ctnApplyUpdate();
}

bool TSettings::sameProviders(pugi::xml_node work, pugi::xml_node live)
{
    if (!m_providersKnown) {
        m_providerSame.clear();
        pugi::xml_node x = work.first_child();
        pugi::xml_node y = live.first_child();
        for (; x && y; x = x.next_sibling(), y = y.next_sibling())
            m_providerSame.append(sameContent(x, y));
        m_providerCountsEqual = !x && !y;
        m_providersKnown = true;
    }
    return m_providerCountsEqual && !m_providerSame.contains(false) &&
           sameContent(work, live, false);
}

void TSettings::LoadSettings()
{
    chbStartUp->setChecked(AutostartEntry::isEnabled());
    // Every box starts unticked, so ticking one runs its handler, which
    // writes "1" into its setting (an empty axis setting becomes "1").
    chbCalculate->setChecked(readSetting(FWorkConfig, ConfigKeys::Calculate) == kOne);
    chbUserMode->setChecked(readSetting(FWorkConfig, ConfigKeys::UserMode) == kOne);
    chbWatchAll->setChecked(readSetting(FWorkConfig, ConfigKeys::WatchAll) == kOne);
    const bool hasPassword = !readSetting(FWorkConfig, ConfigKeys::Password).isEmpty();
    chbPassword->setChecked(hasPassword);
    btnPassword->setEnabled(hasPassword);

    const QString vert = readSetting(FWorkConfig, ConfigKeys::VertAx);
    chbVerticalAxis->setChecked(vert.isEmpty() || vert == kOne);
    const QString hor = readSetting(FWorkConfig, ConfigKeys::HorAx);
    chbHorizontalAxis->setChecked(hor.isEmpty() || hor == kOne);

    const QString type = readSetting(FWorkConfig, ConfigKeys::GraphType);
    bool isNumber = false;
    const int index = type.trimmed().toInt(&isNumber);
    {
        const QSignalBlocker blocker(cmbGraphType);
        cmbGraphType->setCurrentIndex(!isNumber ? 1 : (index >= 0 && index < 4 ? index : -1));
        if (cmbGraphType->currentIndex() < 0)
            cmbGraphType->setEditText(QString());
    }

    ConfigLists::fill(cmbISP, FWorkConfig, QStringLiteral("ISP"));
    cmbISP->setCurrentIndex(cmbISP->count() > 0 ? 0 : -1);
    cmbISPSelect();

    ConfigLists::fill(lstUser, FWorkConfig, QStringLiteral("Users"));
    ConfigLists::selectRow(lstUser, 0);
    ctnUpdateUserUpdate();
}

void TSettings::storeFlag(const ConfigKey &key, const QCheckBox *box)
{
    writeSetting(FWorkConfig, key, box->isChecked() ? kOne : kZero);
    changed();
}

void TSettings::chbCalculateClick()
{
    storeFlag(ConfigKeys::Calculate, chbCalculate);
}

void TSettings::chbUserModeClick()
{
    storeFlag(ConfigKeys::UserMode, chbUserMode);
}

void TSettings::chbWatchAllClick()
{
    storeFlag(ConfigKeys::WatchAll, chbWatchAll);
}

void TSettings::chbFlyingWindowClick()
{
    storeFlag(ConfigKeys::Flying, chbFlyingWindow);
}

void TSettings::chbVerticalAxisClick()
{
    storeFlag(ConfigKeys::VertAx, chbVerticalAxis);
}

void TSettings::chbHorizontalAxisClick()
{
    storeFlag(ConfigKeys::HorAx, chbHorizontalAxis);
}

void TSettings::chbPasswordClick()
{
    // Ticking stores nothing: protection starts once a password is set.
    if (!chbPassword->isChecked())
        writeSetting(FWorkConfig, ConfigKeys::Password, QString());
    btnPassword->setEnabled(chbPassword->isChecked());
    changed();
}

void TSettings::btnPasswordClick()
{
    const QString first = InputPassword(m_context.prompter, QStringLiteral("Enter new password"));
    if (first.isEmpty())
        return;
    const QString second = InputPassword(m_context.prompter, QStringLiteral("Re-enter password"));
    if (second != first) {
        m_context.prompter.message(title(), QStringLiteral("Incorrect password !!!"));
        return;
    }
    writeSetting(FWorkConfig, ConfigKeys::Password, first);
    changed();
}

void TSettings::cmbGraphTypeChange()
{
    // Typed text that is not one of the entries selects none.
    int index = cmbGraphType->currentIndex();
    if (cmbGraphType->currentText() != cmbGraphType->itemText(index))
        index = cmbGraphType->findText(cmbGraphType->currentText(), Qt::MatchFixedString);
    writeSetting(FWorkConfig, ConfigKeys::GraphType, QString::number(index));
    changed();
}

void TSettings::btnApplyClick()
{
    ApplySettings();
}

void TSettings::ApplySettings()
{
    const QString program = m_context.executablePath.isEmpty()
                                ? QCoreApplication::applicationFilePath()
                                : m_context.executablePath;
    AutostartEntry::apply(chbStartUp->isChecked(), program);

    // Parsed aside first, so a failure leaves the live document as it was.
    XmlDocument copy;
    if (copy.parse(FWorkConfig.serialize())) {
        FConfig = copy;
        m_providersKnown = false;
    }
    SaveConfig(m_context.configPath, FConfig);

    if (m_context.graph)
        GraphSettings::apply(FWorkConfig, *m_context.graph);
    if (m_context.applied)
        m_context.applied();
    ctnApplyUpdate();
}

void TSettings::ctnApplyUpdate()
{
    // The serialized texts differ exactly when the trees differ. Only this
    // dialog changes the live document's providers (the rest of the program
    // reads them), so each provider's comparison is kept until the provider
    // or the live document changes; everything else is compared every time.
    const pugi::xml_node workRoot = FWorkConfig.root();
    const pugi::xml_node liveRoot = FConfig.root();
    bool same = true;
    pugi::xml_node a = FWorkConfig.doc().first_child();
    pugi::xml_node b = FConfig.doc().first_child();
    for (; same && a && b; a = a.next_sibling(), b = b.next_sibling())
        same = a == workRoot && b == liveRoot ? sameSections(a, b) : sameContent(a, b);
    btnApply->setEnabled(!(same && !a && !b));
}

bool TSettings::sameSections(pugi::xml_node work, pugi::xml_node live)
{
    if (!sameContent(work, live, false))
        return false;
    const pugi::xml_node workProviders = work.child("ISP");
    pugi::xml_node x = work.first_child();
    pugi::xml_node y = live.first_child();
    for (; x && y; x = x.next_sibling(), y = y.next_sibling()) {
        const bool same = x == workProviders && std::strcmp(y.name(), "ISP") == 0
                              ? sameProviders(x, y)
                              : sameContent(x, y);
        if (!same)
            return false;
    }
    return !x && !y;
}

// Tariffs tab

pugi::xml_node TSettings::currentProvider() const
{
    return ConfigLists::element(cmbISP, cmbISP->currentIndex());
}

void TSettings::cmbISPSelect()
{
    const pugi::xml_node provider = currentProvider();
    if (!provider) {
        cmbDefCost->clear();
        TreeView1->clear();
        edtPayConn->setAmountText(QString());
        GroupBox1->setEnabled(false);
        showPlan(provider);
        ctnUpdateTariffUpdate();
        ctnApplyUpdate();
        return;
    }
    refreshDefaultTariffList();
    edtPayConn->setAmountText(attributeText(provider, "PayConn"));
    BuildTariffTree(provider);
    GroupBox1->setEnabled(true);
    showPlan(provider);
    ctnUpdateTariffUpdate();
    providerChanged(provider);
}

void TSettings::refreshDefaultTariffList()
{
    ConfigLists::fill(cmbDefCost, FWorkConfig, QStringLiteral("TariffTypes"));
    const pugi::xml_node provider = currentProvider();
    if (!provider || !hasAttribute(provider, "DefCost"))
        return;
    // By the type's element rather than its position among the children, so
    // an entry without a Name does not shift the choice.
    const pugi::xml_node type =
        FindChildByAttribute(ConfigLists::section(FWorkConfig, "TariffTypes"), QStringLiteral("ID"),
                             attributeText(provider, "DefCost"));
    const QSignalBlocker blocker(cmbDefCost);
    cmbDefCost->setCurrentIndex(ConfigLists::indexOf(cmbDefCost, type));
}

void TSettings::BuildTariffTree(pugi::xml_node provider)
{
    TreeView1->setUpdatesEnabled(false);
    TreeView1->clear();
    QList<QTreeWidgetItem *> days;
    days.reserve(DayNames.size());
    for (const QString &dayName : DayNames) {
        const QByteArray name = dayName.toUtf8();
        pugi::xml_node day = provider.child(name.constData());
        if (!day)
            day = provider.append_child(name.constData());
        auto *dayNode = new QTreeWidgetItem(QStringList{dayName});
        dayNode->setData(0, Qt::UserRole, ConfigLists::elementData(day));
        for (pugi::xml_node range : day.children()) {
            if (range.type() != pugi::node_element)
                continue;
            auto *rangeNode = new QTreeWidgetItem(dayNode);
            rangeNode->setText(0, ConfigLists::rangeText(
                                      attributeText(range, "Time1"), attributeText(range, "Time2"),
                                      ConfigLists::tariffTypeName(
                                          FWorkConfig, attributeText(range, "TariffType"))));
            rangeNode->setData(0, Qt::UserRole, ConfigLists::elementData(range));
        }
        days.append(dayNode);
    }
    TreeView1->addTopLevelItems(days);
    TreeView1->expandAll();
    TreeView1->setUpdatesEnabled(true);
}

void TSettings::cmbDefCostSelect()
{
    pugi::xml_node provider = currentProvider();
    const pugi::xml_node type = ConfigLists::element(cmbDefCost, cmbDefCost->currentIndex());
    if (!provider || !type)
        return;
    setAttributeText(provider, "DefCost", attributeText(type, "ID"));
    providerChanged(provider);
}

void TSettings::edtPayConnExit()
{
    pugi::xml_node provider = currentProvider();
    if (!provider)
        return;
    setAttributeText(provider, "PayConn", edtPayConn->amountText());
    providerChanged(provider);
}

void TSettings::showPlan(pugi::xml_node provider)
{
    const ProviderPlan plan = provider ? ReadProviderPlan(provider) : ProviderPlan();
    const QSignalBlocker blockers[] = {QSignalBlocker(spnPeriodStart), QSignalBlocker(spnAlertAt),
                                       QSignalBlocker(edtTrafficCap), QSignalBlocker(edtCostCap),
                                       QSignalBlocker(chbHangUpAtCap)};
    spnPeriodStart->setValue(plan.periodStart);
    spnAlertAt->setValue(qRound(plan.alertAt));
    edtTrafficCap->setText(trafficCapText(plan));
    edtCostCap->setValue(plan.hasCostCap() ? plan.costCap : 0);
    chbHangUpAtCap->setChecked(plan.hangUpAtCap);
    enableCapActions(plan);
    grpPlan->setEnabled(bool(provider));
    if (auto *idle = findChild<ProviderIdleBox *>())
        idle->loadFrom(provider);
}

void TSettings::enableCapActions(const ProviderPlan &plan)
{
    // Warning and hanging up are about caps.
    const bool capped = plan.hasTrafficCap() || plan.hasCostCap();
    spnAlertAt->setEnabled(capped);
    chbHangUpAtCap->setEnabled(capped);
}

void TSettings::editPlan(const std::function<void(ProviderPlan &)> &change)
{
    pugi::xml_node provider = currentProvider();
    if (!provider)
        return;
    ProviderPlan plan = ReadProviderPlan(provider);
    change(plan);
    WriteProviderPlan(provider, plan);
    enableCapActions(plan);
    providerChanged(provider);
}

void TSettings::btnEditISPClick()
{
    const int position = cmbISP->currentIndex();
    EditISPList(FWorkConfig, m_context.service, m_context.prompter, this);
    // The choice follows the position, not the provider.
    ConfigLists::fill(cmbISP, FWorkConfig, QStringLiteral("ISP"));
    cmbISP->setCurrentIndex(position < cmbISP->count() ? position : -1);
    providersChanged();
    cmbISPSelect();
}

void TSettings::btnEditTariffClick()
{
    EditTariffTypes(FWorkConfig, m_context.prompter, this);
    refreshDefaultTariffList();
    changed();
}

void TSettings::keepSelectionInOneDay()
{
    if (m_keepingSelection)
        return;
    const QTreeWidgetItem *current = TreeView1->currentItem();
    if (!current)
        return;
    m_keepingSelection = true;
    const QTreeWidgetItem *parent = current->parent();
    for (QTreeWidgetItem *item : TreeView1->selectedItems())
        if (item->parent() != parent)
            item->setSelected(false);
    m_keepingSelection = false;
}

void TSettings::ctnUpdateTariffUpdate()
{
    const QList<QTreeWidgetItem *> selected = TreeView1->selectedItems();
    const QTreeWidgetItem *current = TreeView1->currentItem();
    if (!current && !selected.isEmpty())
        current = selected.first();
    const bool any = !selected.isEmpty() && current;
    const bool days = any && !current->parent();
    btnAddT->setEnabled(days);
    btnEditT->setEnabled(any && !days && selected.size() == 1);
    btnDelT->setEnabled(any && !days);
}

void TSettings::TreeView1DblClick()
{
    if (btnEditT->isEnabled())
        EditTClick();
}

void TSettings::btnAddTClick()
{
    QStringList list;
    if (EditTimeRange(FWorkConfig, list, m_context.prompter, this)) {
        const QString time1 = ConfigLists::lineValue(list, QStringLiteral("Time1"));
        const QString time2 = ConfigLists::lineValue(list, QStringLiteral("Time2"));
        const QString type = ConfigLists::lineValue(list, QStringLiteral("TariffType"));
        const QString text =
            ConfigLists::rangeText(time1, time2, ConfigLists::tariffTypeName(FWorkConfig, type));
        TreeView1->setUpdatesEnabled(false);
        QList<QTreeWidgetItem *> dayNodes;
        for (QTreeWidgetItem *node : TreeView1->selectedItems()) {
            QTreeWidgetItem *dayNode = node->parent() ? node->parent() : node;
            if (dayNodes.contains(dayNode))
                continue;
            dayNodes.append(dayNode);
            pugi::xml_node day = ConfigLists::elementOf(dayNode->data(0, Qt::UserRole));
            pugi::xml_node range = day.append_child("Item");
            if (!range)
                continue;
            setAttributeText(range, "Time1", time1);
            setAttributeText(range, "Time2", time2);
            setAttributeText(range, "TariffType", type);
            auto *rangeNode = new QTreeWidgetItem(dayNode, QStringList{text});
            rangeNode->setData(0, Qt::UserRole, ConfigLists::elementData(range));
            dayNode->setExpanded(true);
        }
        TreeView1->setUpdatesEnabled(true);
    }
    refreshDefaultTariffList();
    providerChanged(currentProvider());
}

void TSettings::EditTClick()
{
    QTreeWidgetItem *node = TreeView1->currentItem();
    if (!node || !node->parent())
        return;
    pugi::xml_node range = ConfigLists::elementOf(node->data(0, Qt::UserRole));
    QStringList list;
    ConfigLists::setLine(list, QStringLiteral("TariffType"), attributeText(range, "TariffType"));
    ConfigLists::setLine(list, QStringLiteral("Time1"), attributeText(range, "Time1"));
    ConfigLists::setLine(list, QStringLiteral("Time2"), attributeText(range, "Time2"));
    if (EditTimeRange(FWorkConfig, list, m_context.prompter, this)) {
        const QString time1 = ConfigLists::lineValue(list, QStringLiteral("Time1"));
        const QString time2 = ConfigLists::lineValue(list, QStringLiteral("Time2"));
        const QString type = ConfigLists::lineValue(list, QStringLiteral("TariffType"));
        setAttributeText(range, "Time1", time1);
        setAttributeText(range, "Time2", time2);
        setAttributeText(range, "TariffType", type);
        node->setText(0, ConfigLists::rangeText(time1, time2,
                                                ConfigLists::tariffTypeName(FWorkConfig, type)));
    }
    refreshDefaultTariffList();
    providerChanged(currentProvider());
}

void TSettings::btnDelTClick()
{
    if (m_context.prompter.question(title(), QStringLiteral("Delete tariff?"),
                                    Prompter::Yes | Prompter::No) != Prompter::Yes)
        return;
    QList<QTreeWidgetItem *> selected = TreeView1->selectedItems();
    TreeView1->setUpdatesEnabled(false);
    for (auto it = selected.crbegin(); it != selected.crend(); ++it) {
        QTreeWidgetItem *node = *it;
        // Day nodes stay: only ranges are deleted.
        if (!node->parent())
            continue;
        pugi::xml_node element = ConfigLists::elementOf(node->data(0, Qt::UserRole));
        element.parent().remove_child(element);
        delete node;
    }
    TreeView1->setUpdatesEnabled(true);
    ctnUpdateTariffUpdate();
    providerChanged(currentProvider());
}

// Users tab

void TSettings::ctnUpdateUserUpdate()
{
    const bool selected = lstUser->currentItem() && lstUser->currentItem()->isSelected();
    btnEditUser->setEnabled(selected);
    btnDelUser->setEnabled(selected);
    btnPasswordUser->setEnabled(selected);
}

void TSettings::lstUserDblClick()
{
    if (btnEditUser->isEnabled())
        btnEditUserClick();
}

void TSettings::btnAddUserClick()
{
    const QString name =
        m_context.prompter.textInput(QStringLiteral("New user"), QStringLiteral("Enter user name"))
            .value_or(QString());
    if (name.isEmpty())
        return;
    if (ConfigLists::holdsName(lstUser, name)) {
        m_context.prompter.message(title(), QStringLiteral("User already exist"));
        return;
    }
    pugi::xml_node users = ConfigLists::section(FWorkConfig, "Users");
    pugi::xml_node user = users ? users.append_child("Item") : pugi::xml_node();
    if (!user)
        return;
    setAttributeText(user, "Name", name);
    auto *entry = new QListWidgetItem(name, lstUser);
    entry->setData(Qt::UserRole, ConfigLists::elementData(user));
    ConfigLists::selectRow(lstUser, lstUser->count() - 1);
    changed();
}

void TSettings::btnEditUserClick()
{
    const int row = lstUser->currentRow();
    pugi::xml_node user = ConfigLists::element(lstUser, row);
    if (!user)
        return;
    const QString current = lstUser->item(row)->text();
    const QString name =
        m_context.prompter
            .editText(QStringLiteral("Edit user"), QStringLiteral("Enter user name"), current)
            .value_or(current);
    if (name.isEmpty())
        return;
    if (ConfigLists::holdsName(lstUser, name, row)) {
        m_context.prompter.message(title(), QStringLiteral("User already exist"));
        return;
    }
    setAttributeText(user, "Name", name);
    lstUser->item(row)->setText(name);
    changed();
}

void TSettings::btnDelUserClick()
{
    const int row = lstUser->currentRow();
    pugi::xml_node user = ConfigLists::element(lstUser, row);
    if (!user)
        return;
    if (m_context.prompter.question(title(), QStringLiteral("Delete user?"),
                                    Prompter::Yes | Prompter::No) != Prompter::Yes)
        return;
    user.parent().remove_child(user);
    delete lstUser->takeItem(row);
    ConfigLists::selectRow(lstUser, row - 1);
    ctnUpdateUserUpdate();
    changed();
}

void TSettings::btnPasswordUserClick()
{
    pugi::xml_node user = ConfigLists::element(lstUser, lstUser->currentRow());
    if (!user)
        return;
    const QString first = InputPassword(m_context.prompter, QStringLiteral("Enter new password"));
    if (first.isEmpty())
        return;
    const QString second = InputPassword(m_context.prompter, QStringLiteral("Re-enter password"));
    if (second != first) {
        m_context.prompter.message(title(), QStringLiteral("Incorrect password !!!"));
        return;
    }
    setAttributeText(user, "Password", first);
    changed();
}

bool ShowSettingsDialog(const SettingsContext &context, QWidget *parent)
{
    const QString stored = readSetting(context.config, ConfigKeys::Password);
    if (!stored.isEmpty()) {
        const QString typed = InputPassword(context.prompter, QStringLiteral("Enter password"));
        if (typed != stored) {
            if (!typed.isEmpty())
                context.prompter.message(title(), QStringLiteral("Incorrect password"));
            return false;
        }
    }
    TSettings dialog(context, parent);
    if (dialog.exec() == QDialog::Accepted)
        dialog.ApplySettings();
    return true;
}
