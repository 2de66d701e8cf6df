// Another copy of the program, reduced to table operations, for the tests between copies:
//   table_peer DIR hold NAME       edit the partner NAME and keep it in edit state; then reads
//                                  commands from stdin: "post VALUE" (stores VALUE as CIM),
//                                  "cancel", "quit"
//   table_peer DIR edit NAME ANSWERS  edit NAME, answering lock prompts from ANSWERS (y/n...)
//   table_peer DIR insert-loop COUNT  insert partners one by one, saying "posted I" after each
#include "data/table.h"

#include <QTextStream>
#include <cstdio>
#include <iostream>
#include <string>

using namespace kartella::data;

namespace {
void say(const std::string& line) {
    std::cout << line << std::endl; // flushed at once: the test reads it while we run
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 4)
        return 2;
    Connection connection;
    connection.setLocation(QString::fromLocal8Bit(argv[1]));
    Table partner(connection, partnerTable());
    partner.setPassword(partnerTable().password);
    try {
        partner.open();
        const std::string command = argv[2];
        if (command == "insert-loop") {
            const int count = std::atoi(argv[3]);
            for (int i = 0; i < count; ++i) {
                partner.insert();
                partner.setFieldAsText("NEV", QString("P%1").arg(i));
                partner.setFieldAsText("CIM", QString("cim-%1-").arg(i).repeated(2));
                partner.setFieldAsText("TELEP", QString("T%1").arg(i));
                partner.post();
                say("posted " + std::to_string(i));
            }
            return 0;
        }
        const QString name = QString::fromUtf8(argv[3]);
        if (!partner.locate("NEV", name)) {
            say("missing");
            return 1;
        }
        if (command == "hold") {
            partner.edit();
            say("held");
            std::string line;
            while (std::getline(std::cin, line)) {
                if (line.rfind("post ", 0) == 0) {
                    partner.setFieldAsText("CIM", QString::fromStdString(line.substr(5)));
                    partner.post();
                    say("posted");
                } else if (line == "cancel") {
                    partner.cancel();
                    say("cancelled");
                } else if (line == "quit") {
                    break;
                }
            }
            return 0;
        }
        if (command == "edit") {
            std::string answers = argc > 4 ? argv[4] : "";
            partner.setEditConflictHandler([&answers](const DatabaseError&) {
                say("prompt");
                const bool yes = !answers.empty() && answers[0] == 'y';
                if (!answers.empty())
                    answers.erase(0, 1);
                return yes;
            });
            partner.edit();
            partner.setFieldAsText("CIM", "a peer írta");
            partner.post();
            say("edited");
            return 0;
        }
    } catch (const SilentAbort&) {
        say("abandoned");
        return 0;
    } catch (const DatabaseError& e) {
        say("error " + e.text().toStdString());
        return 1;
    }
    return 2;
}
