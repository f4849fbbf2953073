#include "ui/about_dialog.h"

#include <cmath>
#include <numbers>

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include "document/data_file_format.h"
#include "document/library_file.h"
#include "ui/version_text.h"

namespace slv {

namespace {

constexpr const char* kAboutCaption = "About XPS Selvaro";
constexpr const char* kProductTitle = "XPS Selvaro";
constexpr const char* kPurpose =
    "Multimodel X-ray Photoelectron Spectroscopy quantification program for desktop operating systems";
constexpr const char* kLiteratureNote =
    "The calculation methods and the library data are described in the chapter \"Literature\" of the help.";
constexpr int kFrameMilliseconds = 150;
constexpr int kPictureSize = 96;

/// Frame `frame` of the photoemission picture: an X-ray photon arrives at
/// the atom and a photoelectron leaves it, a little further in each frame.
QPixmap photoemissionFrame(int frame, qreal deviceRatio)
{
    QPixmap picture(QSize(kPictureSize, kPictureSize) * deviceRatio);
    picture.setDevicePixelRatio(deviceRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF nucleus(kPictureSize * 0.42, kPictureSize * 0.58);
    painter.setPen(QPen(QColor(120, 120, 140), 1.2));
    painter.setBrush(Qt::NoBrush);
    for (const qreal shell : {14.0, 24.0})
        painter.drawEllipse(nucleus, shell, shell);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 60, 40));
    painter.drawEllipse(nucleus, 6.0, 6.0);

    // The photon: a wave from the lower left that reaches the atom as the electron leaves.
    const qreal phase = 2 * std::numbers::pi * frame / AboutDialog::kFrameCount;
    QPainterPath wave;
    for (int step = 0; step <= 40; ++step) {
        const qreal along = step / 40.0;
        const QPointF at(4 + along * (nucleus.x() - 20), kPictureSize - 4 - along * (kPictureSize - 4 - nucleus.y()));
        const QPointF point = at + QPointF(3.5, 3.5) * std::sin(along * 6 * std::numbers::pi - phase);
        step == 0 ? wave.moveTo(point) : wave.lineTo(point);
    }
    painter.setPen(QPen(QColor(220, 150, 20), 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wave);

    // The photoelectron on its way to the analyser at the upper right.
    const qreal travelled = static_cast<qreal>(frame + 1) / AboutDialog::kFrameCount;
    const QPointF start = nucleus + QPointF(10, -10);
    const QPointF electron = start + (QPointF(kPictureSize - 8, 8) - start) * travelled;
    painter.setPen(QPen(QColor(40, 90, 200), 1.0, Qt::DotLine));
    painter.drawLine(start, electron);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 90, 200));
    painter.drawEllipse(electron, 4.0, 4.0);
    return picture;
}

QLabel* versionValue(Integer hundredths)
{
    auto* label = new QLabel(VersionText(hundredths));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(kAboutCaption);
    m_picture = new QLabel;
    m_picture->setFixedSize(kPictureSize, kPictureSize);
    auto* title = new QLabel(kProductTitle);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto* purpose = new QLabel(kPurpose);
    purpose->setWordWrap(true);
    auto* note = new QLabel(kLiteratureNote);
    note->setWordWrap(true);

    auto* versions = new QGridLayout;
    const std::pair<const char*, Integer> rows[] = {
        {"Program version", kProgramVersionStamp},
        {"Library version", kLibraryVersion},
        {"Data file version", kCurrentFormatVersion},
    };
    int row = 0;
    for (const auto& [caption, version] : rows) {
        versions->addWidget(new QLabel(caption), row, 0);
        versions->addWidget(versionValue(version), row, 1);
        ++row;
    }
    versions->setColumnStretch(2, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_picture, 0, 0, 4, 1, Qt::AlignTop);
    layout->addWidget(title, 0, 1);
    layout->addWidget(purpose, 1, 1);
    layout->addLayout(versions, 2, 1);
    layout->addWidget(note, 3, 1);
    layout->addWidget(buttons, 4, 0, 1, 2);
    layout->setColumnMinimumWidth(1, 360);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_picture->setPixmap(photoemissionFrame(m_frame, devicePixelRatioF()));
    m_timer = new QTimer(this);
    m_timer->setInterval(kFrameMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &AboutDialog::advance);
    m_timer->start();
}

void AboutDialog::advance()
{
    m_frame = (m_frame + 1) % kFrameCount;
    m_picture->setPixmap(photoemissionFrame(m_frame, devicePixelRatioF()));
}

}  // namespace slv
