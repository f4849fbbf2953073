#include "ui/model_summary_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "chart_qt/ansi_text.h"

namespace slv {

namespace {

constexpr const char* kErrorsFrameCaption = "Errors";
constexpr const char* kErrorListTip = "List of model errors";
constexpr int kSummaryPictureSize = 48;
constexpr int kSummaryValueWidth = 150;
constexpr int kSummaryListHeight = 120;
/// "within islands" counts the necessary elements of the line above it.
constexpr int kSubCaptionIndent = 16;

QColor summaryDiscColour(ModelTestStatus status)
{
    switch (status) {
    case ModelTestStatus::Clean: return {46, 139, 87};
    case ModelTestStatus::Doubtful: return {224, 150, 0};
    case ModelTestStatus::Wrong: return {196, 40, 40};
    }
    return Qt::gray;
}

QString summaryListText(const std::string& list)
{
    QString text = AnsiQString(list);
    text.replace("\r\n", "\n");
    while (text.endsWith('\n'))
        text.chop(1);
    return text;
}

}  // namespace

QPixmap ModelStatusPicture(ModelTestStatus status, int size, qreal deviceRatio)
{
    QPixmap picture(QSize(size, size) * deviceRatio);
    picture.setDevicePixelRatio(deviceRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disc(1, 1, size - 2, size - 2);
    painter.setPen(QPen(summaryDiscColour(status).darker(130), 1.5));
    painter.setBrush(summaryDiscColour(status));
    painter.drawEllipse(disc);

    const qreal s = size;
    painter.setPen(QPen(Qt::white, s * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    switch (status) {
    case ModelTestStatus::Clean: {
        QPainterPath tick;
        tick.moveTo(s * 0.28, s * 0.52);
        tick.lineTo(s * 0.44, s * 0.68);
        tick.lineTo(s * 0.73, s * 0.34);
        painter.drawPath(tick);
        break;
    }
    case ModelTestStatus::Doubtful: {
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(static_cast<int>(s * 0.66));
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(disc, Qt::AlignCenter, "?");
        break;
    }
    case ModelTestStatus::Wrong:
        painter.drawLine(QPointF(s * 0.33, s * 0.33), QPointF(s * 0.67, s * 0.67));
        painter.drawLine(QPointF(s * 0.67, s * 0.33), QPointF(s * 0.33, s * 0.67));
        break;
    }
    return picture;
}

ModelSummaryDialog::ModelSummaryDialog(const ModelSummary& summary, QWidget* parent)
    : QDialog(parent),
      m_status(summary.status)
{
    setWindowTitle(kModelSummaryCaption);

    auto* values = new QGridLayout;
    int row = 0;
    for (const auto& [caption, value] : SummaryRows(summary)) {
        auto* captionLabel = new QLabel(QString::fromStdString(caption));
        if (caption == kWithinIslandsCaption)
            captionLabel->setIndent(kSubCaptionIndent);
        auto* valueLabel = new QLabel(AnsiQString(value));
        valueLabel->setObjectName(QString::fromStdString(caption));
        valueLabel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        valueLabel->setMinimumWidth(kSummaryValueWidth);
        valueLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
        values->addWidget(captionLabel, row, 0);
        values->addWidget(valueLabel, row, 1);
        ++row;
    }

    m_picture = new QLabel;
    m_picture->setPixmap(ModelStatusPicture(summary.status, kSummaryPictureSize, devicePixelRatioF()));
    m_picture->setToolTip(QString::fromStdString(summary.statusTip));
    m_picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* top = new QHBoxLayout;
    top->addLayout(values);
    top->addStretch();
    top->addWidget(m_picture, 0, Qt::AlignTop);

    auto* frame = new QGroupBox(kErrorsFrameCaption);
    m_errors = new QPlainTextEdit(summaryListText(summary.errorList));
    m_errors->setReadOnly(true);
    m_errors->setToolTip(kErrorListTip);
    m_errors->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_errors->setMinimumHeight(kSummaryListHeight);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_errors);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(frame, 1);
    layout->addWidget(buttons);
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    buttons->button(QDialogButtonBox::Close)->setFocus();
}

QString ModelSummaryDialog::value(const QString& caption) const
{
    const auto* label = findChild<QLabel*>(caption);
    return label == nullptr ? QString() : label->text();
}

}  // namespace slv
