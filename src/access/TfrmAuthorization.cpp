#include "access/TfrmAuthorization.h"

#include "connection/DialupOperations.h"
#include "core/Prompter.h"
#include "store/ConfigDocument.h"
#include "store/ConfigKeys.h"
#include "store/XmlDocument.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {

Q_LOGGING_CATEGORY(lcAccess, "dialometer.access", QtWarningMsg)

const QString kLastUser = ConfigKeys::LastUser.keyName();
const QString kUsers = QStringLiteral("Users");
const QString kTitle = QStringLiteral("Dialometer");
// How far each further open dialog is moved from the centre, so that a
// second one does not hide the first exactly.
constexpr int kCascadePixels = 24;

// The user at position index of the combo box, looked up again in the live
// document: applying the settings replaces the whole document while a dialog
// is open, and the elements listed when it opened are freed with it.
bool findUser(const XmlDocument &config, int index, const QString &name, SectionItem *found,
              int *position)
{
    QList<SectionItem> users;
    ListSectionItems(config, kUsers, users, 0);
    if (index >= 0 && index < users.size() && users[index].name == name) {
        *found = users[index];
        *position = index;
        return true;
    }
    for (int i = 0; i < users.size(); ++i) {
        if (users[i].name == name) {
            *found = users[i];
            *position = i;
            return true;
        }
    }
    return false;
}

} // namespace

QString TfrmAuthorization::balloonText()
{
    return tr("Log in within 30 seconds or the line is hung up");
}

TfrmAuthorization *ShowAuthorization(const AuthorizationContext &context, QObject *owner)
{
    auto *dialog = new TfrmAuthorization(context);
    if (owner) {
        // The context's references go with the owner: the dialog must not
        // outlive them, and a program that ends hangs nothing up.
        QObject::connect(owner, &QObject::destroyed, dialog, [dialog] { delete dialog; });
    }
    dialog->placeOnScreen();
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    dialog->Timer1->start();
    // After the tick that opened the dialog, whose connection balloon would
    // otherwise replace this one at once.
    if (context.showBalloon) {
        QTimer::singleShot(0, dialog, [dialog] {
            dialog->m_context.showBalloon(kTitle, TfrmAuthorization::balloonText());
        });
    }
    return dialog;
}

TfrmAuthorization::TfrmAuthorization(const AuthorizationContext &context)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint), m_context(context)
{
    if (!m_context.elapsedMs) {
        auto steady = std::make_shared<QElapsedTimer>();
        steady->start();
        m_context.elapsedMs = [steady] { return steady->elapsed(); };
    }
    m_startMs = m_context.elapsedMs();
    Q_ASSERT(m_context.prompter);
    m_prompter = m_context.prompter->forWindow(this);

    setObjectName(QStringLiteral("frmAuthorization"));
    setWindowTitle(tr("Authorization"));
    setModal(false);

    Label1 = new QLabel(tr("User"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    cmbUser = new QComboBox(this);
    cmbUser->setObjectName(QStringLiteral("cmbUser"));
    cmbUser->setEditable(false);
    cmbUser->setMinimumWidth(150);
    Label1->setBuddy(cmbUser);

    Label2 = new QLabel(tr("Password"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    edtPassword = new QLineEdit(this);
    edtPassword->setObjectName(QStringLiteral("edtPassword"));
    edtPassword->setEchoMode(QLineEdit::Password);
    Label2->setBuddy(edtPassword);

    btnOk = new QPushButton(tr("Ok"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    btnCancel = new QPushButton(tr("Disconnect"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setAutoDefault(false);
    connect(btnOk, &QPushButton::clicked, this, &TfrmAuthorization::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmAuthorization::btnCancelClick);

    auto *grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(cmbUser, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(edtPassword, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &TfrmAuthorization::Timer1Timer);

    fillUsers();
    m_secondsLeft = kSeconds;
    showCountdown();
    // Room for the widest caption, so the dialog keeps its size as the
    // number shrinks.
    btnCancel->setMinimumWidth(btnCancel->sizeHint().width());

    if (cmbUser->currentIndex() >= 0)
        edtPassword->setFocus();
    else
        cmbUser->setFocus();
}

TfrmAuthorization::~TfrmAuthorization() = default;

void TfrmAuthorization::fillUsers()
{
    // Reading LastUser also adds its element when missing, so that a log-in
    // can store it and the file gains it when the dialog closes.
    bool ok = false;
    int last = GetGeneralValue(m_context.config, kLastUser).toInt(&ok);
    if (!ok)
        last = -1;

    QList<SectionItem> users;
    ListSectionItems(m_context.config, kUsers, users, 0);
    for (const SectionItem &user : std::as_const(users))
        cmbUser->addItem(user.name);
    cmbUser->setCurrentIndex(last >= 0 && last < users.size() ? last : -1);
}

void TfrmAuthorization::showCountdown()
{
    btnCancel->setText(tr("Disconnect (%1)").arg(m_secondsLeft));
}

void TfrmAuthorization::placeOnScreen()
{
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    adjustSize();
    int others = 0;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w != this && w->isVisible() && qobject_cast<TfrmAuthorization *>(w))
            ++others;
    }
    const QRect area = screen->availableGeometry();
    QRect frame(QPoint(), size());
    frame.moveCenter(area.center());
    frame.translate(others * kCascadePixels, others * kCascadePixels);
    move(frame.topLeft());
}

bool TfrmAuthorization::say(const QString &text)
{
    QPointer<TfrmAuthorization> self(this);
    ++m_promptDepth;
    m_prompter->message(kTitle, text, Prompter::Icon::Warning);
    if (!self)
        return false;
    --m_promptDepth;
    if (m_closed) {
        // Closed while the message was up: free the dialog now that nothing
        // of it is on the stack any more.
        if (m_promptDepth == 0)
            deleteLater();
        return false;
    }
    return true;
}

void TfrmAuthorization::btnOkClick()
{
    if (m_closed)
        return;
    const int index = cmbUser->currentIndex();
    if (index < 0) {
        if (say(tr("Select user")))
            cmbUser->setFocus();
        return;
    }
    const QString typed = edtPassword->text();
    if (typed.isEmpty()) {
        if (say(tr("Enter password")))
            edtPassword->setFocus();
        return;
    }

    const QString name = cmbUser->itemText(index);
    SectionItem user;
    int position = index;
    QString stored; // a missing user or attribute reads as no password
    if (findUser(m_context.config, index, name, &user, &position))
        stored = attributeText(user.element, "Password");
    if (typed != stored) {
        qCInfo(lcAccess) << "log-in refused for" << name;
        if (say(tr("Incorrect password")))
            edtPassword->setFocus();
        return;
    }

    // Read first: a document replaced by the settings may lack the element,
    // and the write only sets an element that is there.
    GetGeneralValue(m_context.config, kLastUser);
    SetGeneralValue(m_context.config, kLastUser, QString::number(position));
    if (m_context.setCurrentUserName)
        m_context.setCurrentUserName(name);
    m_authorized = true;
    qCInfo(lcAccess) << "logged in:" << name;
    close();
}

void TfrmAuthorization::btnCancelClick()
{
    close();
}

void TfrmAuthorization::reject()
{
    close();
}

void TfrmAuthorization::Timer1Timer()
{
    if (m_closed)
        return;
    // One step a tick, and more when ticks came late (the thread was held by
    // a hang-up, say): the line goes about 30 seconds after the dialog
    // appeared, whatever the wall clock does.
    const qint64 elapsedSeconds = (m_context.elapsedMs() - m_startMs) / 1000;
    m_secondsLeft = int(std::min<qint64>(m_secondsLeft - 1, kSeconds - elapsedSeconds));
    m_secondsLeft = std::max(m_secondsLeft, 0);
    showCountdown();
    if (m_secondsLeft < 1)
        close();
}

void TfrmAuthorization::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_closed)
        return;
    m_closed = true;
    Timer1->stop();
    FormClose();
    if (m_promptDepth > 0) {
        // A message of btnOkClick is up: end it; the dialog is freed once
        // btnOkClick has returned.
        for (QDialog *box : findChildren<QDialog *>())
            box->reject();
        return;
    }
    deleteLater();
}

void TfrmAuthorization::FormClose()
{
    if (!m_authorized) {
        qCInfo(lcAccess) << "nobody logged in: hanging up";
        HangUpAll(m_context.service);
    }
    SaveConfig(m_context.configPath, m_context.config);
}
