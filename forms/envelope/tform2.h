#pragma once
// The envelope window: the sender's and the addressee's name and address printed straight onto
// an envelope of one of seven sizes, each size with a layout of its own; after the preview the
// window offers to keep a sender or an addressee that the address book does not hold yet.

#include "ui/form_window.h"

#include <QList>
#include <QString>
#include <functional>

class QComboBox;
class QFrame;
class QLineEdit;
class QPushButton;

namespace kartella::data {
struct Database;
}
namespace kartella::printing {
class LayoutWindow;
}

namespace kartella {

class TForm2 : public FormWindow {
    Q_OBJECT
public:
    // Reaches a layout window by name when a print needs it; the layouts are created after this
    // window, so they are looked up only then.
    using LayoutLookup = std::function<printing::LayoutWindow&(const QString& windowName)>;

    // One entry of the size list: its exact text, the layout it prints through and that
    // layout's page, landscape.
    struct EnvelopeSize {
        QString entry;
        QString layout;
        double width;  // mm
        double length; // mm
    };
    static const QList<EnvelopeSize>& envelopeSizes();

    TForm2(data::Database& database, LayoutLookup layouts, QWidget* parent = nullptr);

    void FormShow() override;
    void BitBtn1Click();
    void BitBtn4Click();
    void ComboBox2Exit();
    void ComboBox3Exit();
    void Edit2Exit();
    void Edit4Exit();
    void Edit6Exit();
    void Edit8Exit();

private:
    void storeParties();

    data::Database& m_db;
    LayoutLookup m_layouts;

    QPushButton* BitBtn1;
    QPushButton* BitBtn4;
    QComboBox* ComboBox1;
    QFrame* Panel1;
    QComboBox* ComboBox2;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QComboBox* ComboBox3;
    QLineEdit* Edit6;
    QLineEdit* Edit7;
    QLineEdit* Edit8;
};

} // namespace kartella
