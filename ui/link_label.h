#pragma once

#include <QLabel>

namespace kartella {

// A text label that acts as a link: hand cursor, and a click signal.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace kartella
