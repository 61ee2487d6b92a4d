#pragma once
// Input routines: the deposit program's amount and count boxes, and the boxes whose text
// goes into the 8-bit data files.

#include <QString>

class QComboBox;
class QLineEdit;

namespace pellar {

class Desk;

// A number becomes two decimals with no group separators (12.5 -> "12.50"), true.
// Anything else: beep, zero in the currency format, focus back in the box, false.
bool CheckMoneyBox(QLineEdit& box, Desk& desk);

// A number becomes its whole part (the largest whole number not above it: 7.9 -> "7").
// An empty box, or one that holds no number: beep and "0".
void WholeNumberBox(QLineEdit& box, Desk& desk);

// The key code for a digit (48 to 57) or backspace (8); 0 for every other key, which the
// caller then drops.
int DigitKeyFilter(int keyCode);

// Lets only the keys DigitKeyFilter passes type into the box. Keys that move the focus or
// answer a dialog (Tab, Enter, Escape) and keys that type nothing (arrows, Delete) still
// work. The filter belongs to the box.
// With allowDecimalPoint, the full stop and the regional decimal point pass as well.
void installDigitKeyFilter(QLineEdit& box, bool allowDecimalPoint = false);

// Keeps a box to what the data files can hold: characters outside the code page (and
// control characters) are left out as they are typed or pasted, and a note at the box names
// what was left out. Text put in by the program is not touched.
void keepStorable(QLineEdit& box);
void keepStorable(QComboBox& box); // an editable one

// The note keepStorable shows, for the characters left out.
QString leftOutNote(const QString& dropped);

} // namespace pellar
