// The What's This texts of the main controls: the frame and its status
// panels, the data windows, the Print and Print Options dialogs and the text
// editor. Help, What's This? turns the pointer into a question mark; a click
// on a control shows its text.
#pragma once

class QWidget;

namespace slv {

class ChildWindow;

void AddMainWhatsThis(QWidget& workspace, QWidget& titlePanel, QWidget& filePanel, QWidget& printPanel);
void AddChildWhatsThis(ChildWindow& child);
void AddPrintWhatsThis(QWidget& dialog, QWidget& sections, QWidget& results, QWidget& print, QWidget& eject,
                       QWidget& options);
void AddPrintOptionsWhatsThis(QWidget& dialog, QWidget& printer, QWidget& font, QWidget& size, QWidget& margin,
                              QWidget& orientation);
void AddEditorWhatsThis(QWidget& text, bool notes);

}  // namespace slv
