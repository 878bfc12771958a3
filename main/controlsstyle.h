#pragma once

namespace korvane::shell {

// The Material look of the scene's controls, in every pass of the start-up
// loop. Qt Quick Controls build their theme (Roboto, capitalised buttons, the
// style's palette) once, when their module first registers in the process: a
// second pass in the same process gets the plain look and a warning from
// QQuickStyle::setStyle() unless the theme is built again.
class ControlsStyle {
public:
    // Before the application object: chooses the style once per process.
    static void choose();
    // After the application object, before the scene loads: builds the
    // controls' theme again in every pass after the first.
    static void renew();
};

} // namespace korvane::shell
