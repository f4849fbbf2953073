// Charts and drawings are rendered by Qt widgets, which need a
// QApplication even when nothing is shown. A command-line run without a
// display renders through Qt's offscreen platform.
#pragma once

namespace slv {

/// Makes sure a QApplication exists, creating one (on the offscreen
/// platform when there is no display and no platform was chosen) that lives
/// until the program ends. False when another kind of Qt application object
/// already exists.
bool EnsureGuiApplication();

}  // namespace slv
