#include "settings/TSettings.h"

#include "access/TfrmPasswordBox.h"
#include "core/Prompter.h"
#include "settings/AutostartEntry.h"
#include "settings/ConfigLists.h"
#include "settings/FormParts.h"
#include "settings/GeneralPage.h"
#include "settings/GraphPage.h"
#include "settings/GraphSettings.h"
#include "settings/TariffsPage.h"
#include "settings/UsersPage.h"
#include "store/ConfigDocument.h"
#include "store/ConfigKeys.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <cstring>

namespace {

// How often the Apply button looks at the live document, which other parts
// of the program (the log-in of user mode) may change while the dialog is open.
constexpr int kLiveCheckMs = 1000;

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

} // namespace

TSettings::TSettings(const SettingsContext &context, QWidget *parent)
    : QDialog(parent), m_context(context), FConfig(context.config)
{
    setObjectName(QStringLiteral("Settings"));
    setWindowTitle(tr("Settings"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    m_general = new GeneralPage(*this);
    m_tariffs = new TariffsPage(*this);
    m_users = new UsersPage(*this);
    m_graph = new GraphPage(*this);
    PageControl1->addTab(m_general, tr("&General"));
    PageControl1->addTab(m_tariffs, tr("&Tariffs"));
    PageControl1->addTab(m_users, tr("&Users"));
    PageControl1->addTab(m_graph, tr("Traffic g&raph"));

    btnApply = FormParts::button(this, tr("&Apply"), "btnApply");
    btnOk = FormParts::button(this, tr("Ok"), "btnOk");
    btnCancel = FormParts::button(this, tr("Cancel"), "btnCancel");
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
    // The pages store into the working copy when a box loses the focus, as
    // it does when the base class hides the dialog: they go first.
    delete PageControl1;
}

const SettingsContext &TSettings::context() const
{
    return m_context;
}

void TSettings::LoadSettings()
{
    m_general->load();
    m_graph->load();
    m_tariffs->load();
    m_users->load();
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

void TSettings::btnApplyClick()
{
    ApplySettings();
}

void TSettings::ApplySettings()
{
    const QString program = m_context.executablePath.isEmpty()
                                ? QCoreApplication::applicationFilePath()
                                : m_context.executablePath;
    AutostartEntry::apply(m_general->startUpTicked(), program);

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
    if (!btnApply)
        return; // the pages are being built
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

bool ShowSettingsDialog(const SettingsContext &context, QWidget *parent)
{
    const QString stored = GetSectionValue(context.config, ConfigKeys::Password.sectionName(),
                                           ConfigKeys::Password.keyName());
    if (!stored.isEmpty()) {
        const QString typed = InputPassword(context.prompter, TSettings::tr("Enter password"));
        if (typed != stored) {
            if (!typed.isEmpty())
                context.prompter.message(FormParts::messageTitle(),
                                         TSettings::tr("Incorrect password"));
            return false;
        }
    }
    TSettings dialog(context, parent);
    dialog.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    if (dialog.exec() == QDialog::Accepted)
        dialog.ApplySettings();
    return true;
}
