#pragma once
// "Файл" → "Отчёт о конфигурации...": the editor's configuration as a
// printable report (PDF or HTML) for the customer's records, with the
// controller's identification when one is attached.

#include <QObject>
#include <QString>

namespace krx {

class ConfiguratorWindow;
class MonitorPresenter;

class ReportCommand : public QObject {
    Q_OBJECT
public:
    static const QString kFilter;  // "Отчёт PDF (*.pdf);;Отчёт HTML (*.html)"

    // Owned by the window; `presenter` knows the controller attached.
    ReportCommand(ConfiguratorWindow& window, MonitorPresenter& presenter);

    // Asks where, then writes the report; the file written, or empty when
    // the dialog was cancelled or the file could not be written.
    QString writeReport();

private:
    ConfiguratorWindow& window_;
    MonitorPresenter& presenter_;
};

}  // namespace krx
