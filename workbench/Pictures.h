#pragma once
// The workbench's pictures, drawn in code so that they need no image
// plug-in: the application icon and the toolbar's picture buttons.

#include <QIcon>
#include <QPixmap>

namespace morvane {

enum class ToolbarPicture { New, Open, Cut, Copy, Paste };

QIcon ApplicationIcon();

// The picture of a toolbar button, raised or pressed.
enum class ButtonLook { Raised, Pressed };
QPixmap ToolbarButtonPicture(ToolbarPicture picture, ButtonLook look);

}  // namespace morvane
