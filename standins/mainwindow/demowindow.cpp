#include "demowindow.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>

namespace {

// A page with its title; its layout is handed back for the content.
QWidget* titledPage(const QString& title, QVBoxLayout** layout)
{
    auto* page = new QWidget;
    *layout = new QVBoxLayout(page);
    (*layout)->setContentsMargins(32, 28, 32, 28);
    auto* heading = new QLabel(title);
    heading->setObjectName(QStringLiteral("pageTitle"));
    (*layout)->addWidget(heading);
    return page;
}

QWidget* textPage(const QString& title, const QString& text, QLabel** extra = nullptr)
{
    QVBoxLayout* layout = nullptr;
    QWidget* page = titledPage(title, &layout);
    auto* body = new QLabel(text);
    body->setWordWrap(true);
    layout->addWidget(body);
    if (extra) {
        *extra = new QLabel;
        (*extra)->setWordWrap(true);
        layout->addWidget(*extra);
    }
    layout->addStretch();
    return page;
}

QWidget* listPage(const QString& title, QListWidget** list)
{
    QVBoxLayout* layout = nullptr;
    QWidget* page = titledPage(title, &layout);
    *list = new QListWidget;
    layout->addWidget(*list);
    return page;
}

const int kMasks[] = {1, 2, 4, 8, 1, 1};

} // namespace

DemoWindow::DemoWindow(QWidget* parent)
    : QWidget(parent)
    , m_menu(new QListWidget)
    , m_pages(new QStackedWidget)
    , m_remixeryPane(new QWidget)
    , m_search(new QLineEdit)
    , m_account(new QPushButton(tr("Sign in")))
    , m_notice(new QLabel)
{
    setWindowTitle(tr("Velmora Deck"));
    setObjectName(QStringLiteral("demoWindow"));
    resize(1280, 800);
    setStyleSheet(QStringLiteral(
        "#demoWindow { background: #15141c; color: #e8e6f0; }"
        "QLabel { color: #e8e6f0; font-size: 14px; }"
        "QLabel#pageTitle { font-size: 22px; font-weight: 600; }"
        "QLabel#brand { font-size: 18px; font-weight: 700; color: #b9a8ff; padding: 18px 16px; }"
        "QListWidget { background: #1d1b27; color: #e8e6f0; border: 0; font-size: 14px; }"
        "QListWidget::item { padding: 10px 16px; border: 0px solid transparent; }"
        "QListWidget::item:selected { background: #2c2840; color: #ffffff; }"
        "QLineEdit { background: #24222f; color: #e8e6f0; border: 1px solid #34304a; border-radius: 14px;"
        " padding: 5px 12px; }"
        "QPushButton { background: #7c5cff; color: white; border: 0; border-radius: 14px; padding: 6px 16px; }"
        "#notice { color: #a9a5bb; padding: 6px 12px; }"));

    auto* brand = new QLabel(QStringLiteral("Velmora"));
    brand->setObjectName(QStringLiteral("brand"));
    const QStringList entries{tr("Home"), tr("Cloud games"), tr("Game center"), tr("Remixery"), tr("My games")};
    m_menu->addItems(entries);
    m_menu->setFixedWidth(200);
    auto* side = new QVBoxLayout;
    side->setContentsMargins(0, 0, 0, 0);
    side->setSpacing(0);
    side->addWidget(brand);
    side->addWidget(m_menu);

    m_search->setPlaceholderText(tr("Search games"));
    m_search->setClearButtonEnabled(true);
    auto* top = new QHBoxLayout;
    top->setContentsMargins(16, 10, 16, 10);
    top->addWidget(m_search, 1);
    top->addWidget(m_account);

    m_pages->addWidget(textPage(tr("Welcome"), tr("Play your Android games, stream games from the cloud and"
                                                   " try the mods the community makes in Remixery."),
                                &m_banner));
    m_pages->addWidget(textPage(tr("Cloud games"), tr("Games that stream from the cloud open in Farplay.")));
    m_pages->addWidget(textPage(tr("Game center"), tr("Discover new games.")));
    m_pages->addWidget(m_remixeryPane);
    m_pages->addWidget(listPage(tr("My games"), &m_installed));
    m_pages->addWidget(listPage(tr("Search results"), &m_results));

    m_notice->setObjectName(QStringLiteral("notice"));
    auto* content = new QVBoxLayout;
    content->setContentsMargins(0, 0, 0, 0);
    content->setSpacing(0);
    content->addLayout(top);
    content->addWidget(m_pages, 1);
    content->addWidget(m_notice);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(side);
    layout->addLayout(content, 1);

    connect(m_menu, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            showPage(Page(row));
    });
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        if (!m_search->text().trimmed().isEmpty())
            emit searchRequested(m_search->text().trimmed());
    });
    connect(m_account, &QPushButton::clicked, this, &DemoWindow::accountClicked);
    m_menu->setCurrentRow(Home);
}

DemoWindow::Page DemoWindow::page() const
{
    return Page(m_pages->currentIndex());
}

int DemoWindow::pageMask() const
{
    return kMasks[page()];
}

void DemoWindow::showPage(Page page)
{
    if (page == this->page() && m_menu->currentRow() == page)
        return;
    m_pages->setCurrentIndex(page);
    if (page < SearchResults)
        m_menu->setCurrentRow(page);
    else
        m_menu->clearSelection();
    emit pageChanged(kMasks[page]);
}

void DemoWindow::showNotice(const QString& text)
{
    m_notice->setText(text);
}

void DemoWindow::showAccount(const QString& name)
{
    m_account->setText(name.isEmpty() ? tr("Sign in") : name);
    m_account->setToolTip(name.isEmpty() ? QString() : tr("Sign out"));
}

void DemoWindow::showBanner(const QString& url, int direction)
{
    m_banner->setText(tr("Banner from the Remixery page: %1 (direction %2)").arg(url).arg(direction));
}

void DemoWindow::showInstalledApps(const QStringList& names)
{
    m_installed->clear();
    m_installed->addItems(names);
}

void DemoWindow::showSearchResults(const QStringList& names)
{
    m_results->clear();
    m_results->addItems(names.isEmpty() ? QStringList{tr("Nothing found")} : names);
    showPage(SearchResults);
}
