#pragma once
// The about window: the program's title and version, the maker and three links.

#include <QDialog>

class QLabel;
class QPushButton;

namespace kartella::data {
struct Database;
}

namespace kartella {

class LinkLabel;

class TForm52 : public QDialog {
    Q_OBJECT
public:
    explicit TForm52(data::Database& database, QWidget* parent = nullptr);

    void BitBtn1Click();
    void Label7Click();
    void Label8Click();
    void Label9Click();

private:
    data::Database& m_db;
    LinkLabel* Label7;
    LinkLabel* Label8;
    LinkLabel* Label9;
};

} // namespace kartella
