#pragma once

#include <QFrame>

namespace ormitan {

// A panel of a window layout: a frame that groups controls. To a screen reader a frame is a
// window of its own, so a panel tells it the role its layout names (see below), or "panel".
class Panel : public QFrame {
    Q_OBJECT
  public:
    using QFrame::QFrame;
};

// Tells screen readers the roles that Qt cannot infer from a widget's class: the questionnaire,
// a plain widget, is a window; a panel is a panel or a tool bar; the chart is an image. A window
// layout names the role in the widget's dynamic property "accessibleRole", spelled as the
// QAccessible::Role value ("Window", "Pane", "ToolBar", "Graphic"); only the program's own classes
// are asked. Installed once by the application object.
void InstallAccessibleRoles();

}  // namespace ormitan
