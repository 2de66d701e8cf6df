// The posting receipt's entry window TForm21, driven through its controls, and its layout TForm22
// as kartella-render lays it out.

#include "forms/posting-receipt/tform21.h"

#include "app/tform1.h"
#include "app/windows.h"
#include "receipts_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QtTest>

using namespace kartella;
using namespace kartella::testing;

namespace {

const QList<Party> senders{
    {"Példa Iroda Kft.", "1011", "Budapest", "Fő utca 1."},
    {"Cím Nélkül Bt.", "6720", "Szeged", ""},
    {"Példa Iroda Kft.", "9021", "Győr", "Baross út 3."},
};
const QList<Party> partners{
    {"Kovács Béla", "7621", "Pécs", "Király utca 4."},
    {"Szabó Anna", "4025", "Debrecen", "Piac utca 20."},
    {"Kovács Béla", "8000", "Székesfehérvár", "Fő utca 9."},
};

const QStringList labels{"QRLabel1", "QRLabel2", "QRLabel3", "QRLabel4", "QRLabel5",
                         "QRLabel6", "QRLabel7", "QRLabel8", "QRLabel9"};

struct Form {
    ReceiptFixture fixture{"TForm22"};
    TForm21 window{fixture.db, fixture.layoutSource()};

    Form() {
        addParties(fixture.db.tbl_Felado, senders);
        addParties(fixture.db.tbl_Partner, partners);
    }
    template <typename W> W& at(const char* name) { return control<W>(window, name); }
    QLineEdit& edit(const char* name) { return at<QLineEdit>(name); }
    QCheckBox& box(int n) { return at<QCheckBox>(qPrintable(QStringLiteral("CheckBox%1").arg(n))); }

    QMap<QString, Printed> print() {
        QTest::mouseClick(&at<QPushButton>("BitBtn1"), Qt::LeftButton);
        if (!fixture.layout->prepared())
            qFatal("printing prepared nothing");
        return printedElements(*fixture.layout->prepared());
    }
};

} // namespace

class PostingReceiptTest : public QObject {
    Q_OBJECT
private slots:
    void pickerFillsItsAddressField_data();
    void pickerFillsItsAddressField();
    void printWritesEveryElementEveryTime();
    void eachBoxCrossesOnlyItsPartner_data();
    void eachBoxCrossesOnlyItsPartner();
    void reopeningResetsTheWindow();
    void tabOrder();
    void cardPictureLiesUnderTheControls();
    void layoutPrintsAtItsMillimetres();
    void menuOpensTheWindow();
};

void PostingReceiptTest::pickerFillsItsAddressField_data() {
    QTest::addColumn<QString>("picker");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("listIndex");     // the list entry taken instead of typing; -1 to type
    QTest::addColumn<QString>("sender");    // Edit2 afterwards; it held "régi feladó"
    QTest::addColumn<QString>("addressee"); // Edit4 afterwards; it held "régi címzett"

    QTest::newRow("sender typed") << "ComboBox1"
                                  << "Példa Iroda Kft." << -1 << "1011 Budapest,Fő utca 1."
                                  << "régi címzett";
    QTest::newRow("sender without street") << "ComboBox1"
                                           << "Cím Nélkül Bt." << -1 << "6720 Szeged,"
                                           << "régi címzett";
    QTest::newRow("second of two equal names") << "ComboBox1"
                                               << "" << 2 << "1011 Budapest,Fő utca 1."
                                               << "régi címzett";
    QTest::newRow("addressee typed") << "ComboBox2"
                                     << "Szabó Anna" << -1 << "régi feladó"
                                     << "4025 Debrecen Piac utca 20.";
    QTest::newRow("addressee from the list") << "ComboBox2"
                                             << "" << 1 << "régi feladó"
                                             << "4025 Debrecen Piac utca 20.";
    QTest::newRow("lower case finds nothing") << "ComboBox1"
                                              << "példa iroda kft." << -1 << "régi feladó"
                                              << "régi címzett";
    QTest::newRow("part of a name finds nothing") << "ComboBox2"
                                                  << "Szabó" << -1 << "régi feladó"
                                                  << "régi címzett";
    QTest::newRow("empty text") << "ComboBox2"
                                << "" << -1 << "régi feladó"
                                << "régi címzett";
    QTest::newRow("a sender is no addressee") << "ComboBox2"
                                              << "Példa Iroda Kft." << -1 << "régi feladó"
                                              << "régi címzett";
}

void PostingReceiptTest::pickerFillsItsAddressField() {
    QFETCH(QString, picker);
    QFETCH(QString, text);
    QFETCH(int, listIndex);
    QFETCH(QString, sender);
    QFETCH(QString, addressee);

    Form form;
    QVERIFY(open(form.window));
    form.edit("Edit2").setText("régi feladó");
    form.edit("Edit4").setText("régi címzett");
    auto& box = form.at<QComboBox>(qPrintable(picker));
    leavePicker(box, text, listIndex);
    QCOMPARE(form.edit("Edit2").text(), sender);
    QCOMPARE(form.edit("Edit4").text(), addressee);
    // The name prints as it stands in the picker.
    QCOMPARE(form.print().value(picker == "ComboBox1" ? "QRLabel1" : "QRLabel3").text, box.currentText());
}

// Each print writes all nineteen elements: the design captions never print, and nothing of an
// earlier card reaches a later one.
void PostingReceiptTest::printWritesEveryElementEveryTime() {
    Form form;
    QVERIFY(open(form.window));

    QMap<QString, Printed> printed = form.print();
    QCOMPARE(form.fixture.dialogs.shownWindows, QStringList{"PreviewWindow"});
    for (const QString& label : labels)
        QVERIFY2(printed.value(label).text.isEmpty(), qPrintable(label + ": " + printed.value(label).text));
    QCOMPARE(crosses(printed), QStringList{});

    const std::pair<const char*, const char*> copies[]{
        {"Edit2", "QRLabel2"}, {"Edit4", "QRLabel4"}, {"Edit8", "QRLabel5"}, {"Edit5", "QRLabel6"},
        {"Edit9", "QRLabel7"}, {"Edit6", "QRLabel8"}, {"Edit7", "QRLabel9"},
    };
    for (const auto& [edit, label] : copies)
        form.edit(edit).setText(QStringLiteral(" %1 ő ").arg(label)); // blanks kept, nothing trimmed
    form.at<QComboBox>("ComboBox1").setEditText("Beírt Feladó");
    form.at<QComboBox>("ComboBox2").setEditText("beírt címzett");
    for (int n = 1; n <= 10; ++n)
        form.box(n).setChecked(true);
    printed = form.print();
    for (const auto& [edit, label] : copies) {
        // Copied as typed; the printed line starts with the blank (a line's last blank is not drawn).
        const QString typed = QStringLiteral(" %1 ő ").arg(label);
        QCOMPARE(form.fixture.layout->layout().element(label).text, typed);
        QCOMPARE(printed.value(label).text, typed.chopped(1));
    }
    QCOMPARE(printed.value("QRLabel1").text, QStringLiteral("Beírt Feladó"));
    QCOMPARE(printed.value("QRLabel3").text, QStringLiteral("beírt címzett"));
    QCOMPARE(int(crosses(printed).size()), 10);
    // Printing keeps the entries for the next card.
    QCOMPARE(form.edit("Edit9").text(), QStringLiteral(" QRLabel7 ő "));
    QVERIFY(form.box(4).isChecked());

    for (const auto& [edit, label] : copies)
        form.edit(edit).clear();
    form.at<QComboBox>("ComboBox1").setEditText("");
    form.at<QComboBox>("ComboBox2").setEditText("");
    for (int n = 1; n <= 10; ++n)
        form.box(n).setChecked(false);
    printed = form.print();
    for (const QString& label : labels)
        QVERIFY2(printed.value(label).text.isEmpty(), qPrintable(label + ": " + printed.value(label).text));
    QCOMPARE(crosses(printed), QStringList{});
    QCOMPARE(int(form.fixture.dialogs.shownWindows.size()), 3);
}

void PostingReceiptTest::eachBoxCrossesOnlyItsPartner_data() {
    QTest::addColumn<int>("box");
    for (int n = 1; n <= 10; ++n)
        QTest::addRow("CheckBox%d", n) << n;
}

// Ticking one box crosses its namesake on the card and nothing else; the next card without the
// tick has no cross.
void PostingReceiptTest::eachBoxCrossesOnlyItsPartner() {
    QFETCH(int, box);
    Form form;
    QVERIFY(open(form.window));
    QTest::mouseClick(&form.box(box), Qt::LeftButton, {}, QPoint(6, 8));
    QVERIFY(form.box(box).isChecked());
    QCOMPARE(crosses(form.print()), QStringList{QStringLiteral("QRPCheckBox%1").arg(box)});
    QTest::mouseClick(&form.box(box), Qt::LeftButton, {}, QPoint(6, 8));
    QCOMPARE(crosses(form.print()), QStringList{});
}

void PostingReceiptTest::reopeningResetsTheWindow() {
    Form form;
    QVERIFY(open(form.window));
    auto& senderPicker = form.at<QComboBox>("ComboBox1");
    auto& addresseePicker = form.at<QComboBox>("ComboBox2");
    QCOMPARE(items(senderPicker), (QStringList{"Példa Iroda Kft.", "Cím Nélkül Bt.", "Példa Iroda Kft."}));
    QCOMPARE(items(addresseePicker), (QStringList{"Kovács Béla", "Szabó Anna", "Kovács Béla"}));
    QCOMPARE(senderPicker.currentIndex(), -1);

    senderPicker.setCurrentIndex(1);
    addresseePicker.setCurrentIndex(0);
    for (const char* edit : {"Edit2", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9"})
        form.edit(edit).setText("valami");
    for (int n = 1; n <= 10; ++n)
        form.box(n).setChecked(true);
    form.print();
    addParties(form.fixture.db.tbl_Felado, {{"Új Feladó", "1111", "Budapest", "Új utca 1."}});

    QVERIFY(reopen(form.window));
    QCOMPARE(items(senderPicker),
             (QStringList{"Példa Iroda Kft.", "Cím Nélkül Bt.", "Példa Iroda Kft.", "Új Feladó"}));
    QCOMPARE(items(addresseePicker), (QStringList{"Kovács Béla", "Szabó Anna", "Kovács Béla"}));
    for (QComboBox* picker : {&senderPicker, &addresseePicker}) {
        QCOMPARE(picker->currentIndex(), -1);
        QCOMPARE(picker->currentText(), QString());
    }
    for (const char* edit : {"Edit2", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9"})
        QCOMPARE(form.edit(edit).text(), QString());
    for (int n = 1; n <= 10; ++n)
        QVERIFY(!form.box(n).isChecked());
}

void PostingReceiptTest::tabOrder() {
    Form form;
    QVERIFY(open(form.window));
    form.at<QPushButton>("BitBtn4").setFocus(Qt::OtherFocusReason);
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 21; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited,
             (QStringList{"BitBtn4",   "BitBtn1",   "Edit2",     "CheckBox1", "CheckBox2", "CheckBox3",
                          "CheckBox4", "CheckBox5", "CheckBox6", "Edit4",     "Edit5",     "Edit6",
                          "Edit7",     "Edit8",     "CheckBox7", "CheckBox8", "CheckBox9", "CheckBox10",
                          "Edit9",     "ComboBox1", "ComboBox2", "BitBtn4"}));
}

// The window and the layout window show the same drawn card, and every input control lies on it.
void PostingReceiptTest::cardPictureLiesUnderTheControls() {
    Form form;
    QVERIFY(open(form.window));
    auto& picture = form.at<QSvgWidget>("Image1");
    QVERIFY(picture.renderer()->isValid());
    QCOMPARE(picture.renderer()->defaultSize(), QSize(533, 391));
    const QString positioning = form.fixture.layout->layout().element("Image1").image;
    QCOMPARE(positioning, QStringLiteral(":/pictures/posting-receipt/card.svg"));
    QVERIFY(QSvgRenderer(positioning).isValid());

    const QRect card = picture.geometry();
    QCOMPARE(card, QRect(8, 8, 633, 377));
    for (QWidget* w : picture.parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w != &picture)
            QVERIFY2(card.contains(w->geometry()), qPrintable(w->objectName()));
    saveScreenshot(form.window);
}

// The layout as kartella-render lays out a filled card: each element at its millimetres, a
// landscape page of 141.1 x 103.4 mm, and nothing of the positioning picture.
void PostingReceiptTest::layoutPrintsAtItsMillimetres() {
    struct Box {
        const char* name;
        double left, top, width, height;
    };
    const Box boxes[]{
        {"QRLabel1", 29.6, 22.0, 68.0, 4.5},     {"QRLabel2", 23.3, 28.0, 74.3, 6.6},
        {"QRPCheckBox1", 31.8, 36.2, 4.5, 4.5},  {"QRPCheckBox2", 61.4, 36.2, 4.5, 4.5},
        {"QRPCheckBox3", 93.1, 36.2, 4.5, 4.5},  {"QRPCheckBox4", 31.8, 41.5, 4.5, 4.5},
        {"QRPCheckBox5", 61.4, 41.5, 4.5, 4.5},  {"QRPCheckBox6", 93.1, 41.5, 4.5, 4.5},
        {"QRLabel3", 31.8, 46.6, 68.0, 4.5},     {"QRLabel4", 25.4, 51.9, 74.3, 6.6},
        {"QRPCheckBox7", 101.6, 26.7, 4.5, 4.5}, {"QRPCheckBox8", 106.4, 26.7, 4.5, 4.5},
        {"QRPCheckBox9", 111.4, 26.7, 4.5, 4.5}, {"QRPCheckBox10", 116.9, 26.7, 4.5, 4.5},
        {"QRLabel5", 101.6, 38.1, 27.8, 6.6},    {"QRLabel6", 23.3, 63.5, 27.8, 6.6},
        {"QRLabel7", 23.3, 80.4, 27.8, 6.6},     {"QRLabel8", 65.6, 63.5, 27.8, 6.6},
        {"QRLabel9", 101.3, 54.2, 27.8, 4.2},
    };
    const QString longAddress = "1011 Budapest,Hosszú nevű utca 123. II. emelet 4. ajtó, a hátsó udvarban";
    QStringList arguments{"--text", "QRLabel2=" + longAddress, "--text", "QRLabel1=Példa Iroda Kft."};
    for (const char* label :
         {"QRLabel3", "QRLabel4", "QRLabel5", "QRLabel6", "QRLabel7", "QRLabel8", "QRLabel9"})
        arguments << "--text" << QStringLiteral("%1=ÁÉŐŰ 12").arg(label);
    for (int n = 1; n <= 10; ++n)
        arguments << "--tick" << QStringLiteral("QRPCheckBox%1").arg(n);
    const QJsonObject doc = renderJson("TForm22", arguments);
    QCOMPARE(doc["orientation"].toString(), QStringLiteral("landscape"));
    const QJsonArray pages = doc["pages"].toArray();
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages[0]["width"].toDouble(), 141.1);
    QCOMPARE(pages[0]["length"].toDouble(), 103.4);
    const QJsonArray elements = pages[0]["elements"].toArray();
    QCOMPARE(int(elements.size()), int(std::size(boxes)));
    for (qsizetype i = 0; i < elements.size(); ++i) {
        const Box& expected = boxes[i]; // the drawing order as well
        const QJsonObject e = elements[i].toObject();
        QCOMPARE(e["name"].toString(), QLatin1String(expected.name));
        const QJsonObject box = e["box"].toObject();
        QCOMPARE(box["left"].toDouble(), expected.left);
        QCOMPARE(box["top"].toDouble(), expected.top);
        QCOMPARE(box["width"].toDouble(), expected.width);
        QCOMPARE(box["height"].toDouble(), expected.height);
        if (e["kind"] == "check-box") {
            QVERIFY(e["ticked"].toBool());
            continue;
        }
        QCOMPARE(e["kind"].toString(), QStringLiteral("label"));
        QCOMPARE(e["font"]["family"].toString(), QStringLiteral("Arial"));
        QCOMPARE(e["font"]["size"].toDouble(), 9.0);
        QVERIFY(!e["font"]["bold"].toBool());
        QCOMPARE(e["align"].toString(), QStringLiteral("left"));
        QVERIFY(e["opaque"].toBool());
        // One line of 9-point text fits each box; a longer address breaks at a blank and only
        // its first line prints.
        const QJsonArray lines = e["lines"].toArray();
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines[0]["width"].toDouble() <= expected.width);
    }
    const QString firstLine = elementNamed(elements, "QRLabel2")["lines"][0]["text"].toString();
    QVERIFY2(longAddress.startsWith(firstLine) && longAddress.at(firstLine.size()) == ' ',
             qPrintable(firstLine));
}

// The menu item opens the window that the program created, and its print reaches TForm22.
void PostingReceiptTest::menuOpensTheWindow() {
    ScriptedDialogs dialogs;
    setDialogs(&dialogs);
    ProgramDirectory dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    {
        TForm1 main;
        main.show();
        dialogs.onShow("TForm21", [](QWidget& window) {
            QTest::mouseClick(&control<QPushButton>(window, "BitBtn1"), Qt::LeftButton);
        });
        QAction* item = main.menuItem("Ajnlszevny1");
        QVERIFY(item && item->isEnabled());
        QCOMPARE(item->text(), QStringLiteral("Feladóvémy (Ajánlószelvény)"));
        item->trigger();
        QCOMPARE(dialogs.shownWindows, (QStringList{"TForm21", "PreviewWindow"}));
        QVERIFY(qobject_cast<TForm21*>(main.windows().window("TForm21")));
        QVERIFY(main.windows().layout("TForm22")->prepared());
    }
    QDir::setCurrent(previous);
    setDialogs(nullptr);
}

QTEST_MAIN(PostingReceiptTest)
#include "posting_receipt_test.moc"
