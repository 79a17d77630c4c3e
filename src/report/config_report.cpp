#include "report/config_report.h"

#include <QBuffer>
#include <QFont>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QUrl>

#include "config/body_description.h"
#include "config/output_sources.h"
#include "config/scheduler_task.h"
#include "report/scenario_picture.h"

namespace krx {

namespace {

QString Html(const std::string& s) { return QString::fromStdString(s).toHtmlEscaped(); }
QString Html(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())).toHtmlEscaped(); }

QString Cell(const QString& html, const char* tag = "td") {
    return QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), html);
}

QString Heading(const std::string& text, int level = 2) {
    return QStringLiteral("<h%1>%2</h%1>\n").arg(level).arg(Html(text));
}

constexpr const char* kTable = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">\n";

QString Identification(const ReportSetup& setup) {
    const ReportWords& w = setup.texts->report;
    if (setup.identification.isEmpty()) return {};
    QString html = Heading(w.identification) + kTable;
    for (qsizetype i = 0; i < setup.identification.size(); ++i) {
        const std::string label =
            std::size_t(i) < w.identificationLabels.size() ? w.identificationLabels[std::size_t(i)] : std::string();
        html += "<tr>" + Cell(Html(label)) + Cell(setup.identification[i].toHtmlEscaped()) + "</tr>\n";
    }
    return html + "</table>\n";
}

QString Phones(const BodySettings& s, const InterfaceTexts& texts) {
    const ReportWords& w = texts.report;
    const SettingValueWords& v = texts.valueWords;
    QString html = Heading(w.phones) + kTable + "<tr>" + Cell(Html(w.connection), "th") + Cell(Html(w.phone), "th") +
                   Cell(Html(w.voice), "th") + Cell(Html(w.sms), "th") + "</tr>\n";
    for (std::size_t c = 0; c < s.connections.size(); ++c) {
        const ConnectionSettings& con = s.connections[c];
        html += "<tr>" + Cell(Html(SectionNodeTextOf(texts, SectionId::Connection(int(c) + 1)))) +
                Cell(Html(con.phone)) + Cell(Html(con.callEn ? v.yes : v.no)) + Cell(Html(con.smsEn ? v.yes : v.no)) +
                "</tr>\n";
    }
    return html + "</table>\n";
}

QString Scheduler(const BodySettings& s, const InterfaceTexts& texts) {
    QString html = Heading(texts.report.scheduler) + kTable + "<tr>";
    for (std::string_view header : SchedulerHeaders()) html += Cell(Html(header).trimmed(), "th");
    html += "</tr>\n";
    const auto mark = [](bool on) { return on ? QStringLiteral("✓") : QString(); };
    for (std::size_t t = 0; t < s.clock.tasks.size(); ++t) {
        const SchedulerRow& row = s.clock.tasks[t];
        html += "<tr>" + Cell(QString::fromStdString(SchedulerRowNumber(int(t) + 1)).trimmed()) + Cell(mark(row.enabled)) +
                Cell(Html(row.time));
        for (bool day : row.days) html += Cell(mark(day));
        html += Cell(mark(row.test)) + Cell(mark(row.info));
        html += Cell(Html(ItemList(SchedulerActionItems()).at(row.action)));
        html += Cell(SchedulerExtraVisible(row.action) ? Html(ItemList(OutputReactionTexts()).at(row.extra)) : QString());
        html += "</tr>\n";
    }
    return html + "</table>\n";
}

QString Scenarios(const BodySettings& s, const InterfaceTexts& texts,
                  const std::function<QString(int)>& pictureSource) {
    const ReportWords& w = texts.report;
    QString html = Heading(w.scenarios) + "<p>" + Html(w.stepSeconds) + "</p>\n";
    for (std::size_t n = 0; n < s.scenarios.size(); ++n) {
        const ControlScenario& sc = s.scenarios[n];
        const QString repeat = sc.repeatCount == 0                          ? Html(w.endless)
                               : sc.repeatCount == scenario_layout::kPlayedOnce ? Html(w.once)
                                                                           : Html(w.times).arg(sc.repeatCount);
        html += QStringLiteral("<p><b>%1 %2</b> — %3<br/><img src=\"%4\" width=\"540\"/></p>\n")
                    .arg(Html(texts.scenarioGrid.scenario))
                    .arg(n + 1)
                    .arg(repeat, pictureSource(int(n) + 1).toHtmlEscaped());
    }
    return html;
}

QString OutputSources(const ConfigImage& image, const InterfaceTexts& texts) {
    QString html = Heading(texts.report.outputSources);
    const OutputSourceTexts sourceTexts = OutputSourceTexts::From(texts);
    for (int output = 1; output <= kOutputCount; ++output) {
        html += "<p><b>" + Html(TextAt(texts.outputNames, output - 1)) + "</b></p>\n";
        const std::vector<std::string> lines = OutputSourcesList(output, image, sourceTexts);
        if (lines.empty()) {
            html += "<p>" + Html(texts.report.noSources) + "</p>\n";
            continue;
        }
        html += "<ul>\n";
        for (const std::string& line : lines) html += "<li>" + Html(line) + "</li>\n";
        html += "</ul>\n";
    }
    return html;
}

// Every shown section's settings, two to a row; the scenarios have their pictures.
QString AllSettings(const ConfigImage& image, const InterfaceTexts& texts) {
    const ReportWords& w = texts.report;
    QString html = Heading(w.settings);
    const BodyDescription d = DescribeBody(image, texts);
    const std::string* part = nullptr;
    int inRow = 0;
    const auto closeTable = [&] {
        if (!part) return;
        if (inRow == 1) html += Cell({}) + Cell({}) + "</tr>\n";
        html += "</table>\n";
    };
    for (const SettingEntry& e : d.settings) {
        if (!e.section.isValid() || e.section == sections::kScenarios) continue;
        if (!part || *part != e.part) {
            closeTable();
            part = &e.part;
            inRow = 0;
            html += Heading(e.part, 3) + kTable + "<tr>" + Cell(Html(w.setting), "th") + Cell(Html(w.value), "th") +
                    Cell(Html(w.setting), "th") + Cell(Html(w.value), "th") + "</tr>\n";
        }
        if (inRow == 0) html += "<tr>";
        html += Cell(Html(e.name)) + Cell(Html(ValueInWords(e.value, texts.valueWords)));
        if (++inRow == 2) {
            html += "</tr>\n";
            inRow = 0;
        }
    }
    closeTable();
    return html;
}

QString ImageAddress(int scenario) { return QStringLiteral("krx-scenario-%1.png").arg(scenario); }

}  // namespace

QString ReportHtml(const ConfigImage& image, const ReportSetup& setup,
                   const std::function<QString(int)>& pictureSource) {
    const InterfaceTexts& texts = *setup.texts;
    const BodySettings s = LoadBodySettings(image);
    QString html = QStringLiteral(
                       "<html><head><meta charset=\"utf-8\"/><title>%1</title>"
                       "<style>body{font-family:'DejaVu Sans',sans-serif;font-size:9pt} th{background:#e8e8e8}"
                       " h2{margin-top:14px} table{border-collapse:collapse}</style></head><body>\n")
                       .arg(Html(texts.report.title));
    html += Heading(texts.report.title, 1);
    html += "<p>" + Html(texts.report.made) + ": " + setup.made.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss")) +
            "<br/>" + setup.source.toHtmlEscaped() + "</p>\n";
    html += Identification(setup);
    html += Phones(s, texts);
    html += Scheduler(s, texts);
    html += Scenarios(s, texts, pictureSource);
    html += OutputSources(image, texts);
    html += AllSettings(image, texts);
    return html + "</body></html>\n";
}

std::optional<ReportFormat> ReportFormatOf(const QString& fileName) {
    const QString lower = fileName.toLower();
    if (lower.endsWith(QLatin1String(".pdf"))) return ReportFormat::Pdf;
    if (lower.endsWith(QLatin1String(".html")) || lower.endsWith(QLatin1String(".htm"))) return ReportFormat::Html;
    return std::nullopt;
}

bool WriteReport(const ConfigImage& image, const ReportSetup& setup, const QString& fileName) {
    const std::optional<ReportFormat> format = ReportFormatOf(fileName);
    if (!format) return false;
    const BodySettings s = LoadBodySettings(image);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (*format == ReportFormat::Html) {
        // One file: the pictures go inside as data addresses.
        const QString html = ReportHtml(image, setup, [&s](int n) {
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            ScenarioPicture(s.scenarios[std::size_t(n - 1)]).save(&buffer, "PNG");
            return QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.toBase64());
        });
        const QByteArray bytes = html.toUtf8();
        return file.write(bytes) == bytes.size() && file.commit();
    }
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    for (std::size_t n = 0; n < s.scenarios.size(); ++n)
        document.addResource(QTextDocument::ImageResource, QUrl(ImageAddress(int(n) + 1)),
                             ScenarioPicture(s.scenarios[n]));
    document.setHtml(ReportHtml(image, setup, ImageAddress));
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(150);
        writer.setTitle(QString::fromStdString(setup.texts->report.title));
        writer.setCreator(QStringLiteral("KRX Configurator"));
        document.print(&writer);
    }
    return file.commit();
}

}  // namespace krx
