#include "app/maker.h"
#include "app/shell.h"
#include "app/tform1.h"
#include "app/tform52.h"
#include "app/update_request.h"
#include "app/windows.h"
#include "tests/support/program_test_main.h"
#include "tests/support/test_support.h"
#include "ui/link_label.h"
#include "ui/scripted_dialogs.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QtTest>

using namespace kartella;

namespace {

// The program started in a fresh program directory, which is the current directory.
struct Started {
    testing::ProgramDirectory dir;
    QString previousDirectory = QDir::currentPath();
    std::unique_ptr<TForm1> window;

    Started() {
        QDir::setCurrent(dir.path());
        window = std::make_unique<TForm1>();
        window->show();
    }
    ~Started() {
        window.reset();
        QDir::setCurrent(previousDirectory);
    }
    QString nativeDir() const { return QDir::toNativeSeparators(QDir(dir.path()).canonicalPath()); }
};

QStringList configRecords(data::Table& config) {
    QStringList records;
    for (config.first(); !config.eof(); config.next())
        records << config.fieldAsText("A") + "=" + config.fieldAsText("B");
    return records;
}

QStringList menuCaptions(const QList<QAction*>& actions, const QString& indent = {}) {
    QStringList captions;
    for (QAction* action : actions) {
        captions << indent + (action->isSeparator() ? "-" : action->text());
        if (action->menu())
            captions << menuCaptions(action->menu()->actions(), indent + "  ");
    }
    return captions;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
    ScriptedDialogs scripted;

private slots:
    void init() {
        scripted = ScriptedDialogs();
        setDialogs(&scripted);
        shell::setUrlOpener([](const QString&) { return true; });
        shell::setProgramStarter([](const QString&, const QStringList&) { return true; });
    }

    void startRecordsTheProgramDirectoryOnce() {
        {
            Started first;
            QVERIFY(first.window->started());
            QCOMPARE(first.window->programDirectory(), QDir::toNativeSeparators(QDir::currentPath()));
            QCOMPARE(configRecords(first.window->database().tbl_Config),
                     QStringList({"PRDIR=" + QDir::toNativeSeparators(QDir::currentPath())}));
            for (data::Table* table : {&first.window->database().tbl_Irsz, &first.window->database().tbl_Orsz,
                                       &first.window->database().tbl_Partner})
                QVERIFY(table->isOpen());
            // A later start finds the record and overwrites it with its own directory.
            data::ConfigStore(first.window->database().tbl_Config).write("PRDIR", "/egy/korabbi/indulas");
            first.window.reset();
            first.window = std::make_unique<TForm1>();
            first.window->show();
            QCOMPARE(configRecords(first.window->database().tbl_Config),
                     QStringList({"PRDIR=" + QDir::toNativeSeparators(QDir::currentPath())}));
        }
        QVERIFY(scripted.messages.isEmpty());
    }

    void aProgramDirectoryThatCannotBeRecordedIsReportedAndTheProgramGoesOn() {
        Started s;
        s.window.reset();
        // Something in the way of the lock file: the PRDIR record cannot be put into edit state.
        QVERIFY(QDir(s.dir.path()).mkpath("Config.lck/foglalt"));
        s.window = std::make_unique<TForm1>();
        s.window->show();
        QVERIFY(s.window->started());
        QVERIFY(s.window->isVisible());
        QCOMPARE(scripted.messages.size(), 1);
        QCOMPARE(scripted.messages[0].kind, QString("error"));
        QVERIFY(s.window->database().tbl_Partner.isOpen());
    }

    void aMissingTableIsNamedWithItsDirectoryAndStopsTheStart() {
        {
            testing::ProgramDirectory dir;
            QFile::remove(dir.filePath("Irsz.db"));
            const QString before = QDir::currentPath();
            QDir::setCurrent(dir.path());
            {
                TForm1 window;
                window.show();
                QVERIFY(!window.started());
            }
            QCOMPARE(scripted.messages.size(), 1);
            QCOMPARE(scripted.messages[0].kind, QString("error"));
            QVERIFY2(scripted.messages[0].text.contains("Irsz") &&
                         scripted.messages[0].text.contains(QDir::toNativeSeparators(QDir::currentPath())),
                     qPrintable(scripted.messages[0].text));
            QFile::remove(dir.filePath("Felado.db"));
            QVERIFY_THROWS_EXCEPTION(data::DatabaseError, TForm1());
            QDir::setCurrent(before);
            QVERIFY(!QFile::exists(dir.filePath("Irsz.db")));
        }
    }

    void closingAsksAndOnlyYesEnds() {
        Started s;
        QVERIFY(!s.window->close()); // no answer given: No
        QCOMPARE(scripted.messages.last().text,
                 QString("Biztosan be kívánja fejezni a program használatát ?"));
        QCOMPARE(scripted.messages.last().caption, QString("Figyelem:"));
        QVERIFY(s.window->isVisible());
        QVERIFY(s.window->database().tbl_Partner.isOpen());
        scripted.answer(true);
        s.window->menuItem("Befejezs1")->trigger();
        QCOMPARE(scripted.messages.size(), 2);
        QVERIFY(!s.window->isVisible());
        QVERIFY(!s.window->database().tbl_Partner.isOpen());
        QVERIFY(!s.window->database().tbl_Config.isOpen());
    }

    void theMenuHasItsCaptionsAndDisablesWhatIsNotBuilt() {
        Started s;
        const QStringList captions = menuCaptions(s.window->menuBar()->actions());
        QCOMPARE(captions.mid(0, 6),
                 QStringList({"Adatok karbantartása", "  Országok", "  Postai irányítószámok", "  -",
                              "  Partner adatok", "  Feladó adatok"}));
        QVERIFY(captions.contains("    Feladóvémy (Ajánlószelvény)"));
        QVERIFY(captions.contains("    Bejeltő lap belterületen kívüli lakott helyre valónköltözésről"));
        QCOMPARE(captions.mid(captions.indexOf("Információk")),
                 QStringList({"Információk", "  Frissítés", "  -", "  Bemutatkozás", "Vége", "  Befejezés"}));
        const QStringList alwaysThere{"Frissts1", "Bemutatkozs1", "Befejezs1"};
        const QHash<QString, QString> opens{{"Orszgok1", "TForm8"},     {"N2", "TForm10"},
                                            {"Feladadatok1", "TForm3"}, {"Bortk1", "TForm2"},
                                            {"rtivevny1", "TForm23"},   {"Partnerek1", "TForm31"}};
        for (const QString& name : alwaysThere)
            QVERIFY2(s.window->menuItem(name)->isEnabled(), qPrintable(name));
        for (auto it = opens.begin(); it != opens.end(); ++it)
            QCOMPARE(s.window->menuItem(it.key())->isEnabled(),
                     s.window->windows().window(it.value()) != nullptr);
        s.window->menuItem("Bemutatkozs1")->trigger();
        QCOMPARE(scripted.shownWindows, QStringList({"TForm52"}));
    }

    void everyWindowIsCreatedOnceInOrder() {
        Started s;
        const QStringList created = s.window->windows().created();
        QStringList expectedOrder;
        for (const QString& name : Windows::creationOrder())
            if (created.contains(name))
                expectedOrder << name;
        QCOMPARE(created, expectedOrder);
        QVERIFY(created.contains("TForm7") && created.contains("TForm33") && created.contains("TForm52"));
        QCOMPARE(QStringList(created).removeDuplicates(), 0);
    }

    void theClockShowsShortDateAndLongTime() {
        Started s;
        auto* clock = s.window->findChild<QLabel*>("StatusBar1Panel2");
        QCOMPARE(clock->text(), QString()); // empty until the first tick
        s.window->Timer1Timer();
        QVERIFY2(QRegularExpression(R"(^\d{4}\. \d{2}\. \d{2}\. \d{1,2}:\d{2}:\d{2}$)")
                     .match(clock->text())
                     .hasMatch(),
                 qPrintable(clock->text()));
    }

    void webLinksOpenFromTheProgramDirectoryOrSaySoWhenNoBrowser() {
        Started s;
        QStringList opened;
        shell::setUrlOpener([&](const QString& address) {
            opened << address + "@" + QDir::toNativeSeparators(QDir::currentPath());
            return true;
        });
        QDir::setCurrent(QDir::tempPath());
        s.window->Label1Click();
        auto* about = qobject_cast<TForm52*>(s.window->windows().window("TForm52"));
        about->Label9Click();
        QCOMPARE(opened, QStringList({QString(maker::web) + "@" + s.window->programDirectory(),
                                      QString(maker::store) + "@" + s.window->programDirectory()}));
        QVERIFY(scripted.messages.isEmpty());

        shell::setUrlOpener([](const QString&) { return false; });
        s.window->Label1Click();
        about->Label7Click();
        QCOMPARE(scripted.messages.size(), 2);
        for (const auto& message : scripted.messages) {
            QCOMPARE(message.text, QString("Nincs Internet böngésző program !!!"));
            QCOMPARE(message.caption, QString("Hiba történt:"));
        }
    }

    void theUpdateRequestWritesTheFileStartsTheUpdaterAndEnds() {
        Started s;
        QStringList started;
        shell::setProgramStarter([&](const QString& program, const QStringList& arguments) {
            started << program << arguments;
            return false; // a missing updater changes nothing
        });
        s.window->menuItem("Frissts1")->trigger();
        QCOMPARE(started, QStringList({QDir(s.dir.path()).absoluteFilePath(updaterProgram()), "update.nfo"}));
        QFile request(s.dir.filePath("update.nfo"));
        QVERIFY(request.open(QIODevice::ReadOnly));
        QCOMPARE(request.readAll().count("\r\n"), 12);
        QVERIFY(!s.window->isVisible()); // ended without asking
        QVERIFY(scripted.messages.isEmpty());
    }

    void anUnwritableRequestReachesTheUserAndTheProgramGoesOn() {
        Started s;
        bool updaterStarted = false;
        shell::setProgramStarter([&](const QString&, const QStringList&) { return updaterStarted = true; });
        // A directory in the way of the file: it cannot be written, even by an administrator.
        QVERIFY(QDir(s.dir.path()).mkpath("update.nfo/foglalt"));
        QMetaObject::invokeMethod(s.window->menuItem("Frissts1"), "trigger", Qt::QueuedConnection);
        QCoreApplication::processEvents();
        QCOMPARE(scripted.messages.size(), 1);
        QCOMPARE(scripted.messages[0].kind, QString("error"));
        QVERIFY(scripted.messages[0].text.contains("update.nfo"));
        QVERIFY(!updaterStarted);
        QVERIFY(s.window->isVisible());
        QVERIFY(s.window->database().tbl_Config.isOpen());
    }

    void aMissingProgramDirectoryIsReported() {
        Started s;
        data::Table& config = s.window->database().tbl_Config;
        config.first();
        config.remove();
        s.window->Frissts1Click();
        QCOMPARE(scripted.messages.size(), 1);
        QCOMPARE(scripted.messages[0].text, QString("Program könyvtár nem állítható be !!!"));
        QCOMPARE(scripted.messages[0].caption, QString("Hiba történt:"));
        QVERIFY(!QFile::exists(s.dir.filePath("update.nfo")));
        QVERIFY(s.window->isVisible());
    }

    void recordLockConflictsAskToTryAgain() {
        Started s;
        data::Table& partner = s.window->database().tbl_Partner;
        partner.insert();
        partner.setFieldAsText("NEV", "Kiss");
        partner.post();
        data::Connection other;
        other.setLocation(s.dir.path());
        data::Table held(other, data::partnerTable());
        held.setPassword("qjtmvb");
        held.open();
        held.edit();

        QVERIFY_THROWS_EXCEPTION(data::SilentAbort, partner.edit());
        QVERIFY_THROWS_EXCEPTION(data::SilentAbort, partner.remove());
        QCOMPARE(scripted.messages.size(), 2);
        QCOMPARE(
            scripted.messages[0].text,
            QString("Az adatrekord nem szerkeszthető (másik felhasználó zárolta) ! Megpróbáljuk újra ?"));
        QCOMPARE(scripted.messages[1].text,
                 QString("Az adatrekord nem törölhető (másik felhasználó zárolta) ! Megpróbáljuk újra ?"));
        QCOMPARE(scripted.messages[1].caption, QString("Figyelem:"));
        QCOMPARE(partner.recordCount(), 1);
        // An abandoned action ends without any further message.
        QMetaObject::invokeMethod(
            s.window.get(), [&] { partner.edit(); }, Qt::QueuedConnection);
        QCoreApplication::processEvents();
        QCOMPARE(scripted.messages.size(), 3);
        QCOMPARE(scripted.messages[2].kind, QString("ask"));
    }
};

KARTELLA_PROGRAM_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
