#pragma once

// Gives the running program its name, version, desktop entry and icon, so that the desktop
// shows the window as Tallwick's. Call once, after the QApplication exists.
void setApplicationIdentity();
