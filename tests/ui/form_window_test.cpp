#include "ui/form_window.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QtTest>

using namespace kartella;

class FormWindowTest : public QObject {
    Q_OBJECT
private slots:
    void anEditableListKeepsWhatIsTyped() {
        FormWindow window("TFormX", "Próba:", {300, 200});
        QComboBox* picker =
            build::comboBox(&window, "ComboBox1", {8, 8, 200, 0}, {"Kiss Anna", "Kovács Béla"});
        window.show();
        QApplication::setActiveWindow(&window);
        picker->setFocus();
        QCOMPARE(picker->currentText(), QString()); // nothing selected at first
        QTest::keyClicks(picker, "kis");
        QCOMPARE(picker->currentText(), QString("kis"));
        QTest::keyClick(picker, Qt::Key_Return); // and Enter adds nothing to the list
        QCOMPARE(picker->count(), 2);
        QCOMPARE(picker->currentText(), QString("kis"));
    }

    void theDatePickerShowsTheShortDateOfTheRegionalSettings() {
        FormWindow window("TFormX", "Próba:", {300, 200});
        QDateEdit* date = build::datePicker(&window, "DateTimePicker1", {8, 8, 120, 0});
        date->setDate(QDate(2026, 12, 11));
        QCOMPARE(date->text(), QLocale().toString(QDate(2026, 12, 11), QLocale::ShortFormat));
        QCOMPARE(window.size(), QSize(300, 200));
        QCOMPARE(window.windowTitle(), QString("Próba:"));
    }
};

QTEST_MAIN(FormWindowTest)
#include "form_window_test.moc"
