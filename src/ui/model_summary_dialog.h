// The "Model Summary" window: the model type and the counts that decide
// whether the layer system can be solved, the findings of the model checks
// in the "Errors" list, and a status picture (clean, doubtful, wrong) whose
// tool tip names the stage that decided. It shows a ModelSummary worked out
// by the command layer and changes nothing; its one button closes it.
#pragma once

#include <QDialog>

#include "model/model_test.h"

class QLabel;
class QPlainTextEdit;

namespace slv {

inline constexpr const char* kModelSummaryCaption = "Model Summary";

class ModelSummaryDialog final : public QDialog {
public:
    explicit ModelSummaryDialog(const ModelSummary& summary, QWidget* parent = nullptr);

    ModelTestStatus status() const { return m_status; }
    /// The value shown beside a caption ("Model type", "Layers", ...); empty for another caption.
    QString value(const QString& caption) const;
    const QPlainTextEdit& errorList() const { return *m_errors; }
    const QLabel& statusPicture() const { return *m_picture; }

private:
    ModelTestStatus m_status;
    QPlainTextEdit* m_errors = nullptr;
    QLabel* m_picture = nullptr;
};

/// The picture of a verdict, drawn for the screen's pixel ratio: a green
/// tick, an amber question mark or a red cross on a disc.
QPixmap ModelStatusPicture(ModelTestStatus status, int size, qreal deviceRatio);

}  // namespace slv
