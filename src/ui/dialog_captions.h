// The dialogs that other windows open modally, created by their captions for
// a picture of them (selvaro --grab) without running them.
#pragma once

#include <memory>
#include <string>

#include <QDialog>

#include "session/session.h"

namespace slv {

/// "Polyhedron Editor" on the document's polyhedron factors, or
/// "Transmission Function" for the document's transmission settings; nullptr
/// for any other caption.
std::unique_ptr<QDialog> DialogWithCaption(const std::string& caption, Session& session, QWidget* parent);

}  // namespace slv
