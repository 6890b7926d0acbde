#pragma once

#include <QString>

#include <cstdint>

// The evaluation behind the bar-chart icon: the errors set against the right answers as a whole
// percentage, with a word of praise or warning; before the first right answer, a note that there
// is none yet. The whole message text, exactly as shown.
QString evaluationText(int errorCount, std::int64_t correctCount);
