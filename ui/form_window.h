#pragma once
// The common frame of the program's windows (all but the main window): a fixed client area
// in Segoe UI 9 pt, centred, with a system menu and, where asked, a minimise button; and the
// small builders that place a named control at its pixel position.

#include <QDialog>
#include <QRect>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kartella {

class FormWindow : public QDialog {
    Q_OBJECT
public:
    enum class Border { Minimizable, SystemMenuOnly };
    FormWindow(const char* name, const QString& caption, QSize clientArea,
               Border border = Border::Minimizable, QWidget* parent = nullptr);

    // Runs on every showing of the window, before the user sees it.
    virtual void FormShow() {}

protected:
    void showEvent(QShowEvent* event) override;
};

namespace build {

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect box);
QLineEdit* edit(QWidget* parent, const char* name, QRect box, int maxLength = 0);
// A drop-down list with an editable text; typing never adds to the list.
QComboBox* comboBox(QWidget* parent, const char* name, QRect box, const QStringList& items = {});
QCheckBox* checkBox(QWidget* parent, const char* name, QPoint at, const QString& caption = {});
QLabel* label(QWidget* parent, const char* name, const QString& caption, QPoint at);
// A date picker showing the short date of the regional settings.
QDateEdit* datePicker(QWidget* parent, const char* name, QRect box);
// A lowered panel.
QFrame* panel(QWidget* parent, const char* name, QRect box);

// Sets the order in which Tab walks the listed controls.
void tabOrder(const QList<QWidget*>& controls);

} // namespace build

} // namespace kartella
