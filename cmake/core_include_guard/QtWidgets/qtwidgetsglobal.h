// Searched before Qt's own headers when core code compiles: every widget
// header includes this one first, so a widget include in core stops the build.
#error "Core code links Qt Gui only: widget code belongs in a *_window or *_dialog file."
