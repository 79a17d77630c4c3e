#pragma once
// The printable configuration report for the customer's records: the
// controller's identification when one is attached, the phone numbers, the
// scheduler as a table, each scenario's waveform, what acts on every output,
// and every section's settings in the window's words. Written as PDF or as
// one self-contained HTML file.

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include "config/config_image.h"
#include "config/interface_texts.h"

namespace krx {

struct ReportSetup {
    QString source;              // what the report describes: a file name, the editor
    QDateTime made;              // when it was made
    QStringList identification;  // in the order of the report's labels; empty: no controller
    const InterfaceTexts* texts = &BuiltInInterfaceTexts();
};

// The report as HTML; `pictureSource(n)` is the image address of scenario n's waveform.
QString ReportHtml(const ConfigImage& image, const ReportSetup& setup,
                   const std::function<QString(int)>& pictureSource);

enum class ReportFormat { Pdf, Html };
// By the file's suffix (.pdf, .html or .htm); none for anything else.
std::optional<ReportFormat> ReportFormatOf(const QString& fileName);

// Writes the whole report or nothing (a temporary file renamed over the
// target); false when the file cannot be written or its suffix is neither.
bool WriteReport(const ConfigImage& image, const ReportSetup& setup, const QString& fileName);

}  // namespace krx
