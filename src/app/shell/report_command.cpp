#include "app/shell/report_command.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include "app/live/monitor_presenter.h"
#include "app/shell/configurator_window.h"
#include "app/shell/file_commands.h"
#include "app/shell/user_dialogs.h"
#include "config/config_file.h"
#include "device/ident_record.h"
#include "report/config_report.h"

namespace krx {

const QString ReportCommand::kFilter = QStringLiteral("Отчёт PDF (*.pdf);;Отчёт HTML (*.html)");

ReportCommand::ReportCommand(ConfiguratorWindow& window, MonitorPresenter& presenter)
    : QObject(&window), window_(window), presenter_(presenter) {
    setObjectName(QStringLiteral("ReportCommand"));
    connect(window.actions().FileReport, &QAction::triggered, this, [this] {
        // The image belongs to a running job until it ends.
        if (!window_.gate().busy()) writeReport();
    });
}

QString ReportCommand::writeReport() {
    // The report describes what the editor shows, completed and normalised.
    window_.storeCurrentSection();
    window_.loadCurrentSection();
    const InterfaceTexts& texts = window_.texts();
    const QString title = QString::fromStdString(texts.report.title);
    const QString source = window_.fileCommands().fileName();
    const QString suggested = source.isEmpty() ? QString() : QFileInfo(source).completeBaseName() + ".pdf";
    const QString file = window_.dialogs().chooseFileToSave(
        &window_, {title, kFilter, QStringLiteral("pdf"), QDir::currentPath(), suggested});
    if (file.isEmpty()) return {};
    ReportSetup setup;
    setup.source = source;
    setup.made = QDateTime::currentDateTime();
    setup.texts = &texts;
    if (presenter_.identification()) setup.identification = IdentificationValues(*presenter_.identification());
    if (!WriteReport(window_.image(), setup, file)) {
        window_.dialogs().warn(&window_, title, QString::fromUtf8(kSaveFailedMessage.data(),
                                                                    qsizetype(kSaveFailedMessage.size())));
        return {};
    }
    return file;
}

}  // namespace krx
