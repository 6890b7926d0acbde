#pragma once

#include <QString>

// The two ways a number appears in a task text or a message.
// spacedNumber(x): one blank before the digits, or the minus sign in its place (7 -> " 7",
// -3 -> "-3"). Numbers put into message texts use it, so the texts around them carry no blank.
// bareNumber(x): the same without its first character, so the bare digits (also for negative
// numbers).
QString spacedNumber(int x);
QString bareNumber(int x);

// The same renderings appended to a text under construction, without a temporary string; the
// generator builds every task text this way.
void appendSpacedNumber(QString& out, int x);
void appendBareNumber(QString& out, int x);
