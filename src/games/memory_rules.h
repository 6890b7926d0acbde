#pragma once

// Memory: eighteen cards hide the numbers 1 to 9, each on two cards. A turn opens two cards; an
// equal pair stays open and turns white, an unequal one is covered again by the next click. The
// game is over when every card is matched.

#include <QString>

#include <array>
#include <cstdint>
#include <functional>

class RandomSource;

class MemoryRules {
public:
    // gameFinished runs when the last pair is found, before the turn is counted.
    MemoryRules(RandomSource& random, std::function<void()> gameFinished);

    void deal(); // new values, every card unmatched and face down, no card open
    void turnCard(int k); // a click on card k (1 to 18)
    void endGame(); // every card face down and no longer white, round 0

    int value(int k) const { return values_[k]; }
    QString caption(int k) const { return captions_[k]; } // "" face down, else the number twice
    bool white(int k) const { return white_[k]; } // a found pair
    int round() const { return round_; }
    // One character per card, "1" unmatched, "0" matched; empty once the game has ended.
    const QString& cardStates() const { return cardStates_; }

private:
    void coverOpenCards();
    void markPair();
    void setMatched(int k);
    bool matched(int k) const { return k <= cardStates_.size() && cardStates_.at(k - 1) == u'0'; }

    RandomSource& random_;
    std::function<void()> gameFinished_;
    std::array<std::int16_t, 21> values_{};
    std::array<QString, 19> captions_;
    std::array<bool, 19> white_{};
    QString cardStates_;
    int firstOpenCard_ = 0;
    int secondOpenCard_ = 0;
    int round_ = 1; // the first game starts in round 1; later ones where the last one left it
};
