#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;

// The main window a user of the demo sees: a side menu of the launcher's pages, a search
// field, the account button, the pages themselves (one hosts the Remixery web page) and a
// status line for notices.
class DemoWindow : public QWidget
{
    Q_OBJECT

public:
    // Page masks as the web pages know them; my games and search results count as home.
    enum Page { Home = 0, CloudGames, GameCenter, Remixery, MyGames, SearchResults };

    explicit DemoWindow(QWidget* parent = nullptr);

    QWidget* remixeryPane() const { return m_remixeryPane; }
    Page page() const;
    int pageMask() const;
    void showPage(Page page);
    void showNotice(const QString& text);
    void showAccount(const QString& name);  // empty: signed out
    void showBanner(const QString& url, int direction);
    void showInstalledApps(const QStringList& names);
    void showSearchResults(const QStringList& names);

signals:
    void pageChanged(int mask);
    void searchRequested(const QString& query);
    void accountClicked();

private:
    QListWidget* m_menu;
    QStackedWidget* m_pages;
    QWidget* m_remixeryPane;
    QLineEdit* m_search;
    QPushButton* m_account;
    QLabel* m_banner;
    QListWidget* m_installed;
    QListWidget* m_results;
    QLabel* m_notice;
};
