#pragma once
// The main function of a test that drives windows the way the program runs them: under the
// program's application object, whose standard error report ends an action that failed.

#include "app/application.h"

#include <QtTest>

#define KARTELLA_PROGRAM_TEST_MAIN(TestClass)                                                                \
    int main(int argc, char** argv) {                                                                        \
        kartella::KartellaApplication app(argc, argv);                                                       \
        QApplication::setApplicationDisplayName("Kartella");                                                 \
        TestClass test;                                                                                      \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
