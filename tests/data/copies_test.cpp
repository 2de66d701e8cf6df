// Two copies of the program sharing one directory: record locks and durability of posts.
#include "data/table.h"
#include "tests/support/test_support.h"

#include <QProcess>
#include <QtTest>

using namespace kartella;
using namespace kartella::data;

namespace {

// A peer copy of the program whose output lines the test waits for.
class Peer {
public:
    explicit Peer(const QStringList& arguments) {
        m_process.setProgram(TABLE_PEER);
        m_process.setArguments(arguments);
        m_process.start();
        m_process.waitForStarted();
    }
    ~Peer() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }
    QString nextLine(int timeoutMs = 10000) {
        QElapsedTimer timer;
        timer.start();
        while (!m_process.canReadLine() && timer.elapsed() < timeoutMs)
            if (!m_process.waitForReadyRead(100) && m_process.state() == QProcess::NotRunning)
                break;
        return m_process.canReadLine() ? QString::fromUtf8(m_process.readLine()).trimmed()
                                       : QString("<none>");
    }
    QStringList allLines() {
        m_process.waitForFinished(20000);
        QStringList lines;
        while (m_process.canReadLine())
            lines << QString::fromUtf8(m_process.readLine()).trimmed();
        return lines;
    }
    void send(const QByteArray& line) {
        m_process.write(line + '\n');
        m_process.waitForBytesWritten();
    }
    void kill() {
        m_process.kill();
        m_process.waitForFinished();
    }

private:
    QProcess m_process;
};

struct Shared {
    testing::ProgramDirectory dir;
    Connection connection;
    Table partner{connection, partnerTable()};
    Shared() {
        connection.setLocation(dir.path());
        partner.setPassword("qjtmvb");
        partner.open();
        for (const char* name : {"Kiss", "Nagy"}) {
            partner.insert();
            partner.setFieldAsText("NEV", name);
            partner.setFieldAsText("CIM", "eredeti");
            partner.post();
        }
    }
    QString storedCim(const QString& name) {
        partner.refresh();
        partner.locate("NEV", name);
        return partner.fieldAsText("CIM");
    }
};

} // namespace

class CopiesTest : public QObject {
    Q_OBJECT
private slots:
    void anotherCopysEditOfAHeldRecordGetsThePrompt() {
        Shared s;
        s.partner.locate("NEV", "Kiss");
        s.partner.edit();
        Peer refused({s.dir.path(), "edit", "Kiss", "n"});
        QCOMPARE(refused.allLines(), QStringList({"prompt", "abandoned"}));
        Peer other({s.dir.path(), "edit", "Nagy", ""}); // other records stay free
        QCOMPARE(other.allLines(), QStringList({"edited"}));
        s.partner.cancel(); // releases the lock
        Peer allowed({s.dir.path(), "edit", "Kiss", ""});
        QCOMPARE(allowed.allLines(), QStringList({"edited"}));
        QCOMPARE(s.storedCim("Kiss"), QString("a peer írta"));
    }

    void noLeavesTheRecordAsTheOtherCopyHasIt() {
        Shared s;
        Peer holder({s.dir.path(), "hold", "Kiss"});
        QCOMPARE(holder.nextLine(), QString("held"));
        s.partner.locate("NEV", "Kiss");
        int prompts = 0;
        s.partner.setEditConflictHandler([&](const DatabaseError&) { return ++prompts < 0; });
        s.partner.setDeleteConflictHandler([&](const DatabaseError&) { return ++prompts < 0; });
        QVERIFY_THROWS_EXCEPTION(SilentAbort, s.partner.edit());
        QVERIFY_THROWS_EXCEPTION(SilentAbort, s.partner.remove());
        QCOMPARE(prompts, 2);
        QCOMPARE(s.partner.state(), Table::State::Browse);
        holder.send("post a másik példány írta");
        QCOMPARE(holder.nextLine(), QString("posted"));
        QCOMPARE(s.storedCim("Kiss"), QString("a másik példány írta"));
        QCOMPARE(s.partner.recordCount(), 2);
    }

    void yesTriesAgainUntilTheHolderLetsGo() {
        Shared s;
        Peer holder({s.dir.path(), "hold", "Kiss"});
        QCOMPARE(holder.nextLine(), QString("held"));
        s.partner.locate("NEV", "Kiss");
        int prompts = 0;
        s.partner.setEditConflictHandler([&](const DatabaseError&) {
            if (++prompts == 2) { // the other user finishes between the two answers
                holder.send("cancel");
                holder.nextLine();
            }
            return true;
        });
        s.partner.edit();
        QCOMPARE(prompts, 2);
        QCOMPARE(s.partner.state(), Table::State::Edit);
    }

    void aCrashedCopyHoldsNoLock() {
        Shared s;
        Peer holder({s.dir.path(), "hold", "Kiss"});
        QCOMPARE(holder.nextLine(), QString("held"));
        holder.kill();
        s.partner.locate("NEV", "Kiss");
        s.partner.setEditConflictHandler(
            [](const DatabaseError&) -> bool { throw std::logic_error("prompted"); });
        s.partner.edit();
        s.partner.setFieldAsText("CIM", "megvan");
        s.partner.post();
        QCOMPARE(s.storedCim("Kiss"), QString("megvan"));
    }

    void killedWhilePostingLosesNothingPosted() {
        testing::ProgramDirectory dir;
        int lastPosted = -1;
        {
            Peer writer({dir.path(), "insert-loop", "1000000"});
            for (int i = 0; i < 300; ++i) {
                const QString line = writer.nextLine();
                QVERIFY2(line.startsWith("posted"), qPrintable(line));
                lastPosted = line.mid(7).toInt();
            }
            writer.kill(); // at an arbitrary moment, probably in the middle of a post
        }
        Connection c;
        c.setLocation(dir.path());
        Table partner(c, partnerTable());
        partner.setPassword("qjtmvb");
        partner.open();
        QVERIFY(partner.recordCount() > lastPosted);
        int i = 0;
        for (partner.first(); !partner.eof(); partner.next(), ++i) {
            QCOMPARE(partner.fieldAsText("NEV"), QString("P%1").arg(i));
            QCOMPARE(partner.fieldAsText("CIM"), QString("cim-%1-").arg(i).repeated(2));
            QCOMPARE(partner.fieldAsText("TELEP"), QString("T%1").arg(i));
        }
    }
};

QTEST_GUILESS_MAIN(CopiesTest)
#include "copies_test.moc"
