#pragma once

#include <QApplication>
#include <exception>
#include <memory>

class WidgetDialogs;

// The application object. Its one addition is the general error report: an
// exception that escapes an event handler (a failing page call, most often)
// is shown in an error box, and the program goes on with the next event.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv);
    ~Application() override;

    bool notify(QObject *receiver, QEvent *event) override;

private:
    // The real boxes of the dialog seam, installed while the application lives.
    std::unique_ptr<WidgetDialogs> m_boxes;
};

// Shows the error box of the general error report for an exception.
void reportError(const std::exception &error);
// Runs `work` and reports an exception it throws; true when none was thrown.
template<typename Work>
bool runReported(Work &&work)
{
    try {
        work();
        return true;
    } catch (const std::exception &e) {
        reportError(e);
        return false;
    }
}
