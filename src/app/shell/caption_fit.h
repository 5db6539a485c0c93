#pragma once
// Captions are never cut: every button and label of a window is at least as large as its
// text needs in its own font and style, at any screen scale. A window's own minimum sizes
// stay where they are larger; fixed sizes grow where the text needs it. Labels that wrap
// their words and widgets whose width is left to the layout (size policy Ignored: they
// elide or cut on purpose) keep their widths; a window whose layout wraps words is kept as
// high as its text needs at its width.

class QWidget;

namespace numeralia::app {

// Applies the rule to the window now and again whenever its layout is redone (a caption
// changed), its fonts or style change, or it is shown. Calling it again does no harm.
void fitCaptions(QWidget* window);

}  // namespace numeralia::app
