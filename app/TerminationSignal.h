// A polite end on SIGTERM and SIGINT (logout, kill, Ctrl+C in a terminal): the window is
// closed normally, so the settings and the recent files are saved as on Exit.
#pragma once

class QWidget;

void CloseOnTerminationSignal(QWidget* window);
