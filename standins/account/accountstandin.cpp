#include "accountstandin.h"

#include "hubcore.h"
#include "pluginids.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUuid>

namespace {

QString newToken()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

} // namespace

AccountStandin::AccountStandin()
    : StandinPlugin(this, kAccountPluginId, QStringLiteral("account"))
{
}

AccountStandin::~AccountStandin()
{
    delete m_dialog.data();
}

const ACCOUNTINFO& AccountStandin::accountInfo()
{
    record(QStringLiteral("accountInfo"), {m_account.signedIn});
    return m_account;
}

void AccountStandin::refreshAccessToken()
{
    record(QStringLiteral("refreshAccessToken"));
    if (!m_account.signedIn)
        return;
    Hubcore::instance()->setAppconfigValue(UserAccessToken, newToken());
    announce();
}

void AccountStandin::onLoginPageShow()
{
    record(QStringLiteral("onLoginPageShow"));
}

void AccountStandin::onGetSsoInfo()
{
    record(QStringLiteral("onGetSsoInfo"));
}

void AccountStandin::onCloseLogin()
{
    record(QStringLiteral("onCloseLogin"));
    if (m_dialog)
        m_dialog->reject();
}

void AccountStandin::showSignIn()
{
    record(QStringLiteral("showSignIn"));
    if (m_dialog) {
        m_dialog->raise();
        m_dialog->activateWindow();
        return;
    }
    auto* dialog = new QDialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("Sign in to Velmora"));
    auto* layout = new QFormLayout(dialog);
    layout->addRow(new QLabel(tr("This demo signs in without a password.")));
    auto* email = new QLineEdit(QStringLiteral("player@velmora.test"), dialog);
    layout->addRow(tr("Email"), email);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Sign in"));
    layout->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    connect(dialog, &QDialog::accepted, this, [this, email] { signIn(email->text().trimmed()); });
    m_dialog = dialog;
    dialog->show();
}

void AccountStandin::signIn(const QString& email)
{
    record(QStringLiteral("signIn"), {email});
    m_account = ACCOUNTINFO();
    m_account.signedIn = true;
    m_account.email = email.isEmpty() ? QStringLiteral("player@velmora.test") : email;
    m_account.displayName = m_account.email.section(QLatin1Char('@'), 0, 0);
    m_account.userId = QStringLiteral("demo-") + QString::number(qHash(m_account.email));
    m_account.token = newToken();
    m_account.loginProvider = QStringLiteral("demo");
    Hubcore* hubcore = Hubcore::instance();
    hubcore->setAppconfigValue(UserXToken, newToken());
    hubcore->setAppconfigValue(UserAccessToken, newToken());
    hubcore->setAppconfigValue(UserRefreshToken, newToken());
    announce();
}

void AccountStandin::signOut()
{
    record(QStringLiteral("signOut"));
    m_account = ACCOUNTINFO();
    for (AppConfig key : {UserXToken, UserAccessToken, UserRefreshToken})
        Hubcore::instance()->setAppconfigValue(key, QString());
    announce();
}

void AccountStandin::announce()
{
    emit changeAccountInfo(m_account);
}
