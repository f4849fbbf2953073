// The line list: when the library holds the element but not the line typed
// in its row, the library lookup asks here which of the element's lines to
// take instead. It sounds the information beep when it opens.
#pragma once

#include <optional>

#include <QDialog>

#include "platform/user_dialogs.h"

class QComboBox;

namespace slv {

class LineListDialog final : public QDialog {
public:
    LineListDialog(const LineChoiceRequest& request, QWidget* parent = nullptr);

    /// The 0-based position of the line chosen with OK; nullopt after Cancel.
    std::optional<int> choice() const { return m_choice; }
    QComboBox& lines() { return *m_lines; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QComboBox* m_lines = nullptr;
    std::optional<int> m_choice;
};

}  // namespace slv
