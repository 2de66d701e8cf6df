#pragma once
// The main window: it owns the database and every other window, carries the menu from which
// those windows open, and shows a clock.

#include "data/config_store.h"
#include "data/database.h"

#include <QMainWindow>
#include <memory>

class QLabel;
class QTimer;
class QAction;

namespace kartella {

class LinkLabel;
class Windows;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    TForm1();
    ~TForm1() override;

    data::Database& database() { return m_db; }
    Windows& windows() { return *m_windows; }
    const QString& programDirectory() const { return m_db.programDirectory; }
    // False when the tables could not be opened at start; the error has been reported.
    bool started() const { return m_started; }
    QAction* menuItem(const QString& name) const;

    void FormCreate();
    void FormShow();
    void Timer1Timer();
    void Label1Click();
    void Frissts1Click();
    void TdbDatabase1BeforeConnect();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void showWindow(const QString& name);
    void closeTables();
    bool lockPrompt(const QString& text);

    data::Database m_db;
    data::ConfigStore m_config{m_db.tbl_Config};
    std::unique_ptr<Windows> m_windows;
    LinkLabel* Label1 = nullptr;
    QLabel* m_clock = nullptr;
    QTimer* Timer1 = nullptr;
    bool m_shown = false;
    bool m_started = false;
    bool m_closeConfirmed = false;
};

} // namespace kartella
