#pragma once

#include <QString>

// The two ways a number appears in a task text or a message.
// S(x): one blank before the digits, or the minus sign in its place ("7" -> " 7", -3 -> "-3").
// D(x): the same without its first character, so the bare digits (also for negative numbers).
QString S(int x);
QString D(int x);

// The same renderings appended to a text under construction, without a temporary string; the
// generator builds every task text this way.
void appendS(QString& out, int x);
void appendD(QString& out, int x);
