// The domestic return receipt's entry window TForm23, driven through its controls, and its layout
// TForm24 as kartella-render lays it out.

#include "forms/return-receipt/tform23.h"

#include "app/tform1.h"
#include "app/windows.h"
#include "receipts_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QtTest>

using namespace kartella;
using namespace kartella::testing;

namespace {

const QList<Party> partners{
    {"Város Kft.", "1234", "Város", "Fő utca 1"},
    {"Kovács Béla", "7621", "Pécs", "Király utca 4."},
    {"Város Kft.", "9021", "Győr", "Baross út 3."},
};
const QList<Party> senders{
    {"Példa Iroda", "1234", "Város", "Fő utca 1"},
    {"Másik Iroda", "6720", "Szeged", ""},
};

const QStringList labels{"QRLabel10", "QRLabel3", "QRLabel1", "QRLabel2", "QRLabel5",
                         "QRLabel11", "QRLabel4", "QRLabel8", "QRLabel7"};
const QStringList entryBoxes{"CheckBox3", "CheckBox6", "CheckBox10", "CheckBox7", "CheckBox8", "CheckBox9"};
const QStringList edits{"Edit1", "Edit2", "Edit4", "Edit5", "Edit7", "Edit8"};

struct Form {
    ReceiptFixture fixture{"TForm24"};
    TForm23 window{fixture.db, fixture.layoutSource()};

    Form() {
        addParties(fixture.db.tbl_Partner, partners);
        addParties(fixture.db.tbl_Felado, senders);
    }
    template <typename W> W& at(const QString& name) { return control<W>(window, qPrintable(name)); }
    QLineEdit& edit(const QString& name) { return at<QLineEdit>(name); }
    QDateEdit& date() { return at<QDateEdit>("DatePicker1"); }

    QMap<QString, Printed> print() {
        QTest::mouseClick(&at<QPushButton>("BitBtn1"), Qt::LeftButton);
        if (!fixture.layout->prepared())
            qFatal("printing prepared nothing");
        return printedElements(*fixture.layout->prepared());
    }
};

QString today() {
    return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
}

} // namespace

class ReturnReceiptTest : public QObject {
    Q_OBJECT
private slots:
    void pickerFillsItsAddressField_data();
    void pickerFillsItsAddressField();
    void printWritesEveryElementEveryTime();
    void eachBoxCrossesOnlyItsPartner_data();
    void eachBoxCrossesOnlyItsPartner();
    void reopeningResetsTheWindow();
    void cardPictureLiesUnderTheControls();
    void layoutPrintsAtItsMillimetres();
    void menuOpensTheWindow();
};

void ReturnReceiptTest::pickerFillsItsAddressField_data() {
    QTest::addColumn<QString>("picker");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("listIndex");     // the list entry taken instead of typing; -1 to type
    QTest::addColumn<QString>("addressee"); // Edit2 afterwards; it held "régi címzett"
    QTest::addColumn<QString>("returnTo");  // Edit4 afterwards; it held "régi visszacím"

    QTest::newRow("addressee: comma before the street") << "ComboBox1"
                                                        << "Város Kft." << -1 << "1234 Város,Fő utca 1"
                                                        << "régi visszacím";
    QTest::newRow("addressee: second of two equal names") << "ComboBox1"
                                                          << "" << 2 << "1234 Város,Fő utca 1"
                                                          << "régi visszacím";
    QTest::newRow("return address: single blanks") << "ComboBox2"
                                                   << "Példa Iroda" << -1 << "régi címzett"
                                                   << "1234 Város Fő utca 1";
    QTest::newRow("return address without street") << "ComboBox2"
                                                   << "" << 1 << "régi címzett"
                                                   << "6720 Szeged ";
    QTest::newRow("unknown name") << "ComboBox1"
                                  << "Nincs Ilyen" << -1 << "régi címzett"
                                  << "régi visszacím";
    QTest::newRow("lower case finds nothing") << "ComboBox2"
                                              << "példa iroda" << -1 << "régi címzett"
                                              << "régi visszacím";
    QTest::newRow("empty text") << "ComboBox1"
                                << "" << -1 << "régi címzett"
                                << "régi visszacím";
    QTest::newRow("a partner is no sender") << "ComboBox2"
                                            << "Kovács Béla" << -1 << "régi címzett"
                                            << "régi visszacím";
}

void ReturnReceiptTest::pickerFillsItsAddressField() {
    QFETCH(QString, picker);
    QFETCH(QString, text);
    QFETCH(int, listIndex);
    QFETCH(QString, addressee);
    QFETCH(QString, returnTo);

    Form form;
    QVERIFY(open(form.window));
    form.edit("Edit2").setText("régi címzett");
    form.edit("Edit4").setText("régi visszacím");
    auto& box = form.at<QComboBox>(picker);
    leavePicker(box, text, listIndex);
    QCOMPARE(form.edit("Edit2").text(), addressee);
    QCOMPARE(form.edit("Edit4").text(), returnTo);
    QCOMPARE(form.print().value(picker == "ComboBox1" ? "QRLabel1" : "QRLabel8").text, box.currentText());
}

// Each print writes all fifteen elements: the design captions never print, the date is the
// short date of the regional settings, and nothing of an earlier card reaches a later one.
void ReturnReceiptTest::printWritesEveryElementEveryTime() {
    Form form;
    QVERIFY(open(form.window));

    QMap<QString, Printed> printed = form.print();
    QCOMPARE(form.fixture.dialogs.shownWindows, QStringList{"PreviewWindow"});
    for (const QString& label : labels)
        QCOMPARE(printed.value(label).text, label == "QRLabel11" ? today() : QString());
    QCOMPARE(crosses(printed), QStringList{});

    const std::pair<const char*, const char*> copies[]{
        {"Edit1", "QRLabel10"}, {"Edit2", "QRLabel2"}, {"Edit5", "QRLabel4"},
        {"Edit8", "QRLabel3"},  {"Edit7", "QRLabel5"}, {"Edit4", "QRLabel7"},
    };
    for (const auto& [edit, label] : copies)
        form.edit(edit).setText(QStringLiteral(" %1 ű ").arg(label)); // blanks kept, nothing trimmed
    form.at<QComboBox>("ComboBox1").setEditText("beírt címzett");
    form.at<QComboBox>("ComboBox2").setEditText("Beírt Visszacím");
    form.date().setDate(QDate(2025, 3, 9));
    for (const QString& box : entryBoxes)
        form.at<QCheckBox>(box).setChecked(true);
    printed = form.print();
    for (const auto& [edit, label] : copies) {
        // Copied as typed; the printed line starts with the blank (a line's last blank is not drawn).
        const QString typed = QStringLiteral(" %1 ű ").arg(label);
        QCOMPARE(form.fixture.layout->layout().element(label).text, typed);
        QCOMPARE(printed.value(label).text, typed.chopped(1));
    }
    QCOMPARE(printed.value("QRLabel1").text, QStringLiteral("beírt címzett"));
    QCOMPARE(printed.value("QRLabel8").text, QStringLiteral("Beírt Visszacím"));
    // The regional short date, not the picker's own yyyy/MM/dd.
    QCOMPARE(form.date().text(), QStringLiteral("2025/03/09"));
    QCOMPARE(printed.value("QRLabel11").text, QStringLiteral("2025. 03. 09."));
    QCOMPARE(int(crosses(printed).size()), 6);

    for (const auto& [edit, label] : copies)
        form.edit(edit).clear();
    form.at<QComboBox>("ComboBox1").setEditText("");
    form.at<QComboBox>("ComboBox2").setEditText("");
    for (const QString& box : entryBoxes)
        form.at<QCheckBox>(box).setChecked(false);
    printed = form.print();
    for (const QString& label : labels)
        QCOMPARE(printed.value(label).text,
                 label == "QRLabel11" ? QStringLiteral("2025. 03. 09.") : QString());
    QCOMPARE(crosses(printed), QStringList{});
}

void ReturnReceiptTest::eachBoxCrossesOnlyItsPartner_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("cross");
    QTest::newRow("pri.") << "CheckBox3"
                          << "QRPCheckBox1";
    QTest::newRow("sk.") << "CheckBox6"
                         << "QRPCheckBox2";
    QTest::newRow("ck.") << "CheckBox10"
                         << "QRPCheckBox4";
    QTest::newRow("to the addressee") << "CheckBox7"
                                      << "QRPCheckBox7";
    QTest::newRow("to a substitute") << "CheckBox8"
                                     << "QRPCheckBox8";
    QTest::newRow("to a representative") << "CheckBox9"
                                         << "QRPCheckBox10";
}

// Ticking one box crosses its partner on the card and nothing else; the next card without the
// tick has no cross.
void ReturnReceiptTest::eachBoxCrossesOnlyItsPartner() {
    QFETCH(QString, box);
    QFETCH(QString, cross);
    Form form;
    QVERIFY(open(form.window));
    auto& entry = form.at<QCheckBox>(box);
    QTest::mouseClick(&entry, Qt::LeftButton, {}, QPoint(6, 8));
    QVERIFY(entry.isChecked());
    QCOMPARE(crosses(form.print()), QStringList{cross});
    QTest::mouseClick(&entry, Qt::LeftButton, {}, QPoint(6, 8));
    QCOMPARE(crosses(form.print()), QStringList{});
}

void ReturnReceiptTest::reopeningResetsTheWindow() {
    Form form;
    QVERIFY(open(form.window));
    auto& addresseePicker = form.at<QComboBox>("ComboBox1");
    auto& senderPicker = form.at<QComboBox>("ComboBox2");
    const QStringList partnerNames{"Város Kft.", "Kovács Béla", "Város Kft."};
    QCOMPARE(items(addresseePicker), partnerNames);
    QCOMPARE(items(senderPicker), (QStringList{"Példa Iroda", "Másik Iroda"}));

    addresseePicker.setCurrentIndex(1);
    senderPicker.setCurrentIndex(0);
    for (const QString& edit : edits)
        form.edit(edit).setText("valami");
    for (const QString& box : entryBoxes)
        form.at<QCheckBox>(box).setChecked(true);
    form.date().setDate(QDate(2020, 1, 2));
    form.print();
    addParties(form.fixture.db.tbl_Felado, {{"Új Feladó", "1111", "Budapest", "Új utca 1."}});

    QVERIFY(reopen(form.window));
    QCOMPARE(items(addresseePicker), partnerNames);
    QCOMPARE(items(senderPicker), (QStringList{"Példa Iroda", "Másik Iroda", "Új Feladó"}));
    for (QComboBox* picker : {&addresseePicker, &senderPicker}) {
        QCOMPARE(picker->currentIndex(), -1);
        QCOMPARE(picker->currentText(), QString());
    }
    for (const QString& edit : edits)
        QCOMPARE(form.edit(edit).text(), QString());
    for (const QString& box : entryBoxes)
        QVERIFY(!form.at<QCheckBox>(box).isChecked());
    QCOMPARE(form.date().date(), QDate::currentDate());
    QCOMPARE(form.print().value("QRLabel11").text, today());
}

// The window and the layout window show the same drawn card, and every input control lies on it.
void ReturnReceiptTest::cardPictureLiesUnderTheControls() {
    Form form;
    QVERIFY(open(form.window));
    auto& picture = form.at<QSvgWidget>("Image1");
    QVERIFY(picture.renderer()->isValid());
    QCOMPARE(picture.renderer()->defaultSize(), QSize(533, 391));
    const QString positioning = form.fixture.layout->layout().element("Image1").image;
    QCOMPARE(positioning, QStringLiteral(":/pictures/return-receipt/card.svg"));
    QVERIFY(QSvgRenderer(positioning).isValid());

    const QRect card = picture.geometry();
    QCOMPARE(card.size(), QSize(641, 385));
    for (QWidget* w : picture.parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w != &picture)
            QVERIFY2(card.contains(w->geometry()), qPrintable(w->objectName()));
    saveScreenshot(form.window);
}

// The layout as kartella-render lays out a filled card: each element at its millimetres and in
// its font, a landscape page of 141.1 x 93.5 mm, and nothing of the positioning picture.
void ReturnReceiptTest::layoutPrintsAtItsMillimetres() {
    struct Box {
        const char* name;
        double left, top, width, height;
        double points = 0; // labels: Arial of this size
        bool bold = false;
        int lines = 1; // lines of a long text that fit the box
    };
    const Box boxes[]{
        {"QRLabel10", 12.7, 9.8, 68.0, 6.6, 9},
        {"QRLabel3", 84.9, 11.9, 44.5, 4.5, 9},
        {"QRPCheckBox1", 110.1, 17.5, 4.5, 4.5},
        {"QRPCheckBox2", 116.9, 17.5, 4.5, 4.5},
        {"QRPCheckBox4", 125.1, 17.5, 4.5, 4.5},
        {"QRLabel1", 38.1, 24.1, 42.6, 4.5, 9},
        {"QRLabel2", 38.1, 30.2, 42.6, 6.6, 9},
        {"QRPCheckBox7", 95.0, 29.9, 4.5, 4.5},
        {"QRPCheckBox8", 110.1, 29.6, 4.5, 4.5},
        {"QRPCheckBox10", 125.7, 29.9, 4.5, 4.5},
        {"QRLabel5", 86.8, 38.1, 42.6, 6.1, 9},
        {"QRLabel11", 17.2, 43.4, 26.5, 5.6, 12, true},
        {"QRLabel4", 48.7, 43.4, 32.0, 6.6, 9},
        {"QRLabel8", 48.7, 58.7, 78.6, 6.1, 9, true},
        {"QRLabel7", 48.7, 66.4, 78.6, 14.3, 9, false, 3},
    };
    // Long enough to wrap in every box.
    const QString text = "Hosszú szöveg, amely egyik mezőbe sem fér bele egy sorban, ezért a szóközöknél "
                         "több sorra törik, és ami nem fér el, az nem nyomtatódik ki";
    QStringList arguments;
    for (const Box& box : boxes)
        if (box.points > 0)
            arguments << "--text" << QStringLiteral("%1=%2").arg(QLatin1String(box.name), text);
    for (const Box& box : boxes)
        if (box.points == 0)
            arguments << "--tick" << QLatin1String(box.name);
    const QJsonObject doc = renderJson("TForm24", arguments);
    QCOMPARE(doc["orientation"].toString(), QStringLiteral("landscape"));
    const QJsonArray pages = doc["pages"].toArray();
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages[0]["width"].toDouble(), 141.1);
    QCOMPARE(pages[0]["length"].toDouble(), 93.5);
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
        QVERIFY(box["top"].toDouble() + box["height"].toDouble() <= 81.0);
        if (expected.points == 0) {
            QCOMPARE(e["kind"].toString(), QStringLiteral("check-box"));
            QVERIFY(e["ticked"].toBool());
            continue;
        }
        QCOMPARE(e["kind"].toString(), QStringLiteral("label"));
        QCOMPARE(e["font"]["family"].toString(), QStringLiteral("Arial"));
        QCOMPARE(e["font"]["size"].toDouble(), expected.points);
        QCOMPARE(e["font"]["bold"].toBool(), expected.bold);
        QCOMPARE(e["align"].toString(), QStringLiteral("left"));
        QVERIFY(e["opaque"].toBool());
        // Fixed size: the text wraps at blanks within the box, and lines below it do not print.
        const QJsonArray lines = e["lines"].toArray();
        QCOMPARE(int(lines.size()), expected.lines);
        for (const QJsonValue& line : lines)
            QVERIFY(line["width"].toDouble() <= expected.width);
        QVERIFY(text.startsWith(lines[0]["text"].toString()));
    }
}

// The menu item opens the window that the program created, and its print reaches TForm24.
void ReturnReceiptTest::menuOpensTheWindow() {
    ScriptedDialogs dialogs;
    setDialogs(&dialogs);
    ProgramDirectory dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    {
        TForm1 main;
        main.show();
        dialogs.onShow("TForm23", [](QWidget& window) {
            QTest::mouseClick(&control<QPushButton>(window, "BitBtn1"), Qt::LeftButton);
        });
        QAction* item = main.menuItem("rtivevny1");
        QVERIFY(item && item->isEnabled());
        QCOMPARE(item->text(), QStringLiteral("Tértivevény"));
        item->trigger();
        QCOMPARE(dialogs.shownWindows, (QStringList{"TForm23", "PreviewWindow"}));
        QVERIFY(qobject_cast<TForm23*>(main.windows().window("TForm23")));
        QVERIFY(main.windows().layout("TForm24")->prepared());
    }
    QDir::setCurrent(previous);
    setDialogs(nullptr);
}

QTEST_MAIN(ReturnReceiptTest)
#include "return_receipt_test.moc"
