#pragma once
// Places a window in the middle of the screen's available area (the desktop
// without panels), as the program's fixed dialogs appear.

class QWidget;

void CentrerSurEcran(QWidget* fenetre);
