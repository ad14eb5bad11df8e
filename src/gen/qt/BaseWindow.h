#pragma once
// The Qt main window under every framework window; its text is the window
// title, so StringSetter<BaseWindow> sets titles like any other widget text.

#include <QMainWindow>
#include <QString>

namespace gen::qt {

class BaseWindow : public QMainWindow {
public:
    explicit BaseWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = {}) : QMainWindow(parent, flags) {}

    void setText(QString const& text) { setWindowTitle(text); }
    QString text() const { return windowTitle(); }
};

}  // namespace gen::qt
