#pragma once

class QLabel;

// Hands Qt's accessibility framework the window's own accessible objects:
// the rows, the spin button and the message line. Safe to call more than once.
void InstallAccessibility();

// Tells a screen reader that the message line now shows a message.
void AnnounceMessage(QLabel* messageLine);
