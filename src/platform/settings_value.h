#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The settings file ZIFTORA.INF holds one number, the reward interval. Its first field is taken
// as a number only when the whole field (blanks around it aside) is one: "20", " 20", "-3",
// "20.5", "1e2". It is rounded to a whole number, halves to the even neighbour (20.5 -> 20,
// 21.5 -> 22), and must fit a 16-bit signed value. Anything else -- empty, "20abc", "abc",
// infinity, NaN, 40000 -- gives no value and the caller keeps its default.
std::optional<qint16> parseRewardInterval(const QString& firstField);
