// The game's one look on every desktop: the Fusion style, the game's palette
// and its application font, set once for the whole application, so that every
// window and message box takes them, whatever style (-style,
// QT_STYLE_OVERRIDE), palette, colour scheme or fonts the desktop's platform
// theme sets. A theme that pushes its palette or fonts again later (qt6ct
// sets its font once the event loop runs; a theme change sets the palette
// again) is undone as it arrives.
#pragma once

namespace zentrivo {

// Sets the look and keeps it for the rest of the run; called once the
// application object exists (again: no more than once).
void useGameLook();

// Whether the application's style, palette and fonts, for every class of
// control a platform theme may give its own, are the game's.
bool hasGameLook();

}  // namespace zentrivo
