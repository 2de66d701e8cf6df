#include "app/tform52.h"

#include "app/maker.h"
#include "app/shell.h"
#include "data/database.h"
#include "ui/link_label.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>
#include <QVBoxLayout>

namespace kartella {

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect box, int points, bool bold,
                  const QColor& colour, Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(box);
    QFont font = label->font();
    if (points > 0)
        font.setPointSize(points);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(alignment);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

LinkLabel* makeLink(QWidget* parent, const char* name, const QString& text, int top) {
    auto* label = new LinkLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(24, top, 344, 17);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setBold(true);
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(palette);
    return label;
}

} // namespace

TForm52::TForm52(data::Database& database, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_db(database) {
    setObjectName("TForm52");
    setWindowTitle(QStringLiteral("Bemutatkozás:"));
    setFixedSize(376, 456);
    setFont(QFont(QStringLiteral("Segoe UI"), 9));

    auto* Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(8, 8, 121, 113);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* Image1 = new QSvgWidget(QStringLiteral(":/pictures/envelope_open.svg"), Panel1);
    Image1->setObjectName("Image1");
    Image1->setGeometry(Panel1->contentsRect());

    const QColor navy(0, 0, 128), purple(128, 0, 128), maroon(128, 0, 0);
    makeLabel(this, "Label1", QStringLiteral("Kartella"), {144, 8, 224, 45}, 18, true, Qt::blue,
              Qt::AlignCenter);
    makeLabel(this, "Label2", QStringLiteral("V%1").arg(maker::version), {144, 49, 224, 25}, 14, true,
              Qt::blue, Qt::AlignCenter);
    makeLabel(this, "Label3", QStringLiteral("Készítette:"), {24, 144, 344, 17}, 0, true, navy,
              Qt::AlignLeft | Qt::AlignVCenter);
    makeLabel(this, "Label4", QString::fromUtf8(maker::name), {24, 165, 344, 17}, 0, true, purple,
              Qt::AlignCenter);
    makeLabel(this, "Label5", QString::fromUtf8(maker::address), {24, 181, 344, 17}, 0, true, purple,
              Qt::AlignCenter);
    makeLabel(this, "Label6", QString::fromUtf8(maker::phone) + '\n' + QString::fromUtf8(maker::email),
              {24, 202, 344, 34}, 0, true, purple, Qt::AlignCenter);
    Label7 = makeLink(this, "Label7", QString::fromUtf8(maker::web), 256);
    Label8 = makeLink(this, "Label8", QString::fromUtf8(maker::web2), 277);
    Label9 = makeLink(this, "Label9", QStringLiteral("Play Áruház"), 298);
    QLabel* Label10 = makeLabel(this, "Label10", QString::fromUtf8(maker::sentence), {24, 349, 344, 28}, 8,
                                true, maroon, Qt::AlignCenter);
    Label10->setWordWrap(true);

    auto* Panel2 = new QFrame(this);
    Panel2->setObjectName("Panel2");
    Panel2->setGeometry(8, 408, 360, 41);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* BitBtn1 = new QPushButton(QStringLiteral("Befejezés"), Panel2);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(Panel2->contentsRect());

    connect(BitBtn1, &QPushButton::clicked, this, &TForm52::BitBtn1Click);
    connect(Label7, &LinkLabel::clicked, this, &TForm52::Label7Click);
    connect(Label8, &LinkLabel::clicked, this, &TForm52::Label8Click);
    connect(Label9, &LinkLabel::clicked, this, &TForm52::Label9Click);
}

void TForm52::BitBtn1Click() {
    close();
}

void TForm52::Label7Click() {
    shell::openLink(m_db.programDirectory, QString::fromUtf8(maker::web));
}

void TForm52::Label8Click() {
    shell::openLink(m_db.programDirectory, QString::fromUtf8(maker::web2));
}

void TForm52::Label9Click() {
    shell::openLink(m_db.programDirectory, QString::fromUtf8(maker::store));
}

} // namespace kartella
