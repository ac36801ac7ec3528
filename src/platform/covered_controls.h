// Controls that another object stands for in front of screen readers: the frames under an
// area that draws, and describes, what lies inside them. Marked, they leave the tree that
// screen readers walk, so that each thing is there once.
#pragma once

class QWidget;

void HideFromScreenReaders(QWidget* control);

// Makes the client areas of dialogs leave marked controls out; once per process is enough.
void InstallCoveredControlsAccessibility();
