#pragma once

#include <QString>

#include <initializer_list>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace pellucors {

class ResultBox;

// Control factories for the windows: each control gets its design name as
// object name, its geometry in twips relative to `parent`, its tooltip, and an
// accessible name and description so a screen reader can announce it.

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, int left, int top,
                  int width, int height, Qt::Alignment alignment);

// A one-line label that grows to fit its text where the font is wider than
// designed, keeping the edge its alignment names (right-aligned captions stay
// flush against their boxes).
void FitLabelToText(QLabel* label);

// A single-line text box with the 12 pt window font; `label` is what a screen
// reader announces for it.
QLineEdit* MakeTextBox(QWidget* parent, const char* name, const QString& label,
                       const QString& tooltip, int left, int top, int width, int height);

// A bordered, centred 12 pt label that shows a result, empty at start;
// `label` is its heading.
ResultBox* MakeResultBox(QWidget* parent, const char* name, const QString& label,
                         const QString& tooltip, int left, int top, int width, int height);

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& tooltip, int left, int top, int width, int height);

QGroupBox* MakeFrame(QWidget* parent, const char* name, const QString& caption, int left, int top,
                     int width, int height);

// Tab order along `widgets`, in the given order.
void SetTabOrder(std::initializer_list<QWidget*> widgets);

} // namespace pellucors
