#include "printing/layout_window.h"

#include "printing/preview_window.h"
#include "ui/dialogs.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QMap>

namespace kartella::printing {

namespace {

// Layout files are compiled in under this prefix, one folder per form (forms/CMakeLists.txt).
const QString kLayoutRoot = QStringLiteral(":/layouts");

const QMap<QString, QString>& layoutFiles() {
    static const QMap<QString, QString> files = [] {
        QMap<QString, QString> found;
        QDirIterator it(kLayoutRoot, {QStringLiteral("*.json")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            found.insert(QFileInfo(path).completeBaseName(), path);
        }
        return found;
    }();
    return files;
}

} // namespace

QStringList layoutWindowNames() {
    QStringList names = layoutFiles().keys();
    // By window number, so that TForm7 comes before TForm14.
    auto number = [](const QString& name) {
        qsizetype digits = name.size();
        while (digits > 0 && name.at(digits - 1).isDigit())
            --digits;
        return std::pair(name.left(digits), name.mid(digits).toInt());
    };
    std::sort(names.begin(), names.end(),
              [&](const QString& a, const QString& b) { return number(a) < number(b); });
    return names;
}

QString layoutResource(const QString& windowName) {
    return layoutFiles().value(windowName);
}

LayoutWindow::LayoutWindow(Layout layout, QObject* parent) : QObject(parent), m_layout(std::move(layout)) {
    setObjectName(m_layout.windowName());
}

std::unique_ptr<LayoutWindow> LayoutWindow::create(const QString& windowName, QObject* parent) {
    const QString path = layoutResource(windowName);
    if (path.isEmpty())
        throw LayoutError(QStringLiteral("Nincs ilyen nyomtatási kép: %1").arg(windowName));
    Layout layout = Layout::load(path);
    if (layout.windowName() != windowName)
        throw LayoutError(
            QStringLiteral("%1: a fájl a(z) %2 nyomtatási képét írja le").arg(path, layout.windowName()));
    return std::make_unique<LayoutWindow>(std::move(layout), parent);
}

const Report& LayoutWindow::prepare() {
    m_report = printing::prepare(m_layout, m_records);
    return *m_report;
}

void LayoutWindow::preview() {
    show(true);
}

void LayoutWindow::previewAndWait() {
    show(false);
}

void LayoutWindow::show(bool modal) {
    prepare();
    // The preview window and its pages go when it closes; the last prepared report stays readable
    // through prepared() (tests check what was shown) until the next prepare.
    PreviewWindow window(*m_report);
    if (modal) {
        window.setWindowModality(Qt::ApplicationModal);
        dialogs().showModal(window);
    } else {
        dialogs().showAndWait(window);
    }
}

} // namespace kartella::printing
