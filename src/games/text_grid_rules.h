#pragma once

// The prison and the number catch draw their fields as text: one character per cell, the cell
// (column c, row r) at 14 * c, 14 * r points. A character is erased by writing it again in white,
// so the rules only ever say which character goes to which cell and whether it is erased.

#include <QChar>

#include <functional>

using WriteCell = std::function<void(int column, int row, QChar character, bool erase)>;
