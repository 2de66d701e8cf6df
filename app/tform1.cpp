#include "app/tform1.h"

#include "app/maker.h"
#include "app/shell.h"
#include "app/update_request.h"
#include "app/windows.h"
#include "ui/dialogs.h"
#include "ui/link_label.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QStatusBar>
#include <QSvgWidget>
#include <QTimer>

namespace kartella {

namespace {

// The clock's text: the short date, a blank, the long time, in the regional settings.
QString clockText(const QDateTime& now) {
    const QLocale locale;
    // Qt's long time format names the time zone; the clock shows the time alone.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat = timeFormat.remove(QRegularExpression(QStringLiteral("\\s*t+\\s*"))).trimmed();
    return locale.toString(now.date(), QLocale::ShortFormat) + ' ' + locale.toString(now.time(), timeFormat);
}

} // namespace

TForm1::TForm1()
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                               Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName("TForm1");
    setWindowTitle(QStringLiteral("Kartella"));
    setFont(QFont(QStringLiteral("Segoe UI"), 9));

    auto* client = new QWidget(this);
    client->setFixedSize(624, 441 - 19);
    auto* Image1 = new QSvgWidget(QStringLiteral(":/pictures/envelope_closed.svg"), client);
    Image1->setObjectName("Image1");
    Image1->setGeometry(0, 4, 624, 429);
    Label1 = new LinkLabel(QString::fromUtf8(maker::web), client);
    Label1->setObjectName("Label1");
    Label1->setGeometry(448, 376, 150, 21);
    Label1->setAlignment(Qt::AlignCenter);
    QFont linkFont(QStringLiteral("Segoe UI"), 12);
    linkFont.setBold(true);
    linkFont.setUnderline(true);
    Label1->setFont(linkFont);
    Label1->setAutoFillBackground(true);
    QPalette linkPalette = Label1->palette();
    linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    linkPalette.setColor(QPalette::Window, QColor(0, 102, 204)); // the desktop's hot-light colour
    Label1->setPalette(linkPalette);
    connect(Label1, &LinkLabel::clicked, this, &TForm1::Label1Click);
    setCentralWidget(client);

    auto* StatusBar1 = statusBar();
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setFixedHeight(19);
    StatusBar1->setSizeGripEnabled(false);
    auto* panel1 = new QLabel(StatusBar1);
    panel1->setFixedWidth(480);
    m_clock = new QLabel(StatusBar1);
    m_clock->setObjectName("StatusBar1Panel2");
    m_clock->setAlignment(Qt::AlignCenter);
    m_clock->setMinimumWidth(80);
    StatusBar1->addWidget(panel1);
    StatusBar1->addWidget(m_clock, 1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer1->start();

    // The connection connects as the window is built, at the program directory, which is
    // still empty now: the tables are those of the current directory.
    m_db.TdbDatabase1.setBeforeConnect([this] { TdbDatabase1BeforeConnect(); });
    m_db.TdbDatabase1.connect();
    m_db.tbl_Felado.open();
    m_db.tbl_Config.open();

    for (data::Table* table : {&m_db.tbl_Irsz, &m_db.tbl_Orsz, &m_db.tbl_Partner, &m_db.tbl_Felado}) {
        table->setEditConflictHandler([this](const data::DatabaseError&) {
            return lockPrompt(QStringLiteral(
                "Az adatrekord nem szerkeszthető (másik felhasználó zárolta) ! Megpróbáljuk újra ?"));
        });
        table->setDeleteConflictHandler([this](const data::DatabaseError&) {
            return lockPrompt(QStringLiteral(
                "Az adatrekord nem törölhető (másik felhasználó zárolta) ! Megpróbáljuk újra ?"));
        });
    }
    FormCreate();
    m_windows = std::make_unique<Windows>(m_db);
    buildMenu();
    adjustSize();
    setFixedSize(sizeHint());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TForm1::~TForm1() {
    m_windows.reset();
    closeTables();
}

void TForm1::FormCreate() {
    for (data::Table* table : {&m_db.tbl_Orsz, &m_db.tbl_Irsz, &m_db.tbl_Partner})
        table->setPassword(table->definition().password);
}

void TForm1::TdbDatabase1BeforeConnect() {
    m_db.TdbDatabase1.setLocation(m_db.programDirectory);
}

bool TForm1::lockPrompt(const QString& text) {
    return dialogs().ask(text, QStringLiteral("Figyelem:"));
}

void TForm1::buildMenu() {
    struct Item {
        const char* menu; // objectName of the submenu it belongs to, "" for the bar
        const char* name;
        const char* caption;
        std::function<void()> action; // none for a submenu or a separator
        const char* window = "";      // the window it opens; disabled while that window is absent
    };
    auto show = [this](const char* window) { return [this, window] { showWindow(window); }; };
    auto refreshAndShow = [this](data::Table& table, const char* window) {
        return [this, &table, window] {
            table.refresh();
            showWindow(window);
        };
    };
    const std::vector<Item> items{
        {"", "Postaiirnytszmok1", "Adatok karbantartása", {}},
        {"Postaiirnytszmok1", "Orszgok1", "Országok", show("TForm8"), "TForm8"},
        {"Postaiirnytszmok1", "Postaiirnytszmok2", "Postai irányítószámok", show("TForm9"), "TForm9"},
        {"Postaiirnytszmok1", "N1", "-", {}},
        {"Postaiirnytszmok1", "N2", "Partner adatok", refreshAndShow(m_db.tbl_Partner, "TForm10"), "TForm10"},
        {"Postaiirnytszmok1", "Feladadatok1", "Feladó adatok", refreshAndShow(m_db.tbl_Felado, "TForm3"),
         "TForm3"},
        {"", "Nyomtats1", "Nyomtatás", {}},
        {"Nyomtats1", "Bortk1", "Boríték", show("TForm2"), "TForm2"},
        {"Nyomtats1", "N3", "-", {}},
        {"Nyomtats1", "POsta1", "Posta", {}},
        {"POsta1", "Ajnlszevny1", "Feladóvémy (Ajánlószelvény)", show("TForm21"), "TForm21"},
        {"POsta1", "rtivevny1", "Tértivevény", show("TForm23"), "TForm23"},
        {"POsta1", "Nemzetkzitrtivevny1", "Nemzetközi tértivevény", show("Tform36"), "Tform36"},
        {"POsta1", "Kszpnzfite1", "Rózsaszín csekk", show("TForm25"), "TForm25"},
        {"POsta1", "Srgacsekk1", "Sárga csekk", show("TForm27"), "TForm27"},
        {"POsta1", "udakozvny1", "Tudakozvány", show("TForm38"), "TForm38"},
        {"POsta1", "Bejeltlapbelterletenkvlilakotthelyrevalnkltzsrl1",
         "Bejeltő lap belterületen kívüli lakott helyre valónköltözésről", show("TForm40"), "TForm40"},
        {"POsta1", "BejelentlapBeltereletenkvlrekltzsrl1", "Kézbesítéssel kapcsolatos bejelentés",
         show("TForm42"), "TForm42"},
        {"POsta1", "Gazdasgitrsasgoksegybszervezetekvezetjnekbejelentse1",
         "Gazdasági társaságok és egyéb szervezetek vezetőjének bejelentése", show("TForm44"), "TForm44"},
        {"POsta1", "Meghatalmazs1", "Meghatalmazás", show("TForm46"), "TForm46"},
        {"POsta1", "Meghatalmazs2", "Utánküldés megrendelés", show("TForm48"), "TForm48"},
        {"POsta1", "Megrendellapkszpnztutalsimegbzsrendelshez1",
         "Megrendelőlap készpénzátutalási megbízás rendeléséhez", show("TForm51"), "TForm51"},
        {"Nyomtats1", "N4", "-", {}},
        {"Nyomtats1", "Etikett1", "Etikett", {}},
        {"Etikett1", "Feladk1", "Feladók", show("TForm30"), "TForm30"},
        {"Etikett1", "Partnerek1", "Partnerek", show("TForm31"), "TForm31"},
        {"", "Informcik1", "Információk", {}},
        {"Informcik1", "Frissts1", "Frissítés", [this] { Frissts1Click(); }},
        {"Informcik1", "N5", "-", {}},
        {"Informcik1", "Bemutatkozs1", "Bemutatkozás", show("TForm52"), "TForm52"},
        {"", "Vge1", "Vége", {}},
        {"Vge1", "Befejezs1", "Befejezés", [this] { close(); }},
    };
    auto* MainMenu1 = menuBar();
    MainMenu1->setObjectName("MainMenu1");
    std::map<QString, QMenu*> menus;
    for (const Item& item : items) {
        const bool isSubmenu = !item.action && QString(item.caption) != "-";
        if (isSubmenu) {
            QMenu* parentMenu = *item.menu ? menus.at(item.menu) : nullptr;
            QMenu* menu = parentMenu ? parentMenu->addMenu(item.caption) : MainMenu1->addMenu(item.caption);
            menu->setObjectName(item.name);
            menu->menuAction()->setObjectName(item.name);
            menus[item.name] = menu;
            continue;
        }
        QMenu* menu = menus.at(item.menu);
        QAction* action = QString(item.caption) == "-" ? menu->addSeparator() : menu->addAction(item.caption);
        action->setObjectName(item.name);
        if (item.action) {
            connect(action, &QAction::triggered, this, item.action);
            action->setEnabled(!*item.window || m_windows->window(item.window));
        }
    }
}

QAction* TForm1::menuItem(const QString& name) const {
    for (QAction* action : menuBar()->findChildren<QAction*>())
        if (action->objectName() == name)
            return action;
    return nullptr;
}

void TForm1::showWindow(const QString& name) {
    if (QWidget* window = m_windows->window(name))
        dialogs().showModal(*window);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TForm1::FormShow() {
    try {
        m_db.TdbDatabase1.connect();
        for (data::Table* table : {&m_db.tbl_Orsz, &m_db.tbl_Irsz, &m_db.tbl_Partner, &m_db.tbl_Felado})
            table->open();
    } catch (const data::DatabaseError& error) {
        // Without its tables the program cannot work: say which is missing, and end.
        dialogs().errorReport(error.text());
        m_closeConfirmed = true;
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    m_started = true;
    m_db.programDirectory = QDir::toNativeSeparators(QDir::currentPath());
    // A directory that cannot be written (no PRDIR stored) is reported, and the program goes on.
    m_config.write(QStringLiteral("PRDIR"), QDir::toNativeSeparators(QDir::currentPath()));
}

void TForm1::Timer1Timer() {
    m_clock->setText(clockText(QDateTime::currentDateTime()));
}

void TForm1::Label1Click() {
    shell::openLink(m_db.programDirectory, QString::fromUtf8(maker::web));
}

void TForm1::Frissts1Click() {
    const std::optional<QString> directory = m_config.read(QStringLiteral("PRDIR"));
    if (!directory) {
        dialogs().notice(QStringLiteral("Program könyvtár nem állítható be !!!"),
                         QStringLiteral("Hiba történt:"));
        return;
    }
    QDir::setCurrent(*directory); // a failure leaves the current directory, as before
    writeUpdateRequest(QDir::currentPath());
    shell::startProgram(QDir::current().absoluteFilePath(updaterProgram()), {QStringLiteral("update.nfo")});
    // The updater replaces the program's files: end at once, without asking.
    m_closeConfirmed = true;
    close();
}

void TForm1::closeTables() {
    for (data::Table* table : {&m_db.tbl_Orsz, &m_db.tbl_Irsz, &m_db.tbl_Partner, &m_db.tbl_Felado})
        table->close();
    m_db.TdbDatabase1.disconnect();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!m_closeConfirmed &&
        !dialogs().ask(QStringLiteral("Biztosan be kívánja fejezni a program használatát ?"),
                       QStringLiteral("Figyelem:"))) {
        event->ignore();
        return;
    }
    closeTables();
    event->accept();
    QCoreApplication::exit(m_started ? 0 : 1);
}

} // namespace kartella
