#include "app/dialogs/about_box.h"

#include <QMouseEvent>

#include "app/shell/outward_links.h"
#include "app/shell/product_settings.h"
#include "ui_about_box.h"

namespace krx {

AboutBox::AboutBox(const QString& caption, const QString& forVersion, const QString& windowCaption,
                   QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::AboutBox>()) {
    ui_->setupUi(this);
    setWindowTitle(caption);
    ui_->Label1->setText(windowCaption);
    // The controller version this program supports.
    ui_->Label2->setText(forVersion + QLatin1Char(' ') + "LT" + "." + "01.01");
    ui_->Label4->setText(QString::fromLatin1(product::kWebAddress));
    ui_->Label5->setText(QStringLiteral("E-mail: ") + product::kSupportAddress);
    for (QLabel* link : {ui_->Label4, ui_->Label5}) {
        link->setCursor(Qt::PointingHandCursor);
        QFont font = link->font();
        font.setUnderline(true);
        link->setFont(font);
        link->setStyleSheet(QStringLiteral("color: #0000ff;"));
        link->installEventFilter(this);
    }
    connect(ui_->OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

AboutBox::~AboutBox() = default;

QLabel* AboutBox::label(int number) const {
    switch (number) {
    case 1: return ui_->Label1;
    case 2: return ui_->Label2;
    case 3: return ui_->Label3;
    case 4: return ui_->Label4;
    case 5: return ui_->Label5;
    default: return nullptr;
    }
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == ui_->Label4) emit linkRequested(QString::fromLatin1(product::kWebAddress));
        if (watched == ui_->Label5) emit linkRequested(AboutMailLink());
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace krx
