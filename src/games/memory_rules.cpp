#include "games/memory_rules.h"

#include "platform/random_source.h"

namespace {
constexpr int Cards = 18;
const QString AllUnmatched(Cards, u'1');
const QString AllMatched(Cards, u'0');
} // namespace

MemoryRules::MemoryRules(RandomSource& random, std::function<void()> gameFinished)
    : random_(random), gameFinished_(std::move(gameFinished))
{
}

void MemoryRules::deal()
{
    // Eighteen different numbers 1 to 18, then 10 to 18 folded onto 1 to 9: every number twice.
    for (int i = 1; i <= Cards; ++i) {
        bool taken = true;
        while (taken) {
            values_[i] = static_cast<std::int16_t>(random_.draw(1, 18));
            taken = false;
            for (int j = 1; j < i && !taken; ++j)
                taken = values_[j] == values_[i];
        }
    }
    for (int i = 1; i <= Cards; ++i)
        if (values_[i] > 9)
            values_[i] = static_cast<std::int16_t>(values_[i] - 9);
    firstOpenCard_ = 0;
    secondOpenCard_ = 0;
    cardStates_ = AllUnmatched;
}

void MemoryRules::turnCard(int k)
{
    if (k < 1 || k > Cards)
        return;
    // Clicking the open card of this turn again would pair it with itself.
    if (firstOpenCard_ == k && secondOpenCard_ == 0)
        return;
    if (firstOpenCard_ > 0 && secondOpenCard_ > 0)
        coverOpenCards();
    const QString number = QString::number(values_[k]);
    captions_[k] = number + QString(15, u' ') + u' ' + number;
    if (firstOpenCard_ == 0) {
        firstOpenCard_ = k;
        return;
    }
    if (secondOpenCard_ == 0)
        secondOpenCard_ = k;
    if (values_[firstOpenCard_] == values_[secondOpenCard_]) {
        setMatched(firstOpenCard_);
        setMatched(secondOpenCard_);
        markPair();
    }
    if (cardStates_ == AllMatched)
        gameFinished_();
    ++round_;
}

void MemoryRules::coverOpenCards()
{
    if (!matched(firstOpenCard_) || !matched(secondOpenCard_)) {
        captions_[firstOpenCard_].clear();
        captions_[secondOpenCard_].clear();
    }
    firstOpenCard_ = 0;
    secondOpenCard_ = 0;
}

void MemoryRules::markPair()
{
    white_[firstOpenCard_] = true;
    white_[secondOpenCard_] = true;
}

void MemoryRules::setMatched(int k)
{
    if (k <= cardStates_.size())
        cardStates_[k - 1] = u'0';
}

void MemoryRules::endGame()
{
    for (int k = 1; k <= Cards; ++k) {
        captions_[k].clear();
        white_[k] = false;
    }
    cardStates_.clear();
    round_ = 0;
}
