#include "ui/qt_dialogs.h"

#include <cstdio>

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "chart_qt/ansi_text.h"
#include "ui/line_list_dialog.h"

namespace slv {

namespace {

QMessageBox::Icon iconOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton buttonOf(DialogAnswer answer)
{
    switch (answer) {
    case DialogAnswer::Ok: return QMessageBox::Ok;
    case DialogAnswer::Cancel: return QMessageBox::Cancel;
    case DialogAnswer::Yes: return QMessageBox::Yes;
    case DialogAnswer::No: return QMessageBox::No;
    case DialogAnswer::Retry: return QMessageBox::Retry;
    case DialogAnswer::Abort: return QMessageBox::Abort;
    case DialogAnswer::Ignore: return QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

QString captionOf(const std::string& title)
{
    return title.empty() ? QString(kProgramCaption) : AnsiQString(title);
}

std::string ansiOf(const QString& text)
{
    return Utf8ToAnsi(text.toStdString());
}

}  // namespace

DialogAnswer QtDialogs::message(const MessageRequest& request)
{
    if (m_unattended) {
        std::fprintf(stderr, "selvaro: %s\n", AnsiToUtf8(request.text).c_str());
        const std::vector<DialogAnswer> offered = answersOf(request.buttons);
        const auto index = static_cast<std::size_t>(request.defaultButton);
        return index < offered.size() ? offered[index] : offered.front();
    }
    QMessageBox box(iconOf(request.icon), captionOf(request.title), AnsiQString(request.text), QMessageBox::NoButton,
                    m_parent);
    const std::vector<DialogAnswer> answers = answersOf(request.buttons);
    for (DialogAnswer answer : answers)
        box.addButton(buttonOf(answer));
    const auto defaultIndex = static_cast<std::size_t>(request.defaultButton);
    if (defaultIndex < answers.size())
        box.setDefaultButton(buttonOf(answers[defaultIndex]));
    // A message met during long work (a fit, a simulation) is answered with
    // the ordinary pointer, not the busy one of the work around it.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
    if (busy)
        QApplication::restoreOverrideCursor();
    for (DialogAnswer answer : answers)
        if (buttonOf(answer) == pressed)
            return answer;
    // Closed with Escape or the window's close button: the way out.
    for (DialogAnswer way : {DialogAnswer::Cancel, DialogAnswer::No, DialogAnswer::Ok})
        if (std::find(answers.begin(), answers.end(), way) != answers.end())
            return way;
    return answers.front();
}

std::optional<std::string> QtDialogs::inputBox(const InputRequest& request)
{
    if (m_unattended)
        return std::nullopt;
    bool ok = false;
    const QString text = QInputDialog::getText(m_parent, captionOf(request.title), AnsiQString(request.prompt),
                                               QLineEdit::Normal, AnsiQString(request.defaultText), &ok);
    if (!ok)
        return std::nullopt;
    return ansiOf(text);
}

std::optional<int> QtDialogs::chooseLine(const LineChoiceRequest& request)
{
    if (m_unattended)
        return std::nullopt;
    LineListDialog dialog(request, m_parent);
    dialog.exec();
    return dialog.choice();
}

void QtDialogs::beep()
{
    QApplication::beep();
}

}  // namespace slv
